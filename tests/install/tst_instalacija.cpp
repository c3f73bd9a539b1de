#include "catalogue/ImePaketa.h"
#include "catalogue/ZapisVerzije.h"
#include "install/UpdatePrograma.h"
#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace velkor;
using namespace velkor::test;
using Op = NeispravneDatoteke::Operacija;

namespace {

struct Prekid {};

// A fault that goes after its first hit (a program closed meanwhile), and a
// move that never returns, as when the program is killed.
class PrekidneDatoteke : public NeispravneDatoteke {
public:
    Ishod Premjesti(const QString& od, const QString& na) override {
        if (doPrekida-- == 0)
            throw Prekid{};
        const Ishod ishod = NeispravneDatoteke::Premjesti(od, na);
        if (ishod && jednom)
            Popravi();
        return ishod;
    }
    int doPrekida = -1;
    bool jednom = false;
};

// Every file under the base but the log, with its text.
QStringList stablo(const QString& baza) {
    QStringList s;
    for (QDirIterator it(baza, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString put = it.next();
        QFile f(put);
        if (!put.endsWith("Update.log") && f.open(QIODevice::ReadOnly))
            s << put.mid(baza.size()) + ": " + QString::fromLatin1(f.readAll()).trimmed();
    }
    s.sort();
    return s;
}

} // namespace

// UpdatePrograma by kinds and failures. Each file in install/instalacija/ is one
// case: its first line the case (JSON), the rest the whole record of the run.
class TestInstalacije : public QObject {
    Q_OBJECT

private slots:
    void instalacija_data() {
        QTest::addColumn<QString>("put");
        const QDir dir(QFINDTESTDATA("instalacija"));
        for (const QString& ime : dir.entryList({"*.txt"}))
            QTest::newRow(qPrintable(ime.chopped(4))) << dir.filePath(ime);
    }

    void instalacija() {
        QFETCH(QString, put);
        Okruženje o;
        const QString zlatni = QString::fromUtf8(o.pročitaj(put));
        const QJsonObject s = QJsonDocument::fromJson(zlatni.section('\n', 0, 0).toUtf8()).object();
        Aplikacija& a = o.aplikacija();
        Stanje& st = a.stanje();
        a.radneDirektorije().PostaviPutanje();
        for (const QString& d : {st.PutanjaHelp, st.PutanjaSkripti, o.dir.filePath("lokacija")})
            QDir().mkpath(d);
        if (s["backup"].toBool())
            QDir().mkpath(st.PutanjaUpdateBackup), o.zapiši(st.PutanjaUpdateBackup + "Z.exe", "z");
        // Installed at 22.1.0, 22.2.0 in Update/ and in the location; "nove" were never installed.
        QString stare, nove;
        const QStringList stavke = s["stavke"].toVariant().toStringList();
        for (int red = 0; red < stavke.size(); ++red) {
            const QString& ime = stavke[red];
            st.NoveVerzije(red, Stupac::Ime) = ime;
            st.NoveVerzije(red, Stupac::OznakaAžuriranja) = qint16(1);
            nove += ime + ";22;2;0;9;9;\r\n";
            if (!s["nove"].toVariant().toStringList().contains(ime)) {
                stare += ime + ";22;1;0;9;9;\r\n";
                o.zapiši(DirektorijaStavke(st, ime) + ime, "staro " + ime);
            }
            o.zapiši(st.PutanjaUpdate + ime, "novo " + ime);
            if (ime.endsWith("exe") || ime.endsWith("dll"))
                o.zapiši(st.PutanjaUpdate + ImePaketa(ime), "paket");
        }
        o.zapiši(st.PutanjaPrograma + "Verzije.txt", stare);
        o.zapiši(st.PutanjaUpdate + "Verzije.txt", nove);
        o.zapiši(o.dir.filePath("lokacija/Verzije.txt"), nove);
        o.prozor.PrikažiPlan(a.plan().StavkePlana());

        PrekidneDatoteke datoteke;
        const QHash<QString, Op> operacije{{"Premjesti", Op::Premjesti},
                                           {"Kopiraj", Op::Kopiraj},
                                           {"NapraviDirektoriju", Op::NapraviDirektoriju},
                                           {"ZapisiCijelu", Op::ZapisiCijelu}};
        for (const QJsonValue k : s["kvarovi"].toArray())
            datoteke.Pokvari(operacije[k[0].toString()], st.PutanjaPrograma + k[1].toString(),
                             {k[2].toInt(), "Opis greške"});
        datoteke.jednom = s["jednom"].toBool();
        datoteke.doPrekida = s["prekid"].toInt(-1);
        for (const QString& naslov : s["otvoreni"].toVariant().toStringList())
            o.platforma.prozori.insert(naslov, false);
        for (QChar z : s["odgovori"].toString())
            o.prozor.odgovori << (z == 'D' ? Odgovor::Da : Odgovor::Ne);
        o.platforma.imeRačunala = s["racunalo"].toString("RACUNALO");
        const QByteArray path = qgetenv("PATH");
        if (s["alat"].toBool(true))
            qputenv("PATH", QFileInfo(QFINDTESTDATA("../../tools/RegSvr32.exe")).path().toUtf8());
        else
            qputenv("PATH", "/nema");
        qputenv("VELKOR_REGSVR32_ZAPIS", QFile::encodeName(o.dir.filePath("regsvr32.txt")));

        velkor::Registracija registracija(o.platforma, a.dnevnik());
        DetekcijaPrograma detekcija(o.platforma, o.prozor, a.dnevnik());
        Povrat povrat(st, o.prozor, datoteke, a.dnevnik(), registracija);
        int pripreme = 0;
        InstalacijaPrograma instalacija({st, o.prozor, datoteke, a.dnevnik(), a.radneDirektorije(),
                                         a.plan(), detekcija, registracija, povrat,
                                         [&] { return ++pripreme > 0; }});
        QString rezultat = "prekid";
        try {
            rezultat = QString::number(instalacija.UpdatePrograma());
        } catch (Prekid) {
            // The next start, checking against the location.
            o.spremiPostavku("Settings", "UpdateLok22N", "1");
            o.spremiPostavku("Settings", "UpdateLokDir22", o.dir.filePath("lokacija/"));
            Aplikacija(o.okolina()).Form_Load();
        }
        qputenv("PATH", path);

        QStringList z{"rezultat: " + rezultat, "pripreme: " + QString::number(pripreme),
                      "završetaka: " + QString::number(o.prozor.završetaka), "dnevnik:"};
        z << o.porukeLoga() << "poruke:";
        for (const ZapisPoruke& p : o.prozor.poruke)
            z << QString::number(int(p.ikona)) + u' ' + QString::number(int(p.gumbi)) + ": " +
                     p.tekst;
        z << "status1:" << o.prozor.povijestStatusa1 << "stanja (red slika postotak):";
        for (const StanjeReda& r : o.prozor.stanjaRedova)
            z.last() += QString::asprintf(" %d %d %d", r.red, r.slika, r.postotak);
        z << "naredbe:" << o.platforma.naredbe << "datoteke:" << stablo(st.PutanjaPrograma);
        const QString zapisnik = zlatni.section('\n', 0, 0) + u'\n' +
                                 z.join(u'\n').replace(o.dir.path(), "{T}").replace("\r\n", "⏎");
        QFile f(put);
        if (qEnvironmentVariableIsSet("VELKOR_PISI_ZLATNE") && f.open(QIODevice::WriteOnly))
            f.write(zapisnik.toUtf8());
        QCOMPARE(zapisnik, zlatni);
    }
};

VELKOR_TEST(TestInstalacije)
#include "tst_instalacija.moc"
