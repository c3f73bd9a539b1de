#include "base/Slucajevi.h"
#include "support/RegistarTestova.h"

using namespace velkor;
using namespace velkor::test;

namespace {
const QString KrajPrograma =
    QStringLiteral("*************************** KRAJ PROGRAMA **********************************");
}

// One operation at a time: a second start is ignored, the exit and the close wait.
class TestOperacijaUTijeku : public QObject {
    Q_OBJECT

private slots:
    void drugiPocetakSeZanemaruje() {
        Okruženje o;
        Aplikacija& a = o.aplikacija();
        int pokrenuto = 0;
        bool drugaPokrenuta = true;
        QVERIFY(a.IzvediOperaciju([&] {
            ++pokrenuto;
            drugaPokrenuta = a.IzvediOperaciju([&] { return ++pokrenuto > 0; });
            // The check button pressed meanwhile runs no preparation.
            a.cmdVerzija_Click();
            return true;
        }));
        QVERIFY(!drugaPokrenuta);
        QCOMPARE(pokrenuto, 1);
        QVERIFY(!a.OperacijaUTijeku());
        QCOMPARE(o.prozor.zaključavanja, (QList<bool>{true, false}));
        QVERIFY(o.prozor.poruke.isEmpty());
    }

    // The exit ends at once, without a log line; asked for meanwhile, after the operation.
    void izlaz() {
        Okruženje o;
        Aplikacija& a = o.aplikacija();
        int završetakaUTijeku = -1;
        a.IzvediOperaciju([&] {
            a.cmdIzlaz_Click();
            završetakaUTijeku = o.prozor.završetaka;
            return true;
        });
        QCOMPARE(završetakaUTijeku, 0);
        QCOMPARE(o.prozor.završetaka, 1);
        a.cmdIzlaz_Click();
        QCOMPARE(o.prozor.završetaka, 2);
        QCOMPARE(o.prozor.zatvaranja, 0);
        QVERIFY(!QFile::exists(o.putanjaLoga()));
    }

    // The close is refused meanwhile and asked again after; then the end line, once.
    void zatvaranje() {
        Okruženje o;
        Aplikacija& a = o.aplikacija();
        bool odbijeno = false;
        a.IzvediOperaciju([&] {
            odbijeno = !a.Form_Unload();
            return true;
        });
        QVERIFY(odbijeno);
        QCOMPARE(o.prozor.zatvaranja, 1);
        QVERIFY(o.porukeLoga().isEmpty());
        QVERIFY(a.Form_Unload());
        QCOMPARE(o.porukeLoga(), QStringList{KrajPrograma});
    }

    // No installed list: the check says so; at start-up the program ends when
    // the window is first activated, without the end line.
    void provjeraBezPopisa() {
        Okruženje o;
        o.aplikacija().cmdVerzija_Click();
        QCOMPARE(o.prozor.zaključavanja, (QList<bool>{true, false}));
        QCOMPARE(Poruke(o.prozor).size(), 1);
        QVERIFY(o.prozor.poruke[0].tekst.startsWith("Ne postoji datoteka "));
        QVERIFY(!o.aplikacija().stanje().KrajPriAktiviranju);
        o.aplikacija().Form_Load();
        QVERIFY(o.aplikacija().stanje().KrajPriAktiviranju);
        QCOMPARE(o.prozor.poruke.size(), 2);
        QCOMPARE(o.prozor.završetaka, 0);
        o.aplikacija().Form_Activate();
        QCOMPARE(o.prozor.završetaka, 1);
        QVERIFY(!o.porukeLoga().contains(KrajPrograma));
    }
};

VELKOR_TEST(TestOperacijaUTijeku)
#include "tst_operacija.moc"
