// The rows of the new list, one by one: fetched when newer, missing or of
// another size at the location, then size-checked.
#include "base/ZajednickiTekstovi.h"
#include "distribute/PunjenjeLokacije.h"

#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/Napredak.h"
#include "base/Stanje.h"
#include "catalogue/ImePaketa.h"
#include "catalogue/ZapisVerzije.h"

#include <QtNumeric>

namespace velkor {

namespace {

const QString Prefiks = QStringLiteral("Download na lokaciju - ");

bool jednako(std::optional<qint64> datoteka, std::optional<qint32> popis) {
    return datoteka && popis && *datoteka == *popis;
}

} // namespace

qint32 SljedećiKorakProgresa(qint32 korak) {
    return korak + 1 >= KrugProgresa ? 1 : korak + 1;
}

bool PunjenjeLokacije::obradiRed(int red) {
    const ZapisVerzije novi(nove, red);
    const QString ime = novi.Ime();
    // A name from the server must not lead outside the location.
    if (NeispravnoIme(ime)) {
        logiraj(Prefiks, QStringLiteral("Neispravno ime datoteke: ") + ime);
        return true;
    }
    const QString paket = ImePaketa(ime);
    bool dohvati = true;
    if (!kopirajSve) {
        const int stari = NađiRed(stare, ime);
        if (stari < 0)
            stanje.PopisGrešaka += NoviRed +
                                   QStringLiteral("Nije pronađen zapis o starim verzija za :") +
                                   ime + QStringLiteral(" pa se mora kopirati");
        else
            dohvati = novije(red, stari, paket);
    }
    if (dohvati) {
        if (!dohvatiPaket(red, paket))
            return false;
    } else {
        stanje.IzvještajRada += NoviRed + QStringLiteral("Ista verzija: ") + ime;
        bool cijeli = true;
        if (!provjeriVeličinu(red, lokacija + paket, paket, cijeli))
            return false;
    }
    pomakniProgres();
    return true;
}

bool PunjenjeLokacije::novije(int red, int redStarog, const QString& paket) {
    const ZapisVerzije novi(nove, red);
    const ZapisVerzije stari(stare, redStarog);
    bool dohvati = Novija(novi, stari);
    const VrstaStavke vrsta = Vrsta(novi.Ime());
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
        stanje.PopisGrešaka += NoviRed + QStringLiteral("Nije nađena 7z datoteka: ") + paket +
                               QStringLiteral(" pa se mora napraviti");
        return true;
    }
    const std::optional<qint64> veličina = datoteke.Veličina(put);
    // An unreadable size is left to the check after the row.
    if (!veličina)
        return false;
    if (jednako(veličina, ZapisVerzije(nove, red).VeličinaDownload())) {
        // The share is writable by many: the same size is not the same package.
        if (potvrda.ProvjeriDatoteku(paket, put).isEmpty())
            return false;
        stanje.PopisGrešaka += NoviRed + QStringLiteral("Nađena 7z datoteka: ") + paket +
                               QStringLiteral(" ali ne odgovara sažetku pa će se prekopirati");
        return true;
    }
    stanje.PopisGrešaka += NoviRed + QStringLiteral("Nađena 7z datoteka: ") + paket +
                           QStringLiteral(" ali je veličina različita ") +
                           QString::number(*veličina) + QStringLiteral(" Novi: ") +
                           tekstVeličine(red) + QStringLiteral(" pa će se prekopirati");
    return true;
}

bool PunjenjeLokacije::dohvatiPaket(int red, const QString& paket) {
    const ZapisVerzije novi(nove, red);
    // Fetched into Update/ and put in place with the others when every row is
    // done: until then the location holds its old package, the one its list describes.
    if (!dohvat.download()(paket, update, novi.NajvišeDownload()))
        return false;
    // Only what arrived counts; a size or a sum beyond 32 bits is left out.
    qint32 zbroj = 0;
    const std::optional<qint32> veličina = novi.VeličinaDownload();
    if (veličina && !qAddOverflow(stanje.UkupnoPreneseno, *veličina, &zbroj))
        stanje.UkupnoPreneseno = zbroj;
    dohvaćeno = true;
    if (novi.Ime() == ImeKomponenteBaze)
        bazaDohvaćena = true;
    bool cijeli = false;
    if (!provjeriVeličinu(red, update + paket, paket, cijeli))
        return false;
    const QString neodgovara = cijeli ? potvrda.ProvjeriDatoteku(paket, update + paket) : QString();
    if (!neodgovara.isEmpty()) {
        cijeli = false;
        neispravni << paket;
        stanje.VrstaZadnjeGreške = VrstaGreske::Provjera;
        stanje.ZadnjaGreška =
            neodgovara + QStringLiteral(" Nastaviće se prijenos za ostale datoteke!");
        logiraj(Prefiks, stanje.ZadnjaGreška);
        stanje.PopisGrešaka += NoviRed + stanje.ZadnjaGreška;
        poruka(stanje.ZadnjaGreška, true);
    }
    if (!cijeli) {
        std::ignore = datoteke.Obriši(update + paket, true);
        return true;
    }
    zaPostaviti << paket;
    return true;
}

bool PunjenjeLokacije::provjeriVeličinu(int red, const QString& put, const QString& paket,
                                        bool& cijeli) {
    const ZapisVerzije novi(nove, red);
    const std::optional<qint64> veličina = datoteke.Veličina(put);
    if (!veličina) {
        prekini(Prefiks, QStringLiteral("Greška u provjeri veličine datoteke-dohvatu datoteke ") +
                             paket + QStringLiteral(". Prekida se ažuriranje!"));
        stanje.PopisGrešaka += NoviRed + stanje.ZadnjaGreška;
        return false;
    }
    cijeli = jednako(veličina, novi.VeličinaDownload());
    const QString tekst = PorukaOVeličini(paket, *veličina, tekstVeličine(red), cijeli);
    if (cijeli) {
        logiraj(Prefiks, tekst);
        return true;
    }
    neispravni << paket;
    stanje.ZadnjaGreška = tekst + QStringLiteral(" Nastaviće se prijenos za ostale datoteke!");
    logiraj(Prefiks, stanje.ZadnjaGreška);
    stanje.PopisGrešaka += NoviRed + stanje.ZadnjaGreška;
    poruka(stanje.ZadnjaGreška, true);
    return true;
}

// The old package goes (read-only or not) only now that the new one is whole.
bool PunjenjeLokacije::postaviNaLokaciju(const QString& paket) {
    const QString cilj = lokacija + paket;
    Rezultat zamijenjen;
    if (datoteke.PostojiDatoteka(cilj))
        zamijenjen = datoteke.Obriši(cilj, true);
    if (zamijenjen)
        zamijenjen = datoteke.Premjesti(update + paket, cilj);
    if (zamijenjen)
        return true;
    prekini(Prefiks, QStringLiteral("Greška u zamjeni datoteke ") + paket +
                         QStringLiteral(" na lokaciji: ") + zamijenjen.greška().opis +
                         QStringLiteral(". Prekida se ažuriranje!"));
    stanje.PopisGrešaka += NoviRed + stanje.ZadnjaGreška;
    return false;
}

void PunjenjeLokacije::pomakniProgres() {
    korakProgresa = SljedećiKorakProgresa(korakProgresa);
    napredak.PostaviProgres(korakProgresa);
}

QString PunjenjeLokacije::tekstVeličine(int red) const {
    return nove.tekst(red, Stupac::VeličinaDownload);
}

} // namespace velkor
