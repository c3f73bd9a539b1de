#include "catalogue/PlanAzuriranja.h"

#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/OkviriPoruka.h"
#include "base/PrikazPlana.h"
#include "base/Stanje.h"
#include "base/ZajednickiTekstovi.h"
#include "catalogue/ZapisVerzije.h"

#include <QtNumeric>

namespace velkor {

namespace {

const QString Prefiks = QStringLiteral("NapraviRsŠtoTrebaAžurirati - ");

} // namespace

PlanAžuriranja::PlanAžuriranja(Stanje& stanje, OkviriPoruka& poruke, PrikazPlana& prikaz,
                               Datoteke& datoteke, Dnevnik& dnevnik)
    : stanje(stanje), poruke(poruke), prikaz(prikaz), datoteke(datoteke), dnevnik(dnevnik),
      tablice(datoteke, poruke, dnevnik, stanje), prekidanje(stanje, dnevnik, poruke) {}

void PlanAžuriranja::logiraj(const QString& poruka) {
    dnevnik.LogirajGrešku(poruka);
}

bool PlanAžuriranja::NapraviRsŠtoTrebaAžurirati(const QByteArray& noviPopis) {
    const bool napravljen = napravi(noviPopis);
    prikaz.OmogućiDownload(napravljen);
    return napravljen;
}

bool PlanAžuriranja::napravi(const QByteArray& noviPopis) {
    logiraj(Prefiks + QStringLiteral("početak"));

    const QString nova = stanje.PutanjaUpdate + ImeListeVerzija;
    logiraj(Prefiks + QStringLiteral("čitanje rs ") + nova);
    if (!tablice.PročitajMatricu(stanje.NoveVerzije, noviPopis, nova))
        return prekidanje.Prekini(
            QString(), Prefiks + QStringLiteral("Desila se greška u čitanju zapisa u matricu iz "
                                                "datoteke. Prekida se ažuriranje!"));

    const QString stara = stanje.PutanjaPrograma + ImeListeVerzija;
    logiraj(Prefiks + QStringLiteral("čitanje rs ") + stara);
    if (!datoteke.PostojiDatoteka(stara)) {
        stanje.ZadnjaGreška = QStringLiteral("Ne postoji datoteka: ") + stara +
                              QStringLiteral(" te nije moguće nastaviti sa ažuriranjem. "
                                             "Kontaktirajte Velkor!");
        logiraj(QStringLiteral("NapraviRsŠtoTrebaAžurirati ") + stanje.ZadnjaGreška);
        poruke.Poruka(stanje.ZadnjaGreška, Ikona::Informacija);
        return false;
    }
    if (!tablice.UčitajMatricu(stanje.StareVerzije, stara))
        return prekidanje.Prekini(
            QString(), Prefiks + QStringLiteral("Desila se greška u čitanju zapisa u "
                                                "matricu-STARI. Prekida se ažuriranje!"));

    stanje.IzvještajRada.clear();
    stanje.PopisGrešaka.clear();
    stanje.UkupnoDownload = 0;
    bool bazaOznačena = false;
    logiraj(Prefiks + QStringLiteral("upoređenje što treba ažurirati "));
    for (int red = 0; red < Matrica::Redaka; ++red) {
        if (!stanje.NoveVerzije.tekst(red, Stupac::Ime).isEmpty())
            usporedi(red, bazaOznačena);
    }
    logiraj(Prefiks + QStringLiteral("kraj"));

    // A plan is never kept on disk; one left from elsewhere goes.
    const QString stariPlan = stanje.PutanjaUpdate + QStringLiteral("Update.txt");
    if (datoteke.PostojiDatoteka(stariPlan))
        std::ignore = datoteke.Obriši(stariPlan, true);

    prikaz.PrikažiPlan(StavkePlana());
    return true;
}

void PlanAžuriranja::usporedi(int red, bool& bazaOznačena) {
    const ZapisVerzije novi(stanje.NoveVerzije, red);
    const QString ime = novi.Ime();
    if (NeispravnoIme(ime)) {
        logiraj(Prefiks + QStringLiteral("Neispravno ime datoteke: ") + ime);
        označi(red, false);
        return;
    }

    const int f = NađiRed(stanje.StareVerzije, ime);
    if (f < 0) {
        if (JeUpdater(ime)) {
            označi(red, false);
            return;
        }
        logiraj(Prefiks + QStringLiteral("Nije pronađen zapis o starim verzija za :") + ime +
                QStringLiteral(" pa se mora kopirati"));
        označi(red, true);
        dodajUkupno(red);
        return;
    }
    const ZapisVerzije stari(stanje.StareVerzije, f);

    bool novije = Novija(novi, stari);
    const VrstaStavke vrsta = Vrsta(ime);

    if (!novije) {
        if (vrsta == VrstaStavke::Skripta || vrsta == VrstaStavke::Pomoć) {
            const QString put = DirektorijaStavke(stanje, ime) + ime;
            if (!datoteke.PostojiDatoteka(put)) {
                logiraj(Prefiks + QStringLiteral("Nije nađena datoteka: ") + put +
                        QStringLiteral(" pa se mora napraviti"));
                novije = true;
            }
            if (!novije)
                novije = VećaVeličina(novi.StvarnaVeličina(), stari.StvarnaVeličina());
        } else if (!datoteke.PostojiDatoteka(stanje.PutanjaPrograma + ime)) {
            logiraj(Prefiks + QStringLiteral("Nije nađena datoteka: ") + ime +
                    QStringLiteral(" pa se mora napraviti"));
            novije = true;
        }
    }

    if (JeUpdater(ime) || !novije) {
        // Scripts ride along with a database component that is being installed.
        označi(red, vrsta == VrstaStavke::Skripta && bazaOznačena);
        return;
    }
    logiraj(Prefiks + QStringLiteral("Treba instalirati: ") + ime);
    dodajUkupno(red);
    if (ime == ImeKomponenteBaze)
        bazaOznačena = true;
    označi(red, true);
}

void PlanAžuriranja::označi(int red, bool zaInstalirati) {
    stanje.NoveVerzije(red, Stupac::OznakaAžuriranja) = qint16(zaInstalirati ? 1 : 0);
}

void PlanAžuriranja::dodajUkupno(int red) {
    // A size or a sum beyond 32 bits is left out; the sum keeps what it had.
    const std::optional<qint32> veličina = ZapisVerzije(stanje.NoveVerzije, red).VeličinaDownload();
    qint32 zbroj = 0;
    if (veličina && !qAddOverflow(stanje.UkupnoDownload, *veličina, &zbroj))
        stanje.UkupnoDownload = zbroj;
}

QList<QStringList> PlanAžuriranja::StavkePlana() const {
    QList<QStringList> stavke;
    for (int red = 0; red < Matrica::Redaka; ++red) {
        if (!ZapisVerzije(stanje.NoveVerzije, red).Planiran())
            continue;
        QStringList tekstovi;
        for (int stupac = Stupac::Ime; stupac <= Stupac::StvarnaVeličina; ++stupac)
            tekstovi << stanje.NoveVerzije.tekst(red, stupac);
        stavke << tekstovi;
    }
    return stavke;
}

} // namespace velkor
