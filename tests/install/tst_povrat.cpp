#include "Alat.h"
#include "install/Povrat.h"
#include "install/Registracija.h"
#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include <QDir>
#include <QTest>

using namespace velkor;
using namespace velkor::test;

namespace {

const QString P = "PokušajVratitiSveNaPočetak - ";
const QString K = "Program ne može razriješiti problem te će pokušati vratiti staru verziju "
                  "programa. Ukoliko ne uspije najvjerojatnije ćete morati reinstalirati program!";
const QString Uzrok = "\r\nPoruka o grešci je: Dozvola odbijena";

} // namespace

class TestPovrat : public QObject {
    Q_OBJECT

private slots:
    // kvarovi: copies back that fail, by target below the base directory;
    // vraćeni: what is back in place afterwards.
    void povrat_data() {
        QTest::addColumn<QStringList>("backup");
        QTest::addColumn<QStringList>("kvarovi");
        QTest::addColumn<bool>("alat");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QStringList>("poruke");
        QTest::addColumn<QStringList>("vraceni");
        QTest::newRow("prazna") << QStringList{} << QStringList{} << true
                                << QStringList{P + "početak. U direktoriji Backup fajlova:0",
                                               P + "Kraj"}
                                << QStringList{} << QStringList{};
        QTest::newRow("neuspjela kopija ne zaustavlja sljedeće")
            << QStringList{"A.exe", "B.chm", "C.enc", "Verzije.txt"}
            << QStringList{"A.exe", "Skripte/C.enc"} << true
            << QStringList{P + "početak. U direktoriji Backup fajlova:4",
                           P + "Kopiranje nazad programa: A.exe",
                           P + "Nastala je greška u kopiranju nazad programa: A.exe" + Uzrok,
                           P + "Kopiranje nazad datoteke: B.chm",
                           P + "Kopiranje nazad datoteke: C.enc",
                           P + "Nastala je greška u kopiranju nazad datoteke: C.enc" + Uzrok,
                           P + "Kopiranje nazad programa: Verzije.txt",
                           P + "Kraj"}
            << QStringList{"Nastala je greška u kopiranju nazad programa: A.exe" + Uzrok +
                               "\r\nProgram ne može razriješiti problem pa ćete morati "
                               "reinstalirati program!",
                           "Nastala je greška u kopiranju nazad datoteke: C.enc" + Uzrok +
                               "\r\nProgram ne može razriješiti problem te ćete morati "
                               "reinstalirati program!"}
            << QStringList{"B.chm", "Verzije.txt"};
        QTest::newRow("velika slova ekstenzije")
            << QStringList{"Komp.DLL"} << QStringList{} << true
            << QStringList{P + "početak. U direktoriji Backup fajlova:1",
                           P + "nepoznata ekstenzija: DLL", P + "Kraj"}
            << QStringList{} << QStringList{};
        const QString u = "RegSvr32.exe \"{baza}Komp.ocx\" /u /s",
                      r = "RegSvr32.exe \"{baza}Komp.ocx\" /s";
        QTest::newRow("komponenta: sva tri koraka unatoč greškama")
            << QStringList{"Komp.ocx"} << QStringList{"Komp.ocx"} << false
            << QStringList{P + "početak. U direktoriji Backup fajlova:1",
                           u,
                           u + " Neuspješno",
                           P + "Kopiranje nazad komponente: Komp.ocx",
                           P + "Nastala je greška u kopiranju nazad komponente: Komp.ocx" + Uzrok,
                           r,
                           r + " Neuspješno",
                           P + "Kraj"}
            << QStringList{"Desila se greška u deregistraciji komponente: Komp.ocx\r\n"
                           "Deregistracija komponente: Komp.ocx\r\n" +
                               K,
                           "Nastala je greška u kopiranju nazad komponente: Komp.ocx" + Uzrok +
                               "\r\nProgram ne može razriješiti problem pa ćete morati "
                               "reinstalirati program!",
                           "Registracija stare komponente: Komp.ocx\r\n" + K}
            << QStringList{};
        QTest::newRow("komponenta") << QStringList{"Komp.ocx"} << QStringList{} << true
                                    << QStringList{P + "početak. U direktoriji Backup fajlova:1",
                                                   u,
                                                   u + " Uspješno",
                                                   P + "Kopiranje nazad komponente: Komp.ocx",
                                                   r,
                                                   r + " Uspješno",
                                                   P + "Kraj"}
                                    << QStringList{} << QStringList{"Komp.ocx"};
    }

    void povrat() {
        QFETCH(QStringList, backup);
        QFETCH(QStringList, kvarovi);
        QFETCH(bool, alat);
        QFETCH(QStringList, log);
        QFETCH(QStringList, poruke);
        QFETCH(QStringList, vraceni);
        Okruženje o;
        ZamjenskiAlat zamjena(alat);
        Stanje& s = o.aplikacija().stanje();
        const QString b = o.baza(), r = QDir::separator();
        s.PutanjaPrograma = b;
        s.PutanjaUpdateBackup = b + "UpdateBackup" + r;
        s.PutanjaSkripti = b + "Skripte" + r;
        s.PutanjaHelp = b + "Help" + r;
        for (const QString& d : {s.PutanjaUpdateBackup, s.PutanjaSkripti, s.PutanjaHelp})
            QDir().mkpath(d);
        for (const QString& ime : backup)
            o.zapiši(s.PutanjaUpdateBackup + ime, "stara " + ime);
        for (const QString& k : kvarovi)
            o.datoteke.Pokvari(NeispravneDatoteke::Operacija::Kopiraj, b + k,
                               {70, "Dozvola odbijena"});
        velkor::Registracija registracija(o.platforma, o.aplikacija().dnevnik());

        Povrat(s, o.prozor, o.datoteke, o.aplikacija().dnevnik(), registracija)
            .PokušajVratitiSveNaPočetak();
        QCOMPARE(o.porukeLoga(), log.replaceInStrings("{baza}", b));
        QStringList prikazane;
        for (const ZapisPoruke& p : o.prozor.poruke) {
            prikazane << p.tekst;
            QCOMPARE(p.ikona, Ikona::Kriticno);
        }
        QCOMPARE(prikazane, poruke);
        // Copied, never moved; and only the known kinds are put back.
        for (const QString& ime : backup) {
            QCOMPARE(o.pročitaj(s.PutanjaUpdateBackup + ime), "stara " + ime.toUtf8());
            const bool vraćen = QFile::exists(b + ime) || QFile::exists(s.PutanjaSkripti + ime) ||
                                QFile::exists(s.PutanjaHelp + ime);
            QCOMPARE(vraćen, vraceni.contains(ime));
        }
        QTRY_COMPARE(zamjena.zapisano().count("\n\n"), alat ? o.platforma.naredbe.size() : 0);
    }
};

VELKOR_TEST(TestPovrat)
#include "tst_povrat.moc"
