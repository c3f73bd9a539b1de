#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace velkor;
using namespace velkor::test;

namespace {
const QString KrajPrograma =
    QStringLiteral("*************************** KRAJ PROGRAMA **********************************");
const QChar R = QDir::separator();
} // namespace

class TestPokretanje : public QObject {
    Q_OBJECT

private slots:
    void naslov() {
        QCOMPARE(
            Pokretanje::Naslov(),
            QStringLiteral("Velkor Live Update - Automatsko ažuriranje Velk-or programa V22.1.1"));
    }

    void putanjeIzDirektorijeBezRazdjelnika() {
        Okruženje o;
        QVERIFY(!o.okolina().aplikacijskaDirektorija.endsWith(R));
        Stanje& s = o.aplikacija().stanje();
        QVERIFY(o.aplikacija().radneDirektorije().PostaviRadneDirektorije());
        QCOMPARE(s.PutanjaPrograma, o.baza());
        QCOMPARE(s.PutanjaUpdate, o.baza() + "Update" + R);
        QCOMPARE(s.PutanjaUpdateBackup, o.baza() + "UpdateBackup" + R);
        QCOMPARE(s.PutanjaSkripti, o.baza() + "Skrite za izmjenu baze" + R);
        QCOMPARE(s.PutanjaHelp, o.baza() + "Help" + R);
    }

    void helpIzWinDir() {
        Okruženje o;
        o.platforma.okolina.insert(QStringLiteral("WinDir"), QStringLiteral("C:\\Windows"));
        o.aplikacija().radneDirektorije().PostaviRadneDirektorije();
        QCOMPARE(o.aplikacija().stanje().PutanjaHelp,
                 QStringLiteral("C:\\Windows") + R + "Help" + R);
    }

    void racunaloVudivevoz_data() {
        QTest::addColumn<QString>("ime");
        QTest::addColumn<bool>("stalnaPutanja");
        QTest::newRow("točno") << "VUDIVEVOZ" << true;
        QTest::newRow("mala slova") << "vudivevoz" << false;
        QTest::newRow("miješana") << "VudiVevoz" << false;
        QTest::newRow("dulje") << "VUDIVEVOZ2" << false;
        QTest::newRow("s razmakom") << "VUDIVEVOZ " << false;
    }

    void racunaloVudivevoz() {
        QFETCH(QString, ime);
        QFETCH(bool, stalnaPutanja);
        Okruženje o;
        o.platforma.imeRačunala = ime;
        o.aplikacija().radneDirektorije().PostaviRadneDirektorije();
        const QString stalna =
            QDir::toNativeSeparators("D:/Velkor software/Velkor knjigovodstvo V22/");
        QCOMPARE(o.aplikacija().stanje().PutanjaPrograma, stalnaPutanja ? stalna : o.baza());
        QCOMPARE(o.aplikacija().stanje().PutanjaUpdate,
                 (stalnaPutanja ? stalna : o.baza()) + "Update" + R);
    }

    void imeRacunalaINeuspjeh() {
        Okruženje o;
        o.platforma.imeRačunala = QString(300, QLatin1Char('A'));
        QCOMPARE(o.aplikacija().radneDirektorije().ImeRačunala().size(), 255);
        o.platforma.imeRačunala.reset();
        QCOMPARE(o.aplikacija().radneDirektorije().ImeRačunala(), QString());
    }

    void imeKorisnika() {
        Okruženje o;
        o.platforma.imeKorisnika = QStringLiteral("ivan.č") + QChar(0) + QStringLiteral("smeće");
        QCOMPARE(o.aplikacija().radneDirektorije().ImeKorisnika(), QStringLiteral("IVAN.Č"));
        o.platforma.imeKorisnika.reset();
        QCOMPARE(o.aplikacija().radneDirektorije().ImeKorisnika(), QString());
    }

    void postojeciUpdateOstaje() {
        Okruženje o;
        o.zapiši(o.update() + "stari.7z", QStringLiteral("x"));
        QVERIFY(o.aplikacija().radneDirektorije().PostaviRadneDirektorije());
        QVERIFY(QFile::exists(o.update() + "stari.7z"));
        QVERIFY(o.prozor.poruke.isEmpty());
    }

    void updateSeStvara() {
        Okruženje o(false);
        QVERIFY(o.aplikacija().radneDirektorije().PostaviRadneDirektorije());
        QVERIFY(QDir(o.update()).exists());
    }

    void updateSeNeMozeStvoriti() {
        Okruženje o(false);
        o.datoteke.Pokvari(NeispravneDatoteke::Operacija::NapraviDirektoriju, o.update(),
                           {70, QStringLiteral("Dozvola odbijena")});
        QVERIFY(!o.aplikacija().radneDirektorije().PostaviRadneDirektorije());
        QCOMPARE(o.prozor.poruke.size(), 1);
        QCOMPARE(o.prozor.poruke[0].tekst,
                 QStringLiteral("Nastala je greška u kreiranju Update direktorije!\r\n"
                                "Program za automatsko ažuriranje novih programa mora prestati sa "
                                "radom.\r\nVjerojatno nemate administratorska prava ili je UAC "
                                "uključen."));
        QCOMPARE(o.prozor.poruke[0].ikona, Ikona::Usklicnik);
        QCOMPARE(o.prozor.poruke[0].naslov, QStringLiteral("VelkorZideZizodu22"));
        QVERIFY(!QFile::exists(o.putanjaLoga()));
    }

    void zaostaliUpdateAdmSeBrise() {
        Okruženje o;
        QDir(o.baza()).mkpath(QStringLiteral("UpdateADM/pod"));
        o.zapiši(o.baza() + "UpdateADM" + R + "a.txt", QStringLiteral("a"));
        QFile::setPermissions(o.baza() + "UpdateADM" + R + "a.txt", QFileDevice::ReadOwner);
        QVERIFY(o.aplikacija().pokretanje().ProvjeriPravaAdministratora());
        QVERIFY(!QFileInfo::exists(o.baza() + "UpdateADM"));
        QVERIFY(o.datoteke.pozivi.contains("NapraviDirektoriju " + o.baza() + "UpdateADM"));
        QCOMPARE(o.aplikacija().stanje().PutanjaPrograma, o.baza());
    }

    void startBezProbnogDirektorijaUpozorava() {
        Okruženje o;
        o.platforma.imeKorisnika = QStringLiteral("marko");
        o.datoteke.Pokvari(NeispravneDatoteke::Operacija::NapraviDirektoriju,
                           o.baza() + "UpdateADM", {70, QStringLiteral("Dozvola odbijena")});
        bool pripremljeno = false;
        o.aplikacija().pokretanje().Form_Load([&] { return pripremljeno = true; });
        QVERIFY(pripremljeno);
        QCOMPARE(o.prozor.poruke.size(), 1);
        QCOMPARE(
            o.prozor.poruke[0].tekst,
            QStringLiteral("Prijavljeni operater: MARKO izgleda nema administratorska prava za "
                           "instalaciju programa.\r\nProces automatskog ažuriranja novih "
                           "verzija možda neće biti ispravan, ali ipak pokušajte!"));
        QCOMPARE(o.prozor.poruke[0].ikona, Ikona::Kriticno);
        QCOMPARE(o.prozor.poruke[0].naslov, QStringLiteral("Velkor"));
    }

    void startPostavljaProzor() {
        Okruženje o;
        o.aplikacija().pokretanje().Form_Load([] { return true; });
        QCOMPARE(o.prozor.naslov, Pokretanje::Naslov());
        QCOMPARE(o.prozor.kartica, 0);
        QCOMPARE(o.prozor.boja, quint32(14277323));
        QVERIFY(o.prozor.poruke.isEmpty());
        QVERIFY(!o.aplikacija().stanje().KrajPriAktiviranju);
        o.aplikacija().Form_Activate();
        QCOMPARE(o.prozor.završetaka, 0);
    }

    void boja_data() {
        QTest::addColumn<QString>("spremljeno");
        QTest::addColumn<quint32>("boja");
        QTest::newRow("broj") << "255" << quint32(255);
        QTest::newRow("s razmacima") << " 65280 " << quint32(65280);
        QTest::newRow("tekst") << "plava" << quint32(14277323);
        QTest::newRow("prazno") << "" << quint32(14277323);
        QTest::newRow("decimalni") << "1.5" << quint32(14277323);
    }

    void boja() {
        QFETCH(QString, spremljeno);
        QFETCH(quint32, boja);
        Okruženje o;
        o.spremiPostavku("Settings", "BojaIntegratora", spremljeno);
        o.aplikacija().pokretanje().Form_Load([] { return true; });
        QCOMPARE(o.prozor.boja, boja);
    }

    void izlazBezZapisaZatvaranjeJedan() {
        Okruženje o;
        o.aplikacija().cmdIzlaz_Click();
        QCOMPARE(o.prozor.završetaka, 1);
        QVERIFY(!QFile::exists(o.putanjaLoga()));
        o.aplikacija().Form_Unload();
        QCOMPARE(o.porukeLoga(), QStringList{KrajPrograma});
        QCOMPARE(KrajPrograma.count(QLatin1Char('*')), 27 + 34);
    }
};

VELKOR_TEST(TestPokretanje)
#include "tst_pokretanje.moc"
