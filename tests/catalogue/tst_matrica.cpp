#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include "catalogue/UcitajMatricu.h"

#include <QTest>

using namespace velkor;
using namespace velkor::test;

namespace {

// Compares a row's six file columns and its column 6.
void provjeriRed(const Matrica& m, int red, const QStringList& tekstovi) {
    for (int stupac = 0; stupac < 6; ++stupac)
        QCOMPARE(m.tekst(red, stupac), tekstovi.value(stupac));
    QCOMPARE(m(red, 6), Ćelija(qint16(0)));
}

bool jeOčišćen(const Matrica& m, int od) {
    for (int red = od; red < Matrica::Redaka; ++red) {
        for (int stupac = 0; stupac < Matrica::Stupaca; ++stupac) {
            const Ćelija očekivano = stupac < 4 ? Ćelija(QString()) : Ćelija(qint16(0));
            if (m(red, stupac) != očekivano)
                return false;
        }
    }
    return true;
}

QString zapisi(int broj) {
    QString tekst;
    for (int i = 0; i < broj; ++i)
        tekst += QStringLiteral("P%1.exe;22;1;%1;100;200;\r\n").arg(i);
    return tekst;
}

} // namespace

class TestMatrica : public QObject {
    Q_OBJECT

    struct Priprema {
        Okruženje o;
        TablicneDatoteke tablice{o.datoteke, o.prozor, o.aplikacija().dnevnik(),
                                 o.aplikacija().stanje()};
        Matrica m;
        QString put = o.update() + QStringLiteral("Verzije.txt");
        Priprema() {
            // Leftovers that a read must clear.
            for (int red = 0; red < Matrica::Redaka; ++red)
                for (int stupac = 0; stupac < Matrica::Stupaca; ++stupac)
                    m(red, stupac) = QStringLiteral("staro");
        }
        QString& zadnjaGreška() { return o.aplikacija().stanje().ZadnjaGreška; }
    };

private slots:
    void ispravneDatoteke_data() {
        QTest::addColumn<QString>("sadržaj");
        QTest::addColumn<QList<QStringList>>("redovi");
        const QStringList abc{"a", "b", "c", "d", "e", "f"};
        QTest::newRow("prazna datoteka") << QString() << QList<QStringList>{};
        QTest::newRow("jedan zapis") << "a;b;c;d;e;f;\r\n" << QList<QStringList>{abc};
        QTest::newRow("sedma vrijednost se zanemaruje") << "a;b;c;d;e;f;x\r\n"
                                                        << QList<QStringList>{abc};
        QTest::newRow("zadnji red bez CR LF") << "a;b;c;d;e;f;" << QList<QStringList>{abc};
        QTest::newRow("prazni redovi i razmaci ne zauzimaju red")
            << "\r\na;b;c;d;e;f;\r\n   \r\n\r\n1;2;3;4;5;6;\r\n  "
            << QList<QStringList>{abc, {"1", "2", "3", "4", "5", "6"}};
        QTest::newRow("vrijednosti zadržavaju razmake")
            << " 22.1 ; ;;x ;  ; 7;\r\n"
            << QList<QStringList>{{" 22.1 ", " ", "", "x ", "  ", " 7"}};
        QTest::newRow("samo LF") << "a;b;c;d;e;f;\n1;2;3;4;5;6;\n"
                                 << QList<QStringList>{abc, {"1", "2", "3", "4", "5", "6"}};
    }

    void ispravneDatoteke() {
        QFETCH(QString, sadržaj);
        QFETCH(QList<QStringList>, redovi);
        Priprema p;
        p.o.zapiši(p.put, sadržaj);
        QVERIFY(p.tablice.UčitajMatricu(p.m, p.put));
        for (int red = 0; red < redovi.size(); ++red)
            provjeriRed(p.m, red, redovi[red]);
        QVERIFY(jeOčišćen(p.m, redovi.size()));
        QVERIFY(p.o.prozor.poruke.isEmpty());
        QVERIFY(p.zadnjaGreška().isEmpty());
        QVERIFY(p.o.porukeLoga().isEmpty());
    }

    void krivBrojClanova_data() {
        QTest::addColumn<QString>("sadržaj");
        QTest::addColumn<QString>("red");
        QTest::addColumn<int>("dijelova");
        QTest::addColumn<int>("ispunjenih");
        QTest::newRow("tab") << "\t\r\n"
                             << "\t" << 1 << 0;
        QTest::newRow("pet točki-zareza") << "a;b;c;d;e;f\r\n"
                                          << "a;b;c;d;e;f" << 6 << 0;
        QTest::newRow("sedam točki-zareza") << "1;2;3;4;5;6;\r\na;b;c;d;e;f;g;\r\nx;x;x;x;x;x;\r\n"
                                            << "a;b;c;d;e;f;g;" << 8 << 1;
        QTest::newRow("usamljeni CR ostaje u redu") << "a;b;c;d;e;f;\rg;h;i;j;k;l;\r\n"
                                                    << "a;b;c;d;e;f;\rg;h;i;j;k;l;" << 13 << 0;
    }

    void krivBrojClanova() {
        QFETCH(QString, sadržaj);
        QFETCH(QString, red);
        QFETCH(int, dijelova);
        QFETCH(int, ispunjenih);
        Priprema p;
        p.o.zapiši(p.put, sadržaj);
        QVERIFY(!p.tablice.UčitajMatricu(p.m, p.put));
        QCOMPARE(p.zadnjaGreška(), QStringLiteral("Greška u splitu - ima : ") +
                                       QString::number(dijelova) +
                                       QStringLiteral(" članova! Datoteka: ") + p.put +
                                       QStringLiteral(" Red: ") + red + QStringLiteral(" "));
        QVERIFY(jeOčišćen(p.m, ispunjenih));
        if (ispunjenih)
            provjeriRed(p.m, 0, {"1", "2", "3", "4", "5", "6"});
        // The field count goes to the last error alone.
        QVERIFY(p.o.porukeLoga().isEmpty());
        QVERIFY(p.o.prozor.poruke.isEmpty());
    }

    void najvise71Zapis_data() {
        QTest::addColumn<int>("zapisa");
        QTest::newRow("71") << 71;
        QTest::newRow("72") << 72;
    }

    void najvise71Zapis() {
        QFETCH(int, zapisa);
        Priprema p;
        p.o.zapiši(p.put, zapisi(zapisa));
        QCOMPARE(p.tablice.UčitajMatricu(p.m, p.put), zapisa == 71);
        for (int red = 0; red < Matrica::Redaka; ++red)
            provjeriRed(p.m, red,
                        {QStringLiteral("P%1.exe").arg(red), "22", "1", QString::number(red), "100",
                         "200"});
        const QString tekst =
            zapisa == 71 ? QString()
                         : QStringLiteral(
                               "Greška u dodjeljivanju vrijednosti matrici! Indeks izvan raspona");
        QCOMPARE(p.zadnjaGreška(), tekst);
        QCOMPARE(p.o.porukeLoga(), zapisa == 71 ? QStringList() : QStringList{tekst});
        QVERIFY(p.o.prozor.poruke.isEmpty());
    }

    void nepostojecaDatoteka() {
        Priprema p;
        p.zadnjaGreška() = QStringLiteral("prije");
        QVERIFY(!p.tablice.UčitajMatricu(p.m, p.put));
        QVERIFY(jeOčišćen(p.m, 0));
        QCOMPARE(p.o.prozor.poruke.size(), 1);
        QCOMPARE(p.o.prozor.poruke[0].tekst, QStringLiteral("Greška u otvaranju datoteke: ") +
                                                 p.put +
                                                 QStringLiteral(" Datoteka nije pronađena"));
        QCOMPARE(p.o.prozor.poruke[0].ikona, Ikona::Usklicnik);
        QCOMPARE(p.o.prozor.poruke[0].gumbi, Gumbi::URedu);
        QCOMPARE(p.o.prozor.poruke[0].naslov, QStringLiteral("VelkorZideZizodu22"));
        QCOMPARE(p.zadnjaGreška(), QStringLiteral("prije"));
        QVERIFY(p.o.porukeLoga().isEmpty());
    }

    void neuspjeloCitanje() {
        Priprema p;
        p.o.zapiši(p.put, QStringLiteral("a;b;c;d;e;f;\r\n"));
        p.o.datoteke.Pokvari(
            NeispravneDatoteke::Operacija::Procitaj, p.put,
            {75, QStringLiteral("Greška u pristupu putanji/datoteci"), Greška::Korak::Pisanje});
        QVERIFY(!p.tablice.UčitajMatricu(p.m, p.put));
        const QString tekst = QStringLiteral("Greška u čitanju datoteke: ") + p.put +
                              QStringLiteral(" Red:  Greška u pristupu putanji/datoteci");
        QCOMPARE(p.zadnjaGreška(), tekst);
        QCOMPARE(p.o.porukeLoga(), QStringList{tekst});
        QVERIFY(p.o.prozor.poruke.isEmpty());
        QVERIFY(jeOčišćen(p.m, 0));
    }

    void zapisPreskacePrazneRedove() {
        Priprema p;
        Matrica m;
        m(0, 0) = QStringLiteral("Program.exe");
        m(0, 1) = QStringLiteral("22");
        m(0, 2) = QStringLiteral(" 1");
        m(0, 3) = QString();
        m(1, 1) = QStringLiteral("bez imena");
        m(2, 0) = QStringLiteral("Čađa šž.enc");
        m(2, 4) = QStringLiteral("1000");
        m(2, 6) = QStringLiteral("nikad");
        QVERIFY(p.tablice.ZapišiMatricu(m, p.put));
        // Windows-1250, one byte a letter.
        QCOMPARE(p.o.pročitaj(p.put), QByteArray("Program.exe;22; 1;;0;0;\r\n") +
                                          QByteArray::fromHex("c861f061209a9e") +
                                          ".enc;;;;1000;0;\r\n");
        QVERIFY(p.o.prozor.poruke.isEmpty());

        QVERIFY(p.tablice.UčitajMatricu(p.m, p.put));
        provjeriRed(p.m, 0, {"Program.exe", "22", " 1", "", "0", "0"});
        provjeriRed(p.m, 1, {QStringLiteral("Čađa šž.enc"), "", "", "", "1000", "0"});
        QVERIFY(jeOčišćen(p.m, 2));
    }

    void neuspjeliZapisCuvaStaruDatoteku_data() {
        QTest::addColumn<int>("korak");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("otvaranje") << int(Greška::Korak::Otvaranje)
                                   << QStringLiteral("Greška u otvaranju datoteke: %1 Disk je pun");
        QTest::newRow("pisanje") << int(Greška::Korak::Pisanje)
                                 << QStringLiteral(
                                        "Greška u upisu u datoteku: %1 Red:  Disk je pun");
    }

    void neuspjeliZapisCuvaStaruDatoteku() {
        QFETCH(int, korak);
        QFETCH(QString, tekst);
        Priprema p;
        p.o.zapiši(p.put, QStringLiteral("Staro.exe;1;2;3;4;5;\r\n"));
        const QByteArray staro = p.o.pročitaj(p.put);
        p.o.datoteke.Pokvari(NeispravneDatoteke::Operacija::ZapisiCijelu, p.put,
                             {61, QStringLiteral("Disk je pun"), Greška::Korak(korak)});
        Matrica m;
        m(0, 0) = QStringLiteral("Novo.exe");
        QVERIFY(!p.tablice.ZapišiMatricu(m, p.put));
        QCOMPARE(p.o.pročitaj(p.put), staro);
        QCOMPARE(p.o.prozor.poruke.size(), 1);
        QCOMPARE(p.o.prozor.poruke[0].tekst, tekst.arg(p.put));
        QCOMPARE(p.o.prozor.poruke[0].ikona, Ikona::Usklicnik);
        QVERIFY(p.o.porukeLoga().isEmpty());
    }
};

VELKOR_TEST(TestMatrica)
#include "tst_matrica.moc"
