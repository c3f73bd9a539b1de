// The main window: its controls' captions, status, locking, colour, the user's events,
// closing, progress and the plan grid; activation, focus and ending, and its dialogs,
// answered from a timer as a user would.
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"
#include "window/SlikeStanja.h"
#include "window/TablicaPlana.h"
#include "window/frmZideZizodu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaEnum>
#include <QProgressBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

using namespace velkor;
using namespace velkor::test;

namespace {

// A display server that never activates a window it maps.
class GutačAktivacije : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* događaj) override {
        return događaj->type() == QEvent::WindowActivate;
    }
};

// Answers the modal dialog of type T once its loop runs; closes any other.
template <typename T> void kadSePojavi(std::function<void(T*)> odgovori) {
    QTimer::singleShot(0, qApp, [odgovori] {
        QWidget* modalni = QApplication::activeModalWidget();
        if (auto* dijalog = qobject_cast<T*>(modalni))
            odgovori(dijalog);
        else if (modalni)
            modalni->close();
    });
}

// The window's events recorded by handler name, e.g. "optLokacija_Click(1)";
// activations are counted apart, as they come when the display likes.
class ZapisnikDogađaja : public DogađajiProzora {
public:
    void Form_Activate() override { ++aktivacija; }
    bool Form_Unload() override { return zapis << "Form_Unload", dopustiZatvaranje; }
    void cmdIzlaz_Click() override { zapis << "cmdIzlaz_Click"; }
    void cmdVerzija_Click() override { zapis << "cmdVerzija_Click"; }
    void cmdDownloadAndUpdate_Click() override { zapis << "cmdDownloadAndUpdate_Click"; }
    void cmdDownlNaLokaciju_Click() override { zapis << "cmdDownlNaLokaciju_Click"; }
    void optLokacija_Click(int i) override { zapis << QString("optLokacija_Click(%1)").arg(i); }
    void cmdLokacija_Click(int i) override { zapis << QString("cmdLokacija_Click(%1)").arg(i); }
    void txtLokacija_Validate(int i) override {
        zapis << QString("txtLokacija_Validate(%1)").arg(i);
        priValidaciji();
    }
    void numVrijemeDownloada_Change() override { zapis << "numVrijemeDownloada_Change"; }
    void tmrPrijenos_Timer() override { zapis << "tmrPrijenos_Timer"; }
    void tmrUpdate_Timer() override { zapis << "tmrUpdate_Timer"; }

    QStringList zapis;
    int aktivacija = 0;
    bool dopustiZatvaranje = true;
    std::function<void()> priValidaciji = [] {};
};

} // namespace

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

    // Form_Activate ends a failed start-up; it must come even without activation, once.
    void aktivacijaKadaJeSustavNeJavi() {
        ZapisnikDogađaja zapisnik;
        frmZideZizodu drugi;
        drugi.PoveziDogađaje(&zapisnik);
        GutačAktivacije gutač;
        drugi.installEventFilter(&gutač);
        drugi.show();
        QTRY_COMPARE(zapisnik.aktivacija, 1);
        drugi.hide();
        drugi.show();
        QTest::qWait(20);
        QCOMPARE(zapisnik.aktivacija, 1);
    }

    // Leaving the box for another control checks it, once; leaving the window does not.
    void provjeraLokacije() {
        auto* lokacija = prozor->findChild<QLineEdit*>("txtLokacija_0");
        auto* drugi = prozor->findChild<QWidget*>("cmdVerzija");
        lokacija->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(lokacija->hasFocus());
        QWidget drugiProzor;
        drugiProzor.show();
        QVERIFY(QTest::qWaitForWindowActive(&drugiProzor));
        prozor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(prozor.get()));
        QTRY_VERIFY(lokacija->hasFocus());
        QCoreApplication::processEvents();
        QVERIFY(događaji.zapis.isEmpty());
        // As the message box and the chooser do: focus taken and given back.
        događaji.priValidaciji = [&] {
            lokacija->setFocus(Qt::OtherFocusReason);
            drugi->setFocus(Qt::OtherFocusReason);
        };
        drugi->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(događaji.zapis, QStringList{"txtLokacija_Validate(0)"});
        QTest::qWait(50);
        QCOMPARE(događaji.zapis, QStringList{"txtLokacija_Validate(0)"});
    }

    // Ends the program's event loops at once, an operation's wait among them, without
    // Form_Unload, whatever other windows there are.
    void zavrsetakBezUnloada() {
        QGuiApplication::setQuitOnLastWindowClosed(false);
        int čekanje = -1;
        QTimer::singleShot(0, prozor.get(), [&] {
            QTimer::singleShot(0, prozor.get(), [&] { prozor->ZavršiProgram(); });
            čekanje = QEventLoop().exec();
        });
        QTimer::singleShot(5000, prozor.get(), [] { QCoreApplication::exit(7); });
        QCOMPARE((QList<int>{QCoreApplication::exec(), čekanje}), (QList<int>{0, 0}));
        QVERIFY(!prozor->isVisible());
        QVERIFY(!događaji.zapis.contains("Form_Unload"));
    }

    // A box of each icon and kind: its title, plain text in lines, icon, Croatian
    // buttons, and the answer to the button pressed (none: Escape).
    void poruka_data() { DodajSlučajeve(QFINDTESTDATA("data/poruke.txt")); }

    void poruka() {
        QFETCH(Slučaj, slucaj);
        QStringList viđeno;
        kadSePojavi<QMessageBox>([&](QMessageBox* poruka) {
            viđeno << poruka->windowTitle() << poruka->text()
                   << QMetaEnum::fromType<Qt::TextFormat>().valueToKey(poruka->textFormat())
                   << QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(poruka->icon());
            QAbstractButton* pritisni = nullptr;
            for (QAbstractButton* gumb : poruka->buttons()) {
                viđeno << gumb->text();
                pritisni = gumb->text() == slucaj.jedno("pritisni") ? gumb : pritisni;
            }
            pritisni ? pritisni->click() : QTest::keyClick(poruka, Qt::Key_Escape);
        });
        const QStringList ikone{"Nema", "Usklicnik", "Upitnik", "Informacija", "Kriticno"};
        const Odgovor odgovor = prozor->Poruka(
            QStringLiteral("Nastala je greška!\r\nDrugi redak <b>"),
            Ikona(ikone.indexOf(slucaj.jedno("ikona"))), Gumbi(slucaj.jedno("gumbi") == "DaNe"));
        viđeno << QStringList{"URedu", "Da", "Ne"}[int(odgovor)];
        QCOMPARE(viđeno, slucaj.sve("vidi"));
    }

    // The file need not exist: only its directory is wanted.
    void izborDatoteke() {
        QTemporaryDir mapa;
        const DijalogDatoteke dijalog{".txt", "Verzije (*.txt)|*.txt|Popisi|*.txt;*.log",
                                      "Verzije.txt", "Izaberite direktoriju",
                                      QDir::toNativeSeparators(mapa.path()) + QDir::separator()};
        QStringList viđeno;
        kadSePojavi<QFileDialog>([&](QFileDialog* izbornik) {
            viđeno << izbornik->windowTitle() << izbornik->directory().absolutePath()
                   << izbornik->nameFilters() << izbornik->defaultSuffix();
            izbornik->selectFile(mapa.filePath(QStringLiteral("Verzije.txt")));
            static_cast<QDialog*>(izbornik)->accept();
        });
        QCOMPARE(prozor->IzaberiDatoteku(dijalog),
                 QDir::toNativeSeparators(mapa.filePath(QStringLiteral("Verzije.txt"))));
        QCOMPARE(viđeno, (QStringList{dijalog.naslov, QDir(mapa.path()).absolutePath(),
                                      "Verzije (*.txt)", "Popisi (*.txt *.log)", "txt"}));
        kadSePojavi<QFileDialog>([](QFileDialog* izbornik) { izbornik->reject(); });
        QCOMPARE(prozor->IzaberiDatoteku(dijalog), QString());
    }
};

VELKOR_TEST(TestKontrola)
#include "tst_kontrole.moc"

// Widgets need a QApplication; the shared test main makes a core one.
int main(int argc, char** argv) {
    QApplication aplikacija(argc, argv);
    return pokreniSveTestove(argc, argv);
}
