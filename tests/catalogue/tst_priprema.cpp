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

// An installation with its list and a published new one, the preparation's
// download serving from a directory of "published" files, and a network
// location holding the new list too.
struct Priprema {
    explicit Priprema(Okruženje& o) : o(o) {
        QDir(o.dir.path()).mkpath(QStringLiteral("server"));
        QDir(o.dir.path()).mkpath(QStringLiteral("mreza"));
        server = o.dir.path() + QStringLiteral("/server/");
        mreža = QDir::toNativeSeparators(o.dir.path() + QStringLiteral("/mreza/"));
        o.zapiši(o.baza() + "Verzije.txt", Lista);
        o.zapiši(server + "Verzije.txt", NovaLista);
        o.zapiši(server + "TeamViewerQS.exe", "tv");
        o.zapiši(mreža + "Verzije.txt", NovaLista);
        o.prozor.lokacije[0] = mreža;
    }

    bool pokreni() {
        Aplikacija& a = o.aplikacija();
        TablicneDatoteke tablice(o.datoteke, o.prozor, a.dnevnik(), a.stanje());
        PlanAžuriranja plan(a.stanje(), o.prozor, o.datoteke, a.dnevnik());
        PripremaVerzija priprema(
            a.stanje(), o.prozor, o.datoteke, a.dnevnik(), a.radneDirektorije(), tablice, plan,
            [this](const QString& ime, const QString& dir) {
                zahtjevi << ime + QLatin1Char('>') + dir;
                if (neuspjeh.contains(ime))
                    return false;
                if (prazno.contains(ime))
                    return true;
                return QFile::copy(server + ime, dir + ime) ||
                       (QFile::remove(dir + ime) && QFile::copy(server + ime, dir + ime));
            });
        return priprema.PripremiVerzijaTXT();
    }

    Okruženje& o;
    QString server;
    QString mreža;
    QStringList zahtjevi;
    QStringList neuspjeh; // the download fails
    QStringList prazno;   // the download succeeds and writes nothing
};

// A stop: false, one box with an OK button, exactly these log lines, the last
// error set when the box has the exclamation icon, and the button as told.
void provjeriPrekid(Priprema& p, const QString& poruka, Ikona ikona, const QStringList& log,
                    bool omogućen) {
    QVERIFY(!p.pokreni());
    const LažniProzor& prozor = p.o.prozor;
    QCOMPARE(prozor.poruke.size(), 1);
    QCOMPARE(prozor.poruke[0].tekst, poruka);
    QCOMPARE(prozor.poruke[0].ikona, ikona);
    QCOMPARE(prozor.poruke[0].gumbi, Gumbi::URedu);
    QCOMPARE(p.o.porukeLoga(), log);
    QCOMPARE(prozor.downloadOmogućen, omogućen);
    if (ikona == Ikona::Usklicnik)
        QCOMPARE(p.o.aplikacija().stanje().ZadnjaGreška, poruka);
}

const QString P = QStringLiteral("PripremiVerzijaTXT- ");

} // namespace

class TestPripremaVerzija : public QObject {
    Q_OBJECT

private slots:
    void bezInstaliranogPopisa() {
        Okruženje o;
        Priprema p(o);
        QFile::remove(o.baza() + "Verzije.txt");
        const QString poruka = "Ne postoji datoteka " + o.baza() +
                               "Verzije.txt Program za automatsko ažuriranje novih programa mora "
                               "prestati sa ažuriranjem. Molimo da o ovoj poruci izvjestite Velkor "
                               "tim za podršku.";
        provjeriPrekid(p, poruka, Ikona::Usklicnik, {P + poruka}, true);
        QVERIFY(p.zahtjevi.isEmpty());
    }

    void neispravanInstaliraniPopis() {
        Okruženje o;
        Priprema p(o);
        o.zapiši(o.baza() + "Verzije.txt", "Program.exe;22;1;5;1000;\r\n");
        const QString poruka = "PripremiVerzijaTXT - Desila se greška u čitanju zapisa u matricu. "
                               "Prekida se ažuriranje!";
        provjeriPrekid(p, poruka, Ikona::Usklicnik, {P + poruka}, true);
        QVERIFY(p.zahtjevi.isEmpty());
    }

    // An earlier stop leaves the button as it was.
    void popisSeNeMozePreuzeti_data() {
        QTest::addColumn<bool>("omogucen");
        QTest::newRow("omogućen") << true;
        QTest::newRow("onemogućen") << false;
    }

    void popisSeNeMozePreuzeti() {
        QFETCH(bool, omogucen);
        Okruženje o;
        Priprema p(o);
        p.neuspjeh << "Verzije.txt";
        o.prozor.downloadOmogućen = omogucen;
        const QString poruka =
            "Nije moguće učitati kontrolnu datoteku sa interneta! Provjerite vezu "
            "sa internetom i pokušajte ponovno! Prekida se ažuriranje!";
        provjeriPrekid(p, poruka, Ikona::Usklicnik, {P + poruka}, omogucen);
    }

    void popisPreuzetAliGaNema() {
        Okruženje o;
        Priprema p(o);
        p.prazno << "Verzije.txt";
        provjeriPrekid(
            p, "Podaci o novim verzijama na postoje na lokaciji: " + o.update(), Ikona::Nema,
            {P + "Učitao sa interneta Verzije.txt ali one ne postoje u " + o.update()}, true);
    }

    void mrezaBezPopisa() {
        Okruženje o;
        Priprema p(o);
        o.prozor.opcija = 1;
        o.prozor.lokacije[0] = QStringLiteral("/nema/mreze");
        const QString poruka = "Ne postoji kontrolna datoteka na mrežnoj lokaciji: /nema/mreze "
                               "Prekida se ažuriranje!";
        provjeriPrekid(p, poruka, Ikona::Usklicnik, {"PripremiVerzijaTXT-  " + poruka}, true);
        QVERIFY(p.zahtjevi.isEmpty());
    }

    void mrezaKopiranjeNeuspjelo() {
        Okruženje o;
        Priprema p(o);
        o.prozor.opcija = 1;
        o.prozor.downloadOmogućen = false;
        o.datoteke.Pokvari(NeispravneDatoteke::Operacija::Kopiraj, o.update() + "Verzije.txt",
                           {70, QStringLiteral("Dozvola odbijena")});
        const QString poruka =
            "Nije moguće učitati kontrolnu datoteku sa mrežne lokacije! Provjerite "
            "i pokušajte ponovno! Prekida se ažuriranje!";
        provjeriPrekid(
            p, poruka, Ikona::Usklicnik,
            {"KI-PripremiVerzijaTXT- Greška u brisanju datoteke " + o.update() + "Verzije.txt",
             P + poruka},
            false);
    }

    void mrezaTeamViewerSeNeKopiraAliIdeDalje() {
        Okruženje o;
        Priprema p(o);
        o.zapiši(o.baza() + "Program.exe", "x");
        o.zapiši(p.mreža + "TeamViewerQS.exe", "tv");
        o.prozor.opcija = 1;
        o.datoteke.Pokvari(NeispravneDatoteke::Operacija::Kopiraj, o.baza() + "TeamViewerQS.exe",
                           {61, QStringLiteral("Disk je pun")});
        QVERIFY(p.pokreni());
        QVERIFY(!QFile::exists(o.baza() + "TeamViewerQS.exe"));
        QVERIFY(o.prozor.poruke.isEmpty());
        QVERIFY(!o.porukeLoga().join('\n').contains("TeamViewerQS.exe"));
        QCOMPARE(o.prozor.plan.size(), 1);
    }

    void planNeuspioOnemogucujeGumb() {
        Okruženje o;
        Priprema p(o);
        o.zapiši(p.server + "Verzije.txt", "neispravan;red\r\n");
        const QString plan = QStringLiteral("NapraviRsŠtoTrebaAžurirati - ");
        const QString poruka = plan + "Desila se greška u čitanju zapisa u matricu iz datoteke. "
                                      "Prekida se ažuriranje!";
        provjeriPrekid(
            p, poruka, Ikona::Usklicnik,
            {plan + "početak", plan + "čitanje rs " + o.update() + "Verzije.txt", poruka}, false);
    }

    // TeamViewerQS.exe is fetched only when missing; a failed fetch stops nothing.
    void teamViewer_data() {
        QTest::addColumn<QString>("kvar");
        QTest::addColumn<QString>("log");
        QTest::newRow("preuzet") << QString() << QString();
        QTest::newRow("neuspjeh") << "neuspjeh"
                                  << "Download na lokaciju- Nije moguće učitati TeamViewerQS.exe "
                                     "sa interneta! Provjerite vezu sa internetom i pokušajte "
                                     "ponovno!";
        QTest::newRow("preuzet, ali ga nema")
            << "prazno"
            << "Download na lokaciju- Učitao sa interneta TeamViewerQS.exe, ali one "
               "ne postoje u %B";
    }

    void teamViewer() {
        QFETCH(QString, kvar);
        QFETCH(QString, log);
        Okruženje o;
        Priprema p(o);
        o.zapiši(o.baza() + "Program.exe", "x");
        if (kvar == QStringLiteral("neuspjeh"))
            p.neuspjeh << "TeamViewerQS.exe";
        if (kvar == QStringLiteral("prazno"))
            p.prazno << "TeamViewerQS.exe";
        o.prozor.downloadOmogućen = false;

        QVERIFY(p.pokreni());

        QCOMPARE(p.zahtjevi,
                 (QStringList{"TeamViewerQS.exe>" + o.baza(), "Verzije.txt>" + o.update()}));
        QCOMPARE(QFile::exists(o.baza() + "TeamViewerQS.exe"), kvar.isEmpty());
        QCOMPARE(o.porukeLoga().contains(log.replace("%B", o.baza())), !log.isEmpty());
        QVERIFY(o.prozor.downloadOmogućen);
        QCOMPARE(o.prozor.plan.size(), 1);
        QVERIFY(o.prozor.poruke.isEmpty());
        if (!kvar.isEmpty())
            return;
        // Present now: not fetched again.
        p.zahtjevi.clear();
        QVERIFY(p.pokreni());
        QCOMPARE(p.zahtjevi, QStringList{"Verzije.txt>" + o.update()});
    }

    void mrezaPrviPut() {
        Okruženje o;
        Priprema p(o);
        o.zapiši(o.baza() + "Program.exe", "x");
        o.zapiši(p.mreža + "TeamViewerQS.exe", "tv");
        o.prozor.opcija = 1;
        o.prozor.downloadOmogućen = false;
        QVERIFY(p.pokreni());
        QVERIFY(o.porukeLoga().contains("KI-PripremiVerzijaTXT- Greška u brisanju datoteke " +
                                        o.update() + "Verzije.txt"));
        QCOMPARE(o.pročitaj(o.update() + "Verzije.txt"), o.pročitaj(p.mreža + "Verzije.txt"));
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
};

VELKOR_TEST(TestPripremaVerzija)
#include "tst_priprema.moc"
