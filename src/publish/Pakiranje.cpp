#include "publish/Pakiranje.h"

#include <QProcess>
#include <QStandardPaths>

namespace velkor {

namespace {

const QString SedamZip = QStringLiteral("7za");
// What is left of 7-Zip's output in a message.
constexpr qsizetype ZadnjihZnakova = 2000;

} // namespace

QString NađiSedamZip(const QString& direktorijaAlata) {
    const QString uzAlat = QStandardPaths::findExecutable(SedamZip, {direktorijaAlata});
    return uzAlat.isEmpty() ? QStandardPaths::findExecutable(SedamZip) : uzAlat;
}

QString ZapakirajSedamZipom(const QString& sedamZip, const QString& direktorija, const QString& ime,
                            const QString& paket) {
    QProcess proces;
    proces.setWorkingDirectory(direktorija);
    // Names with Croatian letters go into the archive as they are, whatever the locale.
    QProcessEnvironment okolina = QProcessEnvironment::systemEnvironment();
    okolina.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    proces.setProcessEnvironment(okolina);
    proces.setProcessChannelMode(QProcess::MergedChannels);
    // -spd: a name is never a wildcard; "--": nor a switch.
    proces.start(sedamZip,
                 {QStringLiteral("a"), QStringLiteral("-t7z"), QStringLiteral("-bd"),
                  QStringLiteral("-y"), QStringLiteral("-spd"), QStringLiteral("--"), paket, ime});
    if (!proces.waitForStarted(-1))
        return QStringLiteral("Nije moguće pokrenuti ") + sedamZip + QStringLiteral(": ") +
               proces.errorString();
    proces.waitForFinished(-1);
    if (proces.exitStatus() == QProcess::NormalExit && proces.exitCode() == 0)
        return {};
    const QString izlaz = QString::fromLocal8Bit(proces.readAll()).trimmed();
    return SedamZip + QStringLiteral(" nije zapakirao ") + ime + QStringLiteral(" (izlazni kod ") +
           QString::number(proces.exitCode()) + QStringLiteral("):\n") +
           izlaz.right(ZadnjihZnakova);
}

} // namespace velkor
