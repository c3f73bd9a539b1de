// A crash at every change to the files of an installation and of a distribution
// run: a child process ends itself at the k-th change, for every k. Then a fresh
// start repairs the installation, which holds every old file and the old list or
// every new file and the new list, and no UpdateBackup/; the location holds
// lists that match its packages (or no list), and the next run fills it. The
// trees before and after are in data/prekid/. The registration tool's stand-in
// answers the child: registering changes no file.
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace velkor::test;

namespace {

// The same folders and files, with the same bytes, under both; Update/ aside.
bool isto(const QString& jedno, const QString& drugo) {
    QProcess diff;
    diff.start("diff", {"-rq", "-x", "Update", jedno, drugo});
    return diff.waitForFinished() && diff.exitCode() == 0;
}

struct Ishod {
    int kod;
    QList<QByteArray> ispis;
};

Ishod pokreni(const QString& k, const QString& način, int prekid) {
    QProcess p;
    p.start(VELKOR_PREKID, {način, k + "Velkor", k + "Windows", QString::number(prekid),
                            k + "Objava", k + "Lokacija"});
    p.waitForFinished(60000);
    const int kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return {kod, p.readAllStandardOutput().split(' ')};
}

} // namespace

class TestPrekida : public QObject {
    Q_OBJECT

private slots:
    void prekid_data() { DodajSlučajeve(QFINDTESTDATA("data/prekid.txt")); }
    void prekid() {
        QFETCH(Slučaj, slucaj);
        const QString način = QTest::currentDataTag(), mjesto = slucaj.jedno("mjesto");
        const QString popravak = slucaj.jedno("popravak");
        const QString podaci = QFINDTESTDATA("data/prekid/");
        QTemporaryDir zapisi;
        qputenv("PATH", QFile::encodeName(QFINDTESTDATA("../../tools/")) + ':' + qgetenv("PATH"));
        qputenv("VELKOR_REGSVR32_ZAPIS", QFile::encodeName(zapisi.filePath("regsvr32")));
        const auto pripremi = [&](QTemporaryDir& dir) {
            QProcess::execute("cp", {"-r", podaci + način + "/.", dir.path()});
            QDir(dir.path()).mkpath("Velkor/Update");
            return dir.path() + '/';
        };
        const QString staro = podaci + način + '/' + mjesto, nova = podaci + slucaj.jedno("novo");
        QTemporaryDir cijela;
        const Ishod bez = pokreni(pripremi(cijela), način, 0);
        QCOMPARE(bez.kod, 0);
        QVERIFY(isto(cijela.path() + '/' + mjesto, nova));
        const int promjene = bez.ispis.value(0).toInt();
        qInfo("%s: %d promjena", qPrintable(način), promjene);
        int vraćeno = 0, popravljeno = 0;
        for (int k = 1; k <= promjene; ++k) {
            QTemporaryDir dir;
            const QString korijen = pripremi(dir);
            QCOMPARE(pokreni(korijen, način, k).kod, 86);
            if (!popravak.isEmpty()) {
                const Ishod p = pokreni(korijen, popravak, 0);
                QCOMPARE(p.kod, 0);
                popravljeno += p.ispis.value(1) == "1";
            }
            const bool vraćen = isto(korijen + mjesto, staro);
            QVERIFY2(vraćen || isto(korijen + mjesto, nova) ||
                         (popravak.isEmpty() && !QFile::exists(korijen + mjesto + "Verzije.txt")),
                     qPrintable(QString::number(k)));
            QVERIFY(!QFileInfo::exists(korijen + "Velkor/UpdateBackup"));
            vraćeno += vraćen;
            if (popravak.isEmpty()) {
                QCOMPARE(pokreni(korijen, način, 0).kod, 0);
                QVERIFY(isto(korijen + mjesto, nova));
            }
        }
        // Both ends were reached, and most crashes of an installation needed a repair.
        QVERIFY(vraćeno > 0 && vraćeno < promjene);
        QVERIFY(popravak.isEmpty() || popravljeno > promjene / 2);
    }
};

VELKOR_TEST(TestPrekida)
#include "tst_prekid.moc"
