#include "platform/posix/PosixProcesi.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace velkor::posix {

namespace {

// The system's words for why a program did not start, as Windows would say them.
QString tekstGreške(const QString& program, const QString& opisSustava) {
    const QString put =
        program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
    if (put.isEmpty() || !QFileInfo::exists(put))
        return QStringLiteral("Sustav ne može pronaći navedenu datoteku.");
    if (!QFileInfo(put).isExecutable())
        return QStringLiteral("Pristup je odbijen.");
    return opisSustava;
}

IshodProcesa neuspjeh(const QString& program, const QString& opisSustava) {
    return {false, 0, tekstGreške(program, opisSustava)};
}

} // namespace

IshodProcesa PokreniIČekaj(const QString& naredbenaLinija, int najdužeMs, bool pročitaj) {
    QStringList argumenti = QProcess::splitCommand(naredbenaLinija);
    if (argumenti.isEmpty())
        return neuspjeh(QString(), QString());
    const QString program = argumenti.takeFirst();
    QProcess proces;
    proces.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (!pročitaj)
        proces.setStandardOutputFile(QProcess::nullDevice());
    // Hidden: nobody could answer a question it asks.
    proces.setStandardInputFile(QProcess::nullDevice());
    proces.start(program, argumenti);
    if (!proces.waitForStarted(-1))
        return neuspjeh(program, proces.errorString());
    const qint64 id = proces.processId();
    if (!proces.waitForFinished(najdužeMs) && proces.state() != QProcess::NotRunning) {
        proces.kill();
        proces.waitForFinished(-1);
        return {true, id, QString(), -1, true};
    }
    const bool srušen = proces.exitStatus() == QProcess::CrashExit;
    return {true,      id,
            QString(), srušen ? -1 : proces.exitCode(),
            false,     proces.readAllStandardOutput()};
}

} // namespace velkor::posix
