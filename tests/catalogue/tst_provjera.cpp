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
    // Start-up puts the stored source and engine into force before it checks:
    // here the secondary host over http.
    void start() {
        Provjera p;
        p.o.spremiPostavku("Settings", "UpdateLok22N", "0");
        p.o.spremiPostavku("Settings", "KoristiChilkatZaDownload", "False");
        p.o.aplikacija().Form_Load();
        QStringList zahtjevi;
        for (const PrimljeniZahtjev& z : p.poslužitelj.zahtjevi)
            zahtjevi << QString::fromLatin1(z.domaćin + z.putanja) + (z.šifrirano ? " https" : "");
        const QString put = p.poslužitelj.DomaćinPoImenu() + "/download/Verzija22/";
        QCOMPARE(zahtjevi, (QStringList{put + "TeamViewerQS.exe", put + "Verzije.txt"}));
        QVERIFY(!p.o.aplikacija().stanje().KrajPriAktiviranju);
        QVERIFY(p.o.prozor.poruke.isEmpty());
        QCOMPARE(p.o.prozor.plan.size(), 2);
        QCOMPARE(p.o.aplikacija().stanje().UkupnoDownload, 3500);
        QVERIFY(p.o.prozor.downloadOmogućen);
        QCOMPARE(p.o.pročitaj(p.o.baza() + "TeamViewerQS.exe"), QByteArray("tv"));
    }
};

VELKOR_TEST(TestProvjeraVerzija)
#include "tst_provjera.moc"
