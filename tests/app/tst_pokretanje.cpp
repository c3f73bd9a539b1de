#include "support/Okruzje.h"
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

#include <QDir>

using namespace velkor;
using namespace velkor::test;

class TestPokretanje : public QObject {
    Q_OBJECT

private slots:
    void direktorije_data() { DodajSlučajeve(QFINDTESTDATA("data/direktorije.txt")); }

    void direktorije() {
        QFETCH(Slučaj, slucaj);
        Okruženje o(slucaj.jedno("update").isEmpty());
        if (slucaj.jedno("update").isEmpty())
            o.zapiši(o.update() + "stari.7z", "x");
        if (slucaj.jedno("update") == "kvar")
            o.datoteke.Pokvari(NeispravneDatoteke::Operacija::NapraviDirektoriju, o.update(),
                               {70, QStringLiteral("Dozvola odbijena")});
        o.platforma.imeRačunala = slucaj.jedno("racunalo", "RACUNALO");
        o.platforma.okolina.insert("WinDir", slucaj.jedno("windir"));
        Stanje& s = o.aplikacija().stanje();

        QCOMPARE(o.aplikacija().radneDirektorije().PostaviRadneDirektorije(),
                 !slucaj.polja.contains("poruka"));

        QCOMPARE(QStringList({s.PutanjaPrograma, s.PutanjaUpdate, s.PutanjaUpdateBackup,
                              s.PutanjaSkripti, s.PutanjaHelp})
                     .join('|'),
                 QDir::toNativeSeparators(Zamijeni(slucaj.sve("direktorije"), o)[0]));
        QCOMPARE(Poruke(o.prozor), slucaj.sve("poruka"));
        QCOMPARE(QFile::exists(o.update() + "stari.7z"), slucaj.jedno("update").isEmpty());
        QCOMPARE(QDir(o.update()).exists(), slucaj.jedno("update") != "kvar");
        QVERIFY(!QFile::exists(o.putanjaLoga()));
    }

    // At most 255 characters; empty when unknown.
    void imena() {
        Okruženje o;
        RadneDirektorije& r = o.aplikacija().radneDirektorije();
        o.platforma.imeRačunala = QString(300, QLatin1Char('A'));
        QCOMPARE(r.ImeRačunala(), QString(255, QLatin1Char('A')));
        o.platforma.imeRačunala.reset();
        o.platforma.imeKorisnika.reset();
        QCOMPARE(r.ImeRačunala() + r.ImeKorisnika(), QString());
    }

    // The window first, then the probe's warning, then the check; a probe left
    // behind, read-only, goes. The operator's name ends at a NUL, in capitals.
    void start_data() {
        QTest::addColumn<bool>("bezPrava");
        QTest::newRow("s pravima") << false;
        QTest::newRow("bez prava na direktoriju") << true;
    }

    void start() {
        QFETCH(bool, bezPrava);
        Okruženje o;
        o.platforma.imeKorisnika = QStringLiteral("marko") + QChar(0) + QStringLiteral("smeće");
        o.spremiPostavku("Settings", "BojaIntegratora", "255");
        QDir(o.baza()).mkpath(QStringLiteral("UpdateADM/pod"));
        o.zapiši(o.baza() + "UpdateADM/a.txt", QStringLiteral("a"));
        QFile::setPermissions(o.baza() + "UpdateADM/a.txt", QFileDevice::ReadOwner);
        if (bezPrava)
            o.datoteke.Pokvari(NeispravneDatoteke::Operacija::NapraviDirektoriju,
                               o.baza() + "UpdateADM", {70, QStringLiteral("Dozvola odbijena")});
        QStringList prije;
        o.aplikacija().pokretanje().Form_Load([&] {
            prije = Poruke(o.prozor) << o.prozor.naslov << QString::number(o.prozor.boja)
                                     << QString::number(o.prozor.kartica);
            return true;
        });
        QStringList upozorenje{
            "Kriticno Velkor: Prijavljeni operater: MARKO izgleda nema administratorska prava za "
            "instalaciju programa.\r\nProces automatskog ažuriranja novih verzija možda neće "
            "biti ispravan, ali ipak pokušajte!"};
        QCOMPARE(prije, (bezPrava ? upozorenje : QStringList())
                            << "Velkor Live Update - Automatsko ažuriranje Velk-or programa V22.1.1"
                            << "255"
                            << "0");
        QVERIFY(!QFileInfo::exists(o.baza() + "UpdateADM"));
        o.aplikacija().Form_Activate();
        QCOMPARE(o.prozor.završetaka, 0);
    }
};

VELKOR_TEST(TestPokretanje)
#include "tst_pokretanje.moc"
