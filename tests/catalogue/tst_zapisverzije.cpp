#include "support/RegistarTestova.h"

#include "base/Stanje.h"
#include "catalogue/ZapisVerzije.h"

#include <QTest>

using namespace velkor;

// How a record's numbers read and where its item lives; the comparison that
// uses them is the plan's test.
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
        QTest::newRow("zarez nije decimalni znak") << "3,5" << 3.0;
        QTest::newRow("druga točka prekida") << "1.2.3" << 1.2;
        QTest::newRow("razmaci ispred") << "  \t7" << 7.0;
        QTest::newRow("minus") << "-5" << -5.0;
        QTest::newRow("točka na početku") << ".5" << 0.5;
        QTest::newRow("bez eksponenta") << "1e3" << 1.0;
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

    // The plan's tests place their files with this, so it is pinned here.
    void direktorijaStavke_data() {
        QTest::addColumn<QString>("ime");
        QTest::addColumn<QString>("direktorija");
        QTest::newRow("program") << "Program.exe"
                                 << "/baza/";
        QTest::newRow("kontrola") << "Grid.ocx"
                                  << "/baza/";
        QTest::newRow("skripta") << "Skripta.enc"
                                 << "/skripte/";
        QTest::newRow("pomoć") << "Pomoc.chm"
                               << "/help/";
        QTest::newRow("CHM nije pomoć") << "Pomoc.CHM"
                                        << "/baza/";
        QTest::newRow("kraće od tri") << "nc"
                                      << "/baza/";
    }

    void direktorijaStavke() {
        QFETCH(QString, ime);
        QFETCH(QString, direktorija);
        Stanje stanje;
        stanje.PutanjaPrograma = QStringLiteral("/baza/");
        stanje.PutanjaSkripti = QStringLiteral("/skripte/");
        stanje.PutanjaHelp = QStringLiteral("/help/");
        stanje.PutanjaUpdate = QStringLiteral("/update/");
        QCOMPARE(DirektorijaStavke(stanje, ime), direktorija);
    }

    void neispravnoIme_data() {
        QTest::addColumn<QString>("ime");
        QTest::addColumn<bool>("neispravno");
        QTest::newRow("izlaz kosim crtama") << "..\\..\\x.exe" << true;
        QTest::newRow("izlaz crtama") << "../x.exe" << true;
        QTest::newRow("pogon") << "C:\\x.exe" << true;
        QTest::newRow("apsolutna") << "/x.exe" << true;
        QTest::newRow("dvotočka") << "x.exe:tok" << true;
        QTest::newRow("točka") << "." << true;
        QTest::newRow("dvije točke") << ".." << true;
        QTest::newRow("program") << "Program.exe" << false;
        QTest::newRow("točke u imenu") << "..x.exe" << false;
        QTest::newRow("hrvatska slova i razmak") << "Čađa i sol.enc" << false;
    }

    void neispravnoIme() {
        QFETCH(QString, ime);
        QFETCH(bool, neispravno);
        QCOMPARE(NeispravnoIme(ime), neispravno);
    }
};

VELKOR_TEST(TestZapisVerzije)
#include "tst_zapisverzije.moc"
