#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include "catalogue/NapraviRsStoTrebaAzurirati.h"
#include "catalogue/PripremiVerzijaTXT.h"
#include "catalogue/UcitajMatricu.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace velkor;
using namespace velkor::test;

namespace {

const QString Lista = QStringLiteral("Program.exe;22;1;5;1000;2000;\r\n");
const QString NovaLista = QStringLiteral("Program.exe;22;1;6;1000;2000;\r\n");

// The preparation with a download that serves from a directory of "published" files.
struct Priprema {
    explicit Priprema(Okruženje& o) : o(o) {
        QDir(o.dir.path()).mkpath(QStringLiteral("server"));
        server = o.dir.path() + QStringLiteral("/server/");
    }

    bool pokreni() {
        Aplikacija& a = o.aplikacija();
        TablicneDatoteke tablice(o.datoteke, o.prozor, a.dnevnik(), a.stanje());
        PlanAžuriranja plan(a.stanje(), o.prozor, o.datoteke, a.dnevnik());
        PripremaVerzija priprema(a.stanje(), o.prozor, o.datoteke, a.dnevnik(), a.pokretanje(),
                                 tablice, plan, [this](const QString& ime, const QString& dir) {
                                     zahtjevi << ime + QLatin1Char('>') + dir;
                                     if (neuspjeh.contains(ime))
                                         return false;
                                     if (prazno.contains(ime))
                                         return true;
                                     return QFile::copy(server + ime, dir + ime) ||
                                            (QFile::remove(dir + ime) &&
                                             QFile::copy(server + ime, dir + ime));
                                 });
        return priprema.PripremiVerzijaTXT();
    }

    void objavi(const QString& ime, const QString& sadržaj) { o.zapiši(server + ime, sadržaj); }

    Okruženje& o;
    QString server;
    QStringList zahtjevi;
    QStringList neuspjeh;
    QStringList prazno;
};

QString mreža(Okruženje& o) {
    QDir(o.dir.path()).mkpath(QStringLiteral("mreza"));
    return QDir::toNativeSeparators(o.dir.path() + QStringLiteral("/mreza/"));
}

} // namespace

class TestPripremaVerzija : public QObject {
    Q_OBJECT

private slots:
    void bezInstaliranePopisa() {
        Okruženje o;
        Priprema p(o);
        QVERIFY(!p.pokreni());
        const QString poruka = "Ne postoji datoteka " + o.baza() +
                               "Verzije.txt Program za automatsko ažuriranje novih programa mora "
                               "prestati sa ažuriranjem. Molimo da o ovoj poruci izvjestite Velkor "
                               "tim za podršku.";
        QCOMPARE(o.prozor.poruke.size(), 1);
        QCOMPARE(o.prozor.poruke[0].tekst, poruka);
        QCOMPARE(o.prozor.poruke[0].ikona, Ikona::Usklicnik);
        QCOMPARE(o.porukeLoga(), QStringList{"PripremiVerzijaTXT- " + poruka});
        QCOMPARE(o.aplikacija().stanje().ZadnjaGreška, poruka);
        QVERIFY(p.zahtjevi.isEmpty());
    }

    void neispravanInstaliraniPopis() {
        Okruženje o;
        o.zapiši(o.baza() + "Verzije.txt", "Program.exe;22;1;5;1000;\r\n");
        Priprema p(o);
        QVERIFY(!p.pokreni());
        const QString poruka = "PripremiVerzijaTXT - Desila se greška u čitanju zapisa u matricu. "
                               "Prekida se ažuriranje!";
        QCOMPARE(o.prozor.poruke.last().tekst, poruka);
        QCOMPARE(o.prozor.poruke.last().ikona, Ikona::Usklicnik);
        QCOMPARE(o.porukeLoga().last(), "PripremiVerzijaTXT- " + poruka);
        QVERIFY(p.zahtjevi.isEmpty());
    }

    void internetCijeliPut() {
        Okruženje o;
        o.zapiši(o.baza() + "Verzije.txt", Lista);
        o.zapiši(o.baza() + "Program.exe", "x");
        Priprema p(o);
        p.objavi("Verzije.txt", NovaLista);
        p.objavi("TeamViewerQS.exe", "tv");
        o.prozor.downloadOmogućen = false;
        QVERIFY(p.pokreni());
        QCOMPARE(p.zahtjevi,
                 (QStringList{"TeamViewerQS.exe>" + o.baza(), "Verzije.txt>" + o.update()}));
        QVERIFY(QFile::exists(o.baza() + "TeamViewerQS.exe"));
        QVERIFY(o.prozor.downloadOmogućen);
        QCOMPARE(o.prozor.plan.size(), 1);
        QVERIFY(o.prozor.poruke.isEmpty());

        // Present now: not fetched again.
        p.zahtjevi.clear();
        QVERIFY(p.pokreni());
        QCOMPARE(p.zahtjevi, QStringList{"Verzije.txt>" + o.update()});
    }

    void teamViewerNeuspjehNeZaustavlja() {
        Okruženje o;
        o.zapiši(o.baza() + "Verzije.txt", Lista);
        Priprema p(o);
        p.objavi("Verzije.txt", NovaLista);
        p.neuspjeh << "TeamViewerQS.exe";
        QVERIFY(p.pokreni());
        QVERIFY(o.prozor.poruke.isEmpty());
        QVERIFY(o.porukeLoga().contains(
            "Download na lokaciju- Nije moguće učitati TeamViewerQS.exe sa interneta! Provjerite "
            "vezu sa internetom i pokušajte ponovno!"));
    }

    void teamViewerPreuzetAliGaNema() {
        Okruženje o;
        o.zapiši(o.baza() + "Verzije.txt", Lista);
        Priprema p(o);
        p.objavi("Verzije.txt", NovaLista);
        p.prazno << "TeamViewerQS.exe";
        QVERIFY(p.pokreni());
        QVERIFY(
            o.porukeLoga().contains("Download na lokaciju- Učitao sa interneta TeamViewerQS.exe, "
                                    "ali one ne postoje u " +
                                    o.baza()));
    }

    void popisSeNeMozePreuzeti_data() {
        QTest::addColumn<bool>("omogućenPrije");
        QTest::newRow("omogućen") << true;
        QTest::newRow("onemogućen") << false;
    }

    void popisSeNeMozePreuzeti() {
        QFETCH(bool, omogućenPrije);
        Okruženje o;
        o.zapiši(o.baza() + "Verzije.txt", Lista);
        o.zapiši(o.baza() + "TeamViewerQS.exe", "tv");
        Priprema p(o);
        p.neuspjeh << "Verzije.txt";
        o.prozor.downloadOmogućen = omogućenPrije;
        QVERIFY(!p.pokreni());
        const QString poruka =
            "Nije moguće učitati kontrolnu datoteku sa interneta! Provjerite vezu "
            "sa internetom i pokušajte ponovno! Prekida se ažuriranje!";
        QCOMPARE(o.prozor.poruke.size(), 1);
        QCOMPARE(o.prozor.poruke[0].tekst, poruka);
        QCOMPARE(o.prozor.poruke[0].ikona, Ikona::Usklicnik);
        QCOMPARE(o.porukeLoga().last(), "PripremiVerzijaTXT- " + poruka);
        QCOMPARE(o.prozor.downloadOmogućen, omogućenPrije);
    }

    void popisPreuzetAliGaNema() {
        Okruženje o;
        o.zapiši(o.baza() + "Verzije.txt", Lista);
        o.zapiši(o.baza() + "TeamViewerQS.exe", "tv");
        Priprema p(o);
        p.prazno << "Verzije.txt";
        QVERIFY(!p.pokreni());
        QCOMPARE(o.prozor.poruke.size(), 1);
        QCOMPARE(o.prozor.poruke[0].tekst,
                 "Podaci o novim verzijama na postoje na lokaciji: " + o.update());
        QCOMPARE(o.prozor.poruke[0].ikona, Ikona::Nema);
        QCOMPARE(o.porukeLoga().last(),
                 "PripremiVerzijaTXT- Učitao sa interneta Verzije.txt ali one ne postoje u " +
                     o.update());
    }

    void mrezaBezPopisa() {
        Okruženje o;
        o.zapiši(o.baza() + "Verzije.txt", Lista);
        o.prozor.opcija = 1;
        o.prozor.lokacije[0] = QStringLiteral("/nema/mreze");
        Priprema p(o);
        QVERIFY(!p.pokreni());
        const QString poruka = "Ne postoji kontrolna datoteka na mrežnoj lokaciji: /nema/mreze "
                               "Prekida se ažuriranje!";
        QCOMPARE(o.prozor.poruke.size(), 1);
        QCOMPARE(o.prozor.poruke[0].tekst, poruka);
        QCOMPARE(o.prozor.poruke[0].ikona, Ikona::Usklicnik);
        QCOMPARE(o.porukeLoga().last(), "PripremiVerzijaTXT-  " + poruka);
        QVERIFY(p.zahtjevi.isEmpty());
    }

    void mrezaPrviPut() {
        Okruženje o;
        o.zapiši(o.baza() + "Verzije.txt", Lista);
        o.zapiši(o.baza() + "Program.exe", "x");
        const QString l = mreža(o);
        o.zapiši(l + "Verzije.txt", NovaLista);
        o.zapiši(l + "TeamViewerQS.exe", "tv");
        o.prozor.opcija = 1;
        o.prozor.lokacije[0] = l;
        o.prozor.downloadOmogućen = false;
        Priprema p(o);
        QVERIFY(p.pokreni());
        QVERIFY(o.porukeLoga().contains("KI-PripremiVerzijaTXT- Greška u brisanju datoteke " +
                                        o.update() + "Verzije.txt"));
        QCOMPARE(o.pročitaj(o.update() + "Verzije.txt"), o.pročitaj(l + "Verzije.txt"));
        QCOMPARE(o.pročitaj(o.baza() + "TeamViewerQS.exe"), QByteArray("tv"));
        QVERIFY(o.prozor.downloadOmogućen);
        QCOMPARE(o.prozor.plan.size(), 1);
        QVERIFY(p.zahtjevi.isEmpty());
        QVERIFY(o.prozor.poruke.isEmpty());

        // A present program is never replaced; an old list is deleted without a log line.
        o.zapiši(o.baza() + "TeamViewerQS.exe", "moj");
        const int zapisa = o.porukeLoga().size();
        QVERIFY(p.pokreni());
        QCOMPARE(o.pročitaj(o.baza() + "TeamViewerQS.exe"), QByteArray("moj"));
        QVERIFY(!o.porukeLoga().mid(zapisa).join('\n').contains("KI-PripremiVerzijaTXT"));
    }

    void mrezaKopiranjeNeuspjelo() {
        Okruženje o;
        o.zapiši(o.baza() + "Verzije.txt", Lista);
        const QString l = mreža(o);
        o.zapiši(l + "Verzije.txt", NovaLista);
        o.prozor.opcija = 1;
        o.prozor.lokacije[0] = l;
        o.datoteke.Pokvari(NeispravneDatoteke::Operacija::Kopiraj, o.update() + "Verzije.txt",
                           {70, QStringLiteral("Dozvola odbijena")});
        Priprema p(o);
        QVERIFY(!p.pokreni());
        const QString poruka =
            "Nije moguće učitati kontrolnu datoteku sa mrežne lokacije! Provjerite "
            "i pokušajte ponovno! Prekida se ažuriranje!";
        QCOMPARE(o.prozor.poruke.last().tekst, poruka);
        QCOMPARE(o.prozor.poruke.last().ikona, Ikona::Usklicnik);
        QCOMPARE(o.porukeLoga().last(), "PripremiVerzijaTXT- " + poruka);
    }

    void planNeuspioOnemogucujeGumb() {
        Okruženje o;
        o.zapiši(o.baza() + "Verzije.txt", Lista);
        o.zapiši(o.baza() + "TeamViewerQS.exe", "tv");
        Priprema p(o);
        p.objavi("Verzije.txt", "neispravan;red\r\n");
        QVERIFY(!p.pokreni());
        QVERIFY(!o.prozor.downloadOmogućen);
    }
};

VELKOR_TEST(TestPripremaVerzija)
#include "tst_priprema.moc"
