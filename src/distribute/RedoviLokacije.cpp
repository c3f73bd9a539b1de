// The rows of the new list, one by one: fetched when newer, missing or of
// another size at the location, then size-checked.
#include "distribute/PunjenjeLokacije.h"

#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/Prozor.h"
#include "base/Stanje.h"
#include "catalogue/ImePaketa.h"
#include "catalogue/ZapisVerzije.h"

#include <QtNumeric>

namespace velkor {

namespace {

const QString Prefiks = QStringLiteral("Download na lokaciju - ");
const QString CrLf = QStringLiteral("\r\n");

bool jednako(std::optional<qint64> datoteka, std::optional<qint32> popis) {
    return datoteka && popis && *datoteka == *popis;
}

} // namespace

bool PunjenjeLokacije::obradiRed(int red) {
    const ZapisVerzije novi(stanje.NoveVerzije, red);
    const QString ime = novi.Ime();
    // A name from the server must not lead outside the location.
    if (NeispravnoIme(ime)) {
        logiraj(Prefiks, QStringLiteral("Neispravno ime datoteke: ") + ime);
        return true;
    }
    const QString paket = ImePaketa(ime);
    bool dohvati = true;
    if (!kopirajSve) {
        const int stari = nađiStaruVerziju(ime);
        if (stari < 0)
            stanje.PopisGrešaka += CrLf +
                                   QStringLiteral("Nije pronađen zapis o starim verzija za :") +
                                   ime + QStringLiteral(" pa se mora kopirati");
        else
            dohvati = novije(red, stari, paket);
        if (stari >= 0 && dohvati)
            datoteke.Obriši(lokacija + paket, true);
    }
    if (!dohvati)
        stanje.IzvještajRada += CrLf + QStringLiteral("Ista verzija: ") + ime;
    else if (!dohvatiPaket(red, paket))
        return false;
    if (!provjeriVeličinu(red, paket))
        return false;
    pomakniProgres();
    return true;
}

bool PunjenjeLokacije::novije(int red, int redStarog, const QString& paket) {
    const ZapisVerzije novi(stanje.NoveVerzije, red);
    const ZapisVerzije stari(stanje.StareVerzije, redStarog);
    // Each part on its own: a grown revision counts even under a fallen minor part.
    bool dohvati = stari.Ver_Gl() < novi.Ver_Gl() || stari.Ver_Pom() < novi.Ver_Pom() ||
                   stari.Ver_Rev() < novi.Ver_Rev();
    const VrstaStavke vrsta = Vrsta(novi.Ime());
    if (!dohvati && (vrsta == VrstaStavke::Pomoć || vrsta == VrstaStavke::Kontrola))
        dohvati = VećaVeličina(novi.StvarnaVeličina(), stari.StvarnaVeličina()) ||
                  VećaVeličina(novi.VeličinaDownload(), stari.VeličinaDownload());
    if (!dohvati)
        dohvati = paketSeRazlikuje(red, paket);
    // Controls and scripts follow a new database component; help follows any fetch.
    return dohvati || (vrsta == VrstaStavke::Kontrola && bazaDohvaćena) ||
           (vrsta == VrstaStavke::Pomoć && dohvaćeno) ||
           (vrsta == VrstaStavke::Skripta && bazaDohvaćena);
}

bool PunjenjeLokacije::paketSeRazlikuje(int red, const QString& paket) {
    const QString put = lokacija + paket;
    if (!datoteke.PostojiDatoteka(put)) {
        stanje.PopisGrešaka += CrLf + QStringLiteral("Nije nađena 7z datoteka: ") + paket +
                               QStringLiteral(" pa se mora napraviti");
        return true;
    }
    const std::optional<qint64> veličina = datoteke.Veličina(put);
    // An unreadable size is left to the check after the row.
    if (!veličina || jednako(veličina, ZapisVerzije(stanje.NoveVerzije, red).VeličinaDownload()))
        return false;
    stanje.PopisGrešaka += CrLf + QStringLiteral("Nađena 7z datoteka: ") + paket +
                           QStringLiteral(" ali je veličina različita ") +
                           QString::number(*veličina) + QStringLiteral(" Novi: ") +
                           tekstVeličine(red) + QStringLiteral(" pa će se prekopirati");
    return true;
}

bool PunjenjeLokacije::dohvatiPaket(int red, const QString& paket) {
    const ZapisVerzije novi(stanje.NoveVerzije, red);
    if (!downloadDatoteke(paket, lokacija))
        return false;
    // Only what arrived counts; a size or a sum beyond 32 bits is left out.
    qint32 zbroj = 0;
    const std::optional<qint32> veličina = novi.VeličinaDownload();
    if (veličina && !qAddOverflow(stanje.UkupnoPreneseno, *veličina, &zbroj))
        stanje.UkupnoPreneseno = zbroj;
    dohvaćeno = true;
    if (novi.Ime() == ImeKomponenteBaze)
        bazaDohvaćena = true;
    return true;
}

bool PunjenjeLokacije::provjeriVeličinu(int red, const QString& paket) {
    const ZapisVerzije novi(stanje.NoveVerzije, red);
    const std::optional<qint64> veličina = datoteke.Veličina(lokacija + paket);
    if (!veličina) {
        prekini(Prefiks, QStringLiteral("Greška u provjeri veličine datoteke-dohvatu datoteke ") +
                             paket + QStringLiteral(". Prekida se ažuriranje!"));
        stanje.PopisGrešaka += CrLf + stanje.ZadnjaGreška;
        return false;
    }
    stanje.ZadnjaGreška = QStringLiteral("Veličina presnimljene datoteke ") + paket +
                          QStringLiteral(" je ") + QString::number(*veličina) +
                          QStringLiteral(", a veličina originalne datoteke je ") +
                          tekstVeličine(red);
    if (jednako(veličina, novi.VeličinaDownload())) {
        stanje.ZadnjaGreška += QStringLiteral(". OK.");
        logiraj(Prefiks, stanje.ZadnjaGreška);
        return true;
    }
    stanje.ZadnjaGreška += QStringLiteral(" i one nisu iste. Moguća greška u prijenosu datoteke. "
                                          "Ponovite postupak. Nastaviće se prijenos za ostale "
                                          "datoteke!");
    logiraj(Prefiks, stanje.ZadnjaGreška);
    stanje.PopisGrešaka += CrLf + stanje.ZadnjaGreška;
    poruka(stanje.ZadnjaGreška, true);
    return true;
}

void PunjenjeLokacije::pomakniProgres() {
    const qint32 vrijednost = prozor.Progres() + 1;
    prozor.PostaviProgres(vrijednost >= KrugProgresa ? 1 : vrijednost);
}

QString PunjenjeLokacije::tekstVeličine(int red) const {
    return stanje.NoveVerzije.tekst(red, Stupac::VeličinaDownload);
}

int PunjenjeLokacije::nađiStaruVerziju(const QString& ime) const {
    for (int red = 0; red < Matrica::Redaka; ++red) {
        if (stanje.StareVerzije.tekst(red, Stupac::Ime) == ime)
            return red;
    }
    return -1;
}

} // namespace velkor
