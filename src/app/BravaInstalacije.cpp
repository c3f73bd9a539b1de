#include "app/BravaInstalacije.h"

#include <QDir>
#include <QLockFile>

namespace velkor {

BravaInstalacije::BravaInstalacije(QString ime) : ime(std::move(ime)) {}

BravaInstalacije::~BravaInstalacije() = default;

bool BravaInstalacije::Zaključaj(const QString& direktorija) {
    if (dubina > 0) {
        ++dubina;
        return true;
    }
    QDir().mkpath(direktorija);
    datoteka = std::make_unique<QLockFile>(QDir(direktorija).filePath(ime));
    // An operation may take hours: only a dead holder makes a lock stale, never its age.
    datoteka->setStaleLockTime(0);
    if (!datoteka->tryLock(0) && datoteka->error() == QLockFile::LockFailedError) {
        datoteka.reset();
        return false;
    }
    dubina = 1;
    return true;
}

void BravaInstalacije::Otključaj() {
    if (dubina > 0 && --dubina == 0)
        datoteka.reset();
}

} // namespace velkor
