#include "support/Instalacija.h"
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

#include "platform/KodnaStranica.h"
#include "publish/Konzola.h"
#include "publish/Naredbe.h"

#include <QDir>
#include <QProcess>

using namespace velkor;
using namespace velkor::test;

namespace {

const QString StaraLista = QStringLiteral("Staro.exe;1;0;0;10;20;\r\n");

// An installation beside the tools, the lines a tool writes kept; a release
// folder and a publication that already holds an older list.
struct Alati : Instalacija {
    QString izvor = dir.filePath(QStringLiteral("izvor"));
    QString odredište = dir.filePath(QStringLiteral("objava"));
    QStringList izlaz, greške;
    Konzola konzola{[this](const QString& t) { izlaz << t; },
                    [this](const QString& t) { greške << t; }};

    Alati() { zapiši(odredište + "/Verzije.txt", StaraLista); }
    int objavi(const QStringList& a) { return PokreniObjavu(a, dir.path(), konzola); }
    QStringList objavljeno() const { return QDir(odredište).entryList(QDir::Files, QDir::Name); }
};

} // namespace

// The two command-line tools: the publisher, and the log's reader.
class TestNaredbi : public QObject {
    Q_OBJECT

private slots:
    // Every refusal names the line and leaves the publication as it was.
    void odbijanje_data() { DodajSlučajeve(QFINDTESTDATA("data/odbijanje.txt")); }

    void odbijanje() {
        QFETCH(Slučaj, slucaj);
        Alati i;
        QString popis = slucaj.jedno("popis");
        for (int n = 1; n <= slucaj.broj("stavki"); ++n)
            popis += QString("S%1.exe;1;0;0\r\n").arg(n);
        i.zapišiBajtove(i.izvor + "/Objava.txt", popis.toUtf8());
        for (const QString& ime : slucaj.sve("datoteka")) {
            QFile f(i.izvor + "/" + ime);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(ime == "Veliki.exe" ? 1LL << 31 : 1));
        }
        QCOMPARE(i.objavi({i.izvor, i.odredište}), 1);
        QCOMPARE(i.greške, (QStringList{slucaj.jedno("poruka").replace("{I}", i.izvor),
                                        "Ništa nije zapisano u " + i.odredište + "."}));
        QCOMPARE(i.objavljeno(), QStringList{"Verzije.txt"});
        QCOMPARE(i.pročitaj(i.odredište + "/Verzije.txt"), StaraLista.toLatin1());
    }

    // Published with the real 7-Zip: the list in the updater's bytes, every
    // package unpacked as the updater does (chm as it is, the rest with "e").
    void krugObjave() {
        Alati i;
        const QStringList imena{"Obračun.exe", "Pomoć.chm", "Upute.CHM", "Popis.xlsx"};
        const QStringList paketi{"Obracun.7z", "Pomoć.7z", "Upute.7z", "Popis.x7z"};
        const QStringList verzije{"22;2;0", "22;1;10", "22;1;0", "1;0;0"};
        for (int n = 0; n < imena.size(); ++n)
            i.zapiši(i.izvor + "/" + imena[n], imena[n].repeated(100 * (n + 1)));
        // In Windows-1250: a list that is not UTF-8 is read in the code page.
        i.zapiši(i.izvor + "/Objava.txt",
                 "Obračun.exe;22;2;0\r\n\r\n Pomoć.chm ; 22;1;10\r\nUpute.CHM;22;1;0\r\n"
                 "Popis.xlsx;1;0;0");
        QCOMPARE(i.objavi({i.izvor, i.odredište}), 0);
        QCOMPARE(i.greške, QStringList{});
        // The warning first, the summary last; between them a line per package.
        QCOMPARE(i.izlaz.first(), "Upozorenje: Objava.txt, red 5: paket stavke \"Popis.xlsx\" "
                                  "zvat će se \"Popis.x7z\" (ime paketa nastaje zamjenom "
                                  "zadnja tri znaka imena sa \"7z\").");
        QCOMPARE(i.izlaz.last(),
                 "Objavljeno stavki: 4; Verzije.txt zapisan u " + i.odredište + ".");
        QCOMPARE(i.objavljeno(),
                 (QStringList{"Obracun.7z", "Pomoć.7z", "Popis.x7z", "Upute.7z", "Verzije.txt"}));
        QString lista;
        for (int n = 0; n < imena.size(); ++n) {
            const QString paket = i.odredište + "/" + paketi[n];
            lista += imena[n] + ";" + verzije[n] + ";" + QString::number(QFileInfo(paket).size()) +
                     ";" + QString::number(100 * (n + 1) * imena[n].size()) + ";\r\n";
            const QString raspakirano = i.dir.filePath("raspakirano");
            if (n != 1)
                QCOMPARE(QProcess::execute("7za", {"e", "-bso0", paket, "-o" + raspakirano}), 0);
            QCOMPARE(i.pročitaj(n == 1 ? paket : raspakirano + "/" + imena[n]),
                     i.pročitaj(i.izvor + "/" + imena[n]));
        }
        QCOMPARE(i.pročitaj(i.odredište + "/Verzije.txt"), UAnsi(lista));
    }

    // Signed with a key made by minisign: the standard tools accept what is
    // written, the checker finds a changed package, renewal keeps the release.
    void potpisanaObjava() {
        Alati i;
        QVERIFY(i.izvrši(i.dir.path(), "minisign", {"-G", "-W", "-p", "k.pub", "-s", "k.key"}));
        i.zapiši(i.izvor + "/Obračun.exe", "Obračun 2");
        i.zapiši(i.izvor + "/Upute.chm", "upute");
        i.zapiši(i.izvor + "/Objava.txt", "Obračun.exe;22;1;5\r\nUpute.chm;22;1;0\r\n");
        const QString ključ = i.dir.filePath("k.key");
        const auto posljednje = [&] { return i.izlaz.isEmpty() ? QString() : i.izlaz.last(); };
        QCOMPARE(i.objavi({"--kljuc", ključ, i.izvor, i.odredište}), 0);
        QVERIFY(i.izvrši(i.odredište, "minisign",
                         {"-V", "-p", i.dir.filePath("k.pub"), "-m", "Verzije.sha256"}));
        QVERIFY(i.izvrši(i.odredište, "sha256sum",
                         {"-c", "--strict", "--ignore-missing", "Verzije.sha256"}));
        QVERIFY(i.pročitaj(i.odredište + "/Verzije.sha256").contains("  Obračun.exe\n"));
        const QStringList provjera{"--provjeri", "--javni", i.dir.filePath("k.pub"), i.odredište};
        QCOMPARE(i.objavi(provjera), 0);
        QVERIFY(posljednje().endsWith("; provjereno datoteka: 3."));

        QCOMPARE(i.objavi({"--obnovi", "--kljuc", ključ, "--vrijedi", "100", i.odredište}), 0);
        const QDate do100 = QDateTime::currentDateTimeUtc().addDays(100).toLocalTime().date();
        QCOMPARE(posljednje(), "Popis verzija potpisan (izdanje 1, vrijedi do " +
                                   do100.toString("d.M.yyyy.") + ")");
        QCOMPARE(i.objavi({"--kljuc", ključ, "--izdanje", "0", i.izvor, i.odredište}), 1);
        QCOMPARE(i.greške.first(), "Izdanje 0 niže je od objavljenog (1).");
        QCOMPARE(i.greške.last(), "Ništa nije zapisano u " + i.odredište + ".");

        i.zapiši(i.odredište + "/Upute.7z", "upute!");
        QCOMPARE(i.objavi(provjera), 1);
        QCOMPARE(i.greške.last(), "Upute.7z ne odgovara svom sažetku.");
        QCOMPARE(i.objavi({"--kljuc", ključ, i.izvor, i.odredište}), 0);
        QVERIFY(i.izlaz.join("\n").contains("Popis verzija potpisan (izdanje 2, "));
    }

    // A log as the program writes it, whole and damaged, read by velkor-dnevnik
    // from its default place beside the tool or from a path given.
    void citanje_data() { DodajSlučajeve(QFINDTESTDATA("data/citanje.txt")); }

    void citanje() {
        QFETCH(Slučaj, slucaj);
        Alati o;
        o.dnevnik.LogirajGrešku(QStringLiteral("Početak: Obračun.exe"));
        o.dnevnik.LogirajGrešku(QStringLiteral("ČĆŠŽĐ čćšžđ\r\ndrugi red"));
        QByteArray log = o.pročitaj(o.putanjaLoga());
        log = log.left(slucaj.broj("zadrzati", log.size()))
                  .insert(46, QByteArray::fromHex(slucaj.jedno("umetnuti").toLatin1()));
        o.zapišiBajtove(o.putanjaLoga(), log);

        QCOMPARE(PokreniČitanjeDnevnika(slucaj.sve("argument"), o.baza(), o.konzola),
                 slucaj.broj("kod"));
        QCOMPARE(o.izlaz, slucaj.sve("red"));
        QCOMPARE(o.greške, slucaj.sve("greška"));
    }
};

VELKOR_TEST(TestNaredbi)
#include "tst_naredbe.moc"
