#include "PostavaPreuzimanja.h"
#include "support/RegistarTestova.h"

#include <QRegularExpression>
#include <QTest>

using namespace velkor;
using namespace velkor::test;
using Ponašanje = LokalniPoslužitelj::Ponašanje;

namespace {
const QString Ime = QStringLiteral("Paket.7z");
} // namespace

// The two engines' successes: the file, the log and the status panels.
class TestPogonaPreuzimanja : public QObject {
    Q_OBJECT

private slots:
    void uspjeh_data() {
        QTest::addColumn<bool>("https");
        QTest::addColumn<int>("ponašanje");
        QTest::addColumn<int>("veličina");
        QTest::addColumn<int>("prije"); // the size of the file there before, -1: none
        for (bool https : {true, false}) {
            const char* e = https ? "https" : "http";
            QTest::addRow("%s, duljina", e)
                << https << int(Ponašanje::Normalno) << 3 * 1024 * 1024 + 17 << (https ? 30 : -1);
            QTest::addRow("%s, u dijelovima", e)
                << https << int(Ponašanje::Dijelovi) << 300 * 1024 + 5 << 30;
            QTest::addRow("%s, do kraja veze", e)
                << https << int(Ponašanje::DoZatvaranja) << 300 * 1024 + 5 << -1;
        }
        QTest::newRow("http, kraće tijelo preko dulje datoteke")
            << false << int(Ponašanje::Normalno) << 6 << 5000;
    }

    void uspjeh() {
        QFETCH(bool, https);
        QFETCH(int, ponašanje);
        QFETCH(int, veličina);
        QFETCH(int, prije);
        PostavaPreuzimanja p;
        const QByteArray sadržaj = uzorak(veličina);
        p.objavi(Ime, sadržaj, Ponašanje(ponašanje));
        if (prije >= 0)
            p.zapiši(p.okruženje.update() + Ime, QByteArray(prije, 'x'));
        p.stanje.ZadnjaGreška = QStringLiteral("od prije");

        QVERIFY(p.preuzmi(https, Ime));

        QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), sadržaj);
        QCOMPARE(p.datoteke(p.okruženje.update()), QStringList{Ime});
        const QString shema = https ? QStringLiteral("https://") : QStringLiteral("http://");
        QCOMPARE(p.okruženje.porukeLoga(),
                 (QStringList{p.početak(shema, true, Ime), "Uspješan download: " + Ime}));
        QCOMPARE(p.okruženje.prozor.povijestStatusa1, (QStringList{"Download: " + Ime, ""}));
        QVERIFY(p.okruženje.prozor.poruke.isEmpty());
        QCOMPARE(p.stanje.ZadnjaGreška, QStringLiteral("od prije"));
        QStringList status2 = p.okruženje.prozor.povijestStatusa2;
        QCOMPARE(status2.takeLast(), QString());
        if (!https) {
            QCOMPARE(status2, (QStringList{"Spajanje...", "Zahtjev za podacima je poslan",
                                           "Odgovor je u toku prihvaćanja",
                                           "Odgovor primljen/Prijenos u toku",
                                           "Odgovor je uspješno prihvaćen"}));
            QCOMPARE(p.stanje.StanjePrijenosa, QStringLiteral("Odgovor je uspješno prihvaćen"));
            return;
        }
        // Whole percentages, rising, up to 100%, when the length is known.
        if (ponašanje != int(Ponašanje::Normalno)) {
            QVERIFY(status2.isEmpty());
            return;
        }
        QVERIFY(status2.size() >= 2);
        QCOMPARE(status2.last(), QStringLiteral("100%"));
        int zadnji = -1;
        for (const QString& postotak : status2) {
            QVERIFY2(QRegularExpression(QStringLiteral("^\\d{1,3}%$")).match(postotak).hasMatch(),
                     qPrintable(postotak));
            QVERIFY(postotak.chopped(1).toInt() > zadnji);
            zadnji = postotak.chopped(1).toInt();
        }
    }

    // The https component writes what it got, an empty file; http logs that
    // nothing came, and writes nothing.
    void praznoTijelo_data() {
        QTest::addColumn<bool>("https");
        QTest::addColumn<bool>("postojala");
        QTest::newRow("https") << true << true;
        QTest::newRow("http, bez datoteke") << false << false;
        QTest::newRow("http, postojeća datoteka ostaje") << false << true;
    }

    void praznoTijelo() {
        QFETCH(bool, https);
        QFETCH(bool, postojala);
        PostavaPreuzimanja p;
        p.objavi(Ime, {}, Ponašanje::PraznoTijelo);
        if (postojala)
            p.zapišiStaro(Ime);
        p.stanje.ZadnjaGreška = QStringLiteral("od prije");

        QCOMPARE(p.preuzmi(https, Ime), https);

        QCOMPARE(p.okruženje.porukeLoga(),
                 (QStringList{p.početak(https ? "https://" : "http://", true, Ime),
                              (https ? "Uspješan download: "
                                     : "Ništa nije primljeno (dužina 0). Download: ") +
                                  Ime}));
        QCOMPARE(p.stanje.ZadnjaGreška, QStringLiteral("od prije"));
        QVERIFY(p.okruženje.prozor.poruke.isEmpty());
        QCOMPARE(p.okruženje.prozor.status1, QString());
        QCOMPARE(p.okruženje.prozor.status2, QString());
        QCOMPARE(p.datoteke(p.okruženje.update()), postojala ? QStringList{Ime} : QStringList{});
        if (postojala)
            QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), https ? QByteArray() : Staro);
    }

    void tekstoviStanja_data() {
        QTest::addColumn<int>("stanje");
        QTest::addColumn<QString>("tekst");
        // Nothing for 9 and outside 0 to 12: the last text, "Spajanje...", stays.
        const QStringList tekstovi{"Nema tekućeg stanja",
                                   "Udaljena adresa je u toku provjere",
                                   "Dana udaljena adresa je prihvaćena",
                                   "Spajanje...",
                                   "Spojeno",
                                   "Podaci su u toku zahtjeva",
                                   "Zahtjev za podacima je poslan",
                                   "Odgovor je u toku prihvaćanja",
                                   "Odgovor primljen/Prijenos u toku",
                                   "Spajanje...",
                                   "Odspojeno",
                                   "Nastala greška",
                                   "Odgovor je uspješno prihvaćen"};
        for (int s = -1; s <= 13; ++s)
            QTest::addRow("%d", s) << s << tekstovi.value(s, QStringLiteral("Spajanje..."));
    }

    void tekstoviStanja() {
        QFETCH(int, stanje);
        QFETCH(QString, tekst);
        PostavaPreuzimanja p;
        p.preuzimanje->Inet1_StateChanged(3);
        p.preuzimanje->Inet1_StateChanged(qint16(stanje));
        QCOMPARE(p.okruženje.prozor.status2, tekst);
        QCOMPARE(p.stanje.StanjePrijenosa, tekst);
    }
};

VELKOR_TEST(TestPogonaPreuzimanja)
#include "tst_pogoni.moc"
