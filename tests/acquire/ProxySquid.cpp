#include "ProxySquid.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace velkor::test {

namespace {

const QString Pomoćnik = QStringLiteral("/usr/lib/squid/digest_file_auth");

quint16 slobodanPort() {
    QTcpServer server;
    return server.listen(QHostAddress::LocalHost) ? server.serverPort() : 0;
}

} // namespace

ProxySquid::ProxySquid(const QString& korisnik, const QString& lozinka)
    : korisnik((korisnik + QLatin1Char(':') + lozinka).toUtf8() + '\n') {}

ProxySquid::~ProxySquid() {
    if (squid.state() == QProcess::NotRunning)
        return;
    squid.terminate();
    if (!squid.waitForFinished(5000))
        squid.kill();
    squid.waitForFinished(1000);
}

bool ProxySquid::Pokreni() {
    const QString program = QStandardPaths::findExecutable(
        QStringLiteral("squid"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin")});
    if (program.isEmpty() || !QFile::exists(Pomoćnik)) {
        greška = QStringLiteral("squid is not installed (tools/pripremi.sh installs it)");
        return false;
    }
    port = slobodanPort();
    const QString d = direktorija.path();
    // Run as root, squid works as the user "proxy": all it touches is open to it.
    QFile::setPermissions(d, QFileDevice::Permissions(0x7777));
    QFile predložak(QFINDTESTDATA("data/squid.conf"));
    predložak.open(QIODevice::ReadOnly);
    const QByteArray konfiguracija = predložak.readAll()
                                         .replace("{PORT}", QByteArray::number(port))
                                         .replace("{DIR}", d.toUtf8())
                                         .replace("{ODLAZNA}", Odlazna)
                                         .replace("{POMOCNIK}", Pomoćnik.toUtf8());
    if (port == 0 || !zapiši(QStringLiteral("squid.conf"), konfiguracija) ||
        !zapiši(QStringLiteral("lozinke"), korisnik))
        return false;
    squid.setProcessChannelMode(QProcess::MergedChannels);
    squid.start(program, {QStringLiteral("-N"), QStringLiteral("-f"), d + "/squid.conf"});
    // Bounded: squid is up within a second or two.
    for (QDeadlineTimer rok(20000); !rok.hasExpired();) {
        if (squid.state() == QProcess::NotRunning) {
            greška = QStringLiteral("squid ended: ") + QString::fromLocal8Bit(squid.readAll());
            return false;
        }
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        if (probe.waitForConnected(200))
            return true;
        squid.waitForFinished(100);
    }
    greška = QStringLiteral("squid does not listen on port ") + QString::number(port);
    return false;
}

QString ProxySquid::Adresa(const QString& prijava) const {
    return QStringLiteral("http://") + prijava + QStringLiteral("127.0.0.1:") +
           QString::number(port);
}

bool ProxySquid::zapiši(const QString& ime, const QByteArray& sadržaj) {
    QFile datoteka(direktorija.filePath(ime));
    if (datoteka.open(QIODevice::WriteOnly) && datoteka.write(sadržaj) == sadržaj.size() &&
        datoteka.setPermissions(datoteka.permissions() | QFileDevice::ReadOther))
        return true;
    greška = QStringLiteral("cannot write ") + datoteka.fileName();
    return false;
}

} // namespace velkor::test
