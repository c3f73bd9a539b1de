#include "support/RegistarTestova.h"

#include "app/Stanje.h"
#include "catalogue/ZapisVerzije.h"

#include <QTest>

using namespace velkor;

class TestZapisVerzije : public QObject {
    Q_OBJECT

private slots:
    void brojPolja_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<double>("broj");
        QTest::newRow("22") << "22" << 22.0;
        QTest::newRow("10a") << "10a" << 10.0;
        QTest::newRow("prazno") << "" << 0.0;
        QTest::newRow("x") << "x" << 0.0;
        QTest::newRow("22.5") << "22.5" << 22.5;
        QTest::newRow("decimalna točka pa slovo") << "3.25b" << 3.25;
        QTest::newRow("zarez nije decimalni znak") << "3,5" << 3.0;
        QTest::newRow("druga točka prekida") << "1.2.3" << 1.2;
        QTest::newRow("razmaci ispred") << "  \t7" << 7.0;
        QTest::newRow("razmak iza") << "7 " << 7.0;
        QTest::newRow("minus") << "-5" << -5.0;
        QTest::newRow("plus") << "+5" << 5.0;
        QTest::newRow("samo minus") << "-" << 0.0;
        QTest::newRow("samo točka") << "." << 0.0;
        QTest::newRow("točka na početku") << ".5" << 0.5;
        QTest::newRow("točka na kraju") << "22." << 22.0;
        QTest::newRow("bez eksponenta") << "1e3" << 1.0;
        QTest::newRow("vodeće nule") << "007" << 7.0;
    }

    void brojPolja() {
        QFETCH(QString, tekst);
        QFETCH(double, broj);
        QCOMPARE(BrojPolja(tekst), broj);
    }

    void najblizeCijeli32_data() {
        QTest::addColumn<double>("broj");
        QTest::addColumn<bool>("stane");
        QTest::addColumn<int>("cijeli");
        QTest::newRow("22.5 na paran") << 22.5 << true << 22;
        QTest::newRow("23.5 na paran") << 23.5 << true << 24;
        QTest::newRow("22.6") << 22.6 << true << 23;
        QTest::newRow("-5") << -5.0 << true << -5;
        QTest::newRow("najveći") << 2147483647.0 << true << 2147483647;
        QTest::newRow("najveći + 0.4") << 2147483647.4 << true << 2147483647;
        QTest::newRow("preko") << 2147483648.0 << false << 0;
        QTest::newRow("najmanji") << -2147483648.0 << true << int(-2147483647 - 1);
        QTest::newRow("ispod") << -2147483649.0 << false << 0;
    }

    void najblizeCijeli32() {
        QFETCH(double, broj);
        QFETCH(bool, stane);
        QFETCH(int, cijeli);
        const std::optional<qint32> rezultat = NajbližiCijeli32(broj);
        QCOMPARE(rezultat.has_value(), stane);
        if (stane)
            QCOMPARE(*rezultat, cijeli);
    }

    void zapisIzMatrice() {
        Matrica m;
        m(3, 0) = QStringLiteral("Program.exe");
        m(3, 1) = QStringLiteral("22");
        m(3, 2) = QStringLiteral("1");
        m(3, 3) = QStringLiteral("10");
        m(3, 4) = QStringLiteral("1000.5");
        m(3, 5) = QStringLiteral("99999999999");
        const ZapisVerzije z(m, 3);
        QCOMPARE(z.Ime(), QStringLiteral("Program.exe"));
        QCOMPARE(z.Ver_Gl(), 22.0);
        QCOMPARE(z.Ver_Pom(), 1.0);
        QCOMPARE(z.Ver_Rev(), 10.0);
        QCOMPARE(z.VeličinaDownload(), std::optional<qint32>(1000));
        QCOMPARE(z.StvarnaVeličina(), std::optional<qint32>());
        // An integer cell reads as its digits.
        m(3, 4) = qint16(-12);
        QCOMPARE(z.VeličinaDownload(), std::optional<qint32>(-12));
    }

    void planiran_data() {
        QTest::addColumn<QString>("ime");
        QTest::addColumn<int>("oznaka");
        QTest::addColumn<bool>("planiran");
        QTest::newRow("ime i 1") << "A.exe" << 1 << true;
        QTest::newRow("ime i 0") << "A.exe" << 0 << false;
        QTest::newRow("ime i 2") << "A.exe" << 2 << false;
        QTest::newRow("bez imena") << "" << 1 << false;
    }

    void planiran() {
        QFETCH(QString, ime);
        QFETCH(int, oznaka);
        QFETCH(bool, planiran);
        Matrica m;
        m(5, Stupac::Ime) = ime;
        m(5, Stupac::OznakaAžuriranja) = qint16(oznaka);
        QCOMPARE(ZapisVerzije(m, 5).Planiran(), planiran);
    }

    void vrstaIMjesto_data() {
        QTest::addColumn<QString>("ime");
        QTest::addColumn<int>("vrsta");
        QTest::addColumn<QString>("direktorija");
        QTest::newRow("program") << "Program.exe" << int(VrstaStavke::Program) << "/baza/";
        QTest::newRow("komponenta") << "Komp.dll" << int(VrstaStavke::Komponenta) << "/baza/";
        QTest::newRow("kontrola") << "Grid.ocx" << int(VrstaStavke::Kontrola) << "/baza/";
        QTest::newRow("skripta") << "Skripta.enc" << int(VrstaStavke::Skripta) << "/skripte/";
        QTest::newRow("pomoć") << "Pomoc.chm" << int(VrstaStavke::Pomoć) << "/help/";
        QTest::newRow("CHM nije pomoć") << "Pomoc.CHM" << int(VrstaStavke::Ostalo) << "/baza/";
        QTest::newRow("EXE nije program") << "Program.EXE" << int(VrstaStavke::Ostalo) << "/baza/";
        QTest::newRow("ostalo") << "Izvjestaj.rpt" << int(VrstaStavke::Ostalo) << "/baza/";
        QTest::newRow("kraće od tri") << "nc" << int(VrstaStavke::Ostalo) << "/baza/";
    }

    void vrstaIMjesto() {
        QFETCH(QString, ime);
        QFETCH(int, vrsta);
        QFETCH(QString, direktorija);
        Stanje stanje;
        stanje.PutanjaPrograma = QStringLiteral("/baza/");
        stanje.PutanjaSkripti = QStringLiteral("/skripte/");
        stanje.PutanjaHelp = QStringLiteral("/help/");
        stanje.PutanjaUpdate = QStringLiteral("/update/");
        QCOMPARE(int(Vrsta(ime)), vrsta);
        QCOMPARE(DirektorijaStavke(stanje, ime), direktorija);
    }

    void neispravnoIme_data() {
        QTest::addColumn<QString>("ime");
        QTest::addColumn<bool>("neispravno");
        QTest::newRow("izlaz kosim crtama") << "..\\..\\x.exe" << true;
        QTest::newRow("izlaz crtama") << "../x.exe" << true;
        QTest::newRow("pogon") << "C:\\x.exe" << true;
        QTest::newRow("apsolutna") << "/x.exe" << true;
        QTest::newRow("poddirektorija") << "dir/x.exe" << true;
        QTest::newRow("dvotočka") << "x.exe:tok" << true;
        QTest::newRow("točka") << "." << true;
        QTest::newRow("dvije točke") << ".." << true;
        QTest::newRow("program") << "Program.exe" << false;
        QTest::newRow("točke u imenu") << "..x.exe" << false;
        QTest::newRow("hrvatska slova") << "Čađa.enc" << false;
        QTest::newRow("razmak") << "Moj program.exe" << false;
    }

    void neispravnoIme() {
        QFETCH(QString, ime);
        QFETCH(bool, neispravno);
        QCOMPARE(NeispravnoIme(ime), neispravno);
    }
};

VELKOR_TEST(TestZapisVerzije)
#include "tst_zapisverzije.moc"
