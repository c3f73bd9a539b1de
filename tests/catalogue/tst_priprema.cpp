#include "support/Instalacija.h"
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

#include "catalogue/PlanAzuriranja.h"
#include "catalogue/PotvrdaIzdanja.h"
#include "catalogue/PripremaVerzija.h"
#include "catalogue/TablicneDatoteke.h"
#include "platform/KodnaStranica.h"

#include <QDir>

using namespace velkor;
using namespace velkor::test;

class TestPripremaVerzija : public QObject {
    Q_OBJECT

private slots:
    void priprema_data() { DodajSlučajeve(QFINDTESTDATA("data/priprema.txt")); }

    void priprema() {
        QFETCH(Slučaj, slucaj);
        Instalacija o;
        const QString server = o.dir.path() + "/server/", mreža = o.dir.path() + "/mreza/";
        const auto zamijeni = [&](const QStringList& t) {
            return Zamijeni(t, o).replaceInStrings("{W}", server).replaceInStrings("{M}", mreža);
        };
        const QStringList datoteke{"{B}Verzije.txt=Program.exe;22;1;5;1000;2000;\r\n",
                                   "{W}Verzije.txt=Program.exe;22;1;6;1000;2000;\r\n",
                                   "{M}Verzije.txt=Program.exe;22;1;6;1000;2000;\r\n",
                                   "{W}TeamViewerQS.exe=tv"};
        for (const QString& d : zamijeni(datoteke + slucaj.sve("datoteka")))
            o.zapiši(d.section('=', 0, 0), d.section('=', 1));
        for (const QString& d : zamijeni(slucaj.sve("bez")))
            QFile::remove(d);
        for (const QString& k : zamijeni(slucaj.sve("kvar")))
            o.datoteke.Pokvari(NeispravneDatoteke::Operacija::Kopiraj, k.section(' ', 0, 0),
                               {k.section(' ', 1, 1).toInt(), k.section(' ', 2)});
        o.prozor.downloadOmogućen = slucaj.broj("gumb", 1);

        QStringList zahtjevi;
        TablicneDatoteke tablice(o.datoteke, o.prozor, o.dnevnik, o.stanje);
        PlanAžuriranja plan(o.stanje, o.prozor, o.prozor, o.datoteke, o.dnevnik);
        PotvrdaIzdanja potvrda(o.stanje, o.prozor, o.datoteke, o.dnevnik, tablice, *o.spremište,
                               o.sat, o.baza());
        PripremaVerzija priprema(
            o.stanje, o.prozor, o.datoteke, o.dnevnik, o.radneDirektorije, tablice, plan, potvrda,
            o.prozor, [&](const QString& ime, const QString& dir, qint64 najviše) {
                zahtjevi << ime + '>' + dir + ' ' + QString::number(najviše);
                if (slucaj.sve("neuspjeh").contains(ime))
                    return false;
                QFile::remove(dir + ime);
                return slucaj.sve("prazno").contains(ime) || QFile::copy(server + ime, dir + ime);
            });

        QCOMPARE(priprema.PripremiVerzijaTXT(
                     {slucaj.broj("opcija", 2), slucaj.jedno("lokacija", mreža)}),
                 !slucaj.polja.contains("poruka"));

        QCOMPARE(o.porukeLoga(), zamijeni(slucaj.sve("log")));
        QCOMPARE(Poruke(o.prozor), zamijeni(slucaj.sve("poruka")));
        if (slucaj.jedno("poruka").startsWith("Usklicnik: "))
            QCOMPARE(o.stanje.ZadnjaGreška, zamijeni(slucaj.sve("poruka"))[0].section(": ", 1));
        QCOMPARE(zahtjevi, zamijeni(slucaj.sve("zahtjev")));
        QCOMPARE(int(o.prozor.downloadOmogućen),
                 slucaj.broj("gumb poslije", slucaj.broj("gumb", 1)));
        for (const QString& d : zamijeni(slucaj.sve("sadrzaj")))
            QCOMPARE(o.pročitaj(d.section('=', 0, 0)), UAnsi(d.section('=', 1)));
        for (const QString& d : zamijeni(slucaj.sve("nema")))
            QVERIFY2(!QFile::exists(d), qPrintable(d));
    }
};

VELKOR_TEST(TestPripremaVerzija)
#include "tst_priprema.moc"
