#include "ZapisnaKonzola.h"
#include "support/Okruzje.h"
#include "support/RegistarTestova.h"

#include "base/KodnaStranica.h"
#include "publish/Naredbe.h"

#include <QTest>

using namespace velkor;
using namespace velkor::test;

namespace {

const QString Prvi = QStringLiteral("05.12.2026 01:15:00 Početak: Obračun.exe");
const QString Drugi = QStringLiteral("05.12.2026 01:15:00 ČĆŠŽĐ čćšžđ | drugi red");
// The first record: 4 header bytes and 42 of text.
constexpr int IzaPrvog = 46;

} // namespace

// A log as the program writes it, whole and damaged, read by velkor-dnevnik
// from its default place beside the tool.
class TestCitacDnevnika : public QObject {
    Q_OBJECT

private slots:
    void citanje_data() {
        QTest::addColumn<int>("zadržati");
        QTest::addColumn<QByteArray>("umetnuti");
        QTest::addColumn<QStringList>("redovi");
        QTest::newRow("cijeli") << -1 << QByteArray() << QStringList{Prvi, Drugi};
        QTest::newRow("odrezan u tekstu")
            << IzaPrvog + 4 + 25 << QByteArray()
            << QStringList{Prvi, "*** Odrezan zapis na položaju 46 (najavljeno bajtova teksta: "
                                 "44, prisutno: 25): 05.12.2026 01:15:00 ČĆŠŽĐ"};
        QTest::newRow("odrezan u zaglavlju")
            << IzaPrvog + 2 << QByteArray()
            << QStringList{Prvi, "*** Odrezan zapis na položaju 46: nepotpuno zaglavlje "
                                 "(bajtova: 2)."};
        QTest::newRow("oštećenje u sredini")
            << -1 << QByteArray("\x01\x08xyz")
            << QStringList{Prvi,
                           "*** Oštećeni podaci na položaju 46 preskočeni (bajtova: 5); čitanje "
                           "se nastavlja od sljedećeg cijelog zapisa.",
                           Drugi};
    }

    void citanje() {
        QFETCH(int, zadržati);
        QFETCH(QByteArray, umetnuti);
        QFETCH(QStringList, redovi);
        Okruženje o;
        o.aplikacija().dnevnik().LogirajGrešku(QStringLiteral("Početak: Obračun.exe"));
        o.aplikacija().dnevnik().LogirajGrešku(QStringLiteral("ČĆŠŽĐ čćšžđ\r\ndrugi red"));
        QByteArray log = o.pročitaj(o.putanjaLoga());
        log = log.left(zadržati < 0 ? log.size() : zadržati).insert(IzaPrvog, umetnuti);
        // Every byte here is a Windows-1250 character, so the text writes them back as they were.
        o.zapiši(o.putanjaLoga(), IzAnsija(log));

        ZapisnaKonzola k;
        QCOMPARE(PokreniČitanjeDnevnika({}, o.baza(), k.konzola), 0);
        QCOMPARE(k.izlaz, redovi);
    }

    void nepostojeciDnevnik() {
        ZapisnaKonzola k;
        QCOMPARE(PokreniČitanjeDnevnika({"/nema/Update.log"}, {}, k.konzola), 1);
        QCOMPARE(
            k.greške,
            QStringList{"Nije moguće pročitati dnevnik /nema/Update.log: datoteka ne postoji."});
    }
};

VELKOR_TEST(TestCitacDnevnika)
#include "tst_citacdnevnika.moc"
