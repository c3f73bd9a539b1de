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

// Fetch from the download host and from the network location, end to end. Each
// file in acquire/akvizicija/ is one case: its first line the case, the rest the
// whole record of the run. The case: "internet" or "mreza", the items as
// "name:size", the fault, and "statusi" when the case is about the status
// panels' texts. The packages are made by 7-Zip into the directory the local
// server serves, which is also the network location.
class TestAkvizicije : public QObject {
    Q_OBJECT

private slots:
    void dohvat_data() { DodajZlatne(QFINDTESTDATA("akvizicija")); }

    void dohvat() {
        QFETCH(QString, put);
        const QStringList slučaj = SlučajZlatnog(put).split(" | "), stavke = slučaj[1].split(u' ');
        const QString& kvar = slučaj[2];
        PostavaPreuzimanja p;
        Okruženje& o = p.okruženje;
        Stanje& stanje = p.stanje;
        PlanAžuriranja plan{stanje, o.prozor, o.prozor, o.datoteke, p.dnevnik};
        TablicneDatoteke tablice{o.datoteke, o.prozor, p.dnevnik, stanje};
        PotvrdaIzdanja potvrda{stanje,  o.prozor,     o.datoteke, p.dnevnik,
                               tablice, *o.spremište, o.sat,      o.baza()};
        Akvizicija akvizicija(stanje, o.prozor, o.prozor, o.prozor, o.datoteke, p.dnevnik,
                              o.platforma, o.sat, plan, potvrda,
                              [&](const QString& ime, const QString& direktorija, qint64 najviše) {
                                  return p.preuzimanje->DownloadDatoteke(ime, direktorija, najviše);
                              });
        stanje.PutanjaPrograma = o.baza();
        stanje.PutanjaUpdate = o.update();
        // Each package into izvor, its record into the plan. With "pojava" the
        // archive holds another file, so the item's file is missing after unpacking;
        // "verzije" holds Verzije.txt instead, "dvije" another file beside the item,
        // "veza" a link named as the item, "zip" is a ZIP archive, and with
        // "velicinaArhive" the list gives the item a byte more than it has.
        for (int red = 0; red < stavke.size(); ++red) {
            const QString ime = stavke[red].section(u':', 0, 0);
            const QByteArray sadržaj = uzorak(stavke[red].section(u':', 1).toInt());
            const QString paket = p.izvor + u'/' + ImePaketa(ime);
            QTemporaryDir radna;
            const QString datoteka = radna.filePath(kvar == "pojava"    ? "drugo.bin"
                                                    : kvar == "verzije" ? "Verzije.txt"
                                                                        : ime);
            const bool kopija = PaketJeSamaDatoteka(ime);
            p.zapiši(kopija ? paket : datoteka, sadržaj);
            // Without times the header compresses to the same size on every run.
            QStringList a{"a", "-bso0", "-snl", paket, datoteka};
            a += kvar == "zip" ? QStringList{"-tzip"} : QStringList{"-t7z", "-mtm=off"};
            if (kvar == "dvije")
                p.zapiši(a.emplaceBack(radna.filePath("Drugi.exe")), "drugi");
            if (kvar == "veza")
                QFile::remove(datoteka), QFile::link(QString(sadržaj.size(), u'a'), datoteka);
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
        o.prozor.PrikažiPlan(plan.StavkePlana());
        if (kvar != "bez7za")
            QFile::link("/usr/bin/7za", o.baza() + "7za");
        p.zapiši(p.izvor + "/Verzije.txt", "nove");
        p.zapiši(o.update() + "Verzije.txt", "stare");
        o.prozor.lokacije[0] = p.izvor + (kvar == "bezSeparatora" ? "" : "/");
        o.prozor.txtPor = o.prozor.txtPorGr = "-";

        const QString prvi = ImePaketa(stavke[0].section(u':', 0, 0));
        QByteArray paket = Okruženje::pročitaj(p.izvor + u'/' + prvi);
        if (kvar == "kratak")
            paket.chop(1);
        if (kvar == "dulji")
            paket.append("višak");
        if (kvar == "ostecena" || kvar == "nijeArhiva")
            paket.replace(kvar == "ostecena" ? paket.size() / 2 : 0, 4, "\xff\xff\xff\xff");
        p.zapiši(p.izvor + u'/' + prvi, paket);
        if (kvar == "download")
            p.poslužitelj.PostaviPonašanje(prvi, LokalniPoslužitelj::Ponašanje::NijePronadeno);
        if (kvar == "stari")
            p.zapiši(stanje.PutanjaUpdate + prvi, "stari paket");
        if (kvar == "maloMjesta")
            o.datoteke.slobodno = stanje.UkupnoDownload + 3000 - 1; // a byte short
        if (kvar == "nista")
            stanje.NoveVerzije(0, Stupac::OznakaAžuriranja) = qint16(0);
        if (kvar == "velicina")
            o.datoteke.Pokvari(NeispravneDatoteke::Operacija::Velicina, stanje.PutanjaUpdate + prvi,
                               {61, "Pun"});
        // With "pojava", each wait of five seconds brings the first file still missing.
        o.sat.poČekanju = [&] {
            for (const QString& s : stavke) {
                const QString ime = stanje.PutanjaUpdate + s.section(u':', 0, 0);
                if (kvar == "pojava" && o.sat.čekanja.last() == 5 && !QFile::exists(ime))
                    return p.zapiši(ime, uzorak(s.section(u':', 1).toInt()));
            }
        };
        // "punDisk": no file may grow beyond 1 MB, as on a disk that fills up.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit staro{}, disk{kvar == "punDisk" ? 1 << 20 : RLIM_INFINITY, RLIM_INFINITY};
        prlimit(0, RLIMIT_FSIZE, &disk, &staro);
        o.zapamtiStablo();
        const bool rezultat = slučaj[0] == "mreza"
                                  ? akvizicija.SnimitiSaMrežneLokacije(o.prozor.lokacije[0])
                                  : akvizicija.SnimitiSaInterneta();
        prlimit(0, RLIMIT_FSIZE, &staro, nullptr);

        UsporediSaZlatnim(put, p.zapisnik({"rezultat: " + QString::number(rezultat)},
                                          slučaj.value(3) == "statusi"));
    }
};

VELKOR_TEST(TestAkvizicije)
#include "tst_akvizicija.moc"
