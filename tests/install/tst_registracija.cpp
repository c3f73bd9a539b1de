#include "Alat.h"
#include "install/Registracija.h"
#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include <QDir>
#include <QTest>

using namespace velkor;
using namespace velkor::test;

class TestRegistracija : public QObject {
    Q_OBJECT

private slots:
    void naredba_data() {
        QTest::addColumn<bool>("registriraj");
        QTest::addColumn<QString>("poddirektorija");
        QTest::addColumn<QString>("ime");
        QTest::addColumn<bool>("alatNaPutu");
        QTest::addColumn<QString>("naredba");
        QTest::addColumn<QString>("argumenti");
        QTest::newRow("registracija") << true << ""
                                      << "Komp.ocx" << true << "RegSvr32.exe \"{dir}Komp.ocx\" /s"
                                      << "{dir}Komp.ocx\n/s\n\n";
        QTest::newRow("deregistracija, razmaci ostaju u jednom argumentu")
            << false << "Velkor software"
            << "Ispis obrazaca.dll" << true << "RegSvr32.exe \"{dir}Ispis obrazaca.dll\" /u /s"
            << "{dir}Ispis obrazaca.dll\n/u\n/s\n\n";
        QTest::newRow("nema alata") << true << ""
                                    << "Komp.ocx" << false << "RegSvr32.exe \"{dir}Komp.ocx\" /s"
                                    << "";
    }

    void naredba() {
        QFETCH(bool, registriraj);
        QFETCH(QString, poddirektorija);
        QFETCH(QString, ime);
        QFETCH(bool, alatNaPutu);
        QFETCH(QString, naredba);
        QFETCH(QString, argumenti);
        Okruženje o;
        ZamjenskiAlat alat(alatNaPutu);
        const QString dir =
            o.baza() + (poddirektorija.isEmpty() ? "" : poddirektorija + QDir::separator());
        naredba.replace("{dir}", dir);
        velkor::Registracija r(o.platforma, o.aplikacija().dnevnik());

        QCOMPARE(registriraj ? r.Registriraj(dir, ime) : r.Deregistriraj(dir, ime), alatNaPutu);
        const QString ishod = alatNaPutu ? " Uspješno" : " Neuspješno";
        QCOMPARE(o.porukeLoga(), QStringList({naredba, naredba + ishod}));
        QCOMPARE(o.platforma.naredbe, QStringList{naredba});
        // The tool runs on its own: its record is awaited, not slept for.
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromUtf8(alat.zapisano()),
                                  argumenti.replace("{dir}", dir), 10000);
    }
};

VELKOR_TEST(TestRegistracija)
#include "tst_registracija.moc"
