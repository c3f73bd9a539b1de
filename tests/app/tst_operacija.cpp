#include "support/Okruzje.h"
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

using namespace velkor;
using namespace velkor::test;

class TestOperacijaUTijeku : public QObject {
    Q_OBJECT

private slots:
    // One operation at a time: a second start and the check are ignored
    // meanwhile; the exit or the close asked for meanwhile comes after it.
    void uTijeku_data() {
        QTest::addColumn<bool>("izlaz");
        QTest::newRow("izlaz") << true;
        QTest::newRow("zatvaranje") << false;
    }

    void uTijeku() {
        QFETCH(bool, izlaz);
        Okruženje o;
        Aplikacija& a = o.aplikacija();
        int pokrenuto = 0;
        bool drugaPokrenuta = true, zatvaranjeOdbijeno = false;
        QList<int> uTijeku;
        QVERIFY(a.IzvediOperaciju([&] {
            ++pokrenuto;
            drugaPokrenuta = a.IzvediOperaciju([&] { return ++pokrenuto > 0; });
            a.cmdVerzija_Click();
            izlaz ? a.cmdIzlaz_Click() : void(zatvaranjeOdbijeno = !a.Form_Unload());
            uTijeku = {o.prozor.završetaka, o.prozor.zatvaranja};
            return true;
        }));
        QVERIFY(!drugaPokrenuta);
        QCOMPARE(pokrenuto, 1);
        QCOMPARE(o.prozor.zaključavanja, (QList<bool>{true, false}));
        QVERIFY(o.prozor.poruke.isEmpty());
        QCOMPARE(uTijeku, (QList<int>{0, 0}));
        QCOMPARE(zatvaranjeOdbijeno, !izlaz);
        QCOMPARE((QList<int>{o.prozor.završetaka, o.prozor.zatvaranja}),
                 (izlaz ? QList<int>{1, 0} : QList<int>{0, 1}));
        // The exit writes no log line; the close asked again ends with the end line.
        if (izlaz)
            a.cmdIzlaz_Click();
        else
            QVERIFY(a.Form_Unload());
        QCOMPARE(o.prozor.završetaka, izlaz ? 2 : 0);
        QCOMPARE(o.porukeLoga(), izlaz ? QStringList()
                                       : QStringList{"*************************** KRAJ PROGRAMA "
                                                     "**********************************"});
    }

    // A failed check at start-up (no installed list) ends the program when the
    // window is first activated.
    void provjeraBezPopisa() {
        Okruženje o;
        o.aplikacija().Form_Load();
        QCOMPARE(o.prozor.završetaka, 0);
        o.aplikacija().Form_Activate();
        QCOMPARE(o.prozor.završetaka, 1);
    }
};

VELKOR_TEST(TestOperacijaUTijeku)
#include "tst_operacija.moc"
