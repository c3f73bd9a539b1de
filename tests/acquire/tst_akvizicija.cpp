#include "PostavaPreuzimanja.h"
#include "acquire/Akvizicija.h"
#include "catalogue/ImePaketa.h"
#include "catalogue/PotvrdaIzdanja.h"
#include "catalogue/VrstaStavke.h"
#include "catalogue/ZapisVerzije.h"
#include "support/RegistarTestova.h"

#include <QProcess>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace velkor;
using namespace velkor::test;

namespace {

// One case: "internet" or "mreza", the items as "name:size", the fault, and
// "statusi" when the case is about the status panels' texts. The
// packages are published on the local server or in a directory, made by 7-Zip.
struct PostavaAkvizicije : PostavaPreuzimanja {
    PlanAžuriranja plan{stanje, okruženje.prozor, okruženje.prozor, okruženje.datoteke, dnevnik};
    TablicneDatoteke tablice{okruženje.datoteke, okruženje.prozor, dnevnik, stanje};
    PotvrdaIzdanja potvrda{stanje,  okruženje.prozor,     okruženje.datoteke, dnevnik,
                           tablice, *okruženje.spremište, okruženje.sat,      okruženje.baza()};
    Akvizicija akvizicija;
    const QStringList slučaj, stavke;
    const QString& kvar = slučaj[2];

    explicit PostavaAkvizicije(const QString& put)
        : akvizicija(stanje, okruženje.prozor, okruženje.prozor, okruženje.prozor,
                     okruženje.datoteke, dnevnik, okruženje.platforma, okruženje.sat, plan, potvrda,
                     [this](const QString& ime, const QString& direktorija, qint64 najviše) {
                         return preuzimanje->DownloadDatoteke(ime, direktorija, najviše);
                     }),
          slučaj(SlučajZlatnog(put).split(" | ")), stavke(slučaj[1].split(u' ')) {
        stanje.PutanjaPrograma = okruženje.baza();
        stanje.PutanjaUpdate = okruženje.update();
        for (int red = 0; red < stavke.size(); ++red)
            planiraj(red, stavke[red].section(u':', 0, 0), stavke[red].section(u':', 1).toInt());
        okruženje.prozor.PrikažiPlan(plan.StavkePlana());
        if (kvar != "bez7za")
            QFile::link("/usr/bin/7za", okruženje.baza() + "7za");
        zapiši(izvor + "/Verzije.txt", "nove");
        zapiši(okruženje.update() + "Verzije.txt", "stare");
        okruženje.prozor.lokacije[0] = izvor + (kvar == "bezSeparatora" ? "" : "/");
        okruženje.prozor.txtPor = okruženje.prozor.txtPorGr = "-";
    }

    // The package into izvor, the record into the plan. With "pojava" the
    // archive holds another file, so the item's file is missing after unpacking;
    // "verzije" holds Verzije.txt instead, "dvije" another file beside the item,
    // "veza" a link named as the item, "zip" is a ZIP archive, and with
    // "velicinaArhive" the list gives the item a byte more than it has.
    void planiraj(int red, const QString& ime, int bajtova) {
        const QByteArray sadržaj = uzorak(bajtova);
        const QString paket = izvor + u'/' + ImePaketa(ime);
        QTemporaryDir radna;
        const QString datoteka = radna.filePath(kvar == "pojava"    ? "drugo.bin"
                                                : kvar == "verzije" ? "Verzije.txt"
                                                                    : ime);
        const bool kopija = PaketJeSamaDatoteka(ime);
        zapiši(kopija ? paket : datoteka, sadržaj);
        // Without times the header compresses to the same size on every run.
        QStringList a{"a", "-bso0", "-snl", paket, datoteka};
        a += kvar == "zip" ? QStringList{"-tzip"} : QStringList{"-t7z", "-mtm=off"};
        if (kvar == "dvije")
            zapiši(a.emplaceBack(radna.filePath("Drugi.exe")), "drugi");
        if (kvar == "veza")
            QFile::remove(datoteka), QFile::link(QString(bajtova, u'a'), datoteka);
        if (!kopija)
            QCOMPARE(QProcess::execute("7za", a), 0);
        const QString veličina = QString::number(QFileInfo(paket).size());
        const QStringList zapis{
            ime, "22",     "1",
            "0", veličina, QString::number(sadržaj.size() + (kvar == "velicinaArhive"))};
        for (int stupac = 0; stupac < zapis.size(); ++stupac)
            stanje.NoveVerzije(red, stupac) = zapis[stupac];
        stanje.NoveVerzije(red, Stupac::OznakaAžuriranja) = qint16(1);
        stanje.UkupnoDownload += veličina.toInt();
    }
};

} // namespace

// Fetch from the download host and from the network location, end to end. Each
// file in acquire/akvizicija/ is one case: its first line the case, the rest
// the whole record of the run.
class TestAkvizicije : public QObject {
    Q_OBJECT

private slots:
    void dohvat_data() { DodajZlatne(VELKOR_ZLATNI); }

    void dohvat() {
        QFETCH(QString, put);
        PostavaAkvizicije p(put);
        const QString prvi = ImePaketa(p.stavke[0].section(u':', 0, 0));
        QByteArray paket = Okruženje::pročitaj(p.izvor + u'/' + prvi);
        if (p.kvar == "kratak")
            paket.chop(1);
        if (p.kvar == "dulji")
            paket.append("višak");
        if (p.kvar == "ostecena" || p.kvar == "nijeArhiva")
            paket.replace(p.kvar == "ostecena" ? paket.size() / 2 : 0, 4, "\xff\xff\xff\xff");
        p.zapiši(p.izvor + u'/' + prvi, paket);
        if (p.kvar == "download")
            p.poslužitelj.PostaviPonašanje(prvi, LokalniPoslužitelj::Ponašanje::NijePronadeno);
        if (p.kvar == "stari")
            p.zapiši(p.stanje.PutanjaUpdate + prvi, "stari paket");
        if (p.kvar == "maloMjesta")
            p.okruženje.datoteke.slobodno = p.stanje.UkupnoDownload + 3000 - 1; // a byte short
        if (p.kvar == "nista")
            p.stanje.NoveVerzije(0, Stupac::OznakaAžuriranja) = qint16(0);
        if (p.kvar == "velicina")
            p.okruženje.datoteke.Pokvari(NeispravneDatoteke::Operacija::Velicina,
                                         p.stanje.PutanjaUpdate + prvi, {61, "Pun"});
        // With "pojava", each wait of five seconds brings the first file still missing.
        p.okruženje.sat.poČekanju = [&] {
            for (const QString& s : p.stavke) {
                const QString ime = p.stanje.PutanjaUpdate + s.section(u':', 0, 0);
                if (p.kvar == "pojava" && p.okruženje.sat.čekanja.last() == 5 &&
                    !QFile::exists(ime))
                    return p.zapiši(ime, uzorak(s.section(u':', 1).toInt()));
            }
        };
        // "punDisk": no file may grow beyond 1 MB, as on a disk that fills up.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit staro{}, disk{p.kvar == "punDisk" ? 1 << 20 : RLIM_INFINITY, RLIM_INFINITY};
        prlimit(0, RLIMIT_FSIZE, &disk, &staro);
        p.okruženje.zapamtiStablo();
        const bool rezultat =
            p.slučaj[0] == "mreza"
                ? p.akvizicija.SnimitiSaMrežneLokacije(p.okruženje.prozor.lokacije[0])
                : p.akvizicija.SnimitiSaInterneta();
        prlimit(0, RLIMIT_FSIZE, &staro, nullptr);

        UsporediSaZlatnim(put, p.zapisnik({"rezultat: " + QString::number(rezultat)},
                                          p.slučaj.value(3) == "statusi"));
    }
};

VELKOR_TEST(TestAkvizicije)
#include "tst_akvizicija.moc"
