// The plan grid: rows, totals, number format, pictures and fills.
#include "support/RegistarTestova.h"
#include "window/SlikeStanja.h"
#include "window/TablicaPlana.h"
#include "window/frmZideZizodu.h"

#include <QHeaderView>
#include <QTest>

using namespace velkor;

namespace {

const QList<QStringList> TriStavke{
    {"Program.exe", "22", "1", "6", "1000", "2000"},
    {"Kontrola.ocx", "22", "1", "0", "2500", "7300"},
    {"Skripta.enc", "1", "0", "0", "nije broj", ""},
};

} // namespace

class TestTablicePlana : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Croatian, QLocale::Croatia)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    void plan() {
        frmZideZizodu prozor;
        prozor.PrikažiPlan(TriStavke);
        auto* tablica = prozor.findChild<TablicaPlana*>(QStringLiteral("fgAzuriranja"));
        QVERIFY(tablica && tablica->verticalHeader()->isHidden());
        const QList<QStringList> redovi{
            {"", "Ime programa/komponente", "Ver_Gl", "Ver_Pom", "Ver_Rev", "VeličinaDownload",
             "StvarnaVeličina"},
            {"", "UKUPNO: ", "", "", "", "3.500", "9.300"},
            {"1", "Program.exe", "22", "1", "6", "1.000", "2.000"},
            {"2", "Kontrola.ocx", "22", "1", "0", "2.500", "7.300"},
            {"3", "Skripta.enc", "1", "0", "0", "nije broj", ""},
        };
        const Qt::Alignment l = Qt::AlignLeft | Qt::AlignVCenter, c = Qt::AlignCenter,
                            d = Qt::AlignRight | Qt::AlignVCenter;
        const QList<Qt::Alignment> poravnanja{l, l, c, c, c, d, d};
        QCOMPARE(tablica->columnCount(), 7);
        QCOMPARE(tablica->rowCount(), 4);
        for (int stupac = 0; stupac < 7; ++stupac) {
            QCOMPARE(tablica->horizontalHeaderItem(stupac)->text(), redovi[0][stupac]);
            for (int red = 0; red < 4; ++red) {
                const QTableWidgetItem* ćelija = tablica->item(red, stupac);
                QCOMPARE(ćelija->text(), redovi[red + 1][stupac]);
                if (stupac > 0)
                    QCOMPARE(Qt::Alignment(ćelija->textAlignment()), poravnanja[stupac]);
                // The total stands out; the items do not.
                QCOMPARE(ćelija->font().bold(), red == 0);
                QCOMPARE(ćelija->foreground(), red == 0 ? QBrush(Qt::black) : QBrush());
                QCOMPARE(ćelija->background(), red == 0 ? QBrush(QColor(192, 192, 255)) : QBrush());
            }
        }
        // A hyphen where the locale signs otherwise; grouped where it would leave it out.
        QCOMPARE(TablicaPlana::FormatBroja(QStringLiteral("-1500"), QLocale()), "-1.500");
        QCOMPARE(TablicaPlana::FormatBroja(QStringLiteral("1000"), QLocale::c()), "1,000");
        const int dpi = tablica->logicalDpiX();
        QCOMPARE(tablica->columnWidth(0), qRound(400 * dpi / 1440.0));
        QCOMPARE(tablica->columnWidth(1), qRound(3000 * dpi / 1440.0));
        // Grid row 1 is the total, items from row 2 on.
        QCOMPARE(prozor.RedStavke(QStringLiteral("UKUPNO: ")), 1);
        QCOMPARE(prozor.RedStavke(QStringLiteral("Skripta.enc")), 4);
    }

    void redStavke() {
        TablicaPlana tablica;
        tablica.PrikažiPlan({{"Isti.dll", "1", "0", "0", "1", "1"},
                             {"Drugi.dll", "1", "0", "0", "1", "1"},
                             {"Isti.dll", "2", "0", "0", "1", "1"}});
        QCOMPARE(tablica.RedStavke(QStringLiteral("Isti.dll")), 2);
        QCOMPARE(tablica.RedStavke(QStringLiteral("Drugi.dll")), 3);
        QCOMPARE(tablica.RedStavke(QStringLiteral("isti.dll")), -1);
    }

    // Row 3 (Kontrola.ocx) is fetched at 50 % before each change.
    void stanjeReda_data() {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("slika");
        QTest::addColumn<int>("postotak");
        QTest::addColumn<int>("novaSlika");
        QTest::addColumn<int>("novaPopuna");
        QTest::newRow("preuzimanje") << 3 << 1 << 25 << 1 << 25;
        QTest::newRow("instalirano") << 3 << 3 << 100 << 3 << 100;
        QTest::newRow("iznad 100") << 3 << 3 << 150 << 3 << 100;
        QTest::newRow("bez popune") << 3 << 5 << -1 << 5 << 50;
        QTest::newRow("slika 0") << 3 << 0 << -1 << 2 << 50;
        QTest::newRow("slika 7") << 3 << 7 << -1 << 2 << 50;
        QTest::newRow("red 0") << 0 << 3 << 100 << 2 << 50;
        QTest::newRow("iza zadnjeg") << 5 << 3 << 100 << 2 << 50;
    }

    void stanjeReda() {
        QFETCH(int, red);
        QFETCH(int, slika);
        QFETCH(int, postotak);
        QFETCH(int, novaSlika);
        QFETCH(int, novaPopuna);
        frmZideZizodu prozor;
        prozor.PrikažiPlan(TriStavke);
        auto* tablica = prozor.findChild<TablicaPlana*>();
        prozor.PostaviStanjeReda(3, SlikaPreuzeto, 50);
        prozor.PostaviStanjeReda(red, slika, postotak);
        QCOMPARE(tablica->rowCount(), 4);
        for (int r = 0; r < 4; ++r) {
            const QTableWidgetItem* ime = tablica->item(r, 1);
            const int očekivana = r == 2 ? novaSlika : r == 0 ? 0 : int(SlikaPlanirano);
            QCOMPARE(ime->data(TablicaPlana::RolaSlike).toInt(), očekivana);
            QCOMPARE(ime->data(Qt::DecorationRole).value<QPixmap>().toImage(),
                     SlikaIzListe(očekivana).toImage());
            QVERIFY(!ime->data(TablicaPlana::RolaPostotka).isValid());
            for (int stupac = 2; stupac < 7; ++stupac)
                QCOMPARE(tablica->item(r, stupac)->data(TablicaPlana::RolaPostotka),
                         r == 2 ? QVariant(novaPopuna) : QVariant());
        }
    }
};

VELKOR_TEST(TestTablicePlana)
#include "tst_tablica.moc"
