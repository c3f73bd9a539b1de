// The update run through the program as main wires it: start-up, the button,
// the local update server with a release made by the publisher, the real 7-Zip
// and the registration tool's stand-in.
#include "publish/Naredbe.h"
#include "support/LokalniPosluzitelj.h"
#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include <QDir>
#include <QTest>

using namespace velkor;
using namespace velkor::test;

namespace {

const QString Izvoz = "HKCU\\Software\\Seagate Software\\Crystal Reports Designer "
                      "Component\\Export\\BitMapMagnif";
const QString Kraj = "********************* KRAJ UPDATE";
// Item, where it is installed, and whether an older one is.
const QList<std::tuple<QString, QString, bool>> Stavke{
    {"Prog.exe", "", true},
    {"Komp.dll", "", true},
    {"Pomoc.chm", "Help/", true},
    {"Skripta.enc", "Skrite za izmjenu baze/", false}};

} // namespace

class TestAzuriranja : public QObject {
    Q_OBJECT

private slots:
    void azuriranje_data() {
        QTest::addColumn<int>("opcija");
        QTest::addColumn<bool>("da");
        QTest::addColumn<bool>("bezPaketa");
        QTest::addColumn<bool>("registar");
        QTest::newRow("instalacija") << 2 << true << false << true;
        QTest::newRow("Ne na pitanje, s mrežne lokacije") << 1 << false << false << true;
        QTest::newRow("neuspjelo preuzimanje") << 2 << true << true << true;
        QTest::newRow("registar nedostupan, drugi domaćin") << 0 << true << false << false;
    }

    void azuriranje() {
        QFETCH(int, opcija);
        QFETCH(bool, da);
        QFETCH(bool, bezPaketa);
        QFETCH(bool, registar);
        Okruženje o;
        QTemporaryDir izvor, objava;
        LokalniPoslužitelj poslužitelj(objava.path());
        QVERIFY(poslužitelj.Pokreni());
        o.platforma.okolina = {{"VELKOR_PRIMARNI_HOST", poslužitelj.Domaćin()},
                               {"VELKOR_SEKUNDARNI_HOST", poslužitelj.DomaćinPoImenu()},
                               {"VELKOR_CA_CERTS", LokalniPoslužitelj::PutanjaCa()}};
        o.spremiPostavku("Settings", "UpdateLok22N", QString::number(opcija));
        o.spremiPostavku("Settings", "UpdateLokDir22", objava.path() + "/");
        const QString b = o.baza();
        QString stare, objavi;
        for (const auto& [ime, dir, instalirano] : Stavke) {
            QDir().mkpath(b + dir);
            if (instalirano)
                o.zapiši(b + dir + ime, "staro"), stare += ime + ";22;1;0;9;9;\r\n";
            o.zapiši(izvor.filePath(ime), "novo " + ime);
            objavi += ime + ";22;2;0\n";
        }
        o.zapiši(b + "Verzije.txt", stare);
        o.zapiši(b + "TeamViewerQS.exe", "tv");
        o.zapiši(izvor.filePath("Objava.txt"), objavi);
        QCOMPARE(PokreniObjavu({izvor.path(), objava.path()}, "/usr/bin",
                               {[](const QString&) {}, [](const QString&) {}}),
                 0);
        QVERIFY(QFile::link("/usr/bin/7za", b + "7za"));
        if (bezPaketa)
            poslužitelj.PostaviPonašanje("Komp.7z", LokalniPoslužitelj::Ponašanje::NijePronadeno);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH",
                QFileInfo(QFINDTESTDATA("../../tools/RegSvr32.exe")).path().toUtf8() + ":" + path);
        qputenv("VELKOR_REGSVR32_ZAPIS", QFile::encodeName(o.dir.filePath("regsvr32.txt")));

        o.platforma.registarRadi = registar;
        Aplikacija& a = o.aplikacija();
        a.Form_Load();
        QCOMPARE(o.prozor.plan.size(), 4);
        poslužitelj.zahtjevi.clear();
        o.prozor.poruke.clear();
        o.prozor.odgovori << (da ? Odgovor::Da : Odgovor::Ne);
        a.cmdDownloadAndUpdate_Click();
        qputenv("PATH", path);

        const QStringList log = o.porukeLoga();
        const QStringList izvoz{Izvoz + "Denominator=1", Izvoz + "Numerator=12"};
        QCOMPARE(o.platforma.registar, da && !bezPaketa && registar ? izvoz : QStringList());
        // Values that cannot be written are logged, and the installation goes on.
        QCOMPARE(log.filter("u registar: " + Izvoz).size(), registar ? 0 : 2);
        QCOMPARE(poslužitelj.zahtjevi.isEmpty(), opcija == 1);
        if (!da || bezPaketa) {
            // The question only when every package is ready; nothing logged after a No.
            const QStringList neuspjeh{
                "cmdDownloadAndUpdate_Click Nije uspio snimiti sa interneta/mrežne lokacije", Kraj};
            QCOMPARE(log.filter(QRegularExpression("^cmdDownloadAndUpdate|KRAJ UPDATE|^Update")),
                     bezPaketa ? neuspjeh : QStringList());
            QCOMPARE(std::count_if(o.prozor.poruke.begin(), o.prozor.poruke.end(),
                                   [](const ZapisPoruke& p) { return p.ikona == Ikona::Upitnik; }),
                     bezPaketa ? 0 : 1);
            QCOMPARE(o.pročitaj(b + "Prog.exe"), "staro");
            return;
        }
        for (const auto& [ime, dir, instalirano] : Stavke)
            QCOMPARE(o.pročitaj(b + dir + ime), "novo " + ime.toUtf8());
        QCOMPARE(o.pročitaj(b + "Verzije.txt"), o.pročitaj(objava.filePath("Verzije.txt")));
        QCOMPARE(QDir(o.update()).entryList(QDir::Files),
                 (QStringList{"Update.log", "Verzije.txt"}));
        QVERIFY(!QFileInfo::exists(b + "UpdateBackup"));
        QVERIFY(o.prozor.plan.isEmpty());
        const QString komp = "RegSvr32.exe \"" + b + "Komp.dll\"";
        QCOMPARE(o.platforma.naredbe.filter("RegSvr32"),
                 (QStringList{komp + " /u /s", komp + " /s"}));
        QCOMPARE(o.prozor.poruke.last().tekst, "Uspješno instalirani novi programi!");
        QCOMPARE(
            log.mid(log.size() - 2),
            (QStringList{"cmdDownloadAndUpdate_Click Uspješno instalirani novi programi!", Kraj}));
    }
};

VELKOR_TEST(TestAzuriranja)
#include "tst_azuriranje.moc"
