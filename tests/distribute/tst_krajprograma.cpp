// A distribution location where Update/ cannot be made ends the program, and
// the program ends it: the run reports it, app decides.
#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

using namespace velkor;
using namespace velkor::test;

class TestKrajaPrograma : public QObject {
    Q_OBJECT

private slots:
    void bezUpdateDirektorije() {
        Okruženje o;
        const QString lokacija = o.baza() + "Distribucija";
        QDir().mkpath(lokacija);
        o.datoteke.Pokvari(NeispravneDatoteke::Operacija::NapraviDirektoriju, lokacija + "/Update/",
                           {75, "Opis"});
        o.prozor.lokacije[1] = lokacija;
        o.aplikacija().cmdDownlNaLokaciju_Click();
        // The box typed without its separator gets it before the run.
        QCOMPARE(o.prozor.lokacije[1], lokacija + '/');
        QCOMPARE(o.prozor.poruke.size(), 1);
        QCOMPARE(o.prozor.poruke[0].tekst,
                 "Nastala je greška u kreiranju Update direktorije! Program za skidanje novih "
                 "programa mora prestati sa radom. Vjerojatno nemate administratorska prava.");
        QCOMPARE(o.prozor.poruke[0].ikona, Ikona::Usklicnik);
        QCOMPARE(o.prozor.završetaka, 1);
    }
};

VELKOR_TEST(TestKrajaPrograma)
#include "tst_krajprograma.moc"
