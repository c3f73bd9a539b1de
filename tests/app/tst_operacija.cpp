#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include <QFile>
#include <QTest>

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
        bool uTijeku = false;
        bool drugaPokrenuta = true;
        QVERIFY(a.IzvediOperaciju([&] {
            ++pokrenuto;
            uTijeku = a.OperacijaUTijeku();
            drugaPokrenuta = a.IzvediOperaciju([&] { return ++pokrenuto > 0; });
            // The check button pressed meanwhile runs no preparation.
            a.cmdVerzija_Click();
            return true;
        }));
        QVERIFY(uTijeku);
        QVERIFY(!drugaPokrenuta);
        QCOMPARE(pokrenuto, 1);
        QVERIFY(!a.OperacijaUTijeku());
        QCOMPARE(o.prozor.zaključavanja, (QList<bool>{true, false}));
        QVERIFY(!QFile::exists(o.putanjaLoga()));
        QVERIFY(o.prozor.poruke.isEmpty());
    }

    void izlazCekaKrajOperacije() {
        Okruženje o;
        Aplikacija& a = o.aplikacija();
        a.IzvediOperaciju([&] {
            a.cmdIzlaz_Click();
            return o.prozor.završetaka == 0;
        });
        QCOMPARE(o.prozor.završetaka, 1);
        QCOMPARE(o.prozor.zatvaranja, 0);
        QVERIFY(!QFile::exists(o.putanjaLoga()));
    }

    void zatvaranjeCekaKrajOperacije() {
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
        // The window closes again, and now the end line is written once.
        QVERIFY(a.Form_Unload());
        QCOMPARE(o.porukeLoga(), QStringList{KrajPrograma});
    }

    void provjeraVerzijaJeOperacija() {
        Okruženje o;
        o.aplikacija().cmdVerzija_Click();
        QCOMPARE(o.prozor.zaključavanja, (QList<bool>{true, false}));
        // No installed list: the preparation ran and said so.
        QCOMPARE(o.prozor.poruke.size(), 1);
        QVERIFY(o.prozor.poruke[0].tekst.startsWith("Ne postoji datoteka "));
        QVERIFY(!o.aplikacija().stanje().KrajPriAktiviranju);
    }

    void startBezPopisaZavrsava() {
        Okruženje o;
        o.aplikacija().Form_Load();
        QVERIFY(o.aplikacija().stanje().KrajPriAktiviranju);
        QCOMPARE(o.prozor.poruke.size(), 1);
        QCOMPARE(o.prozor.završetaka, 0);
        o.aplikacija().Form_Activate();
        QCOMPARE(o.prozor.završetaka, 1);
        QVERIFY(!o.porukeLoga().contains(KrajPrograma));
    }
};

VELKOR_TEST(TestOperacijaUTijeku)
#include "tst_operacija.moc"
