// The controls of the main window: captions, status, locking, colour, progress
// and the plan grid.
#include "base/Slucajevi.h"
#include "support/RegistarTestova.h"
#include "window/SlikeStanja.h"
#include "window/TablicaPlana.h"
#include "window/frmZideZizodu.h"

#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>

using namespace velkor;
using namespace velkor::test;

namespace {

const QList<QStringList> TriStavke{{"Program.exe", "22", "1", "6", "1000", "2000"},
                                   {"Kontrola.ocx", "22", "1", "0", "2500", "7300"},
                                   {"Skripta.enc", "1", "0", "0", "nije broj", ""}};

} // namespace

class TestKontrola : public QObject {
    Q_OBJECT

    std::unique_ptr<frmZideZizodu> prozor;
    template <typename T = QWidget> T* k(const QString& ime) { return prozor->findChild<T*>(ime); }
    TablicaPlana* tablica() { return k<TablicaPlana>("fgAzuriranja"); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Croatian, QLocale::Croatia)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }
    void init() { prozor = std::make_unique<frmZideZizodu>(); }

    void natpisi_data() { DodajSlučajeve(QFINDTESTDATA("data/natpisi.txt")); }

    void natpisi() {
        QFETCH(Slučaj, slucaj);
        // "title|status 1|status 2", as the program sets them.
        if (const QStringList p = slucaj.jedno("postavi").split('|'); p.size() == 3) {
            prozor->PostaviNaslov(p[0]);
            prozor->PostaviStatus1(p[1]);
            prozor->PostaviStatus2(p[2]);
        }
        QCOMPARE(prozor->Status1() + '|' + prozor->Status2(),
                 k<QLabel>("SBarPanel1")->text() + '|' + k<QLabel>("SBarPanel2")->text());
        QStringList natpisi;
        for (const QString& natpis : slucaj.sve("natpis")) {
            QWidget* w =
                natpis.startsWith("frmZideZizodu=") ? prozor.get() : k(natpis.section('=', 0, 0));
            QStringList tekst{w->isWindow() ? w->windowTitle()
                                            : w->property("title").toString() +
                                                  w->property("text").toString()};
            if (auto* kartice = qobject_cast<QTabWidget*>(w); kartice) {
                tekst.clear();
                for (int i = 0; i < kartice->count(); ++i)
                    tekst << kartice->tabText(i);
            }
            natpisi << w->objectName() + '=' + tekst.join('|');
        }
        QCOMPARE(natpisi, slucaj.sve("natpis"));
    }

    // The operation buttons are off while one runs; the update button then
    // gets the state the operation gave it.
    void zakljucavanjeOperacija() {
        const auto uključeni = [&] {
            QString u;
            for (const char* ime : {"cmdVerzija", "cmdDownloadAndUpdate", "cmdDownlNaLokaciju"})
                u += k(ime)->isEnabled() ? '1' : '0';
            return u + (prozor->DownloadOmogućen() ? '1' : '0');
        };
        prozor->OmogućiDownload(false);
        prozor->ZaključajOperacije(true);
        QCOMPARE(uključeni(), "0000");
        prozor->OmogućiDownload(true);
        QCOMPARE(uključeni(), "0001");
        prozor->ZaključajOperacije(false);
        QCOMPARE(uključeni(), "1111");
        prozor->OmogućiDownload(false);
        prozor->ZaključajOperacije(true);
        prozor->ZaključajOperacije(false);
        QCOMPARE(uključeni(), "1010");
    }

    // Behind an option's text too, which buttons fill from their own role.
    void boja() {
        prozor->PostaviBoju(14277323); // 0xD9DACB: red in the lowest byte
        const QColor boja(0xCB, 0xDA, 0xD9);
        QCOMPARE(tablica()->palette().color(QPalette::Base), boja);
        QList<QWidget*> obojene{prozor.get()};
        for (const char* ime : {"optLokacija_0", "optLokacija_1", "optLokacija_2", "SSTab1",
                                "fraLokacija", "fgAzuriranja", "lblInfo"})
            obojene << k(ime);
        for (int i = 0; i < 4; ++i)
            obojene << k<QTabWidget>("SSTab1")->widget(i);
        for (QWidget* w : obojene)
            QVERIFY2(w->autoFillBackground() && w->palette().color(w->backgroundRole()) == boja &&
                         w->palette().color(QPalette::Window) == boja,
                     qPrintable(w->objectName()));
        for (const char* ime : {"cmdIzlaz", "cmdVerzija", "txtPor", "Label1", "SBar"}) {
            const QPalette p = k(ime)->palette();
            QVERIFY2(!k(ime)->autoFillBackground() && p.color(QPalette::Base) != boja &&
                         p.color(QPalette::Button) != boja,
                     ime);
        }
    }

    // The progress bar stands over cmdVerzija, in front of it, as long as it shows.
    void progresPrekrivaGumb() {
        prozor->show();
        QVERIFY(QTest::qWaitForWindowExposed(prozor.get()));
        QWidget* gumb = k("cmdVerzija");
        auto* traka = k<QProgressBar>("progBar");
        QVERIFY(!traka->isVisible());
        prozor->resize(980, 700);
        QCoreApplication::processEvents();
        gumb->raise();
        prozor->PrikažiProgres(0, 30);
        prozor->PostaviProgres(17);
        QCOMPARE(prozor->Progres(), 17);
        prozor->PrikažiProgres(0, 30);
        QCOMPARE((QList<int>{traka->minimum(), traka->maximum(), traka->value()}),
                 (QList<int>{0, 30, 0}));
        QVERIFY(traka->isVisible());
        QCOMPARE(traka->geometry(), gumb->geometry());
        QCOMPARE(gumb->parentWidget()->childAt(gumb->geometry().center()), traka);
        prozor->resize(820, 600);
        QTRY_COMPARE(traka->geometry(), gumb->geometry());
        prozor->SakrijProgres();
        QCOMPARE(gumb->parentWidget()->childAt(gumb->geometry().center()), gumb);
    }

    // Header, the total row, the items numbered; sizes grouped as the locale does;
    // text left, versions centred, sizes right; the total stands out.
    void plan_data() { DodajSlučajeve(QFINDTESTDATA("data/plan.txt")); }

    void plan() {
        QFETCH(Slučaj, slucaj);
        prozor->PrikažiPlan(TriStavke);
        TablicaPlana* t = tablica();
        QVERIFY(t->verticalHeader()->isHidden());
        QStringList redovi{QString()};
        for (int stupac = 0; stupac < t->columnCount(); ++stupac)
            redovi[0] += '|' + t->horizontalHeaderItem(stupac)->text();
        const QList<int> poravnanja{0x81, 0x81, 0x84, 0x84, 0x84, 0x82, 0x82};
        for (int red = 0; red < t->rowCount(); ++red) {
            redovi << QString();
            for (int stupac = 0; stupac < t->columnCount(); ++stupac) {
                const QTableWidgetItem* ćelija = t->item(red, stupac);
                redovi.last() += '|' + ćelija->text();
                QCOMPARE(ćelija->textAlignment(), poravnanja[stupac]);
                QCOMPARE(ćelija->font().bold(), red == 0);
                QCOMPARE(ćelija->foreground(), red ? QBrush() : QBrush(Qt::black));
                QCOMPARE(ćelija->background(), red ? QBrush() : QBrush(QColor(192, 192, 255)));
            }
        }
        QCOMPARE(redovi, slucaj.sve("red"));
        // A hyphen where the locale signs otherwise; grouped where it would leave it out.
        QCOMPARE(TablicaPlana::FormatBroja("-1500", QLocale()), "-1.500");
        QCOMPARE(TablicaPlana::FormatBroja("1000", QLocale::c()), "1,000");
        QCOMPARE(t->columnWidth(0), qRound(400 * t->logicalDpiX() / 1440.0));
        QCOMPARE(t->columnWidth(1), qRound(3000 * t->logicalDpiX() / 1440.0));
        // Grid row 1 is the total, items from row 2 on; the first of equal names.
        t->item(2, 1)->setText(QStringLiteral("Program.exe"));
        QCOMPARE((QList<int>{prozor->RedStavke("UKUPNO: "), prozor->RedStavke("Program.exe"),
                             prozor->RedStavke("Skripta.enc"), prozor->RedStavke("program.exe")}),
                 (QList<int>{1, 2, 4, -1}));
    }

    void stanjeReda_data() { DodajSlučajeve(QFINDTESTDATA("data/stanja_reda.txt")); }

    void stanjeReda() {
        QFETCH(Slučaj, slucaj);
        QList<int> s;
        for (const QString& broj : (slucaj.jedno("s") + ' ' + slucaj.jedno("vidi")).split(' '))
            s << broj.toInt();
        prozor->PrikažiPlan(TriStavke);
        prozor->PostaviStanjeReda(3, SlikaPreuzeto, 50);
        prozor->PostaviStanjeReda(s[0], s[1], s[2]);
        QCOMPARE(tablica()->rowCount(), 4);
        for (int r = 0; r < 4; ++r) {
            const QTableWidgetItem* ime = tablica()->item(r, 1);
            const int slika = r == 2 ? s[3] : r == 0 ? 0 : int(SlikaPlanirano);
            QCOMPARE(ime->data(TablicaPlana::RolaSlike).toInt(), slika);
            QCOMPARE(ime->data(Qt::DecorationRole).value<QPixmap>().toImage(),
                     SlikaIzListe(slika).toImage());
            QVERIFY(!ime->data(TablicaPlana::RolaPostotka).isValid());
            for (int stupac = 2; stupac < 7; ++stupac)
                QCOMPARE(tablica()->item(r, stupac)->data(TablicaPlana::RolaPostotka),
                         r == 2 ? QVariant(s[4]) : QVariant());
        }
    }
};

VELKOR_TEST(TestKontrola)
#include "tst_kontrole.moc"
