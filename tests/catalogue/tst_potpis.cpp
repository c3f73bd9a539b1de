// The signed release with the real minisign: keys made here, a publication
// signed with a trusted comment, then each way it can be wrong.
#include "support/RegistarTestova.h"

#include "base/ZajednickiTekstovi.h"
#include "catalogue/ProvjeraIzdanja.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace velkor;

namespace {

const QDateTime Potpisano = QDateTime::fromString("2026-12-06T10:00:00Z", Qt::ISODate);
const QDateTime Istječe = QDateTime::fromString("2027-01-06T10:00:00Z", Qt::ISODate);
const QByteArray Lista = "Program.exe;22;1;5;1000;2000;\r\n";

struct Minisign {
    QTemporaryDir dir;

    QByteArray pokreni(const QStringList& argumenti) {
        QProcess proces;
        proces.setWorkingDirectory(dir.path());
        proces.start("minisign", argumenti);
        proces.waitForFinished();
        if (proces.exitCode() != 0)
            qFatal("minisign %s: %s", qPrintable(argumenti.join(' ')),
                   proces.readAllStandardError().constData());
        return proces.readAllStandardOutput();
    }
    QByteArray datoteka(const QString& ime) {
        QFile f(dir.filePath(ime));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void piši(const QString& ime, const QByteArray& sadržaj) {
        QFile f(dir.filePath(ime));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(sadržaj);
    }
    void ključ(const QString& ime) {
        pokreni({"-G", "-W", "-p", ime + ".pub", "-s", ime + ".key"});
    }
    // The hash list of the list alone, signed by the key with this comment.
    QByteArray potpiši(const QString& ključ, const QString& komentar, const QByteArray& sažeci,
                       const QStringList& dodatno = {}) {
        piši(ImeSažetaka, sažeci);
        pokreni(QStringList{"-S", "-s", ključ + ".key", "-m", ImeSažetaka, "-t", komentar} +
                dodatno);
        return datoteka(ImePotpisa);
    }
};

QString komentar(const QString& proizvod, qint64 izdanje) {
    return KomentarIzdanja({proizvod, izdanje, Potpisano, Istječe});
}

} // namespace

class TestPotpisa : public QObject {
    Q_OBJECT
    Minisign m;
    QByteArray sažeci;

private slots:
    void initTestCase() {
        m.ključ("izdavac");
        m.ključ("drugi");
        Sažeci popis;
        popis.Dodaj(ImeListeVerzija, Sažeci::SažetakOd(Lista));
        sažeci = popis.Zapis();
    }

    void izdanje_data() {
        QTest::addColumn<QByteArray>("lista");
        QTest::addColumn<QByteArray>("sazeci");
        QTest::addColumn<QByteArray>("potpis");
        QTest::addColumn<qint64>("vidjeno");
        QTest::addColumn<QString>("sada");
        QTest::addColumn<QString>("ishod");
        const QByteArray valjan = m.potpiši("izdavac", komentar("VelkorV22", 17), sažeci);
        QByteArray komentarPromijenjen = valjan;
        komentarPromijenjen.replace("izdanje=17", "izdanje=99");
        QByteArray drugaLista = sažeci;
        drugaLista.append(QByteArray(64, 'a') + "  Dodano.exe\n");
        const QString uRedu = "Popis verzija potpisan (izdanje 17, vrijedi do 6.1.2027.)";
        const QString prije = "2026-12-20T00:00:00Z";
        QTest::addRow("valjan") << Lista << sažeci << valjan << 0ll << prije << uRedu;
        QTest::addRow("isto izdanje kao viđeno")
            << Lista << sažeci << valjan << 17ll << prije << uRedu;
        QTest::addRow("bez potpisa")
            << Lista << sažeci << QByteArray() << 0ll << prije
            << "Popis verzija nije potpisan (nema datoteke Verzije.sha256.minisig).";
        QTest::addRow("bez sažetaka")
            << Lista << QByteArray() << valjan << 0ll << prije
            << "Popis verzija nije potpisan (nema datoteke Verzije.sha256).";
        QTest::addRow("drugi ključ")
            << Lista << sažeci << m.potpiši("drugi", komentar("VelkorV22", 17), sažeci) << 0ll
            << prije << "Popis verzija potpisan je ključem koji ovaj program ne poznaje.";
        QTest::addRow("promijenjen Verzije.txt")
            << QByteArray("Program.exe;22;1;6;1000;2000;\r\n") << sažeci << valjan << 0ll << prije
            << "Verzije.txt ne odgovara potpisanom sažetku.";
        QTest::addRow("promijenjena datoteka sažetaka")
            << Lista << drugaLista << valjan << 0ll << prije
            << "Potpis popisa verzija nije ispravan: Verzije.sha256 ili njen potpis "
               "promijenjeni su nakon potpisivanja.";
        QTest::addRow("promijenjen komentar")
            << Lista << sažeci << komentarPromijenjen << 0ll << prije
            << "Potpisani podaci o izdanju (trusted comment) promijenjeni su nakon potpisivanja.";
        QTest::addRow("drugi proizvod")
            << Lista << sažeci << m.potpiši("izdavac", komentar("VelkorV21", 17), sažeci) << 0ll
            << prije << "Popis verzija izdan je za drugi proizvod (VelkorV21), a ne za VelkorV22.";
        QTest::addRow("niže izdanje") << Lista << sažeci << valjan << 18ll << prije
                                      << "Popis verzija je starije izdanje (17) od već "
                                         "viđenog (18).";
        QTest::addRow("isteklo") << Lista << sažeci << valjan << 0ll << "2027-01-06T10:00:00Z"
                                 << "Popis verzija istekao je 6.1.2027. (izdanje 17).";
        QTest::addRow("stari algoritam bez sažetka datoteke")
            << Lista << sažeci << m.potpiši("izdavac", komentar("VelkorV22", 17), sažeci, {"-l"})
            << 0ll << prije
            << "Potpis popisa verzija nije ispravan: Verzije.sha256 ili njen potpis "
               "promijenjeni su nakon potpisivanja.";
        QTest::addRow("komentar bez podataka o izdanju")
            << Lista << sažeci << m.potpiši("izdavac", "nešto drugo", sažeci) << 0ll << prije
            << "Potpisani podaci o izdanju nisu ispravni: nešto drugo";
    }

    void izdanje() {
        QFETCH(QByteArray, lista);
        QFETCH(QByteArray, sazeci);
        QFETCH(QByteArray, potpis);
        QFETCH(qint64, vidjeno);
        QFETCH(QString, sada);
        QFETCH(QString, ishod);
        const UvjetiIzdanja uvjeti{PročitajJavneKljučeve(m.datoteka("izdavac.pub")), vidjeno,
                                   QDateTime::fromString(sada, Qt::ISODate)};
        const PotvrđenoIzdanje izdanje = ProvjeriIzdanje(lista, sazeci, potpis, uvjeti);
        const QString savjet = " Ništa nije preuzeto ni instalirano. Provjerite izvor "
                               "ažuriranja (ili pokušajte s drugim) i javite Velk-oru ako se "
                               "ponovi!";
        QCOMPARE(izdanje.Valja() ? OpisIzdanja(izdanje.izdanje) : izdanje.greška,
                 ishod.startsWith("Popis verzija potpisan (") ? ishod : ishod + savjet);
        QCOMPARE(izdanje.sažeci.Ima(ImeListeVerzija), izdanje.Valja());
    }

    // What the program writes is what sha256sum checks, names with Croatian letters included.
    void sazeciKaoSha256sum() {
        Sažeci popis;
        for (const QString& ime : QStringList{"Obračun.exe", "Verzije.txt"}) {
            m.piši(ime, ime.toUtf8());
            popis.Dodaj(ime, *Sažeci::SažetakDatoteke(m.dir.filePath(ime)));
        }
        m.piši("provjera.sha256", popis.Zapis());
        QProcess sha256sum;
        sha256sum.setWorkingDirectory(m.dir.path());
        sha256sum.start("sha256sum", {"-c", "--strict", "provjera.sha256"});
        QVERIFY(sha256sum.waitForFinished());
        QCOMPARE(sha256sum.exitCode(), 0);
        QVERIFY(Sažeci::Pročitaj(popis.Zapis())
                    ->OdgovaraDatoteka("Obračun.exe", m.dir.filePath("Obračun.exe")));
        QVERIFY(!popis.OdgovaraDatoteka("Obračun.exe", m.dir.filePath("Verzije.txt")));
        QCOMPARE(PročitajJavneKljučeve(m.datoteka("izdavac.pub") + m.datoteka("drugi.pub")).size(),
                 2);
    }

    void neispravniSazeci_data() {
        QTest::addColumn<QByteArray>("sadrzaj");
        const QByteArray heks(64, 'a');
        QTest::addRow("kratki heks") << QByteArray(63, 'a') + "  A.exe\n";
        QTest::addRow("jedan razmak") << heks + " A.exe\n";
        QTest::addRow("nije heks") << QByteArray(64, 'g') + "  A.exe\n";
        QTest::addRow("dvaput isto ime") << heks + "  A.exe\n" + heks + "  A.exe\n";
        QTest::addRow("bez imena") << heks + "  \n";
        QTest::addRow("veće od 64 KiB") << QByteArray(64 * 1024 + 1, '\n');
    }

    void neispravniSazeci() {
        QFETCH(QByteArray, sadrzaj);
        QVERIFY(!Sažeci::Pročitaj(sadrzaj));
    }
};

VELKOR_TEST(TestPotpisa)
#include "tst_potpis.moc"
