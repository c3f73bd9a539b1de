// What the window does about activation, focus and ending, and its dialogs,
// answered from a timer as a user would.
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"
#include "window/ZapisnikDogadaja.h"
#include "window/frmZideZizodu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaEnum>
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

} // namespace

class TestDogadaja : public QObject {
    Q_OBJECT
    ZapisnikDogađaja događaji;
    std::unique_ptr<frmZideZizodu> prozor;

private slots:
    // A shown, active window wired to a fresh recorder.
    void init() {
        događaji = ZapisnikDogađaja();
        prozor = std::make_unique<frmZideZizodu>();
        prozor->PoveziDogađaje(&događaji);
        prozor->show();
        prozor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(prozor.get()));
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

VELKOR_TEST(TestDogadaja)
#include "tst_dogadaji.moc"

// Widgets need a QApplication; the shared test main makes a core one.
int main(int argc, char** argv) {
    QApplication aplikacija(argc, argv);
    return pokreniSveTestove(argc, argv);
}
