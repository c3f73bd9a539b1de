// The check for updates from end to end: the program wired as in main, the
// lists fetched from the local update server.
#include "support/LokalniPosluzitelj.h"
#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include <QDir>
#include <QFile>
#include <QTest>

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
        objavi("Verzije.txt", "Program.exe;22;1;6;1000;2000;\r\nNovi.dll;22;1;0;2500;10;\r\n");
        objavi("TeamViewerQS.exe", "tv");
    }

    void objavi(const QString& ime, const QString& sadržaj) {
        o.zapiši(objava.path() + QLatin1Char('/') + ime, sadržaj);
    }

    QStringList domaćini() const {
        QStringList d;
        for (const PrimljeniZahtjev& z : poslužitelj.zahtjevi)
            d << QString::fromLatin1(z.domaćin) + QString::fromLatin1(z.putanja);
        return d;
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
        QVERIFY(!p.o.aplikacija().stanje().KrajPriAktiviranju);
        const QString domaćin =
            opcija == 2 ? p.poslužitelj.Domaćin() : p.poslužitelj.DomaćinPoImenu();
        QCOMPARE(p.domaćini(), (QStringList{domaćin + "/download/Verzija22/TeamViewerQS.exe",
                                            domaćin + "/download/Verzija22/Verzije.txt"}));
        for (const PrimljeniZahtjev& z : p.poslužitelj.zahtjevi)
            QCOMPARE(z.šifrirano, https);
        QVERIFY(p.o.prozor.poruke.isEmpty());
        QCOMPARE(p.o.prozor.plan.size(), 2);
        QCOMPARE(p.o.aplikacija().stanje().UkupnoDownload, 3500);
        QVERIFY(p.o.prozor.downloadOmogućen);
        QVERIFY(QFile::exists(p.o.baza() + "TeamViewerQS.exe"));
    }

    void popisNedostajeZavrsavaStart() {
        Provjera p;
        p.poslužitelj.PostaviPonašanje("Verzije.txt", LokalniPoslužitelj::Ponašanje::NijePronadeno);
        p.o.prozor.downloadOmogućen = false;
        p.o.aplikacija().Form_Load();
        QVERIFY(p.o.aplikacija().stanje().KrajPriAktiviranju);
        QCOMPARE(p.o.prozor.poruke.size(), 1);
        QCOMPARE(p.o.prozor.poruke[0].tekst,
                 QStringLiteral("Nije moguće učitati kontrolnu datoteku sa interneta! Provjerite "
                                "vezu sa internetom i pokušajte ponovno! Prekida se ažuriranje!"));
        QVERIFY(!p.o.prozor.downloadOmogućen);
        QCOMPARE(p.o.prozor.prikazaPlana, 0);
        QVERIFY(!QFile::exists(p.o.update() + "Verzije.txt"));
    }
};

VELKOR_TEST(TestProvjeraVerzija)
#include "tst_provjera.moc"
