#include "PostavaPreuzimanja.h"
#include "support/RegistarTestova.h"

#include <QTest>

using namespace velkor;
using namespace velkor::test;

// Which host, which scheme, which path, which local file.
class TestAdresePreuzimanja : public QObject {
    Q_OBJECT

private slots:
    void domacinIShema_data() {
        QTest::addColumn<bool>("koristiChilkat");
        QTest::addColumn<int>("opcija");
        QTest::addColumn<bool>("primarni");
        QTest::newRow("https, opcija 2: primarni") << true << 2 << true;
        QTest::newRow("https, opcija 0: sekundarni") << true << 0 << false;
        QTest::newRow("https, opcija 1: sekundarni") << true << 1 << false;
        QTest::newRow("https, bez opcije: sekundarni") << true << -1 << false;
        QTest::newRow("http, opcija 2: primarni") << false << 2 << true;
        QTest::newRow("http, opcija 0: sekundarni") << false << 0 << false;
        QTest::newRow("http, opcija 1: sekundarni") << false << 1 << false;
    }

    void domacinIShema() {
        QFETCH(bool, koristiChilkat);
        QFETCH(int, opcija);
        QFETCH(bool, primarni);
        PostavaPreuzimanja p;
        p.objavi(QStringLiteral("Verzije.txt"), "AA;1;2;3;100;200;\r\n");
        p.stanje.KoristiChilkat = koristiChilkat;
        p.okruženje.prozor.opcija = opcija;

        QVERIFY(
            p.preuzimanje->DownloadDatoteke(QStringLiteral("Verzije.txt"), p.okruženje.update()));

        QCOMPARE(p.poslužitelj.zahtjevi.size(), 1);
        const PrimljeniZahtjev z = p.poslužitelj.zahtjevi.first();
        QCOMPARE(z.šifrirano, koristiChilkat);
        QCOMPARE(z.putanja, QByteArray("/download/Verzija22/Verzije.txt"));
        QCOMPARE(QString::fromLatin1(z.domaćin),
                 primarni ? p.domaćini.primarni : p.domaćini.sekundarni);
        const QString shema =
            koristiChilkat ? QStringLiteral("https://") : QStringLiteral("http://");
        QCOMPARE(p.okruženje.porukeLoga(),
                 (QStringList{p.početak(shema, primarni, QStringLiteral("Verzije.txt")),
                              QStringLiteral("Uspješan download: Verzije.txt")}));
        QCOMPARE(p.pročitaj(p.okruženje.update() + QStringLiteral("Verzije.txt")),
                 QByteArray("AA;1;2;3;100;200;\r\n"));
    }

    void imeDatotekeUPutanji_data() {
        QTest::addColumn<bool>("koristiChilkat");
        QTest::addColumn<QString>("ime");
        QTest::addColumn<QByteArray>("putanja");
        for (bool chilkat : {true, false}) {
            const char* e = chilkat ? "https" : "http";
            QTest::addRow("%s, obično ime", e) << chilkat << QStringLiteral("Verzije.txt")
                                               << QByteArray("/download/Verzija22/Verzije.txt");
            QTest::addRow("%s, razmak", e) << chilkat << QStringLiteral("Moj paket.7z")
                                           << QByteArray("/download/Verzija22/Moj%20paket.7z");
            QTest::addRow("%s, postotak i ljestve", e)
                << chilkat << QStringLiteral("100%#1.7z")
                << QByteArray("/download/Verzija22/100%25%231.7z");
        }
    }

    // The name stays one path segment that names exactly that file on the server.
    void imeDatotekeUPutanji() {
        QFETCH(bool, koristiChilkat);
        QFETCH(QString, ime);
        QFETCH(QByteArray, putanja);
        PostavaPreuzimanja p;
        p.objavi(ime, "sadržaj");
        p.stanje.KoristiChilkat = koristiChilkat;

        QVERIFY(p.preuzimanje->DownloadDatoteke(ime, p.okruženje.update()));
        QCOMPARE(p.poslužitelj.zahtjevi.size(), 1);
        QCOMPARE(p.poslužitelj.zahtjevi.first().putanja, putanja);
        QCOMPARE(p.pročitaj(p.okruženje.update() + ime), QByteArray("sadržaj"));
        // The log shows the URL as composed, the name unescaped.
        const QString shema =
            koristiChilkat ? QStringLiteral("https://") : QStringLiteral("http://");
        QCOMPARE(p.okruženje.porukeLoga().value(0), p.početak(shema, true, ime));
    }

    void direktorijaBezRazdjelnika_data() {
        QTest::addColumn<bool>("koristiChilkat");
        QTest::newRow("https") << true;
        QTest::newRow("http") << false;
    }

    void direktorijaBezRazdjelnika() {
        QFETCH(bool, koristiChilkat);
        PostavaPreuzimanja p;
        p.objavi(QStringLiteral("Verzije.txt"), "novo");
        p.stanje.KoristiChilkat = koristiChilkat;

        QVERIFY(p.preuzimanje->DownloadDatoteke(QStringLiteral("Verzije.txt"),
                                                p.okruženje.baza() + QStringLiteral("Update")));
        QCOMPARE(p.datoteke(p.okruženje.baza()), QStringList{"UpdateVerzije.txt"});
        QCOMPARE(p.pročitaj(p.okruženje.baza() + QStringLiteral("UpdateVerzije.txt")),
                 QByteArray("novo"));
        QVERIFY(p.datoteke(p.okruženje.update()).isEmpty());
    }
};

VELKOR_TEST(TestAdresePreuzimanja)
#include "tst_adresa.moc"
