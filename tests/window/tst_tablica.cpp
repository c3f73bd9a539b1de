// The plan grid: rows, totals, number format, pictures and fills.
#include "support/RegistarTestova.h"
#include "window/DelegatPopune.h"
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

QImage slikaĆelije(const QTableWidgetItem* stavka) {
    return stavka->data(Qt::DecorationRole).value<QPixmap>().toImage();
}

} // namespace

class TestTablicePlana : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Croatian, QLocale::Croatia)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    void zaglavlja() {
        TablicaPlana tablica;
        QCOMPARE(tablica.columnCount(), 7);
        QStringList naslovi;
        for (int stupac = 0; stupac < tablica.columnCount(); ++stupac)
            naslovi << tablica.horizontalHeaderItem(stupac)->text();
        QCOMPARE(naslovi, (QStringList{"", "Ime programa/komponente", "Ver_Gl", "Ver_Pom",
                                       "Ver_Rev", "VeličinaDownload", "StvarnaVeličina"}));
        QVERIFY(tablica.verticalHeader()->isHidden());
        QCOMPARE(tablica.objectName(), QStringLiteral("fgAzuriranja"));
    }

    void redoviIUkupno() {
        frmZideZizodu prozor;
        prozor.PrikažiPlan(TriStavke);
        auto* tablica = prozor.findChild<TablicaPlana*>(QStringLiteral("fgAzuriranja"));
        QVERIFY(tablica);
        QCOMPARE(tablica->rowCount(), 4);

        // Grid row 1 is the total, items from row 2 on.
        QCOMPARE(prozor.RedStavke(QStringLiteral("UKUPNO: ")), 1);
        QCOMPARE(prozor.RedStavke(QStringLiteral("Program.exe")), 2);
        QCOMPARE(prozor.RedStavke(QStringLiteral("Kontrola.ocx")), 3);
        QCOMPARE(prozor.RedStavke(QStringLiteral("Skripta.enc")), 4);
        QCOMPARE(prozor.RedStavke(QStringLiteral("program.exe")), -1);
        QCOMPARE(prozor.RedStavke(QStringLiteral("Ime programa/komponente")), -1);
        QCOMPARE(prozor.RedStavke(QString()), -1);

        const QStringList ukupno{"", "UKUPNO: ", "", "", "", "3.500", "9.300"};
        const QList<QStringList> očekivano{
            {"1", "Program.exe", "22", "1", "6", "1.000", "2.000"},
            {"2", "Kontrola.ocx", "22", "1", "0", "2.500", "7.300"},
            {"3", "Skripta.enc", "1", "0", "0", "nije broj", ""},
        };
        for (int stupac = 0; stupac < 7; ++stupac) {
            QCOMPARE(tablica->item(0, stupac)->text(), ukupno[stupac]);
            for (int i = 0; i < očekivano.size(); ++i)
                QCOMPARE(tablica->item(i + 1, stupac)->text(), očekivano[i][stupac]);
        }
    }

    void izgledRedaUkupno() {
        TablicaPlana tablica;
        tablica.PrikažiPlan(TriStavke);
        for (int stupac = 1; stupac < 7; ++stupac) {
            const QTableWidgetItem* ćelija = tablica.item(0, stupac);
            QVERIFY(ćelija->font().bold());
            QCOMPARE(ćelija->foreground().color(), QColor(Qt::black));
            QCOMPARE(ćelija->background().color(), QColor(192, 192, 255));
            QVERIFY(!tablica.item(1, stupac)->font().bold());
            QCOMPARE(tablica.item(1, stupac)->background().style(), Qt::NoBrush);
        }
    }

    void poravnanja() {
        TablicaPlana tablica;
        tablica.PrikažiPlan(TriStavke);
        const QList<Qt::Alignment> očekivano{
            Qt::AlignLeft | Qt::AlignVCenter,
            Qt::AlignLeft | Qt::AlignVCenter,
            Qt::AlignCenter,
            Qt::AlignCenter,
            Qt::AlignCenter,
            Qt::AlignRight | Qt::AlignVCenter,
            Qt::AlignRight | Qt::AlignVCenter,
        };
        for (int red = 0; red < tablica.rowCount(); ++red) {
            for (int stupac = 1; stupac < 7; ++stupac)
                QCOMPARE(Qt::Alignment(tablica.item(red, stupac)->textAlignment()),
                         očekivano[stupac]);
        }
    }

    void sirine() {
        TablicaPlana tablica;
        tablica.PrikažiPlan(TriStavke);
        const int dpi = tablica.logicalDpiX();
        QCOMPARE(tablica.columnWidth(0), qRound(400 * dpi / 1440.0));
        QCOMPARE(tablica.columnWidth(1), qRound(3000 * dpi / 1440.0));
        const QFontMetrics mjere = tablica.horizontalHeader()->fontMetrics();
        QVERIFY(tablica.columnWidth(5) >
                mjere.horizontalAdvance(QStringLiteral("VeličinaDownload")));
        QVERIFY(tablica.columnWidth(6) >
                mjere.horizontalAdvance(QStringLiteral("StvarnaVeličina")));
    }

    void prviIstogImena() {
        TablicaPlana tablica;
        tablica.PrikažiPlan({{"Isti.dll", "1", "0", "0", "1", "1"},
                             {"Drugi.dll", "1", "0", "0", "1", "1"},
                             {"Isti.dll", "2", "0", "0", "1", "1"}});
        QCOMPARE(tablica.RedStavke(QStringLiteral("Isti.dll")), 2);
        QCOMPARE(tablica.RedStavke(QStringLiteral("Drugi.dll")), 3);
    }

    void prazanPlanINoviPlan() {
        TablicaPlana tablica;
        tablica.PrikažiPlan(TriStavke);
        tablica.PostaviStanjeReda(2, SlikaInstalirano, 100);
        tablica.PrikažiPlan({{"Novi.exe", "22", "1", "7", "40", "80"}});
        QCOMPARE(tablica.rowCount(), 2);
        QCOMPARE(tablica.item(0, 5)->text(), QStringLiteral("40"));
        QCOMPARE(tablica.item(1, 1)->data(TablicaPlana::RolaSlike).toInt(), int(SlikaPlanirano));
        QVERIFY(!tablica.item(1, 2)->data(TablicaPlana::RolaPostotka).isValid());
        QCOMPARE(tablica.RedStavke(QStringLiteral("Program.exe")), -1);

        tablica.PrikažiPlan({});
        QCOMPARE(tablica.rowCount(), 1);
        QCOMPARE(tablica.item(0, 1)->text(), QStringLiteral("UKUPNO: "));
        QCOMPARE(tablica.item(0, 5)->text(), QStringLiteral("0"));
        QCOMPARE(tablica.item(0, 6)->text(), QStringLiteral("0"));
    }

    void formatBroja_data() {
        QTest::addColumn<QLocale>("lokal");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("prikaz");
        const QLocale hr(QLocale::Croatian, QLocale::Croatia);
        const auto red = [](const char* ime, const QLocale& lokal, const char* tekst,
                            const char* prikaz) {
            QTest::newRow(ime) << lokal << QString::fromUtf8(tekst) << QString::fromUtf8(prikaz);
        };
        red("tisuću", hr, "1000", "1.000");
        red("milijuni", hr, "1234567", "1.234.567");
        red("ispod tisuću", hr, "999", "999");
        red("nula", hr, "0", "0");
        red("negativan", hr, "-1500", "-1.500");
        red("negativna nula", hr, "-0.4", "0");
        red("pola naviše", hr, "12.5", "13");
        red("razmaci", hr, " 42 ", "42");
        red("nije broj", hr, "abc", "abc");
        red("prazan", hr, "", "");
        red("engleski", QLocale(QLocale::English, QLocale::UnitedStates), "2500000", "2,500,000");
        red("C bez izostavljanja", QLocale::c(), "1000", "1,000");
    }

    void formatBroja() {
        QFETCH(QLocale, lokal);
        QFETCH(QString, tekst);
        QFETCH(QString, prikaz);
        QCOMPARE(TablicaPlana::FormatBroja(tekst, lokal), prikaz);
    }

    void slikaPlaniranih() {
        TablicaPlana tablica;
        tablica.PrikažiPlan(TriStavke);
        const QImage planirano = SlikaIzListe(SlikaPlanirano).toImage();
        for (int red = 1; red < tablica.rowCount(); ++red) {
            QCOMPARE(tablica.item(red, 1)->data(TablicaPlana::RolaSlike).toInt(), 6);
            QCOMPARE(slikaĆelije(tablica.item(red, 1)), planirano);
        }
        QVERIFY(!tablica.item(0, 1)->data(Qt::DecorationRole).isValid());
    }

    void stanjeReda_data() {
        QTest::addColumn<int>("slika");
        QTest::addColumn<int>("postotak");
        QTest::newRow("preuzimanje") << 1 << 25;
        QTest::newRow("kopiranje") << 4 << 25;
        QTest::newRow("preuzeto") << 2 << 50;
        QTest::newRow("instalacija") << 5 << 75;
        QTest::newRow("instalirano") << 3 << 100;
    }

    void stanjeReda() {
        QFETCH(int, slika);
        QFETCH(int, postotak);
        frmZideZizodu prozor;
        prozor.PrikažiPlan(TriStavke);
        auto* tablica = prozor.findChild<TablicaPlana*>();
        prozor.PostaviStanjeReda(3, slika, postotak);

        const QTableWidgetItem* ime = tablica->item(2, 1);
        QCOMPARE(ime->data(TablicaPlana::RolaSlike).toInt(), slika);
        QCOMPARE(slikaĆelije(ime), SlikaIzListe(slika).toImage());
        for (int stupac = 2; stupac < 7; ++stupac)
            QCOMPARE(tablica->item(2, stupac)->data(TablicaPlana::RolaPostotka).toInt(), postotak);
        QVERIFY(!tablica->item(2, 1)->data(TablicaPlana::RolaPostotka).isValid());
        // The neighbours stay planned.
        for (int red : {1, 3}) {
            QCOMPARE(tablica->item(red, 1)->data(TablicaPlana::RolaSlike).toInt(), 6);
            QVERIFY(!tablica->item(red, 4)->data(TablicaPlana::RolaPostotka).isValid());
        }
    }

    void nepoznatoStanjeOstavljaRed() {
        TablicaPlana tablica;
        tablica.PrikažiPlan(TriStavke);
        tablica.PostaviStanjeReda(2, 2, 50);
        tablica.PostaviStanjeReda(2, 0, -1);
        tablica.PostaviStanjeReda(2, 7, -1);
        QCOMPARE(tablica.item(1, 1)->data(TablicaPlana::RolaSlike).toInt(), 2);
        QCOMPARE(slikaĆelije(tablica.item(1, 1)), SlikaIzListe(2).toImage());
        QCOMPARE(tablica.item(1, 6)->data(TablicaPlana::RolaPostotka).toInt(), 50);
    }

    void redIzvanTabliceNeMijenjaNista_data() {
        QTest::addColumn<int>("red");
        QTest::newRow("-1") << -1;
        QTest::newRow("zaglavlje") << 0;
        QTest::newRow("iza zadnjeg") << 5;
    }

    void redIzvanTabliceNeMijenjaNista() {
        QFETCH(int, red);
        TablicaPlana tablica;
        tablica.PrikažiPlan(TriStavke);
        tablica.PostaviStanjeReda(red, 3, 100);
        for (int r = 0; r < tablica.rowCount(); ++r) {
            QVERIFY(tablica.item(r, 1)->data(TablicaPlana::RolaSlike).toInt() != 3);
            QVERIFY(!tablica.item(r, 2)->data(TablicaPlana::RolaPostotka).isValid());
        }
        QCOMPARE(tablica.rowCount(), 4);
    }

    void popunaSeVidi() {
        TablicaPlana tablica;
        tablica.resize(900, 300);
        tablica.PrikažiPlan(TriStavke);
        tablica.setColumnWidth(3, 200);
        tablica.PostaviStanjeReda(2, 1, 25);
        tablica.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tablica));
        const QImage slika = tablica.viewport()->grab().toImage();
        const QRect ćelija = tablica.visualItemRect(tablica.item(1, 3));
        const int y = ćelija.top() + 2;
        QCOMPARE(slika.pixelColor(ćelija.left() + 3, y), DelegatPopune::BojaPopune);
        QCOMPARE(slika.pixelColor(ćelija.left() + ćelija.width() / 4 - 3, y),
                 DelegatPopune::BojaPopune);
        QVERIFY(slika.pixelColor(ćelija.left() + ćelija.width() / 4 + 3, y) !=
                DelegatPopune::BojaPopune);
        // The row below has no fill.
        const QRect ispod = tablica.visualItemRect(tablica.item(2, 3));
        QVERIFY(slika.pixelColor(ispod.left() + 3, ispod.top() + 2) != DelegatPopune::BojaPopune);
    }

    void redSePomiceUVidik() {
        TablicaPlana tablica;
        tablica.resize(700, 200);
        QList<QStringList> stavke;
        for (int i = 0; i < 60; ++i)
            stavke << QStringList{
                QStringLiteral("Datoteka%1.dll").arg(i), "1", "0", "0", "10", "20"};
        tablica.PrikažiPlan(stavke);
        tablica.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tablica));
        const QTableWidgetItem* zadnja = tablica.item(60, 1);
        QVERIFY(!tablica.viewport()->rect().intersects(tablica.visualItemRect(zadnja)));
        tablica.PostaviStanjeReda(tablica.RedStavke(QStringLiteral("Datoteka59.dll")), 5, 75);
        QCoreApplication::processEvents();
        QVERIFY(tablica.viewport()->rect().contains(tablica.visualItemRect(zadnja)));
    }

    void slikeSeRazlikuju() {
        for (int i = 1; i <= BrojSlika; ++i) {
            const QImage prva = SlikaIzListe(i).toImage();
            QCOMPARE(prva.size(), QSize(VeličinaSlike, VeličinaSlike));
            for (int j = i + 1; j <= BrojSlika; ++j)
                QVERIFY2(prva != SlikaIzListe(j).toImage(),
                         qPrintable(QString("%1 %2").arg(i).arg(j)));
        }
        QVERIFY(SlikaIzListe(0).isNull());
        QVERIFY(SlikaIzListe(7).isNull());
    }
};

VELKOR_TEST(TestTablicePlana)
#include "tst_tablica.moc"
