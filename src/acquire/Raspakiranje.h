#pragma once
// Unpacking: an arrived package in `Update/` turned into its file beside it,
// by 7-Zip or, for the kinds published uncompressed, by a plain copy.
#include <QString>
#include <optional>

namespace velkor {

class Datoteke;
class Dnevnik;
class Platforma;
class Napredak;
class Sat;
struct Stanje;

class Raspakiranje {
public:
    Raspakiranje(Stanje& stanje, Napredak& napredak, Datoteke& datoteke, Dnevnik& dnevnik,
                 Platforma& platforma, Sat& sat);

    // Unpacks the package of fileName from PutanjaUpdate into it, when the
    // package holds that one file of stvarnaVeličina bytes and nothing else. False
    // only when 7-Zip cannot be started or a damaged file cannot be removed;
    // the later check finds a file that did not come.
    bool Unzipaj(const QString& fileName, std::optional<qint64> stvarnaVeličina);

private:
    // The 7-Zip command line, byte for byte as support staff read it in the log.
    QString naredba7Zip(const QString& paket) const;
    QString naredbaPopisa(const QString& paket) const;
    void kopiraj(const QString& fileName, const QString& paket);
    bool raspakiraj(const QString& fileName, const QString& paket, std::optional<qint64> veličina);
    // Empty when the package may be unpacked; else logged and listed.
    QString provjeriPopis(const QString& fileName, const QString& paket,
                          std::optional<qint64> veličina, bool& pokrenut);
    bool nijePokrenut(const QString& paket, const QString& greška);
    void zabilježiGrešku(const QString& paket, const QString& opis);
    bool odbaciNeispravno(const QString& fileName, const QString& paket, int izlazniKod);
    void obrišiStaru(const QString& put);

    Stanje& stanje;
    Napredak& napredak;
    Datoteke& datoteke;
    Dnevnik& dnevnik;
    Platforma& platforma;
    Sat& sat;
};

} // namespace velkor
