#include "PostavaPreuzimanja.h"
#include "acquire/MreznaVeza.h"
#include "support/RegistarTestova.h"

#include <QRegularExpression>
#include <QTest>
#include <QUrl>

using namespace velkor;
using namespace velkor::test;
using Ponašanje = LokalniPoslužitelj::Ponašanje;

namespace {
const QString Ime = QStringLiteral("Paket.7z");
const QByteArray Staro("stari sadržaj koji mora ostati");

bool preuzmi(PostavaPreuzimanja& p, bool https) {
    return https ? p.preuzimanje->DownChilkat(Ime, p.okruženje.update())
                 : p.preuzimanje->DownInet(Ime, p.okruženje.update());
}
} // namespace

// What goes over the wire: the request, and the ways a response may frame
// or spoil its body.
class TestProtokolaPreuzimanja : public QObject {
    Q_OBJECT

private slots:
    void zahtjev_data() {
        QTest::addColumn<bool>("https");
        QTest::newRow("https") << true;
        QTest::newRow("http") << false;
    }

    void zahtjev() {
        QFETCH(bool, https);
        PostavaPreuzimanja p;
        p.objavi(Ime, "x");

        QVERIFY(preuzmi(p, https));

        QCOMPARE(p.poslužitelj.zahtjevi.size(), 1);
        const QByteArray verzija = QByteArray::number(VELKOR_VER_GL) + '.' +
                                   QByteArray::number(VELKOR_VER_POM) + '.' +
                                   QByteArray::number(VELKOR_VER_REV);
        QCOMPARE(p.poslužitelj.zahtjevi.first().zaglavlja,
                 "GET /download/Verzija22/Paket.7z HTTP/1.1\r\n"
                 "Host: " +
                     p.domaćini.primarni.toLatin1() +
                     "\r\n"
                     "User-Agent: VelkorZideZizodu22/" +
                     verzija +
                     "\r\n"
                     "Accept: */*\r\n"
                     "Accept-Encoding: identity\r\n"
                     "Connection: close");
        QCOMPARE(verzija, QByteArray("22.1.1"));
    }

    void zahtjevZaAdresu_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("prosljedjuje");
        QTest::addColumn<QByteArray>("pocetak");
        QTest::newRow("zadani port https")
            << "https://www.velkor.hr/download/Verzija22/Moj paket.7z" << false
            << QByteArray("GET /download/Verzija22/Moj%20paket.7z HTTP/1.1\r\n"
                          "Host: www.velkor.hr\r\n");
        QTest::newRow("zadani port http") << "http://www.velkor.hr:80/a?b=1#c" << false
                                          << QByteArray("GET /a?b=1 HTTP/1.1\r\n"
                                                        "Host: www.velkor.hr\r\n");
        QTest::newRow("drugi port") << "https://www.velkor.hr:80/" << false
                                    << QByteArray("GET / HTTP/1.1\r\nHost: www.velkor.hr:80\r\n");
        QTest::newRow("IPv6") << "http://[::1]:8080" << false
                              << QByteArray("GET / HTTP/1.1\r\nHost: [::1]:8080\r\n");
        QTest::newRow("međunarodno ime") << "http://čvor.hr/x" << false
                                         << QByteArray("GET /x HTTP/1.1\r\n"
                                                       "Host: xn--vor-eqa.hr\r\n");
        QTest::newRow("proxy koji prosljeđuje")
            << "http://www.velkor.hr/download/Verzija22/V.txt" << true
            << QByteArray("GET http://www.velkor.hr/download/Verzija22/V.txt HTTP/1.1\r\n"
                          "Host: www.velkor.hr\r\n");
    }

    // The request line and the Host header for the URL, and nothing of the
    // proxy's credentials unless it forwards the request.
    void zahtjevZaAdresu() {
        QFETCH(QString, url);
        QFETCH(bool, prosljedjuje);
        QFETCH(QByteArray, pocetak);
        const QNetworkProxy proxy(QNetworkProxy::HttpProxy, QStringLiteral("proxy"), 3128,
                                  QStringLiteral("ana"), QStringLiteral("tajna"));
        const QByteArray zahtjev = ZahtjevGet(QUrl(url), prosljedjuje ? &proxy : nullptr);
        QVERIFY2(zahtjev.startsWith(pocetak), zahtjev);
        QVERIFY(zahtjev.endsWith("\r\nConnection: close\r\n\r\n"));
        QCOMPARE(zahtjev.contains("\r\nProxy-Authorization: Basic YW5hOnRham5h\r\n"), prosljedjuje);
    }

    void tijeloBezDuljine_data() {
        QTest::addColumn<bool>("https");
        QTest::addColumn<int>("ponašanje");
        for (bool https : {true, false}) {
            const char* e = https ? "https" : "http";
            QTest::addRow("%s, u dijelovima", e) << https << int(Ponašanje::Dijelovi);
            QTest::addRow("%s, do kraja veze", e) << https << int(Ponašanje::DoZatvaranja);
        }
    }

    // The whole body, exactly, however it is framed; the states as for any body.
    void tijeloBezDuljine() {
        QFETCH(bool, https);
        QFETCH(int, ponašanje);
        PostavaPreuzimanja p;
        const QByteArray sadržaj = uzorak(300 * 1024 + 5);
        p.objavi(Ime, sadržaj, Ponašanje(ponašanje));
        p.zapiši(p.okruženje.update() + Ime, Staro);

        QVERIFY(preuzmi(p, https));

        QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), sadržaj);
        QCOMPARE(p.datoteke(p.okruženje.update()), QStringList{Ime});
        QCOMPARE(p.okruženje.porukeLoga().value(1), QStringLiteral("Uspješan download: ") + Ime);
        QVERIFY(p.okruženje.prozor.poruke.isEmpty());
        if (!https)
            QCOMPARE(
                p.okruženje.prozor.povijestStatusa2,
                (QStringList{"Spajanje...", "Zahtjev za podacima je poslan",
                             "Odgovor je u toku prihvaćanja", "Odgovor primljen/Prijenos u toku",
                             "Odgovor je uspješno prihvaćen", ""}));
    }

    void losOdgovor_data() {
        QTest::addColumn<bool>("https");
        QTest::addColumn<int>("ponašanje");
        QTest::addColumn<QString>("uzrok");
        const qint64 pola = (300 * 1024 + 5) / 2;
        for (bool https : {true, false}) {
            const char* e = https ? "https" : "http";
            QTest::addRow("%s, prekinuti dijelovi", e)
                << https << int(Ponašanje::DijeloviPrekinuti)
                << QRegularExpression::escape(
                       QStringLiteral("Udaljeno računalo je prekinulo vezu prije kraja prijenosa "
                                      "(primljeno ") +
                       QString::number(pola) +
                       QStringLiteral(" bajtova, kraj podataka nije stigao)"));
            QTest::addRow("%s, prekinuta duljina", e)
                << https << int(Ponašanje::PrekinutaVeza)
                << QRegularExpression::escape(
                       QStringLiteral("Udaljeno računalo je prekinulo vezu prije kraja prijenosa "
                                      "(primljeno ") +
                       QString::number(pola) + QStringLiteral(" od ") +
                       QString::number(2 * pola + 1) + QStringLiteral(" bajtova)"));
            QTest::addRow("%s, neispravna statusna linija", e)
                << https << int(Ponašanje::NeispravanStatus)
                << QRegularExpression::escape(
                       QStringLiteral("Neispravan odgovor poslužitelja (neispravna statusna "
                                      "linija: HTTP/1.1 OK)"));
            QTest::addRow("%s, predugačka zaglavlja", e)
                << https << int(Ponašanje::PredugaZaglavlja)
                << QRegularExpression::escape(QStringLiteral(
                       "Neispravan odgovor poslužitelja (zaglavlja su dulja od 64 KB)"));
        }
    }

    // Never a success: the old file stays and nothing is left beside it.
    void losOdgovor() {
        QFETCH(bool, https);
        QFETCH(int, ponašanje);
        QFETCH(QString, uzrok);
        PostavaPreuzimanja p;
        p.objavi(Ime, uzorak(300 * 1024 + 5), Ponašanje(ponašanje));
        p.zapiši(p.okruženje.update() + Ime, Staro);

        QVERIFY(!preuzmi(p, https));

        provjeriNeuspjeh(p, https, Ime, uzrok);
        QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), Staro);
        QCOMPARE(p.datoteke(p.okruženje.update()), QStringList{Ime});
    }

    void nepoznatDomacin_data() {
        QTest::addColumn<bool>("https");
        QTest::newRow("https") << true;
        QTest::newRow("http") << false;
    }

    void nepoznatDomacin() {
        QFETCH(bool, https);
        PostavaPreuzimanja p;
        p.domaćini.primarni = QStringLiteral("nepostojeci.invalid");
        p.preuzimanje = std::make_unique<PreuzimanjeDatoteke>(
            p.stanje, p.okruženje.prozor, p.dnevnik, p.domaćini, LokalniPoslužitelj::PutanjaCa());

        QVERIFY(!preuzmi(p, https));

        provjeriNeuspjeh(p, https, Ime, QStringLiteral("Udaljena adresa nije pronađena \\(.+\\)"));
        QVERIFY(p.datoteke(p.okruženje.update()).isEmpty());
    }
};

VELKOR_TEST(TestProtokolaPreuzimanja)
#include "tst_protokol.moc"
