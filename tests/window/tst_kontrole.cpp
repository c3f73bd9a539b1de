// The controls of the main window: captions, status, locking, colour, the user's events,
// closing, progress and the plan grid.
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"
#include "window/SlikeStanja.h"
#include "window/TablicaPlana.h"
#include "window/ZapisnikDogadaja.h"
#include "window/frmZideZizodu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QMetaEnum>
#include <QProgressBar>
#include <QTabWidget>

using namespace velkor;
using namespace velkor::test;

class TestKontrola : public QObject {
    Q_OBJECT

    ZapisnikDogađaja događaji;
    std::unique_ptr<frmZideZizodu> prozor;
    TablicaPlana* t = nullptr;

    // A control by name; "SSTab1/2" is the tab control's third page.
    QWidget* k(const QString& ime) {
        QWidget* w = ime == prozor->objectName()
                         ? prozor.get()
                         : prozor->findChild<QWidget*>(ime.section('/', 0, 0));
        auto* kartice = qobject_cast<QTabWidget*>(w);
        return ime.contains('/') ? kartice->widget(ime.section('/', 1).toInt()) : w;
    }

    // The window interface's calls a case makes, and the user's clicks and keys.
    void pozovi(const QString& poziv) {
        const QString a = poziv.section(' ', 1);
        const QStringList b = a.split(' ');
        QCloseEvent zatvaranje;
        const QMap<QString, std::function<void()>> pozivi{
            {"PostaviNaslov", [&] { prozor->PostaviNaslov(a); }},
            {"PostaviStatus1", [&] { prozor->PostaviStatus1(a); }},
            {"PostaviStatus2", [&] { prozor->PostaviStatus2(a); }},
            {"OmogućiDownload", [&] { prozor->OmogućiDownload(a == "1"); }},
            {"ZaključajOperacije", [&] { prozor->ZaključajOperacije(a == "1"); }},
            {"PostaviBoju", [&] { prozor->PostaviBoju(a.toUInt()); }},
            {"OznačiOpciju", [&] { prozor->OznačiOpciju(a.toInt()); }},
            {"PostaviVrijemeDownloada", [&] { prozor->PostaviVrijemeDownloada(a.toInt()); }},
            {"PrikažiKarticu", [&] { prozor->PrikažiKarticu(a.toInt()); }},
            {"Zatvori", [&] { prozor->Zatvori(); }},
            {"DogađajZatvaranja", [&] { QCoreApplication::sendEvent(prozor.get(), &zatvaranje); }},
            {"ZatvaranjeDopušteno", [&] { događaji.dopustiZatvaranje = a == "1"; }},
            // On a radio button's indicator, where a click always lands.
            {"klik",
             [&] { QTest::mouseClick(k(a), Qt::LeftButton, {}, QPoint(6, k(a)->height() / 2)); }},
            {"gore", [&] { QTest::keyClick(k(a), Qt::Key_Up); }},
            {"PostaviStanjeReda",
             [&] { prozor->PostaviStanjeReda(b[0].toInt(), b[1].toInt(), b[2].toInt()); }}};
        pozivi[poziv.section(' ', 0, 0)]();
    }

    // What a property cannot show: the events recorded, the interface's readings, the tabs'
    // captions; whether a control fills its background and which colours differ from the
    // style's; a grid row (0 the header).
    QString opis(QWidget* w, const QString& svojstvo) {
        QStringList dijelovi;
        const QMap<QString, QString> sučelje{
            {"zapis", događaji.zapis.join('|')},
            {"OdabranaOpcija", QString::number(prozor->OdabranaOpcija())},
            {"VrijemeDownloada", QString::number(prozor->VrijemeDownloada())}};
        if (sučelje.contains(svojstvo))
            return sučelje[svojstvo];
        if (auto* kartice = qobject_cast<QTabWidget*>(w); svojstvo == "kartice") {
            for (int i = 0; i < kartice->count(); ++i)
                dijelovi << kartice->tabText(i);
            return dijelovi.join('|');
        }
        if (svojstvo == "boja") {
            dijelovi << (w->autoFillBackground() ? "puni" : "prazna");
            for (const auto uloga : {QPalette::Window, QPalette::Base, QPalette::Button})
                if (w->palette().color(uloga) != QApplication::palette(w).color(uloga))
                    dijelovi << QMetaEnum::fromType<QPalette::ColorRole>().valueToKey(uloga) +
                                    ('=' + w->palette().color(uloga).name());
            return dijelovi.join(' ');
        }
        if (w == t)
            return opisReda(svojstvo.chopped(1), svojstvo.right(1).toInt());
        return w->property(svojstvo.toUtf8()).toString();
    }

    // "red": the texts; "stil": alignments, font and colours; "stanje": the
    // picture number and each column's fill.
    QString opisReda(const QString& vrsta, int red) {
        const auto četka = [](const QBrush& b) { return b.style() ? b.color().name() : "-"; };
        QStringList tekstovi, stilovi, popune;
        QString poravnanja;
        for (int stupac = 0; stupac < t->columnCount(); ++stupac) {
            const QTableWidgetItem* ć =
                red ? t->item(red - 1, stupac) : t->horizontalHeaderItem(stupac);
            tekstovi << ć->text();
            poravnanja += QMap<int, QChar>{{0x81, 'L'}, {0x84, 'C'}, {0x82, 'R'}}.value(
                ć->textAlignment(), '?');
            stilovi << (ć->font().bold() ? "podebljano " : "") + četka(ć->foreground()) + ' ' +
                           četka(ć->background());
            popune << ć->data(TablicaPlana::RolaPostotka).toString();
        }
        stilovi.removeDuplicates();
        const QImage slika =
            t->item(qMax(red - 1, 0), 1)->data(Qt::DecorationRole).value<QPixmap>().toImage();
        int broj = 0;
        while (broj <= BrojSlika && SlikaIzListe(broj).toImage() != slika)
            ++broj;
        return vrsta == "red"    ? tekstovi.join('|')
               : vrsta == "stil" ? poravnanja + ' ' + stilovi.join(',')
                                 : QString::number(broj) + ' ' + popune.join('|');
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Croatian, QLocale::Croatia)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }
    // A shown, active window wired to a fresh recorder.
    void init() {
        događaji = ZapisnikDogađaja();
        prozor = std::make_unique<frmZideZizodu>();
        prozor->PoveziDogađaje(&događaji);
        t = prozor->findChild<TablicaPlana*>();
        prozor->PrikažiPlan({{"Program.exe", "22", "1", "6", "1000", "2000"},
                             {"Kontrola.ocx", "22", "1", "0", "2500", "7300"},
                             {"Skripta.enc", "1", "0", "0", "nije broj", ""}});
        prozor->show();
        prozor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(prozor.get()));
    }

    // After the calls, each "control.property" shows its value.
    void kontrole_data() { DodajSlučajeve(QFINDTESTDATA("data/kontrole.txt")); }

    void kontrole() {
        QFETCH(Slučaj, slucaj);
        for (const QString& poziv : slucaj.sve("poziv"))
            pozovi(poziv);
        QStringList viđeno;
        for (const QString& vidi : slucaj.sve("vidi"))
            viđeno << vidi.section('=', 0, 0) + '=' +
                          opis(k(vidi.section('.', 0, 0)), vidi.section('=', 0, 0).section('.', 1));
        QCOMPARE(viđeno, slucaj.sve("vidi"));
    }

    // The progress bar stands over cmdVerzija, in front of it, as long as it shows.
    void progresPrekrivaGumb() {
        QWidget* gumb = k("cmdVerzija");
        auto* traka = prozor->findChild<QProgressBar*>();
        gumb->raise();
        prozor->PostaviProgres(17);
        QCOMPARE(prozor->Progres(), 17);
        prozor->PrikažiProgres(0, 30);
        QCOMPARE((QList<int>{traka->minimum(), traka->maximum(), prozor->Progres()}),
                 (QList<int>{0, 30, 0}));
        QCOMPARE(traka->geometry(), gumb->geometry());
        QCOMPARE(gumb->parentWidget()->childAt(gumb->geometry().center()), traka);
        prozor->resize(820, 600);
        QTRY_COMPARE(traka->geometry(), gumb->geometry());
        prozor->SakrijProgres();
        QCOMPARE(gumb->parentWidget()->childAt(gumb->geometry().center()), gumb);
    }

    // A hyphen where the locale signs otherwise, grouped where it would leave it out;
    // the columns in twips; grid row 1 is the total, the first of equal names.
    void plan() {
        QVERIFY(t->verticalHeader()->isHidden());
        QCOMPARE(TablicaPlana::FormatBroja("-1500", QLocale()), "-1.500");
        QCOMPARE(TablicaPlana::FormatBroja("1000", QLocale::c()), "1,000");
        QCOMPARE(t->columnWidth(0), qRound(400 * t->logicalDpiX() / 1440.0));
        QCOMPARE(t->columnWidth(1), qRound(3000 * t->logicalDpiX() / 1440.0));
        t->item(2, 1)->setText(QStringLiteral("Program.exe"));
        QCOMPARE((QList<int>{prozor->RedStavke("UKUPNO: "), prozor->RedStavke("Program.exe"),
                             prozor->RedStavke("Skripta.enc"), prozor->RedStavke("program.exe")}),
                 (QList<int>{1, 2, 4, -1}));
    }
};

VELKOR_TEST(TestKontrola)
#include "tst_kontrole.moc"
