// Filling a distribution location from the local update server, through the
// program as main wires it: on the button and on the schedule. Each file in
// distribute/punjenje/ is one case: its first line what changes after a first,
// complete fill and the option, the rest the whole record of the run.
#include "catalogue/ImePaketa.h"
#include "catalogue/ZapisVerzije.h"
#include "publish/PotpisivanjeObjave.h"
#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include <QTest>

using namespace velkor;
using namespace velkor::test;

class TestDistribucije : public QObject {
    Q_OBJECT

private slots:
    void punjenje_data() { DodajZlatne(QFINDTESTDATA("punjenje")); }

    void punjenje() {
        QFETCH(QString, put);
        const QStringList slučaj = SlučajZlatnog(put).split(u' ');
        const QString& izmjena = slučaj[0];
        // Those on the schedule alone, and those with a first, complete fill.
        const bool raspored = QStringList{"BezUpdate", "Raspored", "Nikad"}.contains(izmjena);
        const bool prvo = !raspored && izmjena != "BezPolja";
        Okruženje o;
        LokalniPoslužitelj& poslužitelj = o.poslužitelj();
        const QString lokacija = o.baza() + "Distribucija/";
        QDir().mkpath(lokacija);
        o.prozor.lokacije[1] = lokacija.chopped(1);
        o.prozor.opcija = slučaj.value(1).toInt();
        o.zapiši(o.objava.filePath("VerzijeU.txt"), "Dodatak.exe;22;1;0;1;1;\r\n");
        o.zapiši(o.objava.filePath("TeamViewerQS.exe"), "tv");
        // Name, revision, package size, and what the list adds to that size.
        QList<std::tuple<QString, int, int, int>> stavke{
            {"Prog.exe", 5, 1000, 0}, {"S1.enc", 0, 110, 0}, {"VelkIzmjBaza22.dll", 3, 500, 0},
            {"S2.enc", 0, 120, 0},    {"K.ocx", 0, 300, 0},  {"P.chm", 0, 200, 0}};
        // The packages and their list; a name that would lead out of the location heads it.
        const auto objavi = [&] {
            QString popis = "../Zlo.exe;22;1;0;5;5;\r\n";
            Sažeci sažeci;
            for (const auto& [ime, rev, dužina, pomak] : stavke) {
                const QByteArray paket(dužina, char('a' + rev));
                o.zapišiBajtove(o.objava.filePath(ImePaketa(ime)), paket);
                sažeci.Dodaj(ImePaketa(ime), Sažeci::SažetakOd(paket));
                popis += QString("%1;22;1;%2;%3;10;\r\n").arg(ime).arg(rev).arg(dužina + pomak);
            }
            o.zapiši(o.objava.filePath("Verzije.txt"), popis);
            // Signed as the publisher signs, the packages' sums beside the lists'.
            const Konzola tiho{[](auto&) {}, [](auto&) {}};
            if (izmjena == "PotpisanaIsta")
                QVERIFY(PotpisivanjeObjave({o.ključ(), {}, 1}, tiho)
                            .Potpiši(o.objava.path(), UAnsi(popis), sažeci));
        };
        objavi();
        if (prvo)
            o.aplikacija().cmdDownlNaLokaciju_Click();

        // What changes between a first, complete fill and the run under test.
        if (QStringList{"Nema", "KrivaTamo", "Zauzet", "PotpisanaIsta"}.contains(izmjena))
            stavke[0] = {"Prog.exe", 6, 1007, izmjena == "KrivaTamo"};
        if (izmjena == "Baza") // the old package read-only
            stavke[2] = {"VelkIzmjBaza22.dll", 4, 507, 0},
            QFile::setPermissions(lokacija + "VelkIzmjBaza22.7z", QFileDevice::ReadOwner);
        if (izmjena == "Zauzet") // the location's list in use
            o.datoteke.Pokvari(NeispravneDatoteke::Operacija::Obrisi, lokacija + "Verzije.txt",
                               {70, "Dozvola odbijena"});
        if (izmjena == "BezUpdate")
            o.datoteke.Pokvari(NeispravneDatoteke::Operacija::NapraviDirektoriju,
                               lokacija + "Update/", {70, "Dozvola odbijena"});
        // Left by a killed run: ours beside a package and a list, and another's.
        if (prvo)
            for (const char* ime :
                 {"K.7z;velkor-dio.0a1b2c3", "Update/Verzije.txt;velkor-dio.z", "K.7z.0a1b2c"})
                o.zapiši(lokacija + ime, "x");
        if (izmjena == "KrivaTu")
            o.zapiši(lokacija + "K.7z", "xyz");
        if (izmjena == "PotpisanaIsta") // another package of the same size
            o.zapiši(lokacija + "K.7z", QString(300, u'z'));
        if (izmjena == "Nema")
            poslužitelj.PostaviPonašanje("Prog.7z", LokalniPoslužitelj::Ponašanje::NijePronadeno);
        if (izmjena == "BezPolja") // with a separator alone it would be the root
            o.prozor.lokacije[1].clear();
        objavi();
        // The plan's tables are not the distribution's.
        Stanje& stanje = o.aplikacija().stanje();
        stanje.NoveVerzije(0, Stupac::Ime) = QString("Plan.exe");
        stanje.StareVerzije(0, Stupac::Ime) = QString("Staro.exe");
        // The record is of the run under test alone.
        o.zapamtiStablo();
        poslužitelj.zahtjevi.clear();
        o.prozor.poruke.clear();
        QFile::remove(o.putanjaLoga());
        if (!raspored)
            o.aplikacija().cmdDownlNaLokaciju_Click();
        // Every n hours on the hour, once in that minute, never with 0.
        o.prozor.vrijemeDownloada = izmjena == "Nikad" ? 0 : 6;
        for (const QTime vrijeme : {QTime(13, 0), QTime(18, 1), QTime(12, 0), QTime(12, 0, 40)}) {
            o.sat.sada.setTime(vrijeme);
            raspored ? o.aplikacija().tmrUpdate_Timer() : void();
        }
        QCOMPARE(stanje.NoveVerzije.tekst(0, Stupac::Ime) + stanje.NoveVerzije.tekst(1, 0) +
                     stanje.StareVerzije.tekst(0, Stupac::Ime),
                 "Plan.exeStaro.exe");
        UsporediSaZlatnim(put, o.zapis());
    }
};

VELKOR_TEST(TestDistribucije)
#include "tst_distribucija.moc"
