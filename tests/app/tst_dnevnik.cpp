#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include "app/KodnaStranica.h"

#include <QFile>
#include <QTest>

using namespace velkor;
using namespace velkor::test;

class TestDnevnik : public QObject {
    Q_OBJECT

private slots:
    void zapisPrimjeraStart() {
        Okruženje o;
        o.aplikacija().dnevnik().LogirajGrešku(QStringLiteral("Start"));
        const QByteArray očekivano =
            QByteArray::fromHex("08001b00") + QByteArray("05.12.2026 01:15:00 Start\r\n");
        QCOMPARE(o.pročitaj(o.putanjaLoga()), očekivano);
        QVERIFY(o.prozor.poruke.isEmpty());
    }

    void hrvatskaSlovaJedanBajt() {
        Okruženje o;
        o.aplikacija().dnevnik().LogirajGrešku(QStringLiteral("čćšžđ ČĆŠŽĐ"));
        const QByteArray zapis = o.pročitaj(o.putanjaLoga());
        const QByteArray tekst = QByteArray("05.12.2026 01:15:00 ") +
                                 QByteArray::fromHex("e8e69a9ef020c8c68a8ed0") + "\r\n";
        QCOMPARE(zapis.mid(4), tekst);
        QCOMPARE(quint8(zapis[2]), quint8(tekst.size()));
        QCOMPARE(quint8(zapis[3]), quint8(0));
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
        o.aplikacija().pokretanje().PostaviRadneDirektorije();
        QCOMPARE(o.aplikacija().dnevnik().Putanja(), o.putanjaLoga());
    }
};

VELKOR_TEST(TestDnevnik)
#include "tst_dnevnik.moc"
