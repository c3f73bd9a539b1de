// The update run through the program as main wires it: start-up and the button,
// a release made by the publisher in the network location (the source unless the
// case's settings say otherwise) that the local update server also serves, the
// real 7-Zip and the registration tool's stand-in. Each file in app/azuriranje/
// is one case: its first line the case (JSON), the rest the whole record of the run.
#include "publish/Naredbe.h"
#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace velkor;
using namespace velkor::test;
using Op = NeispravneDatoteke::Operacija;

namespace {

struct Prekid {};

// A move aside that never returns, as when the program is killed.
class PrekidneDatoteke : public NeispravneDatoteke {
public:
    Rezultat Premjesti(const QString& od, const QString& na) override {
        if (na.contains("/UpdateBackup/") && doPrekida-- == 0)
            throw Prekid{};
        return NeispravneDatoteke::Premjesti(od, na);
    }
    int doPrekida = -1;
};

} // namespace

class TestAzuriranja : public QObject {
    Q_OBJECT

private slots:
    void azuriranje_data() { DodajZlatne(QFINDTESTDATA("azuriranje")); }

    void azuriranje() {
        QFETCH(QString, put);
        Okruženje o;
        const QString b = o.baza();
        const QJsonObject s = QJsonDocument::fromJson(SlučajZlatnog(put).toUtf8()).object();
        QTemporaryDir izvor;
        // The case's settings over the network location's.
        QVariantMap postavke{{"UpdateLok22N", 1}, {"UpdateLokDir22", o.objava.path() + "/"}};
        postavke.insert(s["postavke"].toObject().toVariantMap());
        for (auto i = postavke.cbegin(); i != postavke.cend(); ++i)
            o.spremiPostavku("Settings", i.key(), i->toString());
        if (s["backup"].toBool())
            o.zapiši(b + "UpdateBackup/Z.exe", "z");
        o.postaviIzdanje(izvor.path(), s["stavke"].toVariant().toStringList(),
                         s["nove"].toVariant().toStringList());
        // Without "tv" the program fetches it (a signed release names it).
        o.zapiši((s["tv"].toBool(true) ? b : o.objava.path() + '/') + "TeamViewerQS.exe", "tv");
        const QString kvar = s["potpis"].toString();
        const QString tajni = s.contains("potpis") ? o.ključ() : QString();
        const QStringList potpis =
            tajni.isEmpty() || kvar == "bez" ? QStringList() : QStringList{"--kljuc", tajni};
        const Konzola tiho{[](auto&) {}, [](auto&) {}};
        QCOMPARE(
            PokreniObjavu(potpis + QStringList{izvor.path(), o.objava.path()}, "/usr/bin", tiho),
            0);
        // The signed release spoiled the case's way; "lista": a line added to it,
        // "dopuna": between the check and the run, "kasnije": and checked again.
        const QString verzije = o.objava.filePath("Verzije.txt");
        const auto dopuni = [&] {
            o.zapišiBajtove(verzije, o.pročitaj(verzije) + "E.exe;22;3;0;9;9;\r\n");
        };
        if (kvar == "lista")
            dopuni();
        if (kvar == "drugi kljuc")
            o.ključ("drugi");
        if (kvar == "paket") {
            QByteArray paket = o.pročitaj(o.objava.filePath("A.7z"));
            paket.back() = char(paket.back() ^ 1);
            o.zapišiBajtove(o.objava.filePath("A.7z"), paket);
        }
        // The publisher signs at the real time, so the list expires after it.
        if (kvar == "istekao")
            o.sat.sada = QDateTime::currentDateTime().addYears(2);
        PrekidneDatoteke datoteke;
        // The fetch's log and commands are recorded by the fetch's own cases: an
        // update run that comes to the question of installing records them from
        // there on. "update": a file changed in Update/ meanwhile; "jednom": the
        // fault gone once the user is asked to close the program that holds the file.
        o.prozor.priPoruci = [&](const QString& tekst) {
            if (tekst.contains("Jeste li izašli iz programa") && s["jednom"].toBool())
                datoteke.Popravi();
            if (!tekst.startsWith("Svi novi programi"))
                return;
            QFile::remove(o.putanjaLoga());
            o.platforma.naredbe.clear();
            if (kvar == "update")
                o.zapiši(b + "Update/A.exe", "NOVO A.exe");
        };
        QVERIFY(QFile::link("/usr/bin/7za", b + "7za"));

        // A fault marked "popravak" is of the start after the run.
        for (const QJsonValue k : s["kvarovi"].toArray())
            (k[3] == "popravak" ? o.datoteke : datoteke)
                .Pokvari(Op(QMetaEnum::fromType<Op>().keyToValue(qPrintable(k[0].toString()))),
                         b + k[1].toString(), {k[2].toInt(), "Opis"});
        datoteke.doPrekida = s["prekid"].toInt(-1);
        o.poslužitelj().PostaviPonašanje(s["bezPaketa"].toString(),
                                         LokalniPoslužitelj::Ponašanje::NijePronadeno);
        for (const QString& naslov : s["otvoreni"].toVariant().toStringList())
            o.platforma.prozori.insert(naslov, false);
        for (QChar z : s["odgovori"].toString("D"))
            o.prozor.odgovori << (z == 'D' ? Odgovor::Da : Odgovor::Ne);
        o.platforma.imeRačunala = s["racunalo"].toString("RACUNALO");
        o.platforma.registarRadi = s["registar"].toBool(true);
        static const QByteArray path = qgetenv("PATH");
        const QString alati = QFileInfo(QFINDTESTDATA("../../tools/RegSvr32.exe")).path() + ":";
        qputenv("PATH", (s["alat"].toBool(true) ? alati.toUtf8() : "") + path);
        qputenv("VELKOR_REGSVR32_ZAPIS", QFile::encodeName(o.dir.filePath("regsvr32.txt")));
        qputenv("VELKOR_REGSVR32_KODOVI", s["kodovi"].toString().toUtf8());
        o.platforma.najdužeSekundi = s["rok"].toInt(60);

        o.zapamtiStablo();
        Aplikacija a({o.okolina().aplikacijskaDirektorija, o.prozor, datoteke, o.platforma,
                      *o.spremište, o.sat, o.regionalno});
        a.Form_Load();
        // The log is of the button's run; the check before it is also the one after it.
        QStringList z{"plan: " + QString::number(o.prozor.plan.size())};
        QFile::remove(o.putanjaLoga());
        if (s["dopuna"].toBool() || kvar == "kasnije")
            dopuni();
        if (kvar == "kasnije")
            a.cmdVerzija_Click();
        QString ponovo = s["ponovo"].toBool() ? "ponovno pokretanje" : "";
        try {
            a.cmdDownloadAndUpdate_Click();
        } catch (Prekid) {
            ponovo = "prekid, ponovno pokretanje";
            // Beside a package: what a killed download leaves, and another program's file.
            o.zapiši(b + "Update/A.7z;velkor-dio.0a1b2c3", "x");
            o.zapiši(b + "Update/A.7z.0a1b2c", "x");
        }
        if (!ponovo.isEmpty())
            z << ponovo, Aplikacija(o.okolina()).Form_Load();

        z << "plan: " + QString::number(o.prozor.plan.size());
        // What the registration tool was given, and whether the file was there.
        for (const QString& poziv : QString::fromUtf8(o.pročitaj(o.dir.filePath("regsvr32.txt")))
                                        .split("\n\n", Qt::SkipEmptyParts))
            z << "regsvr32: " + QString(poziv).replace('\n', ' ');
        UsporediSaZlatnim(put, o.zapis(z, &a.stanje(), s["statusi"].toBool()));
    }
};

VELKOR_TEST(TestAzuriranja)
#include "tst_azuriranje.moc"
