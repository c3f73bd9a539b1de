#include "support/Instalacija.h"
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

#include "catalogue/PlanAzuriranja.h"
#include "catalogue/ZapisVerzije.h"

#include <QDir>

using namespace velkor;
using namespace velkor::test;

class TestPlan : public QObject {
    Q_OBJECT

private slots:
    void plan_data() { DodajSlučajeve(QFINDTESTDATA("data/plan.txt")); }

    void plan() {
        QFETCH(Slučaj, slucaj);
        // An installation with its lists, and what a plan replaces: the grid, the
        // total, both report texts and a read-only plan file left from elsewhere.
        Instalacija o;
        Stanje& s = o.stanje;
        o.radneDirektorije.PostaviPutanje();
        const QString stariPlan = o.update() + "Update.txt";
        o.zapiši(stariPlan, "stari plan");
        QFile::setPermissions(stariPlan, QFileDevice::ReadOwner);
        o.prozor.plan = {{"prijašnji"}};
        s.UkupnoDownload = 4321;
        s.IzvještajRada = "izvještaj";
        s.PopisGrešaka = "greške";
        const auto zamijeni = [&](QStringList t) {
            return Zamijeni(t.replaceInStrings("{NR}", "NapraviRsŠtoTrebaAžurirati - "), o);
        };
        PlanAžuriranja plan{s, o.prozor, o.prozor, o.datoteke, o.dnevnik};
        for (const QString lista : {"nova", "stara"}) {
            if (slucaj.polja.contains(lista))
                o.zapiši((lista == "nova" ? s.PutanjaUpdate : s.PutanjaPrograma) + "Verzije.txt",
                         slucaj.sve(lista).join("\r\n") + "\r\n");
        }
        for (const QString& ime : slucaj.sve("instalirano"))
            o.zapiši(DirektorijaStavke(s, ime) + ime, {});
        const bool uspjeh = !slucaj.polja.contains("poruka");

        QCOMPARE(plan.NapraviRsŠtoTrebaAžurirati(o.pročitaj(s.PutanjaUpdate + "Verzije.txt")),
                 uspjeh);

        QStringList log = slucaj.sve("log");
        if (uspjeh)
            log = QStringList{"{NR}početak", "{NR}čitanje rs {U}Verzije.txt",
                              "{NR}čitanje rs {B}Verzije.txt",
                              "{NR}upoređenje što treba ažurirati "} +
                  slucaj.sve("stavka").replaceInStrings(QRegularExpression("^"), "{NR}") +
                  QStringList{"{NR}kraj"};
        QCOMPARE(o.porukeLoga(), zamijeni(log));
        QCOMPARE(Poruke(o.prozor), zamijeni(slucaj.sve("poruka")));
        QStringList tablica;
        for (const QStringList& red : o.prozor.plan)
            tablica << red.join(';');
        QCOMPARE(tablica, uspjeh ? slucaj.sve("plan") : QStringList{"prijašnji"});
        QCOMPARE(o.prozor.prikazaPlana, int(uspjeh));
        QCOMPARE(s.UkupnoDownload, slucaj.broj("ukupno", uspjeh ? 0 : 4321));
        QCOMPARE(s.IzvještajRada + s.PopisGrešaka, uspjeh ? "" : "izvještajgreške");
        QCOMPARE(QFile::exists(stariPlan), !uspjeh);
        if (!uspjeh)
            QCOMPARE(s.ZadnjaGreška, zamijeni(slucaj.sve("poruka")).constLast().section(": ", 1));
        for (const QString& st : slucaj.sve("stanje"))
            plan.OznačiStanjeStavke(st.section(' ', 0, -2),
                                    StanjeStavke(st.section(' ', -1).toInt()));
        QStringList stanja;
        for (const StanjeReda& r : o.prozor.stanjaRedova)
            stanja << QString::asprintf("%d %d %d", r.red, r.slika, r.postotak);
        QCOMPARE(stanja, slucaj.sve("red stanja"));
    }
};

VELKOR_TEST(TestPlan)
#include "tst_plan.moc"
