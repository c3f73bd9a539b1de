#include "PostavaPreuzimanja.h"
#include "support/RegistarTestova.h"

#include <QTest>

using namespace velkor;
using namespace velkor::test;

// Which host, which scheme, which path, which local file; the request as sent.
class TestAdresePreuzimanja : public QObject {
    Q_OBJECT

private slots:
    void adresa_data() {
        QTest::addColumn<bool>("koristiChilkat");
        QTest::addColumn<int>("opcija");
        QTest::addColumn<QString>("ime");
        QTest::addColumn<QByteArray>("putanja");
        QTest::addColumn<bool>("bezRazdjelnika");
        const QString v = QStringLiteral("Verzije.txt");
        const QByteArray put = "/download/Verzija22/Verzije.txt";
        for (bool chilkat : {true, false}) {
            const char* e = chilkat ? "https" : "http";
            QTest::addRow("%s, opcija 2: primarni", e) << chilkat << 2 << v << put << false;
            QTest::addRow("%s, opcija 0: sekundarni", e) << chilkat << 0 << v << put << false;
            QTest::addRow("%s, opcija 1: sekundarni", e) << chilkat << 1 << v << put << false;
            // "Update" and "Verzije.txt" give "UpdateVerzije.txt".
            QTest::addRow("%s, direktorija bez razdjelnika", e) << chilkat << 2 << v << put << true;
        }
        QTest::newRow("https, bez opcije: sekundarni") << true << -1 << v << put << false;
        // The name stays one path segment that names exactly that file on the server.
        QTest::newRow("https, razmak") << true << 2 << QStringLiteral("Moj paket.7z")
                                       << QByteArray("/download/Verzija22/Moj%20paket.7z") << false;
        QTest::newRow("http, postotak i ljestve")
            << false << 2 << QStringLiteral("100%#1.7z")
            << QByteArray("/download/Verzija22/100%25%231.7z") << false;
    }

    void adresa() {
        QFETCH(bool, koristiChilkat);
        QFETCH(int, opcija);
        QFETCH(QString, ime);
        QFETCH(QByteArray, putanja);
        QFETCH(bool, bezRazdjelnika);
        PostavaPreuzimanja p;
        p.objavi(ime, "AA;1;2;3;100;200;\r\n");
        p.stanje.KoristiChilkat = koristiChilkat;
        p.okruženje.prozor.opcija = opcija;
        const QString direktorija =
            bezRazdjelnika ? p.okruženje.baza() + QStringLiteral("Update") : p.okruženje.update();

        QVERIFY(p.preuzimanje->DownloadDatoteke(ime, direktorija));

        QCOMPARE(p.poslužitelj.zahtjevi.size(), 1);
        const PrimljeniZahtjev z = p.poslužitelj.zahtjevi.first();
        QCOMPARE(z.šifrirano, koristiChilkat);
        QCOMPARE(z.putanja, putanja);
        const bool primarni = opcija == 2;
        QCOMPARE(QString::fromLatin1(z.domaćin),
                 primarni ? p.domaćini.primarni : p.domaćini.sekundarni);
        // The log shows the URL as composed, the name unescaped.
        const QString shema =
            koristiChilkat ? QStringLiteral("https://") : QStringLiteral("http://");
        QCOMPARE(p.okruženje.porukeLoga(),
                 (QStringList{p.početak(shema, primarni, ime), "Uspješan download: " + ime}));
        QCOMPARE(p.pročitaj(direktorija + ime), QByteArray("AA;1;2;3;100;200;\r\n"));
        QCOMPARE(p.datoteke(p.okruženje.update()),
                 bezRazdjelnika ? QStringList() : QStringList{ime});
        if (bezRazdjelnika)
            QCOMPARE(p.datoteke(p.okruženje.baza()), QStringList{"UpdateVerzije.txt"});
    }

    void zahtjev_data() {
        QTest::addColumn<bool>("https");
        QTest::newRow("https") << true;
        QTest::newRow("http") << false;
    }

    // The request as sent; the next file from the same host comes on the same connection.
    void zahtjev() {
        QFETCH(bool, https);
        PostavaPreuzimanja p;
        p.objavi(QStringLiteral("Paket.7z"), "x");
        p.objavi(QStringLiteral("Drugi.7z"), "y");

        QVERIFY(p.preuzmi(https, QStringLiteral("Paket.7z")));
        QVERIFY(p.preuzmi(https, QStringLiteral("Drugi.7z")));

        QCOMPARE(p.poslužitelj.zahtjevi.size(), 2);
        QCOMPARE(p.poslužitelj.zahtjevi[1].odakle, p.poslužitelj.zahtjevi[0].odakle);
        const QByteArray verzija = QByteArray::number(VELKOR_VER_GL) + '.' +
                                   QByteArray::number(VELKOR_VER_POM) + '.' +
                                   QByteArray::number(VELKOR_VER_REV);
        QCOMPARE(p.poslužitelj.zahtjevi.first().zaglavlja,
                 "GET /download/Verzija22/Paket.7z HTTP/1.1\r\n"
                 "Host: " +
                     p.domaćini.primarni.toLatin1() +
                     "\r\n"
                     "User-Agent: VelkorZideZizodu22/" +
                     verzija +
                     "\r\n"
                     "Accept: */*\r\n"
                     "Accept-Encoding: identity");
        QCOMPARE(verzija, QByteArray("22.1.1"));
    }
};

VELKOR_TEST(TestAdresePreuzimanja)
#include "tst_adresa.moc"
