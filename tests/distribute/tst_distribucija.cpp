// Filling a distribution location from the local update server, through the
// program as main wires it: on the button and on the schedule.
#include "base/Slucajevi.h"
#include "catalogue/ImePaketa.h"
#include "support/LokalniPosluzitelj.h"
#include "support/RegistarTestova.h"

#include <QDir>
#include <QTest>

using namespace velkor;
using namespace velkor::test;

namespace {

enum Izm { Raspored, Nikad, BezPolja, Ista, KrivaTu, Baza, Nema, KrivaTamo };
const QStringList Izmjene{"Raspored", "Nikad", "BezPolja", "Ista",
                          "KrivaTu",  "Baza",  "Nema",     "KrivaTamo"};

} // namespace

class TestDistribucije : public QObject {
    Q_OBJECT

private slots:
    void punjenje_data() { DodajSlučajeve(QFINDTESTDATA("data/punjenje.txt")); }

    void punjenje() {
        QFETCH(Slučaj, slucaj);
        const auto izmjena = Izm(Izmjene.indexOf(slucaj.jedno("izmjena")));
        const int opcija = slucaj.broj("opcija");
        const QString traženoPopis = slucaj.jedno("trazeno");
        QTemporaryDir objava;
        Okruženje o;
        LokalniPoslužitelj poslužitelj(objava.path());
        QVERIFY(poslužitelj.Pokreni());
        o.platforma.okolina = {{"VELKOR_PRIMARNI_HOST", poslužitelj.Domaćin()},
                               {"VELKOR_SEKUNDARNI_HOST", poslužitelj.DomaćinPoImenu()},
                               {"VELKOR_CA_CERTS", LokalniPoslužitelj::PutanjaCa()}};
        const QString lokacija = o.dir.path() + "/distribucija/";
        QDir().mkpath(lokacija);
        o.prozor.lokacije[1] = lokacija.chopped(1);
        o.prozor.opcija = opcija;
        o.zapiši(objava.filePath("VerzijeU.txt"), "Dodatak.exe;22;1;0;1;1;\r\n");
        o.zapiši(objava.filePath("TeamViewerQS.exe"), "tv");
        // Name, revision, package size, and what the list adds to that size.
        QList<std::tuple<QString, int, int, int>> stavke{
            {"Prog.exe", 5, 1000, 0}, {"S1.enc", 0, 110, 0}, {"VelkIzmjBaza22.dll", 3, 500, 0},
            {"S2.enc", 0, 120, 0},    {"K.ocx", 0, 300, 0},  {"P.chm", 0, 200, 0}};
        // The packages and their list; a name that would lead out of the location heads it.
        const auto objavi = [&] {
            QString popis = "../Zlo.exe;22;1;0;5;5;\r\n";
            for (const auto& [ime, rev, dužina, pomak] : stavke) {
                o.zapiši(objava.filePath(ImePaketa(ime)), QString(dužina, QChar('a' + rev)));
                popis += QString("%1;22;1;%2;%3;10;\r\n").arg(ime).arg(rev).arg(dužina + pomak);
            }
            o.zapiši(objava.filePath("Verzije.txt"), popis);
        };
        objavi();
        if (izmjena > BezPolja)
            o.aplikacija().cmdDownlNaLokaciju_Click();
        const QByteArray stariPopis = o.pročitaj(lokacija + "Verzije.txt");

        // What changes between a first, complete fill and the run under test.
        if (izmjena == Nema || izmjena == KrivaTamo)
            stavke[0] = {"Prog.exe", 6, 1007, izmjena == KrivaTamo};
        if (izmjena == Baza)
            stavke[2] = {"VelkIzmjBaza22.dll", 4, 507, 0};
        if (izmjena == KrivaTu)
            o.zapiši(lokacija + "K.7z", "xyz");
        if (izmjena == Nema)
            poslužitelj.PostaviPonašanje("Prog.7z", LokalniPoslužitelj::Ponašanje::NijePronadeno);
        if (izmjena == BezPolja) // with a separator alone it would be the root
            o.prozor.lokacije[1].clear();
        objavi();
        poslužitelj.zahtjevi.clear();
        o.prozor.poruke.clear();
        if (izmjena > Nikad)
            o.aplikacija().cmdDownlNaLokaciju_Click();
        // Every n hours on the hour, once in that minute, never with 0.
        o.prozor.vrijemeDownloada = izmjena == Nikad ? 0 : 6;
        for (const QTime vrijeme : {QTime(13, 0), QTime(18, 1), QTime(12, 0), QTime(12, 0, 40)}) {
            o.sat.sada.setTime(vrijeme);
            izmjena <= Nikad ? o.aplikacija().tmrUpdate_Timer() : void();
        }

        const QStringList paketi{"Prog.7z", "S1.7z", "VelkIzmjBaza22.7z", "S2.7z", "K.7z", "P.7z"};
        QStringList traženo =
            QString(traženoPopis).replace("*", paketi.join(' ')).split(' ', Qt::SkipEmptyParts);
        const QString domaćin = opcija == 2 ? poslužitelj.Domaćin() : poslužitelj.DomaćinPoImenu();
        QCOMPARE(poslužitelj.zahtjevi.size(), traženo.size());
        for (const PrimljeniZahtjev& z : poslužitelj.zahtjevi) {
            QCOMPARE(z.domaćin, domaćin.toLatin1());
            QCOMPARE(QString::fromLatin1(z.putanja).section('/', -1), traženo.takeFirst());
        }
        const QStringList okviri = slucaj.sve("okvir");
        QCOMPARE(o.prozor.poruke.size(), okviri.size());
        for (qsizetype i = 0; i < okviri.size(); ++i) {
            const QString okvir = QString(okviri[i]).replace("%L", lokacija);
            const QString& tekst = o.prozor.poruke[i].tekst;
            QCOMPARE(okviri[i].contains("%L") ? tekst : tekst.left(okvir.size()), okvir);
        }

        const bool uspjeh = !traženoPopis.isEmpty() && !okviri.join(u'|').contains("Upozorenje");
        QCOMPARE(o.pročitaj(lokacija + "Verzije.txt"),
                 uspjeh ? o.pročitaj(objava.filePath("Verzije.txt")) : stariPopis);
        if (!uspjeh)
            return;
        for (const QString& ime : paketi + QStringList{"VerzijeU.txt", "TeamViewerQS.exe"})
            QCOMPARE(o.pročitaj(lokacija + ime), o.pročitaj(objava.filePath(ime)));
        QString izvještaj;
        for (const auto& [ime, rev, dužina, pomak] : stavke)
            if (!traženoPopis.contains(ImePaketa(ime)) && !traženoPopis.contains('*'))
                izvještaj += "\r\nIsta verzija: " + ime;
        QCOMPARE(o.prozor.txtPor, izvještaj + "\r\nKopirano Verzije.txt\r\nKopirano VerzijeU.txt");
        QCOMPARE(o.prozor.txtPorGr, slucaj.jedno("greske"));
    }
};

VELKOR_TEST(TestDistribucije)
#include "tst_distribucija.moc"
