#include "acquire/DatotekaUNastajanju.h"

#include "acquire/OpisGreske.h"

namespace velkor {

DatotekaUNastajanju::DatotekaUNastajanju(const QString& cilj) : cilj(cilj), datoteka(cilj) {}

bool DatotekaUNastajanju::Otvori() {
    if (!datoteka.Otvori())
        return ne(datoteka.OpisGreške());
    spremnik.reserve(VeličinaSpremnika);
    return true;
}

// Pieces may be small (a TLS record each); written one by one they would cost
// a system call each.
bool DatotekaUNastajanju::Piši(const char* podaci, qint64 dužina) {
    if (spremnik.size() + dužina > VeličinaSpremnika && !isprazni())
        return false;
    if (spremnik.isEmpty() && dužina >= VeličinaSpremnika / 2)
        return datoteka.Piši(podaci, dužina) || ne(datoteka.OpisGreške());
    spremnik.append(podaci, dužina);
    return true;
}

bool DatotekaUNastajanju::isprazni() {
    if (!spremnik.isEmpty() && !datoteka.Piši(spremnik))
        return ne(datoteka.OpisGreške());
    spremnik.resize(0);
    return true;
}

bool DatotekaUNastajanju::Zamijeni() {
    // No flush to the disk here: every package is size-checked right after its
    // download and the versions list is fetched anew on every check, while
    // forcing the bytes out costs a fifth of a fast download.
    if (!isprazni())
        return false;
    if (!datoteka.Zamijeni())
        return ne(datoteka.OpisGreške());
    return true;
}

bool DatotekaUNastajanju::ne(const QString& opisSustava) {
    greška = OpisGreškeDatoteke(cilj, opisSustava);
    spremnik.clear();
    datoteka.Odustani();
    return false;
}

} // namespace velkor
