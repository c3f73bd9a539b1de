#include "acquire/DatotekaUNastajanju.h"

#include "acquire/OpisGreske.h"

#include <QRandomGenerator>
#include <filesystem>

namespace velkor {

namespace {

constexpr int PokušajaImena = 100;

// "Paket.7z.k3Tq9x": beside the target, so that the last step is a rename
// within one directory.
QString privremenoIme(const QString& cilj) {
    static const char Znakovi[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString ime = cilj + QLatin1Char('.');
    for (int i = 0; i < 6; ++i)
        ime += QLatin1Char(Znakovi[QRandomGenerator::global()->bounded(int(sizeof Znakovi - 1))]);
    return ime;
}

std::filesystem::path put(const QString& ime) {
    return std::filesystem::path(ime.toStdU16String());
}

} // namespace

DatotekaUNastajanju::DatotekaUNastajanju(QString cilj) : cilj(std::move(cilj)) {}

DatotekaUNastajanju::~DatotekaUNastajanju() {
    Odbaci();
}

bool DatotekaUNastajanju::Otvori() {
    // Unbuffered: small pieces are gathered here, large ones go straight on.
    const QIODevice::OpenMode način =
        QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered;
    for (int i = 0; i < PokušajaImena; ++i) {
        datoteka.setFileName(privremenoIme(cilj));
        if (datoteka.open(način)) {
            spremnik.reserve(VeličinaSpremnika);
            return true;
        }
        if (!datoteka.exists())
            break;
    }
    // Not ours to remove: it could not be made, or it is someone else's.
    const QString opis = datoteka.errorString();
    datoteka.setFileName(QString());
    return ne(opis);
}

// Pieces may be small (a chunked body's chunks); written one by one they
// would cost a system call each.
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
    if (!isprazni())
        return false;
    datoteka.close();
    if (datoteka.error() != QFileDevice::NoError)
        return ne(datoteka.errorString());
    std::error_code greškaSustava;
    // Unlike QFile::rename, this replaces an existing target.
    std::filesystem::rename(put(datoteka.fileName()), put(cilj), greškaSustava);
    if (greškaSustava)
        return ne(QString::fromLocal8Bit(greškaSustava.message()));
    datoteka.setFileName(QString());
    return true;
}

void DatotekaUNastajanju::Odbaci() {
    if (datoteka.fileName().isEmpty())
        return;
    spremnik.clear();
    datoteka.close();
    datoteka.remove();
    datoteka.setFileName(QString());
}

bool DatotekaUNastajanju::ne(const QString& opisSustava) {
    greška = OpisGreškeDatoteke(cilj, opisSustava);
    Odbaci();
    return false;
}

} // namespace velkor
