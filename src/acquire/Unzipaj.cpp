#include "acquire/PopisArhive.h"
#include "acquire/Raspakiranje.h"
#include "base/ZajednickiTekstovi.h"

#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/Napredak.h"
#include "base/Sat.h"
#include "base/Stanje.h"
#include "catalogue/ImePaketa.h"
#include "catalogue/VrstaStavke.h"
#include "platform/Platforma.h"
#include "platform/VanjskiProgrami.h"

#include <cmath>

namespace velkor {

namespace {

// A second per million bytes, to the nearest whole second, a half to the even one.
int sekundeSlijeganja(qint64 bajtova) {
    return int(qBound(0.0, std::nearbyint(double(bajtova) / 1e6), 32767.0));
}

} // namespace

Raspakiranje::Raspakiranje(Stanje& stanje, Napredak& napredak, Datoteke& datoteke, Dnevnik& dnevnik,
                           Platforma& platforma, Sat& sat)
    : stanje(stanje), napredak(napredak), datoteke(datoteke), dnevnik(dnevnik),
      platforma(platforma), sat(sat) {}

QString Raspakiranje::naredba7Zip(const QString& paket) const {
    const QChar navodnik = QLatin1Char('"');
    return navodnik + stanje.PutanjaPrograma + Program7Zip + navodnik + QStringLiteral(" e ") +
           navodnik + stanje.PutanjaUpdate + paket + navodnik + QStringLiteral(" -aoa -o") +
           navodnik + stanje.PutanjaUpdate + navodnik;
}

// Only the archive's listing: the names as UTF-8 whatever the console's code page.
QString Raspakiranje::naredbaPopisa(const QString& paket) const {
    const QChar navodnik = QLatin1Char('"');
    return navodnik + stanje.PutanjaPrograma + Program7Zip + navodnik +
           QStringLiteral(" l -slt -t7z -sccUTF-8 ") + navodnik + stanje.PutanjaUpdate + paket +
           navodnik;
}

bool Raspakiranje::Unzipaj(const QString& fileName, std::optional<qint64> stvarnaVeličina) {
    dnevnik.LogirajGrešku(QStringLiteral("Unzipaj- Početak ") + fileName);
    const QString paket = ImePaketa(fileName);
    napredak.PostaviStatus1(QStringLiteral("UnZipanje datoteke: ") + paket);
    const std::optional<qint64> veličina = datoteke.Veličina(stanje.PutanjaUpdate + paket);

    if (PaketJeSamaDatoteka(fileName))
        kopiraj(fileName, paket);
    else if (!raspakiraj(fileName, paket, stvarnaVeličina))
        return false;

    // Gives the disk time to settle; a help file or a script needs none.
    const VrstaStavke vrsta = Vrsta(fileName);
    if (veličina && vrsta != VrstaStavke::Pomoć && vrsta != VrstaStavke::Skripta)
        sat.Pričekaj(sekundeSlijeganja(*veličina));
    napredak.PostaviStatus1(QString());
    dnevnik.LogirajGrešku(QStringLiteral("Unzipaj- Kraj ") + fileName);
    return true;
}

void Raspakiranje::kopiraj(const QString& fileName, const QString& paket) {
    obrišiStaru(stanje.PutanjaUpdate + fileName);
    if (!datoteke.Kopiraj(stanje.PutanjaUpdate + paket, stanje.PutanjaUpdate + fileName))
        dnevnik.LogirajGrešku(QStringLiteral("Unzip - samo kopiranje datoteke: ") +
                              stanje.PutanjaUpdate + paket);
}

bool Raspakiranje::raspakiraj(const QString& fileName, const QString& paket,
                              std::optional<qint64> veličina) {
    // Only this package may answer the later check: a file left from an
    // earlier run would hide an archive that gives nothing.
    if (fileName != paket)
        obrišiStaru(stanje.PutanjaUpdate + fileName);
    // An archive could bring any file into `Update/`: the lists, the log, another item's.
    bool pokrenut = true;
    const QString mana = provjeriPopis(fileName, paket, veličina, pokrenut);
    if (!pokrenut)
        return false;
    if (!mana.isEmpty())
        return true;
    const QString naredba = naredba7Zip(paket);
    dnevnik.LogirajGrešku(QStringLiteral("Unzipaj- ") + naredba);
    const IshodProcesa ishod = platforma.PokreniSkrivenoIČekaj(naredba);
    if (!ishod.pokrenut)
        return nijePokrenut(paket, ishod.greška);
    stanje.IzvještajRada += NoviRed + QStringLiteral("UNZIP: ") + stanje.PutanjaUpdate + paket;
    return ishod.izlazniKod == 0 || odbaciNeispravno(fileName, paket, ishod.izlazniKod);
}

QString Raspakiranje::provjeriPopis(const QString& fileName, const QString& paket,
                                    std::optional<qint64> veličina, bool& pokrenut) {
    const QString naredba = naredbaPopisa(paket);
    dnevnik.LogirajGrešku(QStringLiteral("Unzipaj- ") + naredba);
    const IshodProcesa ishod = platforma.PokreniSkrivenoIPročitaj(naredba);
    pokrenut = ishod.pokrenut;
    if (!pokrenut) {
        nijePokrenut(paket, ishod.greška);
        return {};
    }
    const QString mana =
        ishod.izlazniKod != 0
            ? QStringLiteral("7-Zip je ne prepoznaje kao ispravnu arhivu 7z (izlazni kod ") +
                  QString::number(ishod.izlazniKod) + QLatin1Char(')')
            : ManaArhive(ishod.izlaz, fileName, veličina);
    if (!mana.isEmpty())
        zabilježiGrešku(paket, QStringLiteral("arhiva se ne raspakirava: ") + mana);
    return mana;
}

bool Raspakiranje::nijePokrenut(const QString& paket, const QString& greška) {
    stanje.ZadnjaGreška = QStringLiteral("UNZIP: ") + stanje.PutanjaUpdate + paket + greška;
    stanje.PopisGrešaka += NoviRed + stanje.ZadnjaGreška;
    dnevnik.LogirajGrešku(QStringLiteral("Unzipaj- Greška ") + stanje.ZadnjaGreška);
    return false;
}

void Raspakiranje::zabilježiGrešku(const QString& paket, const QString& opis) {
    stanje.ZadnjaGreška =
        QStringLiteral("UNZIP: ") + stanje.PutanjaUpdate + paket + QStringLiteral(" - ") + opis;
    stanje.PopisGrešaka += NoviRed + stanje.ZadnjaGreška;
    dnevnik.LogirajGrešku(QStringLiteral("Unzipaj- Greška ") + stanje.ZadnjaGreška);
}

// 7-Zip keeps what fails its check (a file whose checksum failed has its full
// size), so the file goes and the later check finds none. False when it
// cannot go: the file must never be installed.
bool Raspakiranje::odbaciNeispravno(const QString& fileName, const QString& paket, int izlazniKod) {
    zabilježiGrešku(paket, QStringLiteral("7-Zip javlja grešku u raspakiravanju (izlazni kod ") +
                               QString::number(izlazniKod) + QLatin1Char(')'));
    const QString put = stanje.PutanjaUpdate + fileName;
    return fileName == paket || !datoteke.PostojiDatoteka(put) || bool(datoteke.Obriši(put, true));
}

void Raspakiranje::obrišiStaru(const QString& put) {
    if (datoteke.PostojiDatoteka(put) && !datoteke.Obriši(put, true))
        dnevnik.LogirajGrešku(QStringLiteral("Unzip - brisanje datoteke: ") + put);
}

} // namespace velkor
