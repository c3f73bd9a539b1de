#pragma once
// One run at a time on one installation: a lock file in Update/ that a window
// and an unattended run both take. Held again by its holder, it counts; a lock
// left by a process that has died is taken over.
#include <QString>
#include <memory>

class QLockFile;

namespace velkor {

class BravaInstalacije {
public:
    // The lock of an operation, and the one a window holds while it is open.
    static inline const QString ImeOperacije = QStringLiteral("VelkorZideZizodu22.lock");
    static inline const QString ImeProzora = QStringLiteral("VelkorZideZizodu22-prozor.lock");

    explicit BravaInstalacije(QString ime);
    ~BravaInstalacije();

    // False only when another process holds it. A directory where no lock can be
    // written holds none: the operation then fails on its own, as it always did.
    bool Zaključaj(const QString& direktorija);
    void Otključaj();

private:
    QString ime;
    std::unique_ptr<QLockFile> datoteka;
    int dubina = 0;
};

} // namespace velkor
