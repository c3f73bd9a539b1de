#pragma once
// Unpacking: an arrived package in `Update/` turned into its file beside it,
// by 7-Zip or, for the kinds published uncompressed, by a plain copy.
#include <QString>

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

    // Unpacks the package of fileName from PutanjaUpdate into it. False only
    // when 7-Zip cannot be started; the later size check finds the rest.
    bool Unzipaj(const QString& fileName);

private:
    // The 7-Zip command line, byte for byte as support staff read it in the log.
    QString naredba7Zip(const QString& paket) const;
    void kopiraj(const QString& fileName, const QString& paket);
    bool raspakiraj(const QString& fileName, const QString& paket);
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
