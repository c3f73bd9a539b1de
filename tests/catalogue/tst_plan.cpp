#include "support/Instalacija.h"
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

#include "catalogue/PlanAzuriranja.h"
#include "catalogue/ZapisVerzije.h"

#include <QDir>

using namespace velkor;
using namespace velkor::test;

namespace {

// An installation with its lists, and what a plan replaces: the grid, the
// total, both report texts and a read-only plan file left from elsewhere.
struct Postava {
    Instalacija o;
    Stanje& s = o.stanje;
    PlanAžuriranja plan{s, o.prozor, o.prozor, o.datoteke, o.dnevnik};
    const QString stariPlan = o.update() + "Update.txt";

    Postava() {
        o.radneDirektorije.PostaviPutanje();
        QDir().mkpath(s.PutanjaSkripti);
        QDir().mkpath(s.PutanjaHelp);
        o.zapiši(stariPlan, "stari plan");
        QFile::setPermissions(stariPlan, QFileDevice::ReadOwner);
        o.prozor.plan = {{"prijašnji"}};
        s.UkupnoDownload = 4321;
        s.IzvještajRada = "izvještaj";
        s.PopisGrešaka = "greške";
    }

    QStringList zamijeni(QStringList t) const {
        return Zamijeni(t.replaceInStrings("{NR}", "NapraviRsŠtoTrebaAžurirati - "), o);
    }
};

} // namespace

class TestPlan : public QObject {
    Q_OBJECT

private slots:
    void plan_data() { DodajSlučajeve(QFINDTESTDATA("data/plan.txt")); }

    void plan() {
        QFETCH(Slučaj, slucaj);
        Postava i;
        for (const QString lista : {"nova", "stara"}) {
            if (slucaj.polja.contains(lista))
                i.o.zapiši((lista == "nova" ? i.s.PutanjaUpdate : i.s.PutanjaPrograma) +
                               "Verzije.txt",
                           slucaj.sve(lista).join("\r\n") + "\r\n");
        }
        for (const QString& ime : slucaj.sve("instalirano"))
            i.o.zapiši(DirektorijaStavke(i.s, ime) + ime, {});
        const bool uspjeh = !slucaj.polja.contains("poruka");

        QFile nova(i.s.PutanjaUpdate + "Verzije.txt");
        QVERIFY(!nova.exists() || nova.open(QIODevice::ReadOnly));
        QCOMPARE(i.plan.NapraviRsŠtoTrebaAžurirati(nova.readAll()), uspjeh);

        QStringList log = slucaj.sve("log");
        if (uspjeh)
            log = QStringList{"{NR}početak", "{NR}čitanje rs {U}Verzije.txt",
                              "{NR}čitanje rs {B}Verzije.txt",
                              "{NR}upoređenje što treba ažurirati "} +
                  slucaj.sve("stavka").replaceInStrings(QRegularExpression("^"), "{NR}") +
                  QStringList{"{NR}kraj"};
        QCOMPARE(i.o.porukeLoga(), i.zamijeni(log));
        QCOMPARE(Poruke(i.o.prozor), i.zamijeni(slucaj.sve("poruka")));
        QStringList tablica;
        for (const QStringList& red : i.o.prozor.plan)
            tablica << red.join(';');
        QCOMPARE(tablica, uspjeh ? slucaj.sve("plan") : QStringList{"prijašnji"});
        QCOMPARE(i.o.prozor.prikazaPlana, int(uspjeh));
        QCOMPARE(i.s.UkupnoDownload, slucaj.broj("ukupno", uspjeh ? 0 : 4321));
        QCOMPARE(i.s.IzvještajRada + i.s.PopisGrešaka, uspjeh ? "" : "izvještajgreške");
        QCOMPARE(QFile::exists(i.stariPlan), !uspjeh);
        if (!uspjeh)
            QCOMPARE(i.s.ZadnjaGreška,
                     i.zamijeni(slucaj.sve("poruka")).constLast().section(": ", 1));
        for (const QString& st : slucaj.sve("stanje"))
            i.plan.OznačiStanjeStavke(st.section(' ', 0, -2),
                                      StanjeStavke(st.section(' ', -1).toInt()));
        QStringList stanja;
        for (const StanjeReda& r : i.o.prozor.stanjaRedova)
            stanja << QString::asprintf("%d %d %d", r.red, r.slika, r.postotak);
        QCOMPARE(stanja, slucaj.sve("red stanja"));
    }
};

VELKOR_TEST(TestPlan)
#include "tst_plan.moc"
