#include "ZapisnaKonzola.h"
#include "support/Instalacija.h"
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

#include "platform/KodnaStranica.h"
#include "publish/Naredbe.h"

using namespace velkor;
using namespace velkor::test;

// A log as the program writes it, whole and damaged, read by velkor-dnevnik
// from its default place beside the tool or from a path given.
class TestCitacDnevnika : public QObject {
    Q_OBJECT

private slots:
    void citanje_data() { DodajSlučajeve(QFINDTESTDATA("data/citanje.txt")); }

    void citanje() {
        QFETCH(Slučaj, slucaj);
        Instalacija o;
        o.dnevnik.LogirajGrešku(QStringLiteral("Početak: Obračun.exe"));
        o.dnevnik.LogirajGrešku(QStringLiteral("ČĆŠŽĐ čćšžđ\r\ndrugi red"));
        QByteArray log = o.pročitaj(o.putanjaLoga());
        log = log.left(slucaj.broj("zadrzati", log.size()))
                  .insert(46, QByteArray::fromHex(slucaj.jedno("umetnuti").toLatin1()));
        // Every byte here is a Windows-1250 character, so the text writes them back as they were.
        o.zapiši(o.putanjaLoga(), IzAnsija(log));

        ZapisnaKonzola k;
        QCOMPARE(PokreniČitanjeDnevnika(slucaj.sve("argument"), o.baza(), k.konzola),
                 slucaj.broj("kod"));
        QCOMPARE(k.izlaz, slucaj.sve("red"));
        QCOMPARE(k.greške, slucaj.sve("greška"));
    }
};

VELKOR_TEST(TestCitacDnevnika)
#include "tst_citacdnevnika.moc"
