// The versions list as the updater gets it: fetched into Update/ within the
// download's limit, or read as the installed file, then written and read again.
#include "Provjera.h"

#include "base/Dnevnik.h"
#include "base/Sat.h"
#include "base/Stanje.h"
#include "base/StvarneDatoteke.h"
#include "catalogue/DohvatSaInterneta.h"
#include "catalogue/TablicneDatoteke.h"
#include "catalogue/ZapisVerzije.h"

#include <QHash>

using namespace velkor;

namespace {

// Files in memory, so that a run takes microseconds rather than a disk's time.
class DatotekeUMemoriji : public StvarneDatoteke {
public:
    QHash<QString, QByteArray> sadržaj;

    bool PostojiDatoteka(const QString& put) override { return sadržaj.contains(put); }
    std::optional<qint64> Veličina(const QString& put, Greška*) override {
        return sadržaj.contains(put) ? std::optional<qint64>(sadržaj[put].size()) : std::nullopt;
    }
    Rezultat ZapišiCijelu(const QString& put, const QByteArray& bajtovi) override {
        sadržaj[put] = bajtovi;
        return {};
    }
    Rezultat DodajNaKraj(const QString& put, const QByteArray& bajtovi) override {
        sadržaj[put] += bajtovi;
        return {};
    }
    std::optional<QByteArray> Pročitaj(const QString& put, Greška* greška) override {
        if (sadržaj.contains(put))
            return sadržaj[put];
        if (greška)
            *greška = {BrojGreske::DatotekaNijePronađena, {}, Greška::Korak::Otvaranje};
        return std::nullopt;
    }
};

// Writing leaves out the rows without a name; the others close up.
Matrica bezPraznihRedova(const Matrica& matrica) {
    Matrica zbijena;
    int cilj = 0;
    for (int red = 0; red < Matrica::Redaka; ++red) {
        if (!matrica.tekst(red, Stupac::Ime).isEmpty())
            zbijena.ćelije[cilj++] = matrica.ćelije[red];
    }
    return zbijena;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* podaci, size_t veličina) {
    const QByteArray bajtovi(reinterpret_cast<const char*>(podaci), qsizetype(veličina));
    DatotekeUMemoriji datoteke;
    TihePoruke poruke;
    SistemskiSat sat;
    RegionalnoPoLokalu regionalno;
    Dnevnik dnevnik(QStringLiteral("/v"), datoteke, poruke, sat, regionalno);
    Stanje stanje;
    TablicneDatoteke tablice(datoteke, poruke, dnevnik, stanje);
    DohvatSaInterneta dohvat(stanje, poruke, datoteke, dnevnik,
                             [&](const QString& ime, const QString& direktorija, qint64 najviše) {
                                 if (bajtovi.size() > najviše)
                                     return false;
                                 datoteke.sadržaj[direktorija + ime] = bajtovi;
                                 return true;
                             });

    const bool stiglo = dohvat.DohvatiVerzije(QStringLiteral("/v/Update/"), {}, false);
    PROVJERI(stiglo == (bajtovi.size() <= NajvišePopis));
    Matrica dohvaćena;
    const bool dohvaćenaValja =
        stiglo && tablice.UčitajMatricu(dohvaćena, QStringLiteral("/v/Update/Verzije.txt"));
    datoteke.sadržaj[QStringLiteral("/v/Verzije.txt")] = bajtovi;
    Matrica instalirana;
    const bool instaliranaValja =
        tablice.UčitajMatricu(instalirana, QStringLiteral("/v/Verzije.txt"));
    PROVJERI(dohvaćenaValja == instaliranaValja);
    if (!instaliranaValja)
        return 0;
    PROVJERI(dohvaćena.ćelije == instalirana.ćelije);

    for (int red = 0; red < Matrica::Redaka; ++red) {
        const ZapisVerzije zapis(instalirana, red);
        PROVJERI(!Novija(zapis, zapis));
        PROVJERI(zapis.NajvišeDownload() >= 0);
        std::ignore = NeispravnoIme(zapis.Ime());
    }

    PROVJERI(tablice.ZapišiMatricu(instalirana, QStringLiteral("/v/Kopija.txt")));
    Matrica ponovo;
    PROVJERI(tablice.UčitajMatricu(ponovo, QStringLiteral("/v/Kopija.txt")));
    PROVJERI(ponovo.ćelije == bezPraznihRedova(instalirana).ćelije);
    return 0;
}
