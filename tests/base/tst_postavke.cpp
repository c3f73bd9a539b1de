#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace velkor;
using namespace velkor::test;

class TestPostavke : public QObject {
    Q_OBJECT

private slots:
    void prviPutZadaneVrijednostiNigdjeZapisane() {
        Okruženje o;
        o.aplikacija().postavke().UčitajPostavke();
        QCOMPARE(o.prozor.opcija, 2);
        QCOMPARE(o.prozor.lokacije[0], QString());
        QCOMPARE(o.prozor.lokacije[1], QString());
        QCOMPARE(o.prozor.vrijemeDownloada, 0);
        QVERIFY(o.aplikacija().stanje().KoristiChilkat);
        QVERIFY(!QFile::exists(o.putanjaPostavki()));
    }

    // Selecting option 1 at start stores the three values, box 1 as it stood
    // (from the main key) into the Ba slot, which is then read back.
    void opcija1PriStartuSpremaTriVrijednosti() {
        Okruženje o;
        o.spremiPostavku("Settings", "UpdateLok22N", "1");
        o.spremiPostavku("Settings", "UpdateLokDir22", "/mreza/nove/");
        o.spremiPostavku("Settings", "UpdateLokDirMr22", "/mreza/dist/");
        o.spremiPostavku("Settings", "UpdateLokDirMr.velkor.Ba.22", "/b/");
        o.aplikacija().postavke().UčitajPostavke();
        QCOMPARE(o.prozor.opcija, 1);
        QCOMPARE(o.postavka("Settings", "UpdateLok22N"), QStringLiteral("1"));
        QCOMPARE(o.postavka("Settings", "UpdateLokDir22"), QStringLiteral("/mreza/nove/"));
        QCOMPARE(o.postavka("Settings", "UpdateLokDirMr.velkor.Ba.22"),
                 QStringLiteral("/mreza/dist/"));
        QCOMPARE(o.prozor.lokacije[1], QStringLiteral("/mreza/dist/"));
    }

    void opcija2DistribucijaUBaKljuc() {
        Okruženje o;
        o.spremiPostavku("Settings", "UpdateLokDirMr22", "/stara/");
        o.aplikacija().postavke().UčitajPostavke();
        o.prozor.lokacije[1] = o.baza();
        o.aplikacija().txtLokacija_Validate(1);
        QCOMPARE(o.postavka("Settings", "UpdateLokDirMr.velkor.Ba.22"), o.baza());
        QCOMPARE(o.postavka("Settings", "UpdateLokDirMr22"), QStringLiteral("/stara/"));
        QCOMPARE(o.postavka("Settings", "UpdateLok22N"), QStringLiteral("2"));

        Okruženje drugi;
        drugi.spremiPostavku("Settings", "UpdateLokDirMr22", "/stara/");
        drugi.spremiPostavku("Settings", "UpdateLokDirMr.velkor.Ba.22", o.baza());
        drugi.aplikacija().postavke().UčitajPostavke();
        QCOMPARE(drugi.prozor.lokacije[1], QStringLiteral("/stara/"));
    }

    void opcija0DistribucijaUGlavniKljuc() {
        Okruženje o;
        o.prozor.lokacije[1] = QStringLiteral("/dist/");
        o.prozor.OznačiOpciju(0);
        o.aplikacija().optLokacija_Click(0);
        QCOMPARE(o.postavka("Settings", "UpdateLok22N"), QStringLiteral("0"));
        QCOMPARE(o.postavka("Settings", "UpdateLokDirMr22"), QStringLiteral("/dist/"));
        QVERIFY(!o.postavka("Settings", "UpdateLokDirMr.velkor.Ba.22"));
    }

    void izabraniIzvor_data() {
        QTest::addColumn<int>("opcija");
        QTest::addColumn<int>("izvor");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("2") << 2 << 2;
        QTest::newRow("nijedna") << -1 << 2;
    }

    void izabraniIzvor() {
        QFETCH(int, opcija);
        QFETCH(int, izvor);
        Okruženje o;
        o.prozor.opcija = opcija;
        QCOMPARE(int(o.aplikacija().postavke().IzabraniIzvor()), izvor);
    }

    void neispravneSpremljeneVrijednosti_data() {
        QTest::addColumn<QString>("izvor");
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("pogon");
        QTest::addColumn<int>("očekivanaOpcija");
        QTest::addColumn<int>("očekivaniInterval");
        QTest::addColumn<bool>("očekivaniPogon");
        QTest::newRow("ispravne") << "0"
                                  << "6"
                                  << "False" << 0 << 6 << false;
        QTest::newRow("granice") << "2"
                                 << "23"
                                 << "True" << 2 << 23 << true;
        QTest::newRow("broj kao pogon") << "1"
                                        << "0"
                                        << "0" << 1 << 0 << false;
        QTest::newRow("izvan raspona") << "7"
                                       << "24"
                                       << "možda" << 2 << 0 << true;
        QTest::newRow("negativno") << "-1"
                                   << "-3"
                                   << "" << 2 << 0 << true;
        QTest::newRow("tekst") << "x"
                               << "abc"
                               << "da" << 2 << 0 << true;
    }

    void neispravneSpremljeneVrijednosti() {
        QFETCH(QString, izvor);
        QFETCH(QString, interval);
        QFETCH(QString, pogon);
        Okruženje o;
        o.spremiPostavku("Settings", "UpdateLok22N", izvor);
        o.spremiPostavku("Setting", "VrijemeAutoDownloadaNovihVerz", interval);
        o.spremiPostavku("Settings", "KoristiChilkatZaDownload", pogon);
        o.aplikacija().postavke().UčitajPostavke();
        QTEST(o.prozor.opcija, "očekivanaOpcija");
        QTEST(o.prozor.vrijemeDownloada, "očekivaniInterval");
        QTEST(o.aplikacija().stanje().KoristiChilkat, "očekivaniPogon");
    }

    void intervalUOdjeljkuSetting() {
        Okruženje o;
        o.prozor.vrijemeDownloada = 6;
        o.aplikacija().numVrijemeDownloada_Change();
        QCOMPARE(o.postavka("Setting", "VrijemeAutoDownloadaNovihVerz"), QStringLiteral("6"));
        QVERIFY(!o.postavka("Settings", "VrijemeAutoDownloadaNovihVerz"));
        const QByteArray ini = o.pročitaj(o.putanjaPostavki());
        QVERIFY(ini.contains("[Setting]\nVrijemeAutoDownloadaNovihVerz=6"));
    }

    void biranjeDirektorije() {
        Okruženje o;
        o.prozor.lokacije[1] = QStringLiteral("/pocetna/");
        o.prozor.izabraneDatoteke.enqueue(QStringLiteral("/Dist/Verzije.txt"));
        o.aplikacija().cmdLokacija_Click(1);
        QCOMPARE(o.prozor.lokacije[1], QDir::toNativeSeparators("/Dist/"));
        QCOMPARE(o.postavka("Settings", "UpdateLokDirMr.velkor.Ba.22"),
                 QDir::toNativeSeparators("/Dist/"));
        const DijalogDatoteke& d = o.prozor.dijalozi.at(0);
        QCOMPARE(
            d.naslov,
            QStringLiteral("Izaberite uređaj i direktoriju gdje se nalaze novi Velkor programi"));
        QCOMPARE(d.filter, QStringLiteral("Verzije (*.txt)|*.txt"));
        QCOMPARE(d.imeDatoteke, QStringLiteral("Verzije.txt"));
        QCOMPARE(d.zadanaEkstenzija, QStringLiteral(".txt"));
        QCOMPARE(d.zastavice, quint32(2623488));
        QCOMPARE(d.početnaDirektorija, QStringLiteral("/pocetna/"));
    }

    void odustajanjeNeMijenjaNista() {
        Okruženje o;
        o.prozor.lokacije[0] = QStringLiteral("/stara/");
        o.aplikacija().cmdLokacija_Click(0);
        QCOMPARE(o.prozor.dijalozi.size(), 1);
        QCOMPARE(o.prozor.lokacije[0], QStringLiteral("/stara/"));
        QVERIFY(!QFile::exists(o.putanjaPostavki()));
    }

    void nepostojecaDirektorija_data() {
        QTest::addColumn<QString>("tekst");
        QTest::newRow("nepostojeća") << "/nema/ovdje/";
        QTest::newRow("prazna") << "";
    }

    void nepostojecaDirektorija() {
        QFETCH(QString, tekst);
        Okruženje o;
        o.prozor.lokacije[0] = tekst;
        o.aplikacija().txtLokacija_Validate(0);
        QCOMPARE(o.prozor.poruke.size(), 1);
        QCOMPARE(o.prozor.poruke[0].tekst, "Ne postoji direktorija: " + tekst + " Postavite je!");
        QCOMPARE(o.prozor.poruke[0].ikona, Ikona::Usklicnik);
        QCOMPARE(o.prozor.dijalozi.size(), 1);
        QVERIFY(!QFile::exists(o.putanjaPostavki()));
    }

    void natpisiOpcija() {
        Okruženje o;
        o.platforma.okolina.insert("VELKOR_PRIMARNI_HOST", "prvi.example:8443");
        o.platforma.okolina.insert("VELKOR_SEKUNDARNI_HOST", "drugi.example");
        o.aplikacija();
        QCOMPARE(o.prozor.natpisi[2],
                 QStringLiteral("Internet (https://prvi.example:8443/download/Verzija22) - "
                                "preferirani (najbrži) način sa interneta"));
        QCOMPARE(o.prozor.natpisi[1], QStringLiteral("Sa mrežne lokacije"));
        QCOMPARE(o.prozor.natpisi[0],
                 QStringLiteral("Internet (https://drugi.example/download/Verzija22)"));
    }
};

VELKOR_TEST(TestPostavke)
#include "tst_postavke.moc"
