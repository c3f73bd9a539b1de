#include "support/Instalacija.h"
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

using namespace velkor;
using namespace velkor::test;

class TestDnevnik : public QObject {
    Q_OBJECT

private slots:
    // Each record: 08 00, the length of the rest (16 bits, little-endian), then
    // date, time, the message in Windows-1250 and CR LF; records are appended.
    void zapisi() {
        Instalacija o;
        Dnevnik& d = o.dnevnik;
        d.LogirajGrešku(QStringLiteral("Start"));
        d.LogirajGrešku(QStringLiteral("čćšžđ ČĆŠŽĐ"));
        o.sat.sada = o.sat.sada.addSecs(3661);
        d.LogirajGrešku(QString());
        d.LogirajGreškuModul(QStringLiteral("modul"));
        QCOMPARE(o.pročitaj(o.putanjaLoga()), o.pročitaj(QFINDTESTDATA("data/Update.log")));
    }

    void predugaPorukaSeSkracuje() {
        Instalacija o;
        o.dnevnik.LogirajGrešku(QString(70000, QLatin1Char('a')));
        o.dnevnik.LogirajGrešku(QStringLiteral("iza"));
        const QByteArray zapis = o.pročitaj(o.putanjaLoga());
        QCOMPARE(zapis.left(4), QByteArray::fromHex("0800ffff"));
        QVERIFY(zapis.mid(4, 0xFFFF).endsWith("aa\r\n"));
        QCOMPARE(o.porukeLoga().value(1), QStringLiteral("iza"));
    }

    // Update/ missing (through the module's writer), or a failed write.
    void neuspjeh_data() {
        QTest::addColumn<bool>("pisanje");
        QTest::addColumn<QString>("greška");
        QTest::newRow("bez Update/, modul") << false << "76 Putanja nije pronađena";
        QTest::newRow("pisanje, bez broja") << true << "Disk je pun";
    }

    void neuspjeh() {
        QFETCH(bool, pisanje);
        QFETCH(QString, greška);
        Instalacija o(pisanje);
        if (pisanje)
            o.datoteke.Pokvari(NeispravneDatoteke::Operacija::DodajNaKraj, o.putanjaLoga(),
                               {61, QStringLiteral("Disk je pun"), Greška::Korak::Pisanje});
        Dnevnik& d = o.dnevnik;
        pisanje ? d.LogirajGrešku(QStringLiteral("x")) : d.LogirajGreškuModul(QStringLiteral("x"));
        QVERIFY(!QFile::exists(o.putanjaLoga()));
        QCOMPARE(Poruke(o.prozor),
                 QStringList{"Usklicnik: Desila se greška: u upisu u LOG. Greška: " + greška});
    }
};

VELKOR_TEST(TestDnevnik)
#include "tst_dnevnik.moc"
