#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

#include "base/Stanje.h"
#include "catalogue/ImePaketa.h"
#include "catalogue/ZapisVerzije.h"

#include <QHash>

using namespace velkor;
using namespace velkor::test;

// How a record's numbers read, where its item lives and what its package is
// called; the comparison that uses them is the plan's test.
class TestZapisVerzije : public QObject {
    Q_OBJECT

private slots:
    void funkcije_data() { DodajSlučajeve(QFINDTESTDATA("data/zapis.txt")); }

    void funkcije() {
        QFETCH(Slučaj, slucaj);
        const QString funkcija = QString::fromUtf8(QTest::currentDataTag());
        Stanje s;
        s.PutanjaPrograma = QStringLiteral("/baza/");
        s.PutanjaSkripti = QStringLiteral("/skripte/");
        s.PutanjaHelp = QStringLiteral("/help/");
        for (const QString& je : slucaj.sve("je")) {
            const QString a = je.section(" => ", 0, 0);
            const std::optional<qint32> cijeli = NajbližiCijeli32(a.toDouble());
            const QHash<QString, QString> rezultati{
                {"BrojPolja", QString::number(BrojPolja(a))},
                {"NajbližiCijeli32", cijeli ? QString::number(*cijeli) : "-"},
                {"DirektorijaStavke", DirektorijaStavke(s, a)},
                {"NeispravnoIme", NeispravnoIme(a) ? "da" : "ne"},
                {"ImePaketa", ImePaketa(a)}};
            QVERIFY2(rezultati.value(funkcija) == je.section(" => ", 1),
                     qPrintable(je + " -> " + rezultati.value(funkcija)));
        }
    }
};

VELKOR_TEST(TestZapisVerzije)
#include "tst_zapisverzije.moc"
