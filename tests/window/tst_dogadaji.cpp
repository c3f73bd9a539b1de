// The controls' events reach the handlers, and only those the user raises.
#include "ZapisnikDogadaja.h"
#include "support/RegistarTestova.h"
#include "window/frmZideZizodu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using namespace velkor;
using namespace velkor::test;

namespace {

// A shown, active window wired to a recorder.
struct Postava {
    Postava() {
        prozor.PoveziDogađaje(&događaji);
        prozor.show();
        prozor.activateWindow();
    }
    bool spremna() { return QTest::qWaitForWindowActive(&prozor); }
    template <typename T> T* kontrola(const char* ime) {
        return prozor.findChild<T*>(QLatin1String(ime));
    }
    ZapisnikDogađaja događaji;
    frmZideZizodu prozor;
};

// A display server that never activates a window it maps.
class GutačAktivacije : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* događaj) override {
        return događaj->type() == QEvent::WindowActivate;
    }
};

// On the button's indicator, where a click always lands.
void klikni(QRadioButton* opcija) {
    QTest::mouseClick(opcija, Qt::LeftButton, {}, QPoint(6, opcija->height() / 2));
}

} // namespace

class TestDogadaja : public QObject {
    Q_OBJECT

private slots:
    void aktivacijaNakonPrvogPrikaza() {
        Postava p;
        QTRY_VERIFY(p.događaji.zapis.contains(QStringLiteral("Form_Activate")));
        QVERIFY(p.događaji.bezAktivacija().isEmpty());
    }

    void aktivacijaKadaJeSustavNeJavi() {
        ZapisnikDogađaja događaji;
        frmZideZizodu prozor;
        prozor.PoveziDogađaje(&događaji);
        GutačAktivacije gutač;
        prozor.installEventFilter(&gutač);
        prozor.show();
        QTRY_COMPARE(događaji.zapis, QStringList{"Form_Activate"});
        prozor.hide();
        prozor.show();
        QTest::qWait(20);
        QCOMPARE(događaji.zapis, QStringList{"Form_Activate"});
    }

    void bezVezeNemaDogadaja() {
        frmZideZizodu prozor;
        prozor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&prozor));
        QTest::mouseClick(prozor.findChild<QPushButton*>(QStringLiteral("cmdIzlaz")),
                          Qt::LeftButton);
        prozor.close();
    }

    void gumbi_data() {
        QTest::addColumn<QString>("gumb");
        QTest::addColumn<QString>("događaj");
        const auto red = [](const char* ime, const char* a, const char* b) {
            QTest::newRow(ime) << QString::fromUtf8(a) << QString::fromUtf8(b);
        };
        red("izlaz", "cmdIzlaz", "cmdIzlaz_Click");
        red("verzija", "cmdVerzija", "cmdVerzija_Click");
        red("lokacija 0", "cmdLokacija_0", "cmdLokacija_Click(0)");
        red("lokacija 1", "cmdLokacija_1", "cmdLokacija_Click(1)");
    }

    void gumbi() {
        QFETCH(QString, gumb);
        QFETCH(QString, događaj);
        Postava p;
        QVERIFY(p.spremna());
        auto* kontrola = p.prozor.findChild<QPushButton*>(gumb);
        QVERIFY(kontrola);
        if (gumb == QLatin1String("cmdLokacija_1"))
            p.prozor.PrikažiKarticu(3);
        QTest::mouseClick(kontrola, Qt::LeftButton);
        QCOMPARE(p.događaji.bezAktivacija(), QStringList{događaj});
    }

    void opcije() {
        Postava p;
        QVERIFY(p.spremna());
        p.prozor.OznačiOpciju(1);
        QCOMPARE(p.prozor.OdabranaOpcija(), 1);
        p.prozor.OznačiOpciju(-1);
        QCOMPARE(p.prozor.OdabranaOpcija(), -1);
        p.prozor.OznačiOpciju(2);
        QCOMPARE(p.prozor.OdabranaOpcija(), 2);
        QVERIFY(p.događaji.bezAktivacija().isEmpty());

        for (int i = 0; i < 3; ++i)
            p.prozor.PostaviNatpisOpcije(i, QStringLiteral("Izvor %1").arg(i));
        klikni(p.kontrola<QRadioButton>("optLokacija_0"));
        QCOMPARE(p.prozor.OdabranaOpcija(), 0);
        QCOMPARE(p.događaji.bezAktivacija(), QStringList{"optLokacija_Click(0)"});
        // Clicking the selected option selects nothing new.
        klikni(p.kontrola<QRadioButton>("optLokacija_0"));
        klikni(p.kontrola<QRadioButton>("optLokacija_1"));
        QCOMPARE(p.događaji.bezAktivacija(),
                 (QStringList{"optLokacija_Click(0)", "optLokacija_Click(1)"}));
    }

    void brojSati() {
        Postava p;
        QVERIFY(p.spremna());
        p.prozor.PostaviVrijemeDownloada(6);
        QCOMPARE(p.prozor.VrijemeDownloada(), 6);
        QVERIFY(p.događaji.bezAktivacija().isEmpty());

        p.prozor.PrikažiKarticu(3);
        auto* broj = p.kontrola<QSpinBox>("numVrijemeDownloada");
        broj->setFocus();
        QTest::keyClick(broj, Qt::Key_Up);
        QCOMPARE(p.prozor.VrijemeDownloada(), 7);
        QCOMPARE(p.događaji.bezAktivacija(), QStringList{"numVrijemeDownloada_Change"});
    }

    void provjeraLokacijeKadaFokusOde() {
        Postava p;
        QVERIFY(p.spremna());
        auto* lokacija = p.kontrola<QLineEdit>("txtLokacija_0");
        lokacija->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(lokacija->hasFocus());
        QCoreApplication::processEvents();
        QVERIFY(p.događaji.bezAktivacija().isEmpty());

        p.kontrola<QPushButton>("cmdVerzija")->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(p.događaji.bezAktivacija(), QStringList{"txtLokacija_Validate(0)"});
    }

    void provjeraNePokreceSamuSebe() {
        Postava p;
        QVERIFY(p.spremna());
        auto* lokacija = p.kontrola<QLineEdit>("txtLokacija_0");
        auto* drugi = p.kontrola<QPushButton>("cmdVerzija");
        // As the message box and the chooser do: focus taken and given back.
        p.događaji.priValidaciji = [&](int) {
            lokacija->setFocus(Qt::OtherFocusReason);
            drugi->setFocus(Qt::OtherFocusReason);
        };
        lokacija->setFocus(Qt::TabFocusReason);
        drugi->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(p.događaji.bezAktivacija(), QStringList{"txtLokacija_Validate(0)"});
        QTest::qWait(50);
        QCOMPARE(p.događaji.bezAktivacija(), QStringList{"txtLokacija_Validate(0)"});
    }

    void izlazakIzProzoraNijeProvjera() {
        Postava p;
        QVERIFY(p.spremna());
        auto* lokacija = p.kontrola<QLineEdit>("txtLokacija_0");
        lokacija->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(lokacija->hasFocus());
        QWidget drugiProzor;
        drugiProzor.show();
        drugiProzor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&drugiProzor));
        QTest::qWait(20);
        QVERIFY(p.događaji.bezAktivacija().isEmpty());
    }

    void tmrPrijenos() {
        Postava p;
        auto* mjerač = p.prozor.findChild<QTimer*>(QStringLiteral("tmrPrijenos"));
        QVERIFY(mjerač);
        QCOMPARE(mjerač->interval(), 500);
        QVERIFY(!mjerač->isActive());

        p.prozor.UključiTmrPrijenos(true);
        QVERIFY(mjerač->isActive());
        mjerač->setInterval(5);
        QTRY_VERIFY(p.događaji.zapis.count(QStringLiteral("tmrPrijenos_Timer")) >= 2);

        p.prozor.UključiTmrPrijenos(false);
        QVERIFY(!mjerač->isActive());
        const int otkucaja = int(p.događaji.zapis.count(QStringLiteral("tmrPrijenos_Timer")));
        QTest::qWait(30);
        QCOMPARE(p.događaji.zapis.count(QStringLiteral("tmrPrijenos_Timer")), otkucaja);
    }

    void tmrUpdate() {
        Postava p;
        auto* mjerač = p.prozor.findChild<QTimer*>(QStringLiteral("tmrUpdate"));
        QVERIFY(mjerač);
        QCOMPARE(mjerač->interval(), 60000);
        QVERIFY(mjerač->isActive());
        mjerač->setInterval(5);
        mjerač->start();
        QTRY_VERIFY(p.događaji.zapis.contains(QStringLiteral("tmrUpdate_Timer")));
    }

    void zatvaranjeJavljaUnloadJednom() {
        Postava p;
        QVERIFY(p.spremna());
        QVERIFY(p.prozor.close());
        QVERIFY(!p.prozor.isVisible());
        p.prozor.close();
        // A second request, as a session ending after the close would send.
        QCloseEvent opet;
        QCoreApplication::sendEvent(&p.prozor, &opet);
        QVERIFY(opet.isAccepted());
        QCOMPARE(p.događaji.bezAktivacija(), QStringList{"Form_Unload"});
    }

    void zatvaranjeCekaOperaciju() {
        Postava p;
        QVERIFY(p.spremna());
        p.događaji.dopustiZatvaranje = false;
        QVERIFY(!p.prozor.close());
        QVERIFY(p.prozor.isVisible());
        p.događaji.dopustiZatvaranje = true;
        p.prozor.Zatvori();
        QVERIFY(!p.prozor.isVisible());
        QCOMPARE(p.događaji.bezAktivacija(), (QStringList{"Form_Unload", "Form_Unload"}));
    }

    void zavrsetakBezUnloada() {
        Postava p;
        QVERIFY(p.spremna());
        // Ends the running event loop at once, as it ends the program's.
        QTimer::singleShot(0, &p.prozor, [&] { p.prozor.ZavršiProgram(); });
        QTimer straža;
        straža.setSingleShot(true);
        connect(&straža, &QTimer::timeout, qApp, [] { QCoreApplication::exit(7); });
        straža.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!p.prozor.isVisible());
        QVERIFY(!p.događaji.zapis.contains(QStringLiteral("Form_Unload")));
    }
};

VELKOR_TEST(TestDogadaja)
#include "tst_dogadaji.moc"
