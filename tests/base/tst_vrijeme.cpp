#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include "base/VrijemePrijenosa.h"

#include <QTest>

using namespace velkor;
using namespace velkor::test;

class TestVrijemePrijenosa : public QObject {
    Q_OBJECT

private slots:
    void tekst_data() {
        QTest::addColumn<float>("sekunde");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("nula") << 0.0f << "Vrijeme prijenosa: ,00 s";
        QTest::newRow("četvrtina") << 0.25f << "Vrijeme prijenosa: ,25 s";
        QTest::newRow("dvanaest i pol") << 12.5f << "Vrijeme prijenosa: 12,50 s";
        QTest::newRow("sat") << 3600.0f << "Vrijeme prijenosa: 3600,00 s";
    }

    void tekst() {
        QFETCH(float, sekunde);
        QFETCH(QString, tekst);
        QCOMPARE(TekstVremenaPrijenosa(sekunde, QLatin1Char(',')), tekst);
    }

    void prekoPonoci() {
        Okruženje o;
        o.sat.sada = QDateTime(QDate(2026, 12, 5), QTime(23, 59, 50));
        o.aplikacija().PokreniVrijemePrijenosa();
        QVERIFY(o.prozor.tmrPrijenos);
        QCOMPARE(o.prozor.vrijemePrijenosa, QString());
        o.sat.sada = QDateTime(QDate(2026, 12, 6), QTime(0, 0, 10));
        o.aplikacija().tmrPrijenos_Timer();
        QCOMPARE(o.prozor.vrijemePrijenosa, QStringLiteral("Vrijeme prijenosa: 20,00 s"));
        o.regionalno.decimalni = QLatin1Char('.');
        o.sat.sada = QDateTime(QDate(2026, 12, 6), QTime(0, 0, 10, 250));
        o.aplikacija().tmrPrijenos_Timer();
        QCOMPARE(o.prozor.vrijemePrijenosa, QStringLiteral("Vrijeme prijenosa: 20.25 s"));
        o.aplikacija().ZaustaviVrijemePrijenosa();
        QVERIFY(!o.prozor.tmrPrijenos);
        QCOMPARE(o.prozor.vrijemePrijenosa, QStringLiteral("Vrijeme prijenosa: 20.25 s"));
    }
};

VELKOR_TEST(TestVrijemePrijenosa)
#include "tst_vrijeme.moc"
