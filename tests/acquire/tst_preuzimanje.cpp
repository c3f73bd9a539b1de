#include "PostavaPreuzimanja.h"
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTcpSocket>

using namespace velkor;
using namespace velkor::test;

// One download by one engine, against the local server that misbehaves as the
// case says; everything it left is compared with the case (acquire/data/).
class TestPreuzimanja : public QObject {
    Q_OBJECT
    QTemporaryDir squidDir;
    QProcess squid;
    QString proxy; // "127.0.0.1:port", once squid listens there

    // The system's proxy, as the environment sets it; none when empty.
    static void PostaviProxy(const QByteArray& adresa) {
        for (const char* ime : {"http_proxy", "https_proxy"})
            qputenv(ime, adresa);
    }

    // A real proxy: squid on loopback on a free port, configured from
    // data/squid.conf, asking for Digest authentication of its one user. It
    // connects onwards from 127.0.0.2, so the local server can tell the requests
    // that came through it.
    void pokreniSquid() {
        QTcpServer slobodan;
        QVERIFY(slobodan.listen(QHostAddress::LocalHost));
        const QByteArray port = QByteArray::number(slobodan.serverPort());
        slobodan.close();
        const QString d = squidDir.path();
        Instalacija::zapišiBajtove(d + "/lozinke", "ana:ta@jna\n");
        Instalacija::zapišiBajtove(d + "/squid.conf",
                                   Instalacija::pročitaj(QFINDTESTDATA("data/squid.conf"))
                                       .replace("{PORT}", port)
                                       .replace("{DIR}", d.toUtf8()));
        // Run as root, squid works as the user "proxy": all it touches is open to it.
        QFile::setPermissions(d, QFileDevice::Permissions(0x7777));
        for (const QString& f : {d + "/lozinke", d + "/squid.conf"})
            QFile::setPermissions(f, QFile::permissions(f) | QFileDevice::ReadOther);
        squid.setProcessChannelMode(QProcess::MergedChannels);
        squid.start("/usr/sbin/squid", {"-N", "-f", d + "/squid.conf"});
        QVERIFY2(squid.waitForStarted(), "squid (tools/pripremi.sh installs it)");
        // Bounded: squid is up within a second or two.
        for (QDeadlineTimer rok(20000); proxy.isEmpty() && !rok.hasExpired();) {
            QVERIFY2(!squid.waitForFinished(100) && squid.state() == QProcess::Running,
                     squid.readAll().constData());
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, port.toUShort());
            if (probe.waitForConnected(200))
                proxy = "127.0.0.1:" + port;
        }
    }

private slots:
    void cleanupTestCase() {
        squid.terminate();
        squid.waitForFinished(5000); // killed after that
    }

    void preuzimanje_data() { DodajSlučajeve(QFINDTESTDATA("data/preuzimanje.txt")); }

    void preuzimanje() {
        QFETCH(Slučaj, slucaj);
        const QString certifikati = QFileInfo(LokalniPoslužitelj::PutanjaCa()).path() + u'/';
        const QString ca = slucaj.jedno("ca", "ca.pem");
        PostavaPreuzimanja p(ca == "-" ? QString() : certifikati + ca);
        // "ime bajtova": a file on the server; "ime odgovor": what it sends instead.
        for (const QString& o : slucaj.sve("objavi"))
            p.objavi(o.section(u' ', 0, -2), uzorak(o.section(u' ', -1).toInt()));
        for (const QString& o : slucaj.sve("odgovor"))
            p.poslužitelj.odgovori.insert(
                o.section(u' ', 0, 0),
                o.section(u' ', 1)
                    .replace("{P}", QString::number(p.poslužitelj.serverPort()))
                    .toUtf8());
        // "ime bajtova": an earlier copy in Update/.
        for (const QString& o : slucaj.sve("prije"))
            p.zapiši(p.okruženje.update() + o.section(u' ', 0, 0),
                     QByteArray(o.section(u' ', 1).toInt(), 'x'));
        QTcpServer zatvoren; // a port where nobody listens any more
        QVERIFY(zatvoren.listen(QHostAddress::LocalHost));
        const QString domaćin =
            slucaj.jedno("domacin").replace("{Z}", QString::number(zatvoren.serverPort()));
        zatvoren.close();
        if (!domaćin.isEmpty())
            p.postaviPrimarni(domaćin);
        const auto bezProxyja = qScopeGuard([] { PostaviProxy({}); });
        if (slucaj.polja.contains("proxy")) {
            if (proxy.isEmpty())
                pokreniSquid();
            QVERIFY2(!proxy.isEmpty(), "squid does not listen");
            PostaviProxy(("http://" + slucaj.jedno("proxy") + proxy).toUtf8());
        }
        p.stanje.KoristiChilkat = slucaj.jedno("pogon") == "https";
        p.preuzimanje->PostaviIzvor(slucaj.broj("opcija", 2));
        p.stanje.ZadnjaGreška = "od prije";
        p.preuzimanje->PostaviVrijemeZastoja(1000);
        const QString direktorija = p.okruženje.baza() + slucaj.jedno("direktorija", "Update/");

        QStringList z;
        for (const QString& ime : slucaj.sve("ime"))
            z << "rezultat: " + QString::number(p.preuzimanje->DownloadDatoteke(
                                    ime, direktorija, slucaj.jedno("najvise", "-1").toLongLong()));

        z << p.zapisnik();
        if (slucaj.polja.contains("zaglavlja"))
            QCOMPARE(QString::fromLatin1(p.poslužitelj.zahtjevi.value(0).zaglavlja)
                         .replace(p.domaćini.primarni, "{H}"),
                     slucaj.sve("zaglavlja").join("\r\n"));
        // "…" in a case stands for any text of one line the library words as it likes.
        const QString očekivano =
            QRegularExpression::escape(slucaj.sve("z").join(u'\n')).replace("\\…", ".*");
        QVERIFY2(slucaj.polja.contains("z") &&
                     QRegularExpression(QRegularExpression::anchoredPattern(očekivano))
                         .match(z.join(u'\n'))
                         .hasMatch(),
                 qPrintable("dobiveno:\nz: " + z.join("\nz: ")));
    }
};

VELKOR_TEST(TestPreuzimanja)
#include "tst_preuzimanje.moc"
