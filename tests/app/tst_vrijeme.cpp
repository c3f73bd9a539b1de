#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

using namespace velkor;
using namespace velkor::test;

class TestVrijemePrijenosa : public QObject {
    Q_OBJECT

private slots:
    // Seconds since the start, across midnight, as "#.00": two decimals, no zero
    // before the separator, the user's decimal sign, no grouping.
    void prekoPonoci() {
        Okruženje o;
        const auto u = [&](int h, int m, int s, int ms) {
            o.sat.sada = QDateTime(QDate(2026, 12, h == 23 ? 5 : 6), QTime(h, m, s, ms));
            o.aplikacija().tmrPrijenos_Timer();
            return o.prozor.vrijemePrijenosa;
        };
        o.sat.sada = QDateTime(QDate(2026, 12, 5), QTime(23, 59, 59, 750));
        o.aplikacija().PokreniVrijemePrijenosa();
        QVERIFY(o.prozor.tmrPrijenos);
        QCOMPARE(o.prozor.vrijemePrijenosa, QString());
        QCOMPARE(u(23, 59, 59, 750), QStringLiteral("Vrijeme prijenosa: ,00 s"));
        QCOMPARE(u(0, 0, 0, 0), QStringLiteral("Vrijeme prijenosa: ,25 s"));
        QCOMPARE(u(0, 0, 20, 0), QStringLiteral("Vrijeme prijenosa: 20,25 s"));
        o.regionalno.decimalni = QLatin1Char('.');
        QCOMPARE(u(1, 0, 0, 0), QStringLiteral("Vrijeme prijenosa: 3600.25 s"));
        o.aplikacija().ZaustaviVrijemePrijenosa();
        QVERIFY(!o.prozor.tmrPrijenos);
        QCOMPARE(o.prozor.vrijemePrijenosa, QStringLiteral("Vrijeme prijenosa: 3600.25 s"));
    }
};

VELKOR_TEST(TestVrijemePrijenosa)
#include "tst_vrijeme.moc"
