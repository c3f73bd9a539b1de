// The check for updates from end to end: the program wired as in main, the
// lists fetched from the local update server.
#include "base/Slucajevi.h"
#include "support/LokalniPosluzitelj.h"
#include "support/RegistarTestova.h"

using namespace velkor;
using namespace velkor::test;

namespace {

struct Provjera {
    Provjera() : poslužitelj(objava.path()) {
        QVERIFY(poslužitelj.Pokreni());
        o.platforma.okolina.insert("VELKOR_PRIMARNI_HOST", poslužitelj.Domaćin());
        o.platforma.okolina.insert("VELKOR_SEKUNDARNI_HOST", poslužitelj.DomaćinPoImenu());
        o.platforma.okolina.insert("VELKOR_CA_CERTS", LokalniPoslužitelj::PutanjaCa());
        o.zapiši(o.baza() + "Verzije.txt", "Program.exe;22;1;5;1000;2000;\r\n");
        o.zapiši(o.baza() + "Program.exe", "x");
        o.zapiši(objava.filePath("Verzije.txt"),
                 "Program.exe;22;1;6;1000;2000;\r\nNovi.dll;22;1;0;2500;10;\r\n");
        o.zapiši(objava.filePath("TeamViewerQS.exe"), "tv");
    }

    QTemporaryDir objava;
    Okruženje o;
    LokalniPoslužitelj poslužitelj;
};

} // namespace

class TestProvjeraVerzija : public QObject {
    Q_OBJECT

private slots:
    void izvorIPogon_data() {
        QTest::addColumn<int>("opcija");
        QTest::addColumn<bool>("https");
        QTest::newRow("primarni, https") << 2 << true;
        QTest::newRow("sekundarni, https") << 0 << true;
        QTest::newRow("primarni, http") << 2 << false;
        QTest::newRow("sekundarni, http") << 0 << false;
    }

    void izvorIPogon() {
        QFETCH(int, opcija);
        QFETCH(bool, https);
        Provjera p;
        p.o.spremiPostavku("Settings", "UpdateLok22N", QString::number(opcija));
        p.o.spremiPostavku("Settings", "KoristiChilkatZaDownload", https ? "True" : "False");
        p.o.aplikacija().Form_Load();
        const QString domaćin =
            opcija == 2 ? p.poslužitelj.Domaćin() : p.poslužitelj.DomaćinPoImenu();
        QStringList zahtjevi;
        for (const PrimljeniZahtjev& z : p.poslužitelj.zahtjevi)
            zahtjevi << QString::fromLatin1(z.domaćin + z.putanja) +
                            (z.šifrirano ? " https" : " http");
        const QString put = domaćin + "/download/Verzija22/";
        const QString šifra = https ? " https" : " http";
        QCOMPARE(zahtjevi,
                 (QStringList{put + "TeamViewerQS.exe" + šifra, put + "Verzije.txt" + šifra}));
        QVERIFY(!p.o.aplikacija().stanje().KrajPriAktiviranju);
        QVERIFY(p.o.prozor.poruke.isEmpty());
        QCOMPARE(p.o.prozor.plan.size(), 2);
        QCOMPARE(p.o.aplikacija().stanje().UkupnoDownload, 3500);
        QVERIFY(p.o.prozor.downloadOmogućen);
        QCOMPARE(p.o.pročitaj(p.o.baza() + "TeamViewerQS.exe"), QByteArray("tv"));
    }

    void popisNedostajeZavrsavaStart() {
        Provjera p;
        p.poslužitelj.PostaviPonašanje("Verzije.txt", LokalniPoslužitelj::Ponašanje::NijePronadeno);
        p.o.prozor.downloadOmogućen = false;
        p.o.aplikacija().Form_Load();
        QVERIFY(p.o.aplikacija().stanje().KrajPriAktiviranju);
        QCOMPARE(Poruke(p.o.prozor),
                 QStringList{"Usklicnik: Nije moguće učitati kontrolnu datoteku sa interneta! "
                             "Provjerite vezu sa internetom i pokušajte ponovno! Prekida se "
                             "ažuriranje!"});
        QVERIFY(!p.o.prozor.downloadOmogućen);
        QCOMPARE(p.o.prozor.prikazaPlana, 0);
        QVERIFY(!QFile::exists(p.o.update() + "Verzije.txt"));
    }
};

VELKOR_TEST(TestProvjeraVerzija)
#include "tst_provjera.moc"
