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
    void neuspjeh() {
        Instalacija bezUpdate(false), punDisk;
        punDisk.datoteke.Pokvari(NeispravneDatoteke::Operacija::DodajNaKraj, punDisk.putanjaLoga(),
                                 {61, QStringLiteral("Disk je pun"), Greška::Korak::Pisanje});
        bezUpdate.dnevnik.LogirajGreškuModul(QStringLiteral("x"));
        punDisk.dnevnik.LogirajGrešku(QStringLiteral("x"));
        const QString poruka = "Usklicnik: Desila se greška: u upisu u LOG. Greška: ";
        QCOMPARE(Poruke(bezUpdate.prozor), QStringList{poruka + "76 Putanja nije pronađena"});
        QCOMPARE(Poruke(punDisk.prozor), QStringList{poruka + "Disk je pun"});
        QVERIFY(!QFile::exists(bezUpdate.putanjaLoga()) && !QFile::exists(punDisk.putanjaLoga()));
    }
};

VELKOR_TEST(TestDnevnik)
#include "tst_dnevnik.moc"
