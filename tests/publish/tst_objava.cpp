#include "ZapisnaKonzola.h"
#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include "base/KodnaStranica.h"
#include "catalogue/UcitajMatricu.h"
#include "publish/Naredbe.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using namespace velkor;
using namespace velkor::test;

namespace {

const QByteArray StaraLista("Staro.exe;1;0;0;10;20;\r\n");

// A release folder and a publication that already holds an older list.
struct Izdanje {
    QTemporaryDir dir;
    QString izvor = dir.filePath(QStringLiteral("izvor"));
    QString odredište = dir.filePath(QStringLiteral("objava"));
    ZapisnaKonzola k;

    Izdanje() {
        QDir().mkpath(izvor);
        QDir().mkpath(odredište);
        zapiši(odredište + "/Verzije.txt", StaraLista);
    }
    static void zapiši(const QString& put, const QByteArray& bajtovi) {
        QFile f(put);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bajtovi);
    }
    static QByteArray pročitaj(const QString& put) {
        QFile f(put);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<nema>");
    }
    int objavi() { return PokreniObjavu({izvor, odredište}, dir.path(), k.konzola); }
    QStringList objavljeno() const { return QDir(odredište).entryList(QDir::Files, QDir::Name); }
};

} // namespace

class TestObjava : public QObject {
    Q_OBJECT

private slots:
    // Every refusal names the line and leaves the publication as it was.
    void odbijanje_data() {
        QTest::addColumn<QByteArray>("popis");
        QTest::addColumn<QStringList>("datoteke");
        QTest::addColumn<QString>("poruka");
        const QString r1 = QStringLiteral("Objava.txt, red 1: ");
        QTest::newRow("ime koje program odbija")
            << QByteArray("..\\x.exe;22;1;0") << QStringList{}
            << r1 + "program odbija ime \"..\\x.exe\": ime ne smije sadržavati \\, / ni : niti "
                    "biti . ili ..";
        QTest::newRow("isto ime dvaput")
            << QByteArray("A.exe;1;0;0\r\nB.exe;1;0;0\r\nA.exe;1;0;1") << QStringList{}
            << "Objava.txt, red 3: ime \"A.exe\" već je navedeno u redu 1.";
        QTest::newRow("isti paket")
            << QString("Obračun.exe;22;2;0\n\nObracun.exe;1;0;0").toUtf8() << QStringList{}
            << "Objava.txt, red 3: paket \"Obracun.7z\" stavke "
               "\"Obracun.exe\" zvao bi se kao paket stavke "
               "\"Obračun.exe\" iz reda 1 i na poslužitelju bi ga "
               "prepisao.";
        QTest::newRow("isti paket, druga veličina slova")
            << QByteArray("Pomoc.chm;1;0;0\nPOMOC.exe;1;0;0") << QStringList{}
            << "Objava.txt, red 2: paket \"POMOC.7z\" stavke \"POMOC.exe\" zvao bi se kao paket "
               "stavke \"Pomoc.chm\" iz reda 1 i na poslužitelju bi ga prepisao.";
        QByteArray prevelik;
        for (int i = 1; i <= 72; ++i)
            prevelik += "S" + QByteArray::number(i) + ".exe;1;0;0\r\n";
        QTest::newRow("72 stavke") << prevelik << QStringList{}
                                   << "Objava.txt, red 72: ovo je stavka broj 72, a program "
                                      "čita najviše 71 red popisa verzija.";
        QTest::newRow("nema datoteke")
            << QByteArray("A.exe;1;0;0\nB.exe;1;0;0") << QStringList{"A.exe", "b.exe"}
            << "Objava.txt, red 2: u izvoru nema datoteke %1/B.exe.";
        QTest::newRow("; u imenu") << QByteArray("a;b.exe;1;0;0") << QStringList{}
                                   << r1 + "ime \"a;b.exe\" sadrži znak ';', kojim popis "
                                           "verzija odvaja polja.";
        QTest::newRow("kraj reda u imenu")
            << QByteArray("a\rb.exe;1;0;0") << QStringList{}
            << r1 + "ime sadrži kraj reda ili drugi kontrolni znak, a popis verzija ga ne može "
                    "zapisati.";
        QTest::newRow("tri polja") << QByteArray("a.exe;1;0") << QStringList{}
                                   << r1 + "red mora imati četiri polja odvojena znakom ';' "
                                           "(ime;glavna;pomoćna;revizija), a ima ih 3.";
        QTest::newRow("slovo u verziji") << QByteArray("a.exe;22;1a;0") << QStringList{}
                                         << r1 + "verzija \"1a\" nije cijeli broj.";
        QTest::newRow("izvan Windows-1250")
            << QString("Ω.exe;1;0;0").toUtf8() << QStringList{}
            << r1 + "ime \"Ω.exe\" sadrži znak koji se ne može zapisati u kodnoj stranici "
                    "Windows-1250 u kojoj program čita popis verzija.";
        QTest::newRow("prazno ime") << QByteArray(" ;1;0;0") << QStringList{}
                                    << r1 + "ime je prazno, a program prazno ime čita kao "
                                            "prazan red.";
        QTest::newRow("bez stavki")
            << QByteArray("\r\n  \r\n") << QStringList{} << "Objava.txt nema nijedne stavke.";
        // Sparse: the size is there without the bytes.
        QTest::newRow("veća od 32 bita")
            << QByteArray("Veliki.exe;1;0;0") << QStringList{"Veliki.exe"}
            << r1 + "\"Veliki.exe\" ima 2147483648 bajtova, a program čita veličine do "
                    "2147483647.";
    }

    void odbijanje() {
        QFETCH(QByteArray, popis);
        QFETCH(QStringList, datoteke);
        QFETCH(QString, poruka);
        Izdanje i;
        for (const QString& ime : datoteke) {
            QFile f(i.izvor + "/" + ime);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(ime == "Veliki.exe" ? 1LL << 31 : 1));
        }
        i.zapiši(i.izvor + "/Objava.txt", popis);
        QCOMPARE(i.objavi(), 1);
        QCOMPARE(i.k.greške, (QStringList{QString(poruka).replace("%1", i.izvor),
                                          "Ništa nije zapisano u " + i.odredište + "."}));
        QCOMPARE(i.objavljeno(), QStringList{"Verzije.txt"});
        QCOMPARE(i.pročitaj(i.odredište + "/Verzije.txt"), StaraLista);
    }

    // Published with the real 7-Zip, read back as the updater reads and unpacks it.
    void krugObjave() {
        Izdanje i;
        const QStringList imena{"Obračun.exe", "Pomoć.chm", "Upute.CHM", "Popis.xlsx"};
        const QStringList paketi{"Obracun.7z", "Pomoć.7z", "Upute.7z", "Popis.x7z"};
        for (int n = 0; n < imena.size(); ++n)
            i.zapiši(i.izvor + "/" + imena[n], UAnsi(imena[n]).repeated(100 * (n + 1)));
        i.zapiši(i.izvor + "/Objava.txt",
                 UAnsi("Obračun.exe;22;2;0\r\n\r\n Pomoć.chm ; 22;1;10\r\nUpute.CHM;22;1;0\r\n"
                       "Popis.xlsx;1;0;0"));
        QCOMPARE(i.objavi(), 0);
        QCOMPARE(i.k.greške, QStringList{});
        QCOMPARE(i.k.izlaz.first(), "Upozorenje: Objava.txt, red 5: paket stavke \"Popis.xlsx\" "
                                    "zvat će se \"Popis.x7z\" (ime paketa nastaje zamjenom "
                                    "zadnja tri znaka imena sa \"7z\").");
        QCOMPARE(i.objavljeno(),
                 (QStringList{"Obracun.7z", "Pomoć.7z", "Popis.x7z", "Upute.7z", "Verzije.txt"}));

        Okruženje o;
        Stanje stanje;
        Matrica lista;
        TablicneDatoteke tablice(o.datoteke, o.prozor, o.aplikacija().dnevnik(), stanje);
        QVERIFY(tablice.UčitajMatricu(lista, i.odredište + "/Verzije.txt"));
        const QStringList verzije{"22;2;0", "22;1;10", "22;1;0", "1;0;0"};
        for (int n = 0; n < imena.size(); ++n) {
            QStringList red;
            for (int stupac = 0; stupac < 6; ++stupac)
                red << lista.tekst(n, stupac);
            const QString paket = i.odredište + "/" + paketi[n];
            QCOMPARE(red.join(';'), imena[n] + ";" + verzije[n] + ";" +
                                        QString::number(QFileInfo(paket).size()) + ";" +
                                        QString::number(100 * (n + 1) * imena[n].size()));
            // Unpacked as the updater does: chm as it is, the rest with 7-Zip's "e".
            const QString raspakirano = i.dir.filePath("raspakirano");
            if (n != 1)
                QCOMPARE(QProcess::execute("7za", {"e", "-bso0", paket, "-o" + raspakirano}), 0);
            QCOMPARE(i.pročitaj(n == 1 ? paket : raspakirano + "/" + imena[n]),
                     i.pročitaj(i.izvor + "/" + imena[n]));
        }
        QCOMPARE(lista.tekst(imena.size(), 0), QString());
    }
};

VELKOR_TEST(TestObjava)
#include "tst_objava.moc"
