#include "acquire/DatotekaUNastajanju.h"

#include "acquire/OpisGreske.h"

#include <filesystem>

namespace velkor {

DatotekaUNastajanju::DatotekaUNastajanju(const QString& cilj)
    : cilj(cilj), datoteka(cilj + QStringLiteral(".XXXXXX")) {}

bool DatotekaUNastajanju::Otvori() {
    if (!datoteka.open())
        return ne(datoteka.errorString());
    // Readable as any file the program writes, not only by its owner.
    datoteka.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                            QFileDevice::ReadGroup | QFileDevice::ReadOther);
    spremnik.reserve(VeličinaSpremnika);
    return true;
}

// Pieces may be small (a TLS record each); written one by one they would cost
// a system call each.
bool DatotekaUNastajanju::Piši(const char* podaci, qint64 dužina) {
    if (spremnik.size() + dužina > VeličinaSpremnika && !isprazni())
        return false;
    if (spremnik.isEmpty() && dužina >= VeličinaSpremnika / 2)
        return datoteka.write(podaci, dužina) == dužina || ne(datoteka.errorString());
    spremnik.append(podaci, dužina);
    return true;
}

bool DatotekaUNastajanju::isprazni() {
    if (!spremnik.isEmpty() && datoteka.write(spremnik) != spremnik.size())
        return ne(datoteka.errorString());
    spremnik.resize(0);
    return true;
}

bool DatotekaUNastajanju::Zamijeni() {
    // No flush to the disk here: every package is size-checked right after its
    // download and the versions list is fetched anew on every check, while
    // forcing the bytes out costs a fifth of a fast download.
    if (!isprazni() || !datoteka.flush())
        return ne(datoteka.errorString());
    datoteka.close();
    std::error_code greškaSustava;
    // Unlike QFile::rename, this replaces an existing target.
    std::filesystem::rename(datoteka.fileName().toStdU16String(), cilj.toStdU16String(),
                            greškaSustava);
    if (greškaSustava)
        return ne(QString::fromLocal8Bit(greškaSustava.message()));
    datoteka.setAutoRemove(false);
    return true;
}

bool DatotekaUNastajanju::ne(const QString& opisSustava) {
    greška = OpisGreškeDatoteke(cilj, opisSustava);
    spremnik.clear();
    datoteka.close();
    return false;
}

} // namespace velkor
