#include "ProxySquid.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace velkor::test {

ProxySquid::~ProxySquid() {
    squid.terminate();
    squid.waitForFinished(5000); // killed after that
}

bool ProxySquid::Pokreni(const QByteArray& prijava) {
    QTcpServer slobodan;
    port = slobodan.listen(QHostAddress::LocalHost) ? slobodan.serverPort() : 0;
    slobodan.close();
    const QString d = direktorija.path();
    // Run as root, squid works as the user "proxy": all it touches is open to it.
    QFile::setPermissions(d, QFileDevice::Permissions(0x7777));
    QFile predložak(QFINDTESTDATA("data/squid.conf"));
    predložak.open(QIODevice::ReadOnly);
    const QByteArray konfiguracija = predložak.readAll()
                                         .replace("{PORT}", QByteArray::number(port))
                                         .replace("{DIR}", d.toUtf8());
    for (const auto& [ime, sadržaj] :
         {std::pair{"/squid.conf", konfiguracija}, {"/lozinke", prijava + '\n'}}) {
        QFile datoteka(d + ime);
        if (!datoteka.open(QIODevice::WriteOnly) || datoteka.write(sadržaj) != sadržaj.size() ||
            !datoteka.setPermissions(datoteka.permissions() | QFileDevice::ReadOther))
            return greška = "cannot write " + datoteka.fileName(), false;
    }
    squid.setProcessChannelMode(QProcess::MergedChannels);
    squid.start("/usr/sbin/squid", {"-N", "-f", d + "/squid.conf"});
    // Bounded: squid is up within a second or two.
    for (QDeadlineTimer rok(20000); !rok.hasExpired() && port;) {
        if (!squid.waitForStarted(100) && squid.state() == QProcess::NotRunning)
            return greška = "squid (tools/pripremi.sh installs it): " + squid.errorString() + ' ' +
                            QString::fromLocal8Bit(squid.readAll()),
                   false;
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        if (probe.waitForConnected(200))
            return true;
        squid.waitForFinished(100);
    }
    return greška = "squid does not listen on port " + QString::number(port), false;
}

QString ProxySquid::Adresa(const QString& prijava) const {
    return "http://" + prijava + "127.0.0.1:" + QString::number(port);
}

} // namespace velkor::test
