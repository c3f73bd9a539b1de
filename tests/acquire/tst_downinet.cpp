#include "PostavaPreuzimanja.h"
#include "support/RegistarTestova.h"

#include <QTcpServer>
#include <QTest>

using namespace velkor;
using namespace velkor::test;
using Ponašanje = LokalniPoslužitelj::Ponašanje;

namespace {
const QString Ime = QStringLiteral("Verzije.txt");
const QString Prefiks = QStringLiteral("DownInet: Greška u downloadu datoteke: ");
const QByteArray Staro("stari sadržaj koji mora ostati");

// The error path: one box, the same text logged and kept, the panels as they were.
void provjeriGreškuUDownloadu(PostavaPreuzimanja& p, const QString& početak) {
    const QString& poruka = p.stanje.ZadnjaGreška;
    QVERIFY2(poruka.startsWith(Prefiks + Ime + QLatin1Char(' ') + početak), qPrintable(poruka));
    QCOMPARE(p.okruženje.porukeLoga(),
             (QStringList{p.početak(QStringLiteral("http://"), true, Ime), poruka}));
    QCOMPARE(p.okruženje.prozor.poruke.size(), 1);
    const ZapisPoruke box = p.okruženje.prozor.poruke.first();
    QCOMPARE(box.tekst, poruka);
    QCOMPARE(box.ikona, Ikona::Usklicnik);
    QCOMPARE(box.gumbi, Gumbi::URedu);
    QCOMPARE(box.naslov, ZadaniNaslov);
    QCOMPARE(p.okruženje.prozor.status1, QStringLiteral("Download: ") + Ime);
    QCOMPARE(p.okruženje.prozor.status2, QStringLiteral("Nastala greška"));
}
} // namespace

// The http engine.
class TestDownInet : public QObject {
    Q_OBJECT

private slots:
    void uspjehStanjaPrijenosa() {
        PostavaPreuzimanja p;
        const QByteArray sadržaj = uzorak(1024 * 1024 + 3);
        p.objavi(Ime, sadržaj);
        p.stanje.ZadnjaGreška = QStringLiteral("od prije");

        QVERIFY(p.preuzimanje->DownInet(Ime, p.okruženje.update()));

        QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), sadržaj);
        QCOMPARE(p.datoteke(p.okruženje.update()), QStringList{Ime});
        QCOMPARE(p.okruženje.porukeLoga(),
                 (QStringList{p.početak(QStringLiteral("http://"), true, Ime),
                              QStringLiteral("Uspješan download: ") + Ime}));
        QCOMPARE(p.okruženje.prozor.povijestStatusa1,
                 (QStringList{QStringLiteral("Download: ") + Ime, QString()}));
        QCOMPARE(p.okruženje.prozor.povijestStatusa2,
                 (QStringList{"Spajanje...", "Zahtjev za podacima je poslan",
                              "Odgovor je u toku prihvaćanja", "Odgovor primljen/Prijenos u toku",
                              "Odgovor je uspješno prihvaćen", ""}));
        QCOMPARE(p.stanje.StanjePrijenosa, QStringLiteral("Odgovor je uspješno prihvaćen"));
        QVERIFY(p.okruženje.prozor.poruke.isEmpty());
        QCOMPARE(p.stanje.ZadnjaGreška, QStringLiteral("od prije"));
    }

    void kraceTijeloZamjenjujeDuluDatoteku() {
        PostavaPreuzimanja p;
        p.objavi(Ime, "kratko");
        p.zapiši(p.okruženje.update() + Ime, uzorak(5000));

        QVERIFY(p.preuzimanje->DownInet(Ime, p.okruženje.update()));
        QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), QByteArray("kratko"));
    }

    void praznoTijelo_data() {
        QTest::addColumn<bool>("postojala");
        QTest::newRow("bez datoteke") << false;
        QTest::newRow("postojeća datoteka ostaje") << true;
    }

    void praznoTijelo() {
        QFETCH(bool, postojala);
        PostavaPreuzimanja p;
        p.objavi(Ime, {}, Ponašanje::PraznoTijelo);
        if (postojala)
            p.zapiši(p.okruženje.update() + Ime, Staro);
        p.stanje.ZadnjaGreška = QStringLiteral("od prije");

        QVERIFY(!p.preuzimanje->DownInet(Ime, p.okruženje.update()));

        QCOMPARE(
            p.okruženje.porukeLoga(),
            (QStringList{p.početak(QStringLiteral("http://"), true, Ime),
                         QStringLiteral("Ništa nije primljeno (dužina 0). Download: ") + Ime}));
        QCOMPARE(p.stanje.ZadnjaGreška, QStringLiteral("od prije"));
        QVERIFY(p.okruženje.prozor.poruke.isEmpty());
        QCOMPARE(p.okruženje.prozor.status1, QString());
        QCOMPARE(p.okruženje.prozor.status2, QString());
        QCOMPARE(p.datoteke(p.okruženje.update()), postojala ? QStringList{Ime} : QStringList{});
        if (postojala)
            QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), Staro);
    }

    // Every failure of the request is the error path, and the old file stays.
    void greskaUDownloadu_data() {
        QTest::addColumn<int>("ponašanje");
        QTest::addColumn<QString>("uzrok");
        QTest::newRow("404") << int(Ponašanje::NijePronadeno)
                             << QStringLiteral("HTTP status 404 Not Found");
        QTest::newRow("500") << int(Ponašanje::GreskaPosluzitelja)
                             << QStringLiteral("HTTP status 500 Internal Server Error");
        QTest::newRow("prekinuta veza") << int(Ponašanje::PrekinutaVeza)
                                        << QStringLiteral("Udaljeno računalo je prekinulo vezu");
        QTest::newRow("zastoj") << int(Ponašanje::Zastoj)
                                << QStringLiteral("Prijenos je zastao: ništa nije primljeno 1 s");
    }

    void greskaUDownloadu() {
        QFETCH(int, ponašanje);
        QFETCH(QString, uzrok);
        PostavaPreuzimanja p;
        p.objavi(Ime, uzorak(2 * 1024 * 1024), Ponašanje(ponašanje));
        p.zapiši(p.okruženje.update() + Ime, Staro);
        p.preuzimanje->PostaviVrijemeZastoja(1000);

        QVERIFY(!p.preuzimanje->DownInet(Ime, p.okruženje.update()));

        provjeriGreškuUDownloadu(p, uzrok);
        QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), Staro);
        QCOMPARE(p.datoteke(p.okruženje.update()), QStringList{Ime});
    }

    void nedostupanDomacin() {
        PostavaPreuzimanja p;
        QTcpServer zatvoren;
        QVERIFY(zatvoren.listen(QHostAddress::LocalHost));
        const quint16 port = zatvoren.serverPort();
        zatvoren.close();
        p.domaćini.primarni = QStringLiteral("127.0.0.1:") + QString::number(port);
        p.preuzimanje = std::make_unique<PreuzimanjeDatoteke>(
            p.stanje, p.okruženje.prozor, p.dnevnik, p.domaćini, LokalniPoslužitelj::PutanjaCa());

        QVERIFY(!p.preuzimanje->DownInet(Ime, p.okruženje.update()));

        provjeriGreškuUDownloadu(p, QStringLiteral("Udaljeno računalo je odbilo vezu"));
        QVERIFY(p.datoteke(p.okruženje.update()).isEmpty());
    }

    void tekstoviStanja_data() {
        QTest::addColumn<int>("stanje");
        QTest::addColumn<QString>("tekst");
        const char* tekstovi[] = {"Nema tekućeg stanja",
                                  "Udaljena adresa je u toku provjere",
                                  "Dana udaljena adresa je prihvaćena",
                                  "Spajanje...",
                                  "Spojeno",
                                  "Podaci su u toku zahtjeva",
                                  "Zahtjev za podacima je poslan",
                                  "Odgovor je u toku prihvaćanja",
                                  "Odgovor primljen/Prijenos u toku",
                                  nullptr,
                                  "Odspojeno",
                                  "Nastala greška",
                                  "Odgovor je uspješno prihvaćen"};
        for (int s = 0; s <= 12; ++s)
            QTest::addRow("%d", s)
                << s
                << (tekstovi[s] ? QString::fromUtf8(tekstovi[s]) : QStringLiteral("Spajanje..."));
        // No text of their own: the last text stays.
        QTest::newRow("13") << 13 << QStringLiteral("Spajanje...");
        QTest::newRow("-1") << -1 << QStringLiteral("Spajanje...");
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

VELKOR_TEST(TestDownInet)
#include "tst_downinet.moc"
