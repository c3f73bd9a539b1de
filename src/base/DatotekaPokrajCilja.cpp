#include "base/DatotekaPokrajCilja.h"

#include "base/Datoteke.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <filesystem>
#include <system_error>
#include <tuple>

namespace velkor {

namespace {

const QString Oznaka = QStringLiteral(";velkor-dio.");

std::filesystem::path put(const QString& ime) {
    return std::filesystem::path(ime.toStdU16String());
}

} // namespace

const QString DatotekaPokrajCilja::Uzorak = QLatin1Char('*') + Oznaka + QLatin1Char('*');

DatotekaPokrajCilja::DatotekaPokrajCilja(QString cilj) : cilj(std::move(cilj)) {}

DatotekaPokrajCilja::~DatotekaPokrajCilja() {
    Odustani();
}

bool DatotekaPokrajCilja::Otvori() {
    if (QFileInfo(cilj).isDir())
        return ne(QFileDevice::OpenError, QStringLiteral("Filename refers to a directory"));
    // A name that is taken is another run's; a few tries find a free one.
    for (int pokušaj = 0; pokušaj < 8; ++pokušaj) {
        ime = cilj + Oznaka +
              QString::number(QRandomGenerator::global()->generate(), 36).rightJustified(7, u'0');
        datoteka.setFileName(ime);
        if (datoteka.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            // The new file keeps the rights of the one it replaces.
            if (QFile::exists(cilj))
                datoteka.setPermissions(QFile::permissions(cilj));
            return true;
        }
        if (!QFile::exists(ime))
            break;
    }
    const QFileDevice::FileError g = datoteka.error();
    const QString o = datoteka.errorString();
    ime.clear();
    return ne(g, o);
}

bool DatotekaPokrajCilja::Piši(const char* podaci, qint64 dužina) {
    return datoteka.write(podaci, dužina) == dužina || ne(datoteka.error(), datoteka.errorString());
}

bool DatotekaPokrajCilja::Zamijeni() {
    if (!datoteka.isOpen())
        return ne(QFileDevice::WriteError, datoteka.errorString());
    datoteka.close();
    if (datoteka.error() != QFileDevice::NoError)
        return ne(datoteka.error(), datoteka.errorString());
    std::error_code kôd;
    std::filesystem::rename(put(ime), put(cilj), kôd);
    if (kôd)
        return ne(kôd == std::errc::permission_denied ? QFileDevice::PermissionsError
                                                      : QFileDevice::RenameError,
                  // The system's words, in its own code page on Windows.
                  QString::fromLocal8Bit(kôd.message()));
    ime.clear();
    return true;
}

void DatotekaPokrajCilja::Odustani() {
    datoteka.close();
    if (ime.isEmpty())
        return;
    QFile::setPermissions(ime, QFile::permissions(ime) | QFileDevice::WriteOwner);
    QFile::remove(ime);
    ime.clear();
}

bool DatotekaPokrajCilja::ne(QFileDevice::FileError g, const QString& o) {
    greška = g == QFileDevice::NoError ? QFileDevice::WriteError : g;
    opis = o;
    Odustani();
    return false;
}

void ObrišiNedovršene(Datoteke& datoteke, const QString& direktorija) {
    // None found is the usual case; one that will not go is tried again next time.
    std::ignore = datoteke.ObrišiPoUzorku(direktorija + DatotekaPokrajCilja::Uzorak, true);
}

} // namespace velkor
