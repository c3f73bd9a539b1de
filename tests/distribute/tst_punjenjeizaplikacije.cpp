// What the distribution run takes from app and gives back: the location, the
// transfer time it last showed, and the end of the program, which app decides;
// and the steps of its bar.
#include "distribute/PunjenjeLokacije.h"
#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include <QTimer>

using namespace velkor;
using namespace velkor::test;

class TestPunjenjaIzAplikacije : public QObject {
    Q_OBJECT

private slots:
    // The distribution bar counts rows 1 to 29 and starts again at 1.
    void krugProgresa() {
        QCOMPARE((QList<qint32>{SljedećiKorakProgresa(0), SljedećiKorakProgresa(1),
                                SljedećiKorakProgresa(28), SljedećiKorakProgresa(29)}),
                 (QList<qint32>{1, 2, 29, 1}));
    }

    // The closing box tells the transfer time as the label last showed it.
    void vrijemeUZavrsnojPoruci() {
        Okruženje o;
        o.poslužitelj();
        const QString lokacija = o.baza() + "Distribucija/";
        QDir().mkpath(lokacija);
        o.prozor.lokacije[1] = lokacija;
        o.zapiši(o.objava.filePath("Verzije.txt"), "A.exe;22;1;0;3;3;\r\n");
        o.zapiši(o.objava.filePath("VerzijeU.txt"), "-");
        o.zapiši(o.objava.filePath("A.7z"), "abc");
        o.zapiši(o.objava.filePath("TeamViewerQS.exe"), "tv");
        // The label's timer ticks while the packages come in.
        QTimer tik;
        connect(&tik, &QTimer::timeout, this, [&] { o.aplikacija().tmrPrijenos_Timer(); });
        tik.start(0);
        o.aplikacija().cmdDownlNaLokaciju_Click();
        QCOMPARE(o.prozor.poruke.last().tekst.split("\r\n").value(1),
                 QStringLiteral("Vrijeme prijenosa: ,00 s"));
    }

    void bezUpdateDirektorije() {
        Okruženje o;
        const QString lokacija = o.baza() + "Distribucija";
        QDir().mkpath(lokacija);
        o.datoteke.Pokvari(NeispravneDatoteke::Operacija::NapraviDirektoriju, lokacija + "/Update/",
                           {75, "Opis"});
        o.prozor.lokacije[1] = lokacija;
        o.aplikacija().cmdDownlNaLokaciju_Click();
        // The box typed without its separator gets it before the run.
        QCOMPARE(o.prozor.lokacije[1], lokacija + '/');
        QCOMPARE(Poruke(o.prozor),
                 QStringList("Usklicnik: Nastala je greška u kreiranju Update direktorije! Program "
                             "za skidanje novih programa mora prestati sa radom. Vjerojatno "
                             "nemate administratorska prava."));
        QCOMPARE(o.prozor.završetaka, 1);
    }
};

VELKOR_TEST(TestPunjenjaIzAplikacije)
#include "tst_punjenjeizaplikacije.moc"
