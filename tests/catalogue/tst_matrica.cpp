#include "base/Slucajevi.h"
#include "support/RegistarTestova.h"

#include "catalogue/UcitajMatricu.h"

using namespace velkor;
using namespace velkor::test;

class TestMatrica : public QObject {
    Q_OBJECT

    struct Priprema {
        Okruženje o;
        TablicneDatoteke tablice{o.datoteke, o.prozor, o.aplikacija().dnevnik(),
                                 o.aplikacija().stanje()};
        QString put = o.update() + QStringLiteral("Verzije.txt");
        QString& zadnjaGreška = o.aplikacija().stanje().ZadnjaGreška;
    };

private slots:
    void citanje_data() { DodajSlučajeve(QFINDTESTDATA("data/matrica.txt")); }

    void citanje() {
        QFETCH(Slučaj, slucaj);
        Priprema p;
        QStringList redovi = slucaj.sve("red");
        QString ulaz = slucaj.jedno("ulaz");
        for (int n = 0; n < slucaj.broj("zapisa"); ++n) {
            ulaz += QStringLiteral("P%1.exe;22;1;%1;100;200;\r\n").arg(n);
            if (n < Matrica::Redaka)
                redovi << QStringLiteral("P%1.exe;22;1;%1;100;200").arg(n);
        }
        if (slucaj.polja.contains("ulaz") || slucaj.polja.contains("zapisa"))
            p.o.zapiši(p.put, ulaz);
        if (slucaj.polja.contains("kvar"))
            p.o.datoteke.Pokvari(NeispravneDatoteke::Operacija::Procitaj, p.put,
                                 {slucaj.broj("kvar"), slucaj.jedno("kvar").section(' ', 1),
                                  Greška::Korak::Pisanje});
        // Leftovers that a read must clear.
        Matrica m;
        for (auto& red : m.ćelije)
            red.fill(QStringLiteral("staro"));
        p.zadnjaGreška = QStringLiteral("prije");
        const QStringList greška = slucaj.sve("greška") + slucaj.sve("poruka");

        QCOMPARE(p.tablice.UčitajMatricu(m, p.put), greška.isEmpty());

        const Matrica prazna;
        for (int red = 0; red < Matrica::Redaka; ++red) {
            QStringList ćelije;
            for (int stupac = 0; stupac < 6; ++stupac)
                ćelije << m.tekst(red, stupac);
            QCOMPARE(ćelije.join(';'), redovi.value(red, ";;;;0;0"));
            QVERIFY(red < redovi.size() ? m(red, 6) == prazna(red, 6)
                                        : m.ćelije[red] == prazna.ćelije[red]);
        }
        const auto put = [&](QStringList t) { return t.replaceInStrings("%P", p.put); };
        QCOMPARE(p.zadnjaGreška, put(slucaj.sve("greška")).value(0, "prije"));
        QCOMPARE(p.o.porukeLoga(), put(slucaj.sve("log")));
        QCOMPARE(Poruke(p.o.prozor), put(slucaj.sve("poruka")));
    }

    // Nameless rows are left out; text in Windows-1250, a number as its digits.
    void zapis() {
        Priprema p;
        Matrica m;
        m(0, 0) = QStringLiteral("Program.exe");
        m(0, 1) = QStringLiteral("22");
        m(0, 2) = QStringLiteral(" 1");
        m(1, 1) = QStringLiteral("bez imena");
        m(2, 0) = QStringLiteral("Čađa šž.enc");
        m(2, 4) = QStringLiteral("1000");
        m(2, 6) = QStringLiteral("nikad");
        QVERIFY(p.tablice.ZapišiMatricu(m, p.put));
        QCOMPARE(p.o.pročitaj(p.put), QByteArray("Program.exe;22; 1;;0;0;\r\n") +
                                          QByteArray::fromHex("c861f061209a9e") +
                                          ".enc;;;;1000;0;\r\n");
        QVERIFY(p.o.prozor.poruke.isEmpty());
    }

    void neuspjeliZapisCuvaStaruDatoteku_data() {
        QTest::addColumn<int>("korak");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("otvaranje")
            << int(Greška::Korak::Otvaranje) << "Greška u otvaranju datoteke: %1 Disk je pun";
        QTest::newRow("pisanje") << int(Greška::Korak::Pisanje)
                                 << "Greška u upisu u datoteku: %1 Red:  Disk je pun";
    }

    void neuspjeliZapisCuvaStaruDatoteku() {
        QFETCH(int, korak);
        QFETCH(QString, tekst);
        Priprema p;
        p.o.zapiši(p.put, QStringLiteral("Staro.exe;1;2;3;4;5;\r\n"));
        p.o.datoteke.Pokvari(NeispravneDatoteke::Operacija::ZapisiCijelu, p.put,
                             {61, QStringLiteral("Disk je pun"), Greška::Korak(korak)});
        QVERIFY(!p.tablice.ZapišiMatricu(Matrica(), p.put));
        QCOMPARE(p.o.pročitaj(p.put), QByteArray("Staro.exe;1;2;3;4;5;\r\n"));
        QCOMPARE(Poruke(p.o.prozor), QStringList{"Usklicnik: " + tekst.arg(p.put)});
        QVERIFY(p.o.porukeLoga().isEmpty());
    }
};

VELKOR_TEST(TestMatrica)
#include "tst_matrica.moc"
