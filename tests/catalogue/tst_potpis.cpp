// The signed release with the real minisign: keys made here, a publication
// signed with a trusted comment, then each way it can be wrong.
#include "support/Instalacija.h"
#include "support/RegistarTestova.h"
#include "support/Slucajevi.h"

#include "base/ZajednickiTekstovi.h"
#include "catalogue/ProvjeraIzdanja.h"

#include <QTemporaryDir>

using namespace velkor;
using namespace velkor::test;

class TestPotpisa : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    bool minisign(const QStringList& argumenti) {
        return Instalacija::izvrši(dir.path(), "minisign", argumenti);
    }

private slots:
    void initTestCase() {
        for (const QString ključ : {"izdavac", "drugi", "treci"})
            QVERIFY(minisign({"-G", "-W", "-p", ključ + ".pub", "-s", ključ + ".key"}));
    }

    void izdanje_data() { DodajSlučajeve(QFINDTESTDATA("data/potpis.txt")); }

    void izdanje() {
        QFETCH(Slučaj, slucaj);
        const QByteArray lista = "Program.exe;22;1;5;1000;2000;\r\n";
        Sažeci popis;
        popis.Dodaj(ImeListeVerzija, Sažeci::SažetakOd(lista));
        QByteArray sažeci =
            slucaj.polja.contains("sazeci") ? slucaj.jedno("sazeci").toUtf8() : popis.Zapis();
        sažeci += QByteArray(qMax(0, slucaj.broj("do") - sažeci.size()), '\n');
        Instalacija::zapišiBajtove(dir.filePath(ImeSažetaka), sažeci);
        const Izdanje izdano{slucaj.jedno("proizvod", "VelkorV22"), 17,
                             QDateTime::fromString("2026-12-06T10:00:00Z", Qt::ISODate),
                             QDateTime::fromString("2027-01-06T10:00:00Z", Qt::ISODate)};
        QVERIFY(minisign(QStringList{"-S", "-s", slucaj.jedno("kljuc", "izdavac") + ".key", "-m",
                                     ImeSažetaka, "-t",
                                     slucaj.jedno("komentar", KomentarIzdanja(izdano))} +
                         slucaj.sve("opcija")));
        QByteArray potpis = Instalacija::pročitaj(dir.filePath(ImePotpisa));
        for (const QString& z : slucaj.sve("zamjena"))
            potpis.replace(z.section(" => ", 0, 0).toUtf8(), z.section(" => ", 1).toUtf8());
        sažeci += slucaj.jedno("dodano").toUtf8();
        const UvjetiIzdanja uvjeti{
            PročitajJavneKljučeve(Instalacija::pročitaj(dir.filePath("treci.pub")) +
                                  Instalacija::pročitaj(dir.filePath("izdavac.pub"))),
            slucaj.broj("vidjeno"),
            QDateTime::fromString(slucaj.jedno("sada", "2026-12-20T00:00:00Z"), Qt::ISODate)};
        const QString bez = slucaj.jedno("bez");
        const PotvrđenoIzdanje izdanje = ProvjeriIzdanje(
            slucaj.jedno("lista", lista).toUtf8(), bez == "sazeci" ? QByteArray() : sažeci,
            bez == "potpis" ? QByteArray() : potpis, uvjeti);
        QCOMPARE(izdanje.Valja() ? OpisIzdanja(izdanje.izdanje) : izdanje.greška,
                 slucaj.jedno("ishod"));
        QCOMPARE(izdanje.sažeci.Ima(ImeListeVerzija), izdanje.Valja());
    }
};

VELKOR_TEST(TestPotpisa)
#include "tst_potpis.moc"
