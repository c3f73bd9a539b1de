// Filling a distribution location from the local update server, through the
// program as main wires it: on the button and on the schedule.
#include "catalogue/ImePaketa.h"
#include "support/LokalniPosluzitelj.h"
#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include <QDir>
#include <QTest>

using namespace velkor;
using namespace velkor::test;

namespace {

const QString Popisi = "Verzije.txt VerzijeU.txt ";
const QString Uspjeh = "Uspješno skinuti programi na lokaciju ";
const QString Razlika = "Veličina presnimljene datoteke Prog.7z je 1007, a veličina originalne "
                        "datoteke je 1008 i one nisu iste.";
enum Izm { Raspored, Nikad, BezPolja, Ista, KrivaTu, Baza, Nema, KrivaTamo };

struct Slučaj {
    const char* naziv;
    Izm izmjena;
    int opcija;
    // traženo: the files asked of the server, "*" every package; okviri: each box, exact
    // with "%1" for the location, else its beginning; split at '|'.
    QString traženo, greške, okviri;
};

const Slučaj Slučajevi[] = {
    {"po rasporedu, prazna lokacija, mrežni izvor", Raspored, 1, Popisi + "TeamViewerQS.exe *", "",
     "Ne postoji datoteka: %1Verzije.txt. Kopiraju se sve datoteke. Želite li nastaviti sa "
     "download-om?"},
    {"raspored s 0 sati", Nikad, 2, "", "", ""},
    {"prazno polje lokacije", BezPolja, 2, "", "",
     "Ne postoji unesena lokacija za download programa: \r\n|Upozorenje. "},
    {"bez promjena", Ista, 2, Popisi, "", Uspjeh},
    {"kriva veličina na lokaciji, sekundarni izvor", KrivaTu, 0, Popisi + "K.7z P.7z",
     "\r\nNađena 7z datoteka: K.7z ali je veličina različita 3 Novi: 300 pa će se "
     "prekopirati",
     Uspjeh + "%1 \r\n\r\nUkupno prenesno: 500 bajtova.\r\nSada je moguće ažuriranje za "
              "ostala računala!"},
    {"nova baza povlači kasnije enc i ocx", Baza, 2, Popisi + "VelkIzmjBaza22.7z S2.7z K.7z P.7z",
     "", Uspjeh},
    {"paket se ne može dohvatiti", Nema, 2, Popisi + "Prog.7z", "",
     "Upozorenje. Nisu uspješno skinuti programi na lokaciju %1 pa ažuriranje sa te lokacije "
     "nije preporučljivo. Otklonite nastalu grešku ili kontaktirajte Velkor.\r\nTek kada "
     "prijenos prođe bez problema moguće je koristiti ovu direktoriju za ažuriranje "
     "programa!\r\n\r\nUkupno prenesno: 0 bajtova."},
    {"kriva veličina s poslužitelja", KrivaTamo, 2, Popisi + "Prog.7z P.7z",
     "\r\n" + Razlika +
         " Moguća greška u prijenosu datoteke. Ponovite postupak. Nastaviće se prijenos za "
         "ostale datoteke!",
     Razlika + "|" + Uspjeh},
};

} // namespace

class TestDistribucije : public QObject {
    Q_OBJECT

private slots:
    void punjenje_data() {
        QTest::addColumn<int>("slucaj");
        for (int i = 0; i < int(std::size(Slučajevi)); ++i)
            QTest::newRow(Slučajevi[i].naziv) << i;
    }

    void punjenje() {
        QFETCH(int, slucaj);
        const Slučaj& s = Slučajevi[slucaj];
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
        o.prozor.opcija = s.opcija;
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
        if (s.izmjena > BezPolja)
            o.aplikacija().cmdDownlNaLokaciju_Click();
        const QByteArray stariPopis = o.pročitaj(lokacija + "Verzije.txt");

        // What changes between a first, complete fill and the run under test.
        if (s.izmjena == Nema || s.izmjena == KrivaTamo)
            stavke[0] = {"Prog.exe", 6, 1007, s.izmjena == KrivaTamo};
        if (s.izmjena == Baza)
            stavke[2] = {"VelkIzmjBaza22.dll", 4, 507, 0};
        if (s.izmjena == KrivaTu)
            o.zapiši(lokacija + "K.7z", "xyz");
        if (s.izmjena == Nema)
            poslužitelj.PostaviPonašanje("Prog.7z", LokalniPoslužitelj::Ponašanje::NijePronadeno);
        if (s.izmjena == BezPolja) // with a separator alone it would be the root
            o.prozor.lokacije[1].clear();
        objavi();
        poslužitelj.zahtjevi.clear();
        o.prozor.poruke.clear();
        if (s.izmjena > Nikad)
            o.aplikacija().cmdDownlNaLokaciju_Click();
        // Every n hours on the hour, once in that minute, never with 0.
        o.prozor.vrijemeDownloada = s.izmjena == Nikad ? 0 : 6;
        for (const QTime vrijeme : {QTime(13, 0), QTime(12, 1), QTime(12, 0), QTime(12, 0, 40)}) {
            o.sat.sada.setTime(vrijeme);
            s.izmjena <= Nikad ? o.aplikacija().tmrUpdate_Timer() : void();
        }

        const QStringList paketi{"Prog.7z", "S1.7z", "VelkIzmjBaza22.7z", "S2.7z", "K.7z", "P.7z"};
        QStringList traženo =
            QString(s.traženo).replace("*", paketi.join(' ')).split(' ', Qt::SkipEmptyParts);
        const QString domaćin =
            s.opcija == 2 ? poslužitelj.Domaćin() : poslužitelj.DomaćinPoImenu();
        QCOMPARE(poslužitelj.zahtjevi.size(), traženo.size());
        for (const PrimljeniZahtjev& z : poslužitelj.zahtjevi) {
            QCOMPARE(z.domaćin, domaćin.toLatin1());
            QCOMPARE(QString::fromLatin1(z.putanja).section('/', -1), traženo.takeFirst());
        }
        const QStringList okviri = s.okviri.split('|', Qt::SkipEmptyParts);
        QCOMPARE(o.prozor.poruke.size(), okviri.size());
        for (qsizetype i = 0; i < okviri.size(); ++i) {
            const QString okvir = QString(okviri[i]).replace("%1", lokacija);
            const QString& tekst = o.prozor.poruke[i].tekst;
            QCOMPARE(okviri[i].contains("%1") ? tekst : tekst.left(okvir.size()), okvir);
        }

        const bool uspjeh = !s.traženo.isEmpty() && !s.okviri.contains("Upozorenje");
        QCOMPARE(o.pročitaj(lokacija + "Verzije.txt"),
                 uspjeh ? o.pročitaj(objava.filePath("Verzije.txt")) : stariPopis);
        if (!uspjeh)
            return;
        for (const QString& ime : paketi + QStringList{"VerzijeU.txt", "TeamViewerQS.exe"})
            QCOMPARE(o.pročitaj(lokacija + ime), o.pročitaj(objava.filePath(ime)));
        QString izvještaj;
        for (const auto& [ime, rev, dužina, pomak] : stavke)
            if (!s.traženo.contains(ImePaketa(ime)) && !s.traženo.contains('*'))
                izvještaj += "\r\nIsta verzija: " + ime;
        QCOMPARE(o.prozor.txtPor, izvještaj + "\r\nKopirano Verzije.txt\r\nKopirano VerzijeU.txt");
        QCOMPARE(o.prozor.txtPorGr, s.greške);
    }
};

VELKOR_TEST(TestDistribucije)
#include "tst_distribucija.moc"
