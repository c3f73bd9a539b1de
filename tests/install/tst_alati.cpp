#include "install/DetekcijaPrograma.h"
#include "install/Povrat.h"
#include "install/Registracija.h"
#include "support/Instalacija.h"
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

#include <QDir>
#include <QProcess>
#include <list>

using namespace velkor;
using namespace velkor::test;

// Detection on an X server of the test's own, its windows shown by other programs,
// and with the fake lookup; the rollback with the registration tool's stand-in
// from tools/ (or none) on PATH.
class TestInstalacijskiAlati : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        xvfb.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-noreset"});
        QVERIFY2(xvfb.waitForStarted(10000), "Xvfb (tools/pripremi.sh)");
        // Its display's number, written once it takes connections.
        xvfb.waitForReadyRead(10000);
        zaslon = ":" + xvfb.readAllStandardOutput().trimmed();
        qputenv("DISPLAY", zaslon);
    }
    void cleanupTestCase() {
        xvfb.terminate();
        xvfb.waitForFinished();
    }
    // The server drops a client's windows before xkill returns: the next case sees none.
    void cleanup() {
        qputenv("DISPLAY", zaslon);
        for (qsizetype i = 0; i < prozori.size(); i += 2)
            QProcess::execute("xkill", {"-id", prozori[i]});
        for (QProcess& p : xev)
            p.waitForFinished(); // it ends on losing its connection
        prozori.clear();
        xev.clear();
    }

    void x_data() { DodajSlučajeve(QFINDTESTDATA("data/x.txt")); }
    void x() {
        QFETCH(Slučaj, slucaj);
        for (const QString& ime : slucaj.sve("prozor"))
            QVERIFY2(prikaži(ime), "xev (tools/pripremi.sh)");
        for (QString naredba : slucaj.sve("xprop")) {
            for (qsizetype i = 0; i < prozori.size(); ++i)
                naredba.replace('%' + QString::number(i), prozori[i]);
            naredba.replace("{pid}", QString::number(QCoreApplication::applicationPid()));
            QCOMPARE(QProcess::execute("xprop", QProcess::splitCommand(naredba)), 0);
        }
        qputenv("DISPLAY", slucaj.jedno("zaslon") == "ne" ? "" : zaslon);
        const auto platforma = NapraviPlatformu();
        QCOMPARE(platforma->JeMinimiziran(platforma->NađiProzor(slucaj.jedno("naslov"))),
                 slucaj.jedno("minimiziran") == "da");
        Instalacija o;
        const QString popis =
            DetekcijaPrograma(*platforma, o.prozor, o.dnevnik).NađiPokrenutePrograme();
        QCOMPARE(popis, slucaj.jedno("popis"));
    }

    // The boxes are answered from the case: D (Da), N (Ne).
    void dijalog_data() { DodajSlučajeve(QFINDTESTDATA("data/dijalog.txt")); }
    void dijalog() {
        QFETCH(Slučaj, slucaj);
        Instalacija o;
        for (const QString& naslov : slucaj.sve("otvoren"))
            o.platforma.prozori.insert(naslov, slucaj.sve("minimiziran").contains(naslov));
        for (QChar z : slucaj.jedno("odgovori"))
            o.prozor.odgovori << (z == 'D' ? Odgovor::Da : Odgovor::Ne);
        DetekcijaPrograma d(o.platforma, o.prozor, o.dnevnik);
        QCOMPARE(d.DijalogPokrenutihPrograma(), slucaj.jedno("rezultat") == "da");
        QCOMPARE(Poruke(o.prozor), slucaj.sve("poruka"));
        QCOMPARE(o.porukeLoga(), slucaj.sve("log"));
        QCOMPARE(o.platforma.radnjeSProzorima, slucaj.sve("radnja"));
    }

    void povrat_data() { DodajSlučajeve(QFINDTESTDATA("data/povrat.txt")); }
    void povrat() {
        QFETCH(Slučaj, slucaj);
        Instalacija o;
        QTemporaryDir zapis;
        const QByteArray put = qgetenv("PATH");
        const QString alati = QFileInfo(QFINDTESTDATA("../../tools/RegSvr32.exe")).path();
        qputenv("PATH", QFile::encodeName(slucaj.jedno("alat") == "ne" ? zapis.path() : alati));
        qputenv("VELKOR_REGSVR32_ZAPIS", QFile::encodeName(zapis.filePath("z")));
        Stanje& st = o.stanje;
        RadneDirektorije(o.baza() + "Velkor software", st, o.prozor, o.datoteke, o.platforma)
            .PostaviPutanje();
        for (const QString& d : {st.PutanjaUpdateBackup, st.PutanjaSkripti, st.PutanjaHelp})
            QDir().mkpath(d);
        for (const QString& ime : slucaj.sve("backup"))
            o.zapiši(st.PutanjaUpdateBackup + ime, ime);
        for (const QString& ime : slucaj.sve("nova"))
            o.zapiši(st.PutanjaPrograma + ime, "novo");
        for (const QString& k : slucaj.sve("kvar"))
            o.datoteke.Pokvari(NeispravneDatoteke::Operacija::Kopiraj, st.PutanjaPrograma + k,
                               {70, "Dozvola odbijena"});
        velkor::Registracija registracija(o.platforma, o.dnevnik);

        Povrat(st, o.prozor, o.prozor, o.datoteke, o.dnevnik, registracija)
            .PokušajVratitiSveNaPočetak();
        qputenv("PATH", put);
        QCOMPARE(o.porukeLoga(), Zamijeni(slucaj.sve("log"), o));
        QCOMPARE(Poruke(o.prozor), slucaj.sve("poruka"));
        QCOMPARE(o.datoteke.pozivi.filter("Kopiraj "), Zamijeni(slucaj.sve("kopija"), o));
        QCOMPARE(QString::fromUtf8(o.pročitaj(zapis.filePath("z"))),
                 Zamijeni(slucaj.sve("zapis"), o).join(QString()));
    }

private:
    // xev's window of that name, with one inside it as a window manager frames a
    // program's; it prints their ids once both are on the server.
    bool prikaži(const QString& ime) {
        QProcess& p = xev.emplace_back();
        p.start("xev", {"-name", ime});
        p.waitForReadyRead(10000);
        // "Outer window is 0x..., inner window is 0x..."
        const QStringList r = QString::fromLatin1(p.readLine()).simplified().remove(',').split(' ');
        prozori << r.value(3) << r.value(7);
        return r.size() == 8;
    }

    QProcess xvfb;
    QByteArray zaslon;
    std::list<QProcess> xev;
    // The windows' ids: xev's outer and inner window in turn.
    QStringList prozori;
};

VELKOR_TEST(TestInstalacijskiAlati)
#include "tst_alati.moc"
