#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include "base/KodnaStranica.h"

#include <QFile>
#include <QTest>

using namespace velkor;
using namespace velkor::test;

class TestDnevnik : public QObject {
    Q_OBJECT

private slots:
    // A record: 08 00, the length of what follows (16 bits, little-endian),
    // then date, time, the message and CR LF, one byte a letter.
    void zapis_data() {
        QTest::addColumn<QString>("poruka");
        QTest::addColumn<QByteArray>("zapis");
        QTest::newRow("Start") << "Start"
                               << QByteArray::fromHex("08001b00") +
                                      QByteArray("05.12.2026 01:15:00 Start\r\n");
        QTest::newRow("hrvatska slova")
            << "čćšžđ ČĆŠŽĐ"
            << QByteArray::fromHex("08002100") + "05.12.2026 01:15:00 " +
                   QByteArray::fromHex("e8e69a9ef020c8c68a8ed0") + "\r\n";
    }

    void zapis() {
        QFETCH(QString, poruka);
        QFETCH(QByteArray, zapis);
        Okruženje o;
        o.aplikacija().dnevnik().LogirajGrešku(poruka);
        QCOMPARE(o.pročitaj(o.putanjaLoga()), zapis);
        QVERIFY(o.prozor.poruke.isEmpty());
    }

    void zapisiSeDodajuRedom() {
        Okruženje o;
        Dnevnik& d = o.aplikacija().dnevnik();
        d.LogirajGrešku(QStringLiteral("prvi"));
        const QByteArray prije = o.pročitaj(o.putanjaLoga());
        o.sat.sada = o.sat.sada.addSecs(3661);
        d.LogirajGrešku(QString());
        d.LogirajGreškuModul(QStringLiteral("modul"));
        const QByteArray poslije = o.pročitaj(o.putanjaLoga());
        QVERIFY(poslije.startsWith(prije));
        QCOMPARE(o.porukeLoga(), (QStringList{"prvi", "", "modul"}));
        // The empty message: date, blank, time, blank, CR LF.
        QCOMPARE(poslije.mid(prije.size()),
                 QByteArray::fromHex("08001600") + "05.12.2026 02:16:01 \r\n" +
                     QByteArray::fromHex("08001b00") + "05.12.2026 02:16:01 modul\r\n");
    }

    void bezDirektorijeUpdatePorukaIBezDatoteke_data() {
        QTest::addColumn<bool>("modul");
        QTest::newRow("LogirajGrešku") << false;
        QTest::newRow("LogirajGreškuModul") << true;
    }

    void bezDirektorijeUpdatePorukaIBezDatoteke() {
        QFETCH(bool, modul);
        Okruženje o(false);
        Dnevnik& d = o.aplikacija().dnevnik();
        modul ? d.LogirajGreškuModul(QStringLiteral("x")) : d.LogirajGrešku(QStringLiteral("x"));
        QVERIFY(!QFile::exists(o.putanjaLoga()));
        QCOMPARE(o.prozor.poruke.size(), 1);
        QCOMPARE(
            o.prozor.poruke[0].tekst,
            QStringLiteral("Desila se greška: u upisu u LOG. Greška: 76 Putanja nije pronađena"));
        QCOMPARE(o.prozor.poruke[0].ikona, Ikona::Usklicnik);
        QCOMPARE(o.prozor.poruke[0].gumbi, Gumbi::URedu);
        QCOMPARE(o.prozor.poruke[0].naslov, QStringLiteral("VelkorZideZizodu22"));
    }

    void neuspjeloPisanjeBezBroja() {
        Okruženje o;
        o.datoteke.Pokvari(NeispravneDatoteke::Operacija::DodajNaKraj, o.putanjaLoga(),
                           {61, QStringLiteral("Disk je pun"), Greška::Korak::Pisanje});
        o.aplikacija().dnevnik().LogirajGrešku(QStringLiteral("x"));
        QCOMPARE(o.prozor.poruke.size(), 1);
        QCOMPARE(o.prozor.poruke[0].tekst,
                 QStringLiteral("Desila se greška: u upisu u LOG. Greška: Disk je pun"));
    }

    void predugaPorukaSeSkracuje() {
        Okruženje o;
        Dnevnik& d = o.aplikacija().dnevnik();
        d.LogirajGrešku(QString(70000, QLatin1Char('a')));
        d.LogirajGrešku(QStringLiteral("iza"));
        const QByteArray zapis = o.pročitaj(o.putanjaLoga());
        QCOMPARE(quint8(zapis[2]), quint8(0xFF));
        QCOMPARE(quint8(zapis[3]), quint8(0xFF));
        QVERIFY(zapis.mid(4, 0xFFFF).endsWith("aa\r\n"));
        QCOMPARE(o.porukeLoga().size(), 2);
        QCOMPARE(o.porukeLoga().at(1), QStringLiteral("iza"));
    }

    void putanjaNeSlijediBazu() {
        Okruženje o;
        o.platforma.imeRačunala = QStringLiteral("VUDIVEVOZ");
        o.aplikacija().radneDirektorije().PostaviRadneDirektorije();
        QCOMPARE(o.aplikacija().dnevnik().Putanja(), o.putanjaLoga());
    }
};

VELKOR_TEST(TestDnevnik)
#include "tst_dnevnik.moc"
