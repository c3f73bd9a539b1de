// A crash at every change to the files of an installation and of a distribution
// run: a child process ends itself at the k-th change, for every k. After it a
// fresh start repairs the installation, which then holds every old file and the
// old list or every new file and the new list, and no UpdateBackup/; the location
// holds lists that match its packages, and the next run fills it. Registering is
// taken as done by the child: it changes no file.
#include "catalogue/ImePaketa.h"
#include "support/Instalacija.h"
#include "support/RegistarTestova.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QTest>

using namespace velkor;
using namespace velkor::test;

namespace {

// An item: where it lives, whether it is there before, whether a new version comes.
struct Stavka {
    QString ime;
    QString direktorija;
    bool stara;
    bool nova;
};

const QString Program = QStringLiteral("Velkor/");
const QString Skripte = Program + QStringLiteral("Skrite za izmjenu baze/");
// WinDir's, outside the program's folder.
const QString Pomoć = QStringLiteral("Windows/Help/");
const QList<Stavka> Stavke{
    {"A.exe", Program, true, true},  {"B.dll", Program, true, true},
    {"N.ocx", Program, false, true}, {"C.enc", Skripte, true, true},
    {"D.chm", Pomoć, true, true},    {"E.chm", Pomoć, false, true},
    {"S.exe", Program, true, false},
};

using Stablo = QMap<QString, QByteArray>;

QByteArray sadržaj(const Stavka& s, bool nova) {
    return (nova && s.nova ? "novo " : "staro ") + s.ime.toLatin1();
}

// The installed list, or the published one; the location lists packages.
QByteArray popis(bool nova, bool paketi = false) {
    QByteArray popis;
    for (const Stavka& s : Stavke) {
        if (!nova && !s.stara)
            continue;
        const qsizetype veličina = sadržaj(s, nova).size() + (paketi ? 6 : 0);
        popis += s.ime.toLatin1() + ";22;" + (nova && s.nova ? "2" : "1") + ";0;" +
                 QByteArray::number(veličina) + ';' + QByteArray::number(veličina) + ";\r\n";
    }
    return popis;
}

Stablo instaliraneDatoteke(bool nova) {
    Stablo stablo{{Program + "Verzije.txt", popis(nova)}};
    for (const Stavka& s : Stavke)
        if (s.stara || nova)
            stablo.insert(s.direktorija + s.ime, sadržaj(s, nova));
    return stablo;
}

// The location's files of a release; its packages hold "paket " and the item.
Stablo datotekeLokacije(bool nova) {
    Stablo stablo{{"Verzije.txt", popis(nova, true)},
                  {"VerzijeU.txt", nova ? "U 2" : "U 1"},
                  {"TeamViewerQS.exe", "tv"}};
    for (const Stavka& s : Stavke)
        if (s.stara || nova)
            stablo.insert(ImePaketa(s.ime), "paket " + sadržaj(s, nova));
    return stablo;
}

void zapiši(const QString& korijen, const Stablo& stablo) {
    for (auto i = stablo.begin(); i != stablo.end(); ++i) {
        QDir().mkpath(QFileInfo(korijen + i.key()).path());
        Instalacija::zapišiBajtove(korijen + i.key(), i.value());
    }
}

// Every file under korijen by its hash, but what is under izuzeto.
Stablo pročitaj(const QString& korijen, const QString& izuzeto) {
    Stablo stablo;
    for (QDirIterator i(korijen, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         i.hasNext();) {
        const QString put = i.next().mid(korijen.size());
        if (!put.startsWith(izuzeto))
            stablo.insert(put, QCryptographicHash::hash(Instalacija::pročitaj(korijen + put),
                                                        QCryptographicHash::Sha256));
    }
    return stablo;
}

Stablo sažeci(const Stablo& stablo) {
    Stablo s;
    for (auto i = stablo.begin(); i != stablo.end(); ++i)
        s.insert(i.key(), QCryptographicHash::hash(i.value(), QCryptographicHash::Sha256));
    return s;
}

struct Ishod {
    int kod;
    int promjene;
    bool popravljena;
};

Ishod pokreni(const QString& korijen, const QString& način, int prekid) {
    QProcess p;
    p.start(VELKOR_PREKID, {način, korijen + "Velkor", korijen + "Windows", QString::number(prekid),
                            korijen + "Objava", korijen + "Lokacija"});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return {-1, 0, false};
    const QList<QByteArray> ispis = p.readAllStandardOutput().split(' ');
    return {p.exitCode(), ispis.value(0).toInt(), ispis.value(1) == "1"};
}

} // namespace

class TestPrekida : public QObject {
    Q_OBJECT

private slots:
    void instalacija() {
        const auto pripremi = [](QTemporaryDir& dir) {
            const QString k = dir.path() + '/';
            zapiši(k, instaliraneDatoteke(false));
            Stablo preuzeto{{"Verzije.txt", popis(true)}};
            for (const Stavka& s : Stavke)
                preuzeto.insert(s.ime, sadržaj(s, true));
            zapiši(k + Program + "Update/", preuzeto);
            return k;
        };
        const Stablo stara = sažeci(instaliraneDatoteke(false)),
                     nova = sažeci(instaliraneDatoteke(true));
        QTemporaryDir cijela;
        const Ishod bez = pokreni(pripremi(cijela), "instalacija", 0);
        QCOMPARE(bez.kod, 0);
        QCOMPARE(pročitaj(cijela.path() + '/', Program + "Update/"), nova);
        qInfo("instalacija: %d promjena", bez.promjene);
        int vraćeno = 0, popravljeno = 0;
        for (int k = 1; k <= bez.promjene; ++k) {
            QTemporaryDir dir;
            const QString korijen = pripremi(dir);
            QCOMPARE(pokreni(korijen, "instalacija", k).kod, NeispravneDatoteke::IzlazPrekida);
            const Ishod popravak = pokreni(korijen, "popravak", 0);
            QCOMPARE(popravak.kod, 0);
            const Stablo stablo = pročitaj(korijen, Program + "Update/");
            QVERIFY2(stablo == stara || stablo == nova, qPrintable(QString::number(k)));
            QVERIFY(!QFileInfo::exists(korijen + Program + "UpdateBackup"));
            vraćeno += stablo == stara;
            popravljeno += popravak.popravljena;
        }
        // Both ends were reached, and most crashes needed a repair.
        QVERIFY(vraćeno > 0 && vraćeno < bez.promjene);
        QVERIFY(popravljeno > bez.promjene / 2);
    }

    void distribucija() {
        const auto pripremi = [](QTemporaryDir& dir) {
            const QString k = dir.path() + '/';
            zapiši(k + "Lokacija/", datotekeLokacije(false));
            Stablo objava = datotekeLokacije(true);
            objava.remove("TeamViewerQS.exe");
            zapiši(k + "Objava/", objava);
            QDir().mkpath(k + Program + "Update");
            return k;
        };
        const Stablo stara = sažeci(datotekeLokacije(false)), nova = sažeci(datotekeLokacije(true));
        QTemporaryDir cijela;
        const Ishod bez = pokreni(pripremi(cijela), "distribucija", 0);
        QCOMPARE(bez.kod, 0);
        QCOMPARE(pročitaj(cijela.path() + "/Lokacija/", "Update/"), nova);
        qInfo("distribucija: %d promjena", bez.promjene);
        for (int k = 1; k <= bez.promjene; ++k) {
            QTemporaryDir dir;
            const QString korijen = pripremi(dir);
            QCOMPARE(pokreni(korijen, "distribucija", k).kod, NeispravneDatoteke::IzlazPrekida);
            // No list at all names nothing; a list names its own packages.
            const Stablo stablo = pročitaj(korijen + "Lokacija/", "Update/");
            QVERIFY2(stablo == stara || stablo == nova || !stablo.contains("Verzije.txt"),
                     qPrintable(QString::number(k)));
            QCOMPARE(pokreni(korijen, "distribucija", 0).kod, 0);
            QCOMPARE(pročitaj(korijen + "Lokacija/", "Update/"), nova);
        }
    }
};

VELKOR_TEST(TestPrekida)
#include "tst_prekid.moc"
