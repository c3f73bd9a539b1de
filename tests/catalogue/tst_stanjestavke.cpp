#include "Instalacija.h"
#include "support/RegistarTestova.h"

#include <QTest>

using namespace velkor;
using namespace velkor::test;

class TestStanjeStavke : public QObject {
    Q_OBJECT

private slots:
    void kodovi_data() {
        QTest::addColumn<int>("kod");
        QTest::addColumn<int>("postotak");
        QTest::newRow("1 download") << 1 << 25;
        QTest::newRow("4 mreža") << 4 << 25;
        QTest::newRow("2 preneseno") << 2 << 50;
        QTest::newRow("5 instalira se") << 5 << 75;
        QTest::newRow("3 instalirano") << 3 << 100;
        QTest::newRow("6 samo slika") << 6 << -1;
        QTest::newRow("0 samo slika") << 0 << -1;
    }

    void kodovi() {
        QFETCH(int, kod);
        QFETCH(int, postotak);
        Instalacija i;
        i.stara({"Drugi.exe;1;1;1;1;1;"});
        i.nova({"Prvi.exe;1;1;1;1;1;", "Drugi.exe;1;1;2;1;1;"});
        QVERIFY(i.plan.NapraviRsŠtoTrebaAžurirati());
        i.plan.OznačiStanjeStavke(QStringLiteral("Drugi.exe"), qint16(kod));
        QCOMPARE(i.o.prozor.stanjaRedova.size(), 1);
        // Items start under the header and the total row.
        QCOMPARE(i.o.prozor.stanjaRedova[0].red, 3);
        QCOMPARE(i.o.prozor.stanjaRedova[0].slika, kod);
        QCOMPARE(i.o.prozor.stanjaRedova[0].postotak, postotak);
    }

    void nepoznatoImeNeMijenjaNista_data() {
        QTest::addColumn<QString>("ime");
        QTest::newRow("nema ga") << "Treci.exe";
        QTest::newRow("druga velika slova") << "prvi.exe";
        QTest::newRow("prazno") << "";
    }

    void nepoznatoImeNeMijenjaNista() {
        QFETCH(QString, ime);
        Instalacija i;
        i.o.prozor.plan = {{"Prvi.exe", "1", "1", "1", "1", "1"}};
        i.plan.OznačiStanjeStavke(ime, 3);
        QVERIFY(i.o.prozor.stanjaRedova.isEmpty());
    }
};

VELKOR_TEST(TestStanjeStavke)
#include "tst_stanjestavke.moc"
