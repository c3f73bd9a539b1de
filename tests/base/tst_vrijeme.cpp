#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include "base/VrijemePrijenosa.h"

#include <QTest>

using namespace velkor;
using namespace velkor::test;

class TestVrijemePrijenosa : public QObject {
    Q_OBJECT

private slots:
    // "#.00": two decimals, no zero before the separator.
    void tekst() {
        const QList<QPair<float, QString>> slučajevi{
            {0.0f, ",00"}, {0.25f, ",25"}, {12.5f, "12,50"}, {3600.0f, "3600,00"}};
        for (const auto& [sekunde, broj] : slučajevi)
            QCOMPARE(TekstVremenaPrijenosa(sekunde, QLatin1Char(',')),
                     "Vrijeme prijenosa: " + broj + " s");
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
