// The controls' events reach the handlers, and only those the user raises.
#include "app/DogadajiProzora.h"
#include "support/RegistarTestova.h"
#include "window/frmZideZizodu.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

using namespace velkor;

namespace {

// Records the events by handler name, e.g. "optLokacija_Click(1)"; activations come as they like.
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
        if (priValidaciji)
            priValidaciji();
    }
    void numVrijemeDownloada_Change() override { zapis << "numVrijemeDownloada_Change"; }
    void tmrPrijenos_Timer() override { zapis << "tmrPrijenos_Timer"; }
    void tmrUpdate_Timer() override { zapis << "tmrUpdate_Timer"; }

    QStringList zapis;
    int aktivacija = 0;
    bool dopustiZatvaranje = true;
    std::function<void()> priValidaciji;
};

// A display server that never activates a window it maps.
class GutačAktivacije : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* događaj) override {
        return događaj->type() == QEvent::WindowActivate;
    }
};

} // namespace

class TestDogadaja : public QObject {
    Q_OBJECT
    ZapisnikDogađaja događaji;
    std::unique_ptr<frmZideZizodu> prozor;
    template <typename T> T* kontrola(const char* ime) {
        return prozor->findChild<T*>(QLatin1String(ime));
    }

private slots:
    // Each test has a shown, active window wired to a fresh recorder.
    void init() {
        događaji = ZapisnikDogađaja();
        prozor = std::make_unique<frmZideZizodu>();
        prozor->PoveziDogađaje(&događaji);
        prozor->show();
        prozor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(prozor.get()));
    }
    void cleanup() { prozor.reset(); }

    // Form_Activate ends a failed start-up; it must come even without activation, once.
    void aktivacijaKadaJeSustavNeJavi() {
        prozor.reset();
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

    void samoKorisnikoviDogadaji() {
        QCOMPARE(prozor->OdabranaOpcija(), 2);
        prozor->OznačiOpciju(-1);
        QCOMPARE(prozor->OdabranaOpcija(), -1);
        prozor->OznačiOpciju(1);
        prozor->OznačiOpciju(2);
        prozor->PostaviVrijemeDownloada(6);
        QVERIFY(događaji.zapis.isEmpty());
        QTest::mouseClick(kontrola<QPushButton>("cmdDownloadAndUpdate"), Qt::LeftButton);
        prozor->PrikažiKarticu(3);
        for (const char* ime :
             {"cmdIzlaz", "cmdVerzija", "cmdLokacija_0", "cmdLokacija_1", "cmdDownlNaLokaciju"})
            QTest::mouseClick(kontrola<QPushButton>(ime), Qt::LeftButton);
        // On the indicator, where a click always lands; the selected option is no change.
        for (const char* ime : {"optLokacija_0", "optLokacija_0", "optLokacija_1"}) {
            auto* opcija = kontrola<QRadioButton>(ime);
            QTest::mouseClick(opcija, Qt::LeftButton, {}, QPoint(6, opcija->height() / 2));
        }
        QCOMPARE(prozor->OdabranaOpcija(), 1);
        kontrola<QSpinBox>("numVrijemeDownloada")->setFocus();
        QTest::keyClick(kontrola<QSpinBox>("numVrijemeDownloada"), Qt::Key_Up);
        QCOMPARE(prozor->VrijemeDownloada(), 7);
        QCOMPARE(događaji.zapis,
                 (QStringList{"cmdDownloadAndUpdate_Click", "cmdIzlaz_Click", "cmdVerzija_Click",
                              "cmdLokacija_Click(0)", "cmdLokacija_Click(1)",
                              "cmdDownlNaLokaciju_Click", "optLokacija_Click(0)",
                              "optLokacija_Click(1)", "numVrijemeDownloada_Change"}));
    }

    // Leaving the box for another control checks it, once; leaving the window does not.
    void provjeraLokacije() {
        auto* lokacija = kontrola<QLineEdit>("txtLokacija_0");
        auto* drugi = kontrola<QPushButton>("cmdVerzija");
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

    // A refused close keeps the window; after it the close is asked once only.
    void zatvaranjeCekaOperaciju() {
        događaji.dopustiZatvaranje = false;
        QVERIFY(!prozor->close());
        QVERIFY(prozor->isVisible());
        događaji.dopustiZatvaranje = true;
        prozor->Zatvori();
        QVERIFY(!prozor->isVisible());
        QCloseEvent opet;
        QCoreApplication::sendEvent(prozor.get(), &opet);
        QVERIFY(opet.isAccepted());
        QCOMPARE(događaji.zapis, (QStringList{"Form_Unload", "Form_Unload"}));
    }

    // Ends the running event loop at once, as it ends the program's, without Form_Unload.
    void zavrsetakBezUnloada() {
        QTimer::singleShot(0, prozor.get(), [&] { prozor->ZavršiProgram(); });
        QTimer::singleShot(5000, prozor.get(), [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!prozor->isVisible());
        QVERIFY(!događaji.zapis.contains("Form_Unload"));
    }
};

VELKOR_TEST(TestDogadaja)
#include "tst_dogadaji.moc"
