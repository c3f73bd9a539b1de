#include "Instalacija.h"
#include "support/RegistarTestova.h"

#include <QFile>
#include <QTest>

using namespace velkor;
using namespace velkor::test;

class TestPlan : public QObject {
    Q_OBJECT

private slots:
    void obicanPlan() {
        Instalacija i;
        i.stara({"Stari.exe;22;1;5;1000;2000;", "Isti.exe;22;1;5;10;20;", "Jos.dll;1;0;0;1;1;"});
        i.nova({"Nova.dll;1;0;0;2500;3000;", "Isti.exe;22;1;5;10;20;", ";9;9;9;9;9;",
                "Stari.exe;22;1;6;1000;2000;"});
        i.instaliraj("Stari.exe");
        i.instaliraj("Isti.exe");
        i.s.IzvještajRada = QStringLiteral("izvještaj");
        i.s.PopisGrešaka = QStringLiteral("greške");
        i.s.UkupnoDownload = 5;
        // An old plan file goes, read-only or not.
        const QString updateTxt = i.s.PutanjaUpdate + "Update.txt";
        i.o.zapiši(updateTxt, QStringLiteral("stari plan"));
        QFile::setPermissions(updateTxt, QFileDevice::ReadOwner);

        QVERIFY(i.plan.NapraviRsŠtoTrebaAžurirati());

        const QString p = PrefiksPlana;
        QCOMPARE(
            i.o.porukeLoga(),
            (QStringList{p + "početak", p + "čitanje rs " + i.novaLista(),
                         p + "čitanje rs " + i.staraLista(), p + "upoređenje što treba ažurirati ",
                         p + "Nije pronađen zapis o starim verzija za :Nova.dll pa se mora "
                             "kopirati",
                         p + "Treba instalirati: Stari.exe", p + "kraj"}));
        QCOMPARE(i.planirani(), (QStringList{"Nova.dll", "Stari.exe"}));
        QCOMPARE(i.o.prozor.prikazaPlana, 1);
        QCOMPARE(i.o.prozor.plan,
                 (QList<QStringList>{{"Nova.dll", "1", "0", "0", "2500", "3000"},
                                     {"Stari.exe", "22", "1", "6", "1000", "2000"}}));
        QCOMPARE(i.s.UkupnoDownload, 3500);
        QVERIFY(i.s.IzvještajRada.isEmpty());
        QVERIFY(i.s.PopisGrešaka.isEmpty());
        QVERIFY(i.o.prozor.poruke.isEmpty());
        QVERIFY(!QFile::exists(updateTxt));
        // Every named row carries a mark; the nameless row keeps its reset 0.
        QCOMPARE(i.s.NoveVerzije(1, Stupac::OznakaAžuriranja), Ćelija(qint16(0)));
        QCOMPARE(i.s.NoveVerzije(2, Stupac::OznakaAžuriranja), Ćelija(qint16(0)));
    }

    void jednakeListeBezStavki() {
        Instalacija i;
        const QStringList lista{"A.exe;22;1;5;10;20;", "Pomoc.chm;1;1;1;5;6;", "S.enc;1;0;0;1;2;"};
        i.stara(lista);
        i.nova(lista);
        for (const QString ime : {"A.exe", "Pomoc.chm", "S.enc"})
            i.instaliraj(ime);
        i.o.prozor.plan = {{"staro"}};
        i.o.zapiši(i.s.PutanjaUpdate + "Update.txt", QStringLiteral("stari plan"));
        QVERIFY(i.plan.NapraviRsŠtoTrebaAžurirati());
        QVERIFY(!QFile::exists(i.s.PutanjaUpdate + "Update.txt"));
        QVERIFY(i.o.prozor.poruke.isEmpty());
        QVERIFY(i.planirani().isEmpty());
        QCOMPARE(i.o.prozor.prikazaPlana, 1);
        QVERIFY(i.o.prozor.plan.isEmpty());
        QCOMPARE(i.stavkeLoga(), QStringList());
        QCOMPARE(i.s.UkupnoDownload, 0);
    }

    // One item against the installed list: mark and log lines.
    void usporedbaStavke_data() {
        QTest::addColumn<QString>("stari");
        QTest::addColumn<QString>("novi");
        QTest::addColumn<bool>("instalirana");
        QTest::addColumn<bool>("označena");
        QTest::addColumn<QStringList>("log");
        const auto treba = [](const QString& ime) { return "Treba instalirati: " + ime; };
        const auto red = [](const char* naziv, const char* stari, const char* novi,
                            bool instalirana, bool označena, const QStringList& log) {
            QTest::newRow(naziv) << QString(stari) << QString(novi) << instalirana << označena
                                 << log;
        };
        const QStringList programTreba{treba("Program.exe")};
        red("22.1.5 na 22.1.6", "Program.exe;22;1;5;1;1;", "Program.exe;22;1;6;1;1;", true, true,
            programTreba);
        red("jednaka verzija", "Program.exe;22;1;5;1;1;", "Program.exe;22;1;5;1;1;", true, false,
            {});
        red("jednaka verzija, nema datoteke", "Program.exe;22;1;5;1;1;", "Program.exe;22;1;5;1;1;",
            false, true,
            {"Nije nađena datoteka: Program.exe pa se mora napraviti", treba("Program.exe")});
        red("22.3.0 na 22.2.1", "Program.exe;22;3;0;1;1;", "Program.exe;22;2;1;1;1;", true, true,
            programTreba);
        red("sve palo", "Program.exe;22;3;5;1;1;", "Program.exe;21;1;1;1;1;", true, false, {});
        red("brojčano, ne tekstom", "Program.exe;22;1;9;1;1;", "Program.exe;22;1;10;1;1;", true,
            true, programTreba);
        red("veća verzija programa ne gleda veličine", "Program.exe;22;1;5;100;200;",
            "Program.exe;22;1;5;101;201;", true, false, {});
        red("chm stvarna veličina narasla", "Pomoc.chm;1;1;1;100;200;", "Pomoc.chm;1;1;1;100;201;",
            true, true, {treba("Pomoc.chm")});
        red("chm download veličina narasla", "Pomoc.chm;1;1;1;100;200;", "Pomoc.chm;1;1;1;101;200;",
            true, true, {treba("Pomoc.chm")});
        red("chm smanjen", "Pomoc.chm;1;1;1;100;200;", "Pomoc.chm;1;1;1;99;199;", true, false, {});
        red("chm nema u help direktoriji", "Pomoc.chm;1;1;1;100;200;", "Pomoc.chm;1;1;1;100;200;",
            false, true,
            {"Nije nađena datoteka: %HPomoc.chm pa se mora napraviti", treba("Pomoc.chm")});
        red("ocx narastao", "Grid.ocx;1;1;1;100;200;", "Grid.ocx;1;1;1;101;200;", true, true,
            {treba("Grid.ocx")});
        red("ocx smanjen", "Grid.ocx;1;1;1;100;200;", "Grid.ocx;1;1;1;100;150;", true, false, {});
        red("CHM nije pomoć", "Pomoc.CHM;1;1;1;100;200;", "Pomoc.CHM;1;1;1;101;201;", true, false,
            {});
        red("enc nema u skriptama", "S.enc;1;0;0;1;2;", "S.enc;1;0;0;1;2;", false, true,
            {"Nije nađena datoteka: %SS.enc pa se mora napraviti", treba("S.enc")});
        red("enc stvarna veličina narasla", "S.enc;1;0;0;1;2;", "S.enc;1;0;0;1;3;", true, true,
            {treba("S.enc")});
        red("enc download veličina se ne gleda", "S.enc;1;0;0;1;2;", "S.enc;1;0;0;9;2;", true,
            false, {});
        red("nepoznata stavka", "Drugi.exe;1;1;1;1;1;", "Novi.exe;1;1;1;1;1;", true, true,
            {"Nije pronađen zapis o starim verzija za :Novi.exe pa se mora kopirati"});
        red("Program.EXE nije Program.exe", "Program.exe;22;1;5;1;1;", "Program.EXE;22;1;5;1;1;",
            true, true,
            {"Nije pronađen zapis o starim verzija za :Program.EXE pa se mora kopirati"});
        red("updater noviji", "VelkorZideZizodu22.exe;22;1;1;1;1;",
            "VelkorZideZizodu22.exe;22;1;2;1;1;", true, false, {});
        red("updater nepoznat", "Drugi.exe;1;1;1;1;1;", "VelkorZideZizodu22.exe;22;1;2;1;1;", true,
            false, {});
        red("neispravno ime noviji", "..\\..\\x.exe;1;1;1;1;1;", "..\\..\\x.exe;1;1;2;1;1;", true,
            false, {"Neispravno ime datoteke: ..\\..\\x.exe"});
        red("neispravno ime nepoznato", "Drugi.exe;1;1;1;1;1;", "../x.exe;1;1;2;1;1;", false, false,
            {"Neispravno ime datoteke: ../x.exe"});
    }

    void usporedbaStavke() {
        QFETCH(QString, stari);
        QFETCH(QString, novi);
        QFETCH(bool, instalirana);
        QFETCH(bool, označena);
        QFETCH(QStringList, log);
        Instalacija i;
        i.stara({stari});
        i.nova({novi});
        const QString ime = novi.section(QLatin1Char(';'), 0, 0);
        if (instalirana && !NeispravnoIme(ime))
            i.instaliraj(ime);
        QVERIFY(i.plan.NapraviRsŠtoTrebaAžurirati());
        for (QString& red : log)
            red.replace("%S", i.s.PutanjaSkripti).replace("%H", i.s.PutanjaHelp);
        QCOMPARE(i.stavkeLoga(), log);
        QCOMPARE(i.s.NoveVerzije(0, Stupac::OznakaAžuriranja), Ćelija(qint16(označena)));
        QCOMPARE(i.o.prozor.plan.size(), označena ? 1 : 0);
        QCOMPARE(i.s.UkupnoDownload, označena ? BrojPolja(novi.section(';', 4, 4)) : 0);
    }

    void skripteUzKomponentuBaze_data() {
        QTest::addColumn<QString>("staraKomponenta");
        QTest::addColumn<QStringList>("planirani");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("komponenta novija")
            << "VelkIzmjBaza22.dll;22;1;1;1;1;"
            << QStringList{"VelkIzmjBaza22.dll", "Poslije.enc", "Jos.enc"}
            << QStringList{"Treba instalirati: VelkIzmjBaza22.dll"};
        QTest::newRow("komponenta jednaka")
            << "VelkIzmjBaza22.dll;22;1;2;1;1;" << QStringList() << QStringList();
        QTest::newRow("komponenta nepoznata")
            << "Drugi.exe;1;1;1;1;1;" << QStringList{"VelkIzmjBaza22.dll"}
            << QStringList{"Nije pronađen zapis o starim verzija za :VelkIzmjBaza22.dll pa se "
                           "mora kopirati"};
    }

    void skripteUzKomponentuBaze() {
        QFETCH(QString, staraKomponenta);
        QFETCH(QStringList, planirani);
        QFETCH(QStringList, log);
        Instalacija i;
        const QStringList skripte{"Prije.enc;1;0;0;300;30;", "Poslije.enc;1;0;0;500;50;",
                                  "Jos.enc;1;0;0;700;70;"};
        i.stara({skripte[0], staraKomponenta, skripte[1], "Drugi.exe;1;1;1;1;1;", skripte[2]});
        i.nova({skripte[0], "VelkIzmjBaza22.dll;22;1;2;1000;2000;", skripte[1],
                "Drugi.exe;1;1;1;1;1;", skripte[2]});
        for (const QString ime :
             {"Prije.enc", "Poslije.enc", "Jos.enc", "VelkIzmjBaza22.dll", "Drugi.exe"})
            i.instaliraj(ime);
        QVERIFY(i.plan.NapraviRsŠtoTrebaAžurirati());
        QCOMPARE(i.planirani(), planirani);
        // The scripts that ride along are neither logged nor counted.
        QCOMPARE(i.stavkeLoga(), log);
        QCOMPARE(i.s.UkupnoDownload, planirani.isEmpty() ? 0 : 1000);
    }

    void ukupnoDownload_data() {
        QTest::addColumn<QStringList>("veličine");
        QTest::addColumn<int>("ukupno");
        QTest::newRow("1000 + 2500") << QStringList{"1000", "2500"} << 3500;
        QTest::newRow("decimalno se zaokružuje") << QStringList{"1000.6", "0.5"} << 1001;
        QTest::newRow("prazno i tekst su 0") << QStringList{"", "x", "7"} << 7;
        QTest::newRow("prelijevanje preskače stavku")
            << QStringList{"2147483000", "1000", "600"} << 2147483600;
        QTest::newRow("veličina preko 32 bita preskače stavku")
            << QStringList{"5", "99999999999", "6"} << 11;
    }

    void ukupnoDownload() {
        QFETCH(QStringList, veličine);
        QFETCH(int, ukupno);
        Instalacija i;
        i.stara({"Drugi.exe;1;1;1;1;1;"});
        QStringList nove;
        for (int n = 0; n < veličine.size(); ++n)
            nove << QStringLiteral("N%1.exe;1;1;1;%2;1;").arg(n).arg(veličine[n]);
        i.nova(nove);
        QVERIFY(i.plan.NapraviRsŠtoTrebaAžurirati());
        QCOMPARE(i.planirani().size(), veličine.size());
        QCOMPARE(i.s.UkupnoDownload, ukupno);
    }

    void neuspjesi_data() {
        QTest::addColumn<bool>("novaPostoji");
        QTest::addColumn<QString>("stara");
        QTest::addColumn<QString>("zadnjaGreška");
        QTest::addColumn<QString>("zadnjiLog");
        QTest::addColumn<int>("ikona");
        QTest::addColumn<int>("poruka");
        const QString nečitljiva = PrefiksPlana + "Desila se greška u čitanju zapisa u matricu iz "
                                                  "datoteke. Prekida se ažuriranje!";
        const QString nečitljivaStara = PrefiksPlana + "Desila se greška u čitanju zapisa u "
                                                       "matricu-STARI. Prekida se ažuriranje!";
        const QString nemaStare =
            "Ne postoji datoteka: %1 te nije moguće nastaviti sa ažuriranjem. "
            "Kontaktirajte Velkor!";
        // The new list's own read already showed a box: the plan's is the second.
        QTest::newRow("nova nečitljiva") << false << "A.exe;1;1;1;1;1;" << nečitljiva << nečitljiva
                                         << int(Ikona::Usklicnik) << 1;
        QTest::newRow("stara ne postoji")
            << true << QString() << nemaStare << "NapraviRsŠtoTrebaAžurirati " + nemaStare
            << int(Ikona::Informacija) << 0;
        QTest::newRow("stara nečitljiva") << true << "A.exe;1;1;1;1;" << nečitljivaStara
                                          << nečitljivaStara << int(Ikona::Usklicnik) << 0;
    }

    void neuspjesi() {
        QFETCH(bool, novaPostoji);
        QFETCH(QString, stara);
        QFETCH(QString, zadnjaGreška);
        QFETCH(QString, zadnjiLog);
        QFETCH(int, ikona);
        QFETCH(int, poruka);
        Instalacija i;
        if (novaPostoji)
            i.nova({"A.exe;1;1;2;1;1;"});
        if (!stara.isNull())
            i.stara({stara});
        i.o.zapiši(i.s.PutanjaUpdate + "Update.txt", {});
        i.o.prozor.plan = {{"prijašnji"}};
        i.s.UkupnoDownload = 4321;
        i.s.IzvještajRada = QStringLiteral("izvještaj");
        i.s.PopisGrešaka = QStringLiteral("greške");

        QVERIFY(!i.plan.NapraviRsŠtoTrebaAžurirati());

        zadnjaGreška.replace("%1", i.staraLista());
        zadnjiLog.replace("%1", i.staraLista());
        QCOMPARE(i.s.ZadnjaGreška, zadnjaGreška);
        QStringList log{PrefiksPlana + "početak", PrefiksPlana + "čitanje rs " + i.novaLista()};
        if (novaPostoji)
            log << PrefiksPlana + "čitanje rs " + i.staraLista();
        log << zadnjiLog;
        QCOMPARE(i.o.porukeLoga(), log);
        QCOMPARE(i.o.prozor.poruke.size(), poruka + 1);
        QCOMPARE(i.o.prozor.poruke[poruka].tekst, zadnjaGreška);
        QCOMPARE(int(i.o.prozor.poruke[poruka].ikona), ikona);
        QCOMPARE(i.o.prozor.poruke[poruka].gumbi, Gumbi::URedu);
        QCOMPARE(i.o.prozor.poruke[poruka].naslov, ZadaniNaslov);
        // What was shown and summed before stays.
        QCOMPARE(i.o.prozor.prikazaPlana, 0);
        QCOMPARE(i.o.prozor.plan, QList<QStringList>{{"prijašnji"}});
        QCOMPARE(i.s.UkupnoDownload, 4321);
        QCOMPARE(i.s.IzvještajRada, QStringLiteral("izvještaj"));
        QCOMPARE(i.s.PopisGrešaka, QStringLiteral("greške"));
        QVERIFY(QFile::exists(i.s.PutanjaUpdate + "Update.txt"));
        QVERIFY(i.planirani().isEmpty());
    }
};

VELKOR_TEST(TestPlan)
#include "tst_plan.moc"
