#include "PostavaPreuzimanja.h"
#include "acquire/Akvizicija.h"
#include "catalogue/ImePaketa.h"
#include "catalogue/NapraviRsStoTrebaAzurirati.h"
#include "catalogue/ZapisVerzije.h"
#include "support/RegistarTestova.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using namespace velkor;
using namespace velkor::test;

namespace {

const QString Plan = QStringLiteral("Knjiženje.exe:3000 Čestitka.dll:2000 Upute.chm:700 "
                                    "UPUTE.CHM:800 Grid.ocx:900 Skripta.enc:600");

// A plan fetched from the local server or from a directory, with real 7-Zip.
struct PostavaAkvizicije : PostavaPreuzimanja {
    PlanAžuriranja plan{stanje, okruženje.prozor, okruženje.datoteke, dnevnik};
    QStringList neuspjeliDownload;
    Akvizicija akvizicija{stanje,
                          okruženje.prozor,
                          okruženje.datoteke,
                          dnevnik,
                          okruženje.platforma,
                          okruženje.sat,
                          plan,
                          [this](const QString& ime, const QString& direktorija) {
                              return !neuspjeliDownload.contains(ime) &&
                                     preuzimanje->DownloadDatoteke(ime, direktorija);
                          }};
    QString mreža = okruženje.dir.path() + QStringLiteral("/mreza");

    // Each item's package into the source; the archive holds another file when bezDatoteke.
    void planiraj(const QString& izvor, const QString& stavke, bool bezDatoteke) {
        stanje.PutanjaPrograma = okruženje.baza();
        stanje.PutanjaUpdate = okruženje.update();
        const QStringList popis = stavke.split(u' ', Qt::SkipEmptyParts);
        for (int red = 0; red < popis.size(); ++red) {
            const QString ime = popis[red].section(u':', 0, 0);
            const QByteArray sadržaj = uzorak(popis[red].section(u':', 1).toInt());
            const QString paket = izvor + u'/' + ImePaketa(ime);
            if (QStringList{"chm", "enc", "ocx"}.contains(ime.right(3))) {
                zapiši(paket, sadržaj);
            } else {
                QTemporaryDir radna;
                const QString unutra = bezDatoteke ? QStringLiteral("drugo.bin") : ime;
                zapiši(radna.filePath(unutra), sadržaj);
                QProcess p;
                p.setWorkingDirectory(radna.path());
                p.start(QStringLiteral("7za"), {"a", "-bd", paket, unutra});
                QVERIFY(p.waitForFinished() && p.exitCode() == 0);
            }
            const QStringList zapis{ime,
                                    "22",
                                    "1",
                                    "0",
                                    QString::number(QFileInfo(paket).size()),
                                    QString::number(sadržaj.size())};
            for (int stupac = 0; stupac < zapis.size(); ++stupac)
                stanje.NoveVerzije(red, stupac) = zapis[stupac];
            stanje.NoveVerzije(red, Stupac::OznakaAžuriranja) = qint16(1);
            stanje.UkupnoDownload += qint32(QFileInfo(paket).size());
        }
        okruženje.prozor.PrikažiPlan(plan.StavkePlana());
    }

    // Everything the run left for the user, support staff and the next step.
    QString zapisnik(bool rezultat) {
        const LažniProzor& w = okruženje.prozor;
        QStringList z{QStringLiteral("rezultat: %1").arg(int(rezultat)), "čekanja:"};
        for (int s : okruženje.sat.čekanja)
            z.last() += QStringLiteral(" %1").arg(s);
        z << "naredbe:" << okruženje.platforma.naredbe << "dnevnik:" << okruženje.porukeLoga()
          << "poruke:";
        for (const ZapisPoruke& p : w.poruke)
            z << QStringLiteral("%1 %2 %3: %4")
                     .arg(int(p.ikona))
                     .arg(int(p.gumbi))
                     .arg(p.naslov, p.tekst);
        z << "status1:" << w.povijestStatusa1 << "stanja:";
        for (const StanjeReda& s : w.stanjaRedova)
            z.last() += QStringLiteral(" %1/%2/%3").arg(s.red).arg(s.slika).arg(s.postotak);
        z << QStringLiteral("progres: %1..%2 %3 %4")
                 .arg(w.progresMin)
                 .arg(w.progresMax)
                 .arg(w.progres)
                 .arg(int(w.progresVidljiv));
        z << "txtPor:" << w.txtPor.split("\r\n") << "txtPorGr:" << w.txtPorGr.split("\r\n");
        z << QStringLiteral("kartica: %1").arg(w.kartica) << "Update:";
        for (const QString& ime : datoteke(okruženje.update()))
            z << QStringLiteral("%1 %2").arg(ime).arg(QFileInfo(okruženje.update() + ime).size());
        return z.join(u'\n')
            .replace(okruženje.dir.path(), QStringLiteral("{T}"))
            .replace(domaćini.primarni, QStringLiteral("{H}"));
    }
};

} // namespace

// Fetch from the download host and from the network location, end to end:
// each case's whole record against its golden file in acquire/akvizicija/.
class TestAkvizicije : public QObject {
    Q_OBJECT

private slots:
    void dohvat_data() {
        QTest::addColumn<bool>("saMreže");
        QTest::addColumn<QString>("stavke");
        QTest::addColumn<QString>("kvar");
        QTest::newRow("internet") << false << Plan << "";
        QTest::newRow("mreza") << true << Plan << "";
        QTest::newRow("internet-bajt-manje") << false << Plan << "kratak";
        QTest::newRow("internet-bez-7za") << false << Plan << "bez7za";
        QTest::newRow("internet-download") << false << Plan << "download";
        QTest::newRow("internet-stari-paket") << false << "Knjiženje.exe:10"
                                              << "stari";
        QTest::newRow("internet-nista") << false << "Knjiženje.exe:10"
                                        << "nista";
        QTest::newRow("internet-ostecena") << false << "Knjiženje.exe:3000"
                                           << "ostecena";
        QTest::newRow("mreza-nije-arhiva") << true << "Knjiženje.exe:3000"
                                           << "nijeArhiva";
        QTest::newRow("internet-cekanja")
            << false << "A.exe:1 B.exe:2 C.exe:3 D.exe:4 E.exe:5 F.exe:6"
            << "pojava";
        QTest::newRow("mreza-bez-separatora") << true << Plan << "bezSeparatora";
        QTest::newRow("mreza-kopija") << true << Plan << "kopija";
        QTest::newRow("mreza-prazna") << true << "Prazna.enc:0 Grid.ocx:900"
                                      << "";
        QTest::newRow("mreza-velicina") << true << "Knjiženje.exe:10"
                                        << "velicina";
        QTest::newRow("mreza-verzije") << true << "Grid.ocx:10"
                                       << "verzije";
        QTest::newRow("mreza-slijeganje")
            << true << "A.ocx:2500000 B.ocx:3500000 C.ocx:1500000 D.ocx:500000 E.chm:3500000"
            << "";
    }

    void dohvat() {
        QFETCH(bool, saMreže);
        QFETCH(QString, stavke);
        QFETCH(QString, kvar);
        PostavaAkvizicije p;
        LažniProzor& w = p.okruženje.prozor;
        const QString izvor = saMreže ? p.mreža : p.posluženo.path();
        QDir().mkpath(p.mreža);
        p.planiraj(izvor, stavke, kvar == "pojava");
        const QString prvi = p.stanje.NoveVerzije.tekst(0, Stupac::Ime);
        const QString paket = izvor + u'/' + ImePaketa(prvi);
        if (kvar != "bez7za")
            QFile::link(QStringLiteral("/usr/bin/7za"), p.okruženje.baza() + "7za");
        p.zapiši(p.mreža + "/Verzije.txt", "nove verzije");
        p.zapiši(p.okruženje.update() + "Verzije.txt", "stare");
        w.lokacije[0] = p.mreža + (kvar == "bezSeparatora" ? "" : "/");
        w.txtPor = w.txtPorGr = "-";
        if (kvar == "kratak")
            QFile(paket).resize(QFileInfo(paket).size() - 1);
        if (kvar == "ostecena" || kvar == "nijeArhiva") {
            QByteArray arhiva = p.pročitaj(paket);
            arhiva.replace(kvar == "ostecena" ? arhiva.size() / 2 : 0, 4, "\xff\xff\xff\xff");
            p.zapiši(paket, arhiva);
        }
        if (kvar == "download")
            p.neuspjeliDownload << ImePaketa(prvi);
        if (kvar == "stari")
            p.zapiši(p.okruženje.update() + ImePaketa(prvi), "stari paket");
        if (kvar == "nista")
            p.stanje.NoveVerzije(0, Stupac::OznakaAžuriranja) = qint16(0);
        const auto pokvari = [&](NeispravneDatoteke::Operacija o, const QString& ime) {
            p.okruženje.datoteke.Pokvari(o, p.okruženje.update() + ime, {61, "Disk je pun"});
        };
        if (kvar == "kopija")
            pokvari(NeispravneDatoteke::Operacija::Kopiraj, ImePaketa(prvi));
        if (kvar == "velicina")
            pokvari(NeispravneDatoteke::Operacija::Velicina, prvi);
        if (kvar == "verzije")
            pokvari(NeispravneDatoteke::Operacija::Kopiraj, "Verzije.txt");
        // Each wait of five seconds brings the first file still missing.
        p.okruženje.sat.poČekanju = [&] {
            for (int red = 0; kvar == "pojava" && p.okruženje.sat.čekanja.last() == 5; ++red) {
                const QString ime = p.stanje.NoveVerzije.tekst(red, Stupac::Ime);
                if (!QFile::exists(p.okruženje.update() + ime)) {
                    p.zapiši(p.okruženje.update() + ime, uzorak(ime.front().unicode() - 'A' + 1));
                    break;
                }
            }
        };

        const bool rezultat =
            saMreže ? p.akvizicija.SnimitiSaMrežneLokacije() : p.akvizicija.SnimitiSaInterneta();

        // No file lies in Update/ under an item's name unless it is that item whole (or empty).
        for (const QString& stavka : stavke.split(u' ')) {
            const QString put = p.okruženje.update() + stavka.section(u':', 0, 0);
            if (QFileInfo(put).size() > 0)
                QCOMPARE(p.pročitaj(put), uzorak(stavka.section(u':', 1).toInt()));
        }
        const QString zlatni = QStringLiteral(VELKOR_ZLATNI "/") + QTest::currentDataTag() + ".txt";
        const QString zapisnik = p.zapisnik(rezultat);
        if (qEnvironmentVariableIsSet("VELKOR_PISI_ZLATNE"))
            p.zapiši(zlatni, zapisnik.toUtf8());
        QCOMPARE(zapisnik, QString::fromUtf8(p.pročitaj(zlatni)));
    }
};

VELKOR_TEST(TestAkvizicije)
#include "tst_akvizicija.moc"
