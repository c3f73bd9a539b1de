// The run around the rows: the location checked, the new lists fetched, the
// location's own list read, and at the end the new lists put in its place.
#include "base/ZajednickiTekstovi.h"
#include "distribute/PunjenjeLokacije.h"

#include "base/DatotekaPokrajCilja.h"
#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/Izvjestaji.h"
#include "base/Napredak.h"
#include "base/OkviriPoruka.h"
#include "base/Stanje.h"
#include "catalogue/TablicneDatoteke.h"
#include "catalogue/ZapisVerzije.h"

#include <QDir>

namespace velkor {

namespace {

const QString Prefiks = QStringLiteral("Download na lokaciju- ");
const QString Provjerite = QStringLiteral("Provjerite vezu sa internetom i pokušajte ponovno!");
const QString GreškaMatrice =
    QStringLiteral("DownloadNaLokaciju - Desila se greška u čitanju zapisa u matricu.");

} // namespace

PunjenjeLokacije::PunjenjeLokacije(Stanje& stanje, Napredak& napredak, Izvještaji& izvještaji,
                                   OkviriPoruka& poruke, Datoteke& datoteke, Dnevnik& dnevnik,
                                   TablicneDatoteke& tablice, SpremištePostavki& spremište,
                                   Sat& sat, const QString& direktorijaPrograma,
                                   DownloadDatoteke downloadDatoteke, PrikazPrijenosa prikaz)
    : stanje(stanje), napredak(napredak), izvještaji(izvještaji), poruke(poruke),
      datoteke(datoteke), dnevnik(dnevnik), tablice(tablice),
      dohvat(stanje, poruke, datoteke, dnevnik, std::move(downloadDatoteke)),
      potvrda(stanje, poruke, datoteke, dnevnik, tablice, spremište, sat, direktorijaPrograma),
      prikaz(std::move(prikaz)), prekidanje(stanje, dnevnik, poruke) {}

QString PunjenjeLokacije::LokacijaSRazdjelnikom(QString lokacija) {
    if (!lokacija.isEmpty() && !lokacija.endsWith(QDir::separator()))
        lokacija += QDir::separator();
    return lokacija;
}

bool PunjenjeLokacije::DownloadNaLokaciju(bool PrikažiPoruke, const QString& zadanaLokacija) {
    prikažiPoruke = PrikažiPoruke;
    krajPrograma = false;
    neispravni.clear();
    zaPostaviti.clear();
    if (!pripremi(zadanaLokacija))
        return false;
    započniPrikaz();
    for (int red = 0; red < Matrica::Redaka; ++red) {
        if (!nove.tekst(red, Stupac::Ime).isEmpty() && !obradiRed(red))
            return false;
    }
    // A package that did not come whole leaves the location as its old list describes it.
    const bool postavljeno = neispravni.isEmpty() && postaviIzdanje();
    završi();
    return postavljeno;
}

bool PunjenjeLokacije::pripremi(const QString& zadanaLokacija) {
    lokacija = LokacijaSRazdjelnikom(zadanaLokacija);
    if (lokacija.isEmpty() || !datoteke.PostojiDirektorija(lokacija)) {
        poruka(QStringLiteral("Ne postoji unesena lokacija za download programa: ") + lokacija +
                   NoviRed +
                   QStringLiteral("Program ne može nastaviti sa presnimavanjem programa na "
                                  "zadanu lokaciju!"),
               true);
        return false;
    }
    update = lokacija + QStringLiteral("Update") + QDir::separator();
    if (!datoteke.PostojiDirektorija(update)) {
        if (const Rezultat napravljena = datoteke.NapraviDirektoriju(update); !napravljena) {
            // The user is told and the program ends; a run of the timer must not
            // end a program nobody is watching, so it logs and stops.
            if (!prikažiPoruke) {
                logiraj(Prefiks, QStringLiteral("Nastala je greška u kreiranju Update "
                                                "direktorije ") +
                                     update + QStringLiteral(": ") + napravljena.greška().opis +
                                     QStringLiteral(". Prekida se sa prebacivanjem!"));
                return false;
            }
            poruka(QStringLiteral("Nastala je greška u kreiranju Update direktorije! Program za "
                                  "skidanje novih programa mora prestati sa radom. Vjerojatno "
                                  "nemate administratorska prava."),
                   true);
            krajPrograma = true;
            return false;
        }
    }
    ObrišiNedovršene(datoteke, lokacija);
    ObrišiNedovršene(datoteke, update);
    if (!dovršiPrekinuto())
        return false;
    if (!dohvatiPopise())
        return false;
    dohvat.DohvatiTeamViewer(lokacija, update, prikažiPoruke, potvrda);
    if (!tablice.PročitajMatricu(nove, potvrda.Popis(), update + ImeListeVerzija))
        return prekini(QString(), GreškaMatrice + QStringLiteral(" Prekida se ažuriranje!"));
    if (!datoteke.PostojiDirektorija(lokacija)) {
        poruka(QStringLiteral("Ne postoji direktorija: ") + lokacija +
                   QStringLiteral(" ili niste spojeni!") + NoviRed +
                   QStringLiteral("Prekida se sa prebacivanjem!"),
               false);
        return false;
    }
    return učitajPopisLokacije();
}

bool PunjenjeLokacije::dohvatiPopise() {
    if (!dohvat.DohvatiVerzije(update, Prefiks, prikažiPoruke))
        return false;
    if (!dohvat.download()(ImeListeVerzijaU, update, NajvišePopis))
        return prekini(Prefiks, QStringLiteral("Nije moguće učitati kontrolnu datoteku sa "
                                               "interneta VerzijeU! ") +
                                    Provjerite + QStringLiteral(" Prekida se ažuriranje!"));
    if (!datoteke.PostojiDatoteka(update + ImeListeVerzijaU))
        logiraj(Prefiks,
                QStringLiteral("Učitao sa interneta VerzijeU.txt ali one ne postoje u ") + update);
    // Nothing reaches the location before the release has been checked.
    if (!dohvat.DohvatiSažetke(update) || !potvrda.Provjeri(update, Prefiks, prikažiPoruke))
        return false;
    if (const QString greška =
            potvrda.ProvjeriDatoteku(ImeListeVerzijaU, update + ImeListeVerzijaU);
        !greška.isEmpty()) {
        stanje.VrstaZadnjeGreške = VrstaGreske::Provjera;
        return prekini(Prefiks, greška + QStringLiteral(" Prekida se ažuriranje!"));
    }
    return true;
}

bool PunjenjeLokacije::učitajPopisLokacije() {
    kopirajSve = false;
    const QString put = lokacija + ImeListeVerzija;
    if (!datoteke.PostojiDatoteka(put)) {
        // Asked also in a scheduled run: copying everything is a decision to make.
        const Odgovor odgovor =
            poruke.Poruka(QStringLiteral("Ne postoji datoteka: ") + put +
                              QStringLiteral(". Kopiraju se sve datoteke. Želite li nastaviti "
                                             "sa download-om?"),
                          Ikona::Upitnik, Gumbi::DaNe);
        if (odgovor != Odgovor::Da)
            return false;
        kopirajSve = true;
        OčistiMatricu(stare);
    } else if (!tablice.UčitajMatricu(stare, put)) {
        stanje.ZadnjaGreška =
            GreškaMatrice + QStringLiteral(" Kopiraju se sve datoteke! Želite li nastaviti? ");
        logiraj(QString(), stanje.ZadnjaGreška);
        kopirajSve = true;
    }
    return true;
}

void PunjenjeLokacije::započniPrikaz() {
    prikaz.Pokreni();
    napredak.PrikažiProgres(0, KrugProgresa);
    korakProgresa = 0;
    stanje.IzvještajRada.clear();
    stanje.PopisGrešaka.clear();
    stanje.UkupnoPreneseno = 0;
    dohvaćeno = false;
    bazaDohvaćena = false;
}

void PunjenjeLokacije::kopirajPopis(const QString& ime) {
    Greška greška;
    const std::optional<QByteArray> bajtovi = datoteke.Pročitaj(update + ime, &greška);
    if (!bajtovi)
        stanje.PopisGrešaka +=
            NoviRed + QStringLiteral("Greška u kopiranju ") + ime + QLatin1Char(' ') + greška.opis;
    else if (const QString neodgovara = potvrda.ProvjeriBajtove(ime, *bajtovi);
             !neodgovara.isEmpty())
        stanje.PopisGrešaka += NoviRed + neodgovara;
    else
        zapišiPopis(ime, *bajtovi);
}

void PunjenjeLokacije::zapišiPopis(const QString& ime, const QByteArray& bajtovi) {
    // Other computers read the lists at any moment: the file is written beside
    // and renamed over, so they find the old list or the new one, never half.
    if (const Rezultat zapisano = datoteke.ZapišiCijelu(lokacija + ime, bajtovi); !zapisano)
        stanje.PopisGrešaka += NoviRed + QStringLiteral("Greška u kopiranju ") + ime +
                               QLatin1Char(' ') + zapisano.greška().opis;
    else
        stanje.IzvještajRada += NoviRed + QStringLiteral("Kopirano ") + ime;
}

void PunjenjeLokacije::završi() {
    prikaz.Zaustavi();
    napredak.SakrijProgres();
    izvještaji.PrikažiIzvještajRada(stanje.IzvještajRada);
    izvještaji.PrikažiPopisGrešaka(stanje.PopisGrešaka);
}

void PunjenjeLokacije::logiraj(const QString& prefiks, const QString& poruka) {
    dnevnik.LogirajGrešku(prefiks + poruka);
}

void PunjenjeLokacije::poruka(const QString& tekst, bool uskličnik) {
    if (prikažiPoruke)
        poruke.Poruka(tekst, uskličnik ? Ikona::Usklicnik : Ikona::Nema);
}

bool PunjenjeLokacije::prekini(const QString& prefiks, const QString& tekst) {
    return prekidanje.Prekini(prefiks, tekst, prikažiPoruke);
}

} // namespace velkor
