#include "PostavaPreuzimanja.h"
#include "support/RegistarTestova.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

using namespace velkor;
using namespace velkor::test;
using Ponašanje = LokalniPoslužitelj::Ponašanje;

namespace {
const QString Ime = QStringLiteral("Paket.7z");
const QByteArray Staro("stari sadržaj koji mora ostati");
} // namespace

// The https engine.
class TestDownChilkat : public QObject {
    Q_OBJECT

private slots:
    void uspjehPostociIPaneli() {
        PostavaPreuzimanja p;
        const QByteArray sadržaj = uzorak(3 * 1024 * 1024 + 17);
        p.objavi(Ime, sadržaj);
        p.zapiši(p.okruženje.update() + Ime, Staro);
        p.stanje.ZadnjaGreška = QStringLiteral("od prije");

        QVERIFY(p.preuzimanje->DownChilkat(Ime, p.okruženje.update()));

        QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), sadržaj);
        QCOMPARE(p.datoteke(p.okruženje.update()), QStringList{Ime});
        QCOMPARE(p.okruženje.porukeLoga(),
                 (QStringList{p.početak(QStringLiteral("https://"), true, Ime),
                              QStringLiteral("Uspješan download: ") + Ime}));
        QCOMPARE(p.okruženje.prozor.povijestStatusa1,
                 (QStringList{QStringLiteral("Download: ") + Ime, QString()}));
        // Whole percentages, rising, up to 100%; then the panel is emptied.
        QStringList postoci = p.okruženje.prozor.povijestStatusa2;
        QCOMPARE(postoci.takeLast(), QString());
        QVERIFY(postoci.size() >= 2);
        QCOMPARE(postoci.last(), QStringLiteral("100%"));
        int prije = -1;
        for (const QString& postotak : postoci) {
            QVERIFY2(QRegularExpression(QStringLiteral("^\\d{1,3}%$")).match(postotak).hasMatch(),
                     qPrintable(postotak));
            const int broj = postotak.chopped(1).toInt();
            QVERIFY(broj > prije);
            prije = broj;
        }
        QVERIFY(p.okruženje.prozor.poruke.isEmpty());
        QCOMPARE(p.stanje.ZadnjaGreška, QStringLiteral("od prije"));
    }

    void postotakUPanelu_data() {
        QTest::addColumn<int>("pct");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("0") << 0 << QStringLiteral("0%");
        QTest::newRow("45") << 45 << QStringLiteral("45%");
        QTest::newRow("100") << 100 << QStringLiteral("100%");
    }

    void postotakUPanelu() {
        QFETCH(int, pct);
        QFETCH(QString, tekst);
        PostavaPreuzimanja p;
        p.preuzimanje->http_PercentDone(pct);
        QCOMPARE(p.okruženje.prozor.status2, tekst);
    }

    // The component's failure status: step 8, no box, panels emptied, old file kept.
    void neuspjehKomponente_data() {
        QTest::addColumn<int>("ponašanje");
        QTest::addColumn<QString>("uzrok");
        QTest::newRow("404") << int(Ponašanje::NijePronadeno)
                             << QStringLiteral("^HTTP status 404 Not Found$");
        QTest::newRow("500") << int(Ponašanje::GreskaPosluzitelja)
                             << QStringLiteral("^HTTP status 500 Internal Server Error$");
        QTest::newRow("prekinuta veza")
            << int(Ponašanje::PrekinutaVeza)
            << QStringLiteral(
                   "^Udaljeno računalo je prekinulo vezu prije kraja prijenosa \\(.+\\)$");
    }

    void neuspjehKomponente() {
        QFETCH(int, ponašanje);
        QFETCH(QString, uzrok);
        PostavaPreuzimanja p;
        p.objavi(Ime, uzorak(2 * 1024 * 1024), Ponašanje(ponašanje));
        p.zapiši(p.okruženje.update() + Ime, Staro);

        QVERIFY(!p.preuzimanje->DownChilkat(Ime, p.okruženje.update()));

        QVERIFY2(QRegularExpression(uzrok).match(p.stanje.ZadnjaGreška).hasMatch(),
                 qPrintable(p.stanje.ZadnjaGreška));
        QCOMPARE(p.okruženje.porukeLoga(),
                 (QStringList{p.početak(QStringLiteral("https://"), true, Ime),
                              QStringLiteral("Greška: Download: ") + Ime + QLatin1Char(' ') +
                                  p.stanje.ZadnjaGreška}));
        QVERIFY(p.okruženje.prozor.poruke.isEmpty());
        QCOMPARE(p.okruženje.prozor.status1, QString());
        QCOMPARE(p.okruženje.prozor.status2, QString());
        QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), Staro);
        QCOMPARE(p.datoteke(p.okruženje.update()), QStringList{Ime});
    }

    void certifikatBezPovjerenja_data() {
        QTest::addColumn<QString>("ca");
        const QString certifikati = QFileInfo(LokalniPoslužitelj::PutanjaCa()).path();
        QTest::newRow("bez dodatnih") << QString();
        QTest::newRow("datoteka ne postoji") << certifikati + QStringLiteral("/nema.pem");
        // A certificate that is no authority vouches for nothing.
        QTest::newRow("certifikat poslužitelja")
            << certifikati + QStringLiteral("/posluzitelj.pem");
    }

    void certifikatBezPovjerenja() {
        QFETCH(QString, ca);
        PostavaPreuzimanja p{ca};
        p.objavi(Ime, "tajno");
        if (ca.endsWith(QStringLiteral("nema.pem")))
            QTest::ignoreMessage(
                QtWarningMsg,
                qPrintable(QStringLiteral("VELKOR_CA_CERTS: nema certifikata u ") + ca));

        QVERIFY(!p.preuzimanje->DownChilkat(Ime, p.okruženje.update()));

        QVERIFY2(p.stanje.ZadnjaGreška.startsWith(QStringLiteral(
                     "Sigurna veza nije uspostavljena: certifikat poslužitelja nije valjan (")),
                 qPrintable(p.stanje.ZadnjaGreška));
        QCOMPARE(p.okruženje.porukeLoga().value(1), QStringLiteral("Greška: Download: ") + Ime +
                                                        QLatin1Char(' ') + p.stanje.ZadnjaGreška);
        QVERIFY(p.okruženje.prozor.poruke.isEmpty());
        QVERIFY(p.datoteke(p.okruženje.update()).isEmpty());
    }

    // A stall and an unwritable file: the error path, the panels as they were.
    void zastoj() {
        PostavaPreuzimanja p;
        p.objavi(Ime, uzorak(1000), Ponašanje::Zastoj);
        p.zapiši(p.okruženje.update() + Ime, Staro);
        p.preuzimanje->PostaviVrijemeZastoja(1000);

        QVERIFY(!p.preuzimanje->DownChilkat(Ime, p.okruženje.update()));

        const QString poruka = QStringLiteral("DownInet: Greška u downloadu datoteke: ") + Ime +
                               QStringLiteral(" Prijenos je zastao: ništa nije primljeno 1 s");
        QCOMPARE(p.stanje.ZadnjaGreška, poruka);
        QCOMPARE(p.okruženje.porukeLoga().value(1), poruka);
        QCOMPARE(p.okruženje.porukeLoga().size(), 2);
        QCOMPARE(p.okruženje.prozor.poruke.size(), 1);
        const ZapisPoruke box = p.okruženje.prozor.poruke.first();
        QCOMPARE(box.tekst, poruka);
        QCOMPARE(box.ikona, Ikona::Usklicnik);
        QCOMPARE(box.gumbi, Gumbi::URedu);
        QCOMPARE(box.naslov, ZadaniNaslov);
        QCOMPARE(p.okruženje.prozor.status1, QStringLiteral("Download: ") + Ime);
        QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), Staro);
        QCOMPARE(p.datoteke(p.okruženje.update()), QStringList{Ime});
    }

    void lokalnaDatotekaSeNeMozeZapisati() {
        PostavaPreuzimanja p;
        p.objavi(Ime, "sadržaj");
        const QString nema = p.okruženje.baza() + QStringLiteral("Nema/");

        QVERIFY(!p.preuzimanje->DownChilkat(Ime, nema));

        const QString početak = QStringLiteral("DownInet: Greška u downloadu datoteke: ") + Ime +
                                QStringLiteral(" Nije moguće zapisati datoteku ") + nema + Ime;
        QVERIFY2(p.stanje.ZadnjaGreška.startsWith(početak), qPrintable(p.stanje.ZadnjaGreška));
        QCOMPARE(p.okruženje.porukeLoga().value(1), p.stanje.ZadnjaGreška);
        QCOMPARE(p.okruženje.prozor.poruke.size(), 1);
        QCOMPARE(p.okruženje.prozor.poruke.first().tekst, p.stanje.ZadnjaGreška);
        QCOMPARE(p.okruženje.prozor.status1, QStringLiteral("Download: ") + Ime);
        QVERIFY(!QFileInfo::exists(nema));
    }

    // The component writes what it got: an empty body is an empty file.
    void praznoTijeloJePraznaDatoteka() {
        PostavaPreuzimanja p;
        p.objavi(Ime, {}, Ponašanje::PraznoTijelo);
        p.zapiši(p.okruženje.update() + Ime, Staro);

        QVERIFY(p.preuzimanje->DownChilkat(Ime, p.okruženje.update()));
        QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), QByteArray());
        QCOMPARE(p.okruženje.porukeLoga().value(1), QStringLiteral("Uspješan download: ") + Ime);
    }
};

VELKOR_TEST(TestDownChilkat)
#include "tst_downchilkat.moc"
