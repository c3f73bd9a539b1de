// The unattended mode: the built program run as a process on a temporary
// installation, against the local update server of a release made by the
// publisher, with no display unless a case opens a suite program's window on an
// X server of its own. Each case in data/beznadzora.txt is a row of runs.
#include "app/BravaInstalacije.h"
#include "publish/Naredbe.h"
#include "support/Okruzje.h"
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

#include <QHostInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QTimer>

using namespace velkor;
using namespace velkor::test;

class TestBezNadzora : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        xvfb.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-noreset"});
        QVERIFY2(xvfb.waitForStarted(10000) && xvfb.waitForReadyRead(10000), "Xvfb");
        zaslon = ":" + xvfb.readAllStandardOutput().trimmed();
    }
    void cleanupTestCase() {
        xvfb.terminate();
        xvfb.waitForFinished();
    }

    void rad_data() { DodajSlučajeve(QFINDTESTDATA("data/beznadzora.txt")); }
    void rad() {
        QFETCH(Slučaj, slucaj);
        Okruženje o;
        const QString b = o.baza();
        QTemporaryDir izvor, lokacija;
        pripremi(o, izvor, slucaj);
        if (QTest::currentTestFailed()) // a failed set-up ends the case, not only the helper
            return;
        QProcessEnvironment env = okolina(o, slucaj);
        const auto zamijeni = [&](QString t) {
            return t.replace("{L}", lokacija.path())
                .replace("{D}", o.dir.path())
                .replace("{O}", o.objava.path())
                .replace("{B}", b);
        };
        QLockFile brava(o.update() + BravaInstalacije::ImeOperacije);
        if (slucaj.jedno("brava") == "drzi")
            QVERIFY(brava.tryLock());
        if (slucaj.jedno("brava") == "mrtva")
            o.zapiši(o.update() + BravaInstalacije::ImeOperacije,
                     "999999\nVelkorZideZizodu22\n" + QHostInfo::localHostName() + "\n");
        QProcess xev;
        if (slucaj.polja.contains("prozor")) {
            env.insert("DISPLAY", zaslon);
            xev.setProcessEnvironment(env);
            xev.start("xev", {"-name", slucaj.jedno("prozor")});
            QVERIFY2(xev.waitForReadyRead(10000), "xev");
        }

        const QStringList koraci = slucaj.sve("korak");
        for (qsizetype k = 0; k < koraci.size(); ++k) {
            const QStringList dijelovi = zamijeni(koraci[k]).split(' ', Qt::SkipEmptyParts);
            QProcess p;
            p.setProcessEnvironment(env);
            QByteArray izlaz;
            // "zatvori": the window goes once the run has said it waits.
            connect(&p, &QProcess::readyReadStandardOutput, this, [&] {
                izlaz += p.readAllStandardOutput();
                if (slucaj.jedno("zatvori") == "da" &&
                    izlaz.contains("Postoje pokrenuti programi:"))
                    xev.kill();
            });
            QEventLoop petlja;
            connect(&p, &QProcess::finished, &petlja, &QEventLoop::quit);
            QTimer::singleShot(120000, &petlja, &QEventLoop::quit);
            p.start(b + "VelkorZideZizodu22", dijelovi.mid(1));
            petlja.exec();
            izlaz += p.readAllStandardOutput();
            const QString tekst = QString::fromLocal8Bit(izlaz + p.readAllStandardError());
            QVERIFY2(p.state() == QProcess::NotRunning, qPrintable(tekst));
            // Beyond Windows the system keeps the code's lowest byte (1618: 82).
            QVERIFY2(p.exitCode() == (dijelovi[0].toInt() & 0xFF),
                     qPrintable(QString::number(p.exitCode()) + "\n" + tekst));
            for (const QString& red : slucaj.sve("ispis"))
                if (red.section(' ', 0, 0).toInt() == k)
                    QVERIFY2(tekst.contains(red.section(' ', 1)), qPrintable(tekst));
            // "dnevnik: N file": the run's lines appended there too, after a line of its own.
            for (const QString& d : slucaj.sve("dnevnik"))
                if (d.section(' ', 0, 0).toInt() == k)
                    QCOMPARE(
                        QString::fromUtf8(o.pročitaj(zamijeni(d.section(' ', 1)))).section('\n', 1),
                        QString::fromLocal8Bit(izlaz));
            if (slucaj.polja.contains("tiho"))
                QCOMPARE(tekst, QString());
            // "json: N key value": a key of run N's result, its value as JSON.
            const QJsonObject r =
                QJsonDocument::fromJson(o.pročitaj(o.dir.filePath(QString("r%1.json").arg(k))))
                    .object();
            for (const QString& j : slucaj.sve("json")) {
                const QJsonArray v =
                    QJsonDocument::fromJson('[' + j.section(' ', 2).toUtf8() + ']').array();
                if (j.section(' ', 0, 0).toInt() == k)
                    QVERIFY2(v.size() == 1 && r.value(j.section(' ', 1, 1)) == v[0],
                             qPrintable(j + '\n' + QJsonDocument(r).toJson()));
            }
        }
        for (const QString& d : slucaj.sve("datoteka"))
            QCOMPARE(QString::fromUtf8(o.pročitaj(zamijeni(d.section(' ', 0, 0)))),
                     d.section(' ', 1));
        // The program's own date format stands before each message.
        const QString log = o.porukeLoga().join('\n') + '\n';
        for (const QString& l : slucaj.sve("log"))
            QVERIFY2(log.contains(' ' + l + '\n'), qPrintable(log));
        QCOMPARE(QString::fromUtf8(o.pročitaj(o.dir.filePath("regsvr32.txt")))
                     .replace(b, "{B}")
                     .split("\n\n", Qt::SkipEmptyParts)
                     .replaceInStrings("\n", " ")
                     .join(" | "),
                 slucaj.sve("regsvr32").join(" | "));
        xev.kill();
        xev.waitForFinished();
    }

    // Two windows on one installation: the second says so and ends. A window's
    // operation that finds the installation held is told and does not run.
    void prozori() {
        Okruženje o;
        Aplikacija prvi(o.okolina()), drugi(o.okolina());
        prvi.JedanProzorNaInstalaciji();
        drugi.JedanProzorNaInstalaciji();
        prvi.Form_Load();
        const QStringList prije = Poruke(o.prozor);
        drugi.Form_Load();
        drugi.Form_Activate();
        QCOMPARE(Poruke(o.prozor).mid(prije.size()),
                 QStringList{"Usklicnik: Program za ažuriranje je već otvoren na ovoj "
                             "instalaciji. Ovaj se prozor zatvara."});
        QCOMPARE(o.prozor.završetaka, 1);

        QLockFile brava(o.update() + BravaInstalacije::ImeOperacije);
        QVERIFY(brava.tryLock());
        const qsizetype prijeZauzeća = o.prozor.poruke.size();
        bool pokrenuta = false;
        QVERIFY(!prvi.IzvediOperaciju([&] { return pokrenuta = true; }));
        QVERIFY(!prvi.IzvediOperaciju([&] { return pokrenuta = true; }, false));
        QVERIFY(!pokrenuta);
        const QString zauzeto = "Ova se instalacija upravo ažurira u drugom pokretanju programa. "
                                "Pokušajte ponovno kada ono završi.";
        // Only the first says so in a box; the second, silent, in the log.
        QCOMPARE(Poruke(o.prozor).mid(prijeZauzeća), QStringList{"Usklicnik: " + zauzeto});
        QCOMPARE(o.porukeLoga().constLast(), zauzeto);
        brava.unlock();
        QVERIFY(prvi.IzvediOperaciju([&] { return pokrenuta = true; }));
        QVERIFY(pokrenuta);
    }

private:
    // Installed at 22.1.0, published at 22.2.0 in the network location that the
    // server also serves; the program itself copied into the installation.
    void pripremi(Okruženje& o, QTemporaryDir& izvor, const Slučaj& s) {
        const QString b = o.baza();
        const QStringList stavke = s.jedno("stavke").split(' ', Qt::SkipEmptyParts);
        QVERIFY(QFile::copy(VELKOR_PROGRAM, b + "VelkorZideZizodu22"));
        if (s.polja.contains("kljuc")) // a publisher's key beside the program
            o.zapiši(b + "Velkor.pub", s.jedno("kljuc"));
        if (stavke.isEmpty())
            return;
        o.postaviIzdanje(izvor.path(), stavke);
        const Konzola tiho{[](auto&) {}, [](auto&) {}};
        QCOMPARE(PokreniObjavu({izvor.path(), o.objava.path()}, "/usr/bin", tiho), 0);
        o.zapiši(o.objava.filePath("VerzijeU.txt"), "-");
        o.zapiši(b + "TeamViewerQS.exe", "tv");
        o.zapiši(o.objava.filePath("TeamViewerQS.exe"), "tv");
        QVERIFY(QFile::link("/usr/bin/7za", b + "7za"));
        o.spremiPostavku("Settings", "UpdateLok22N", s.jedno("opcija", "2"));
        o.spremiPostavku("Settings", "UpdateLokDir22", o.objava.path() + "/");
        o.spremište.reset();
    }

    QProcessEnvironment okolina(Okruženje& o, const Slučaj& s) {
        o.poslužitelj();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        for (auto i = o.platforma.okolina.cbegin(); i != o.platforma.okolina.cend(); ++i)
            env.insert(i.key(), i.value());
        if (s.polja.contains("domacin"))
            env.insert("VELKOR_PRIMARNI_HOST", s.jedno("domacin"));
        env.insert("XDG_CONFIG_HOME", o.dir.filePath("config"));
        const QString alati = QFileInfo(QFINDTESTDATA("../../tools/RegSvr32.exe")).path();
        env.insert("PATH", alati + ":" + env.value("PATH"));
        env.insert("VELKOR_REGSVR32_ZAPIS", o.dir.filePath("regsvr32.txt"));
        env.insert("VELKOR_REGSVR32_KODOVI", s.jedno("kodovi"));
        return env;
    }

    QProcess xvfb;
    QByteArray zaslon;
};

VELKOR_TEST(TestBezNadzora)
#include "tst_beznadzora.moc"
