#include "PostavaPreuzimanja.h"
#include "support/RegistarTestova.h"

#include <QRegularExpression>
#include <QTest>

using namespace velkor;
using namespace velkor::test;

namespace {
const QString Ime = QStringLiteral("Stari.7z");
const QByteArray Put = "/download/Verzija22/";

bool preuzmi(PostavaPreuzimanja& p, bool https) {
    return https ? p.preuzimanje->DownChilkat(Ime, p.okruženje.update())
                 : p.preuzimanje->DownInet(Ime, p.okruženje.update());
}

QByteArray shema(bool https) {
    return https ? "https://" : "http://";
}

QList<QByteArray> putanje(const PostavaPreuzimanja& p) {
    QList<QByteArray> putanje;
    for (const PrimljeniZahtjev& z : p.poslužitelj.zahtjevi)
        putanje << z.putanja;
    return putanje;
}
} // namespace

// Both components followed redirects by themselves; so does the engine, up to five.
class TestPreusmjeravanja : public QObject {
    Q_OBJECT

private slots:
    void slijedi_data() {
        QTest::addColumn<bool>("https");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("location");
        QTest::addColumn<bool>("drugiDomacin");
        for (bool https : {true, false}) {
            const char* e = https ? "https" : "http";
            for (int status : {301, 302, 303, 307, 308})
                QTest::addRow("%s, %d", e, status) << https << status << Put + "Novi.7z" << false;
            QTest::addRow("%s, relativno", e) << https << 302 << QByteArray("Novi.7z") << false;
            QTest::addRow("%s, relativno gore", e)
                << https << 302 << QByteArray("../Verzija22/Novi.7z") << false;
            // The URL whole, {} for the server's own port: the second host name.
            QTest::addRow("%s, drugi domaćin", e)
                << https << 307 << shema(https) + "localhost:{}" + Put + "Novi.7z" << true;
        }
    }

    void slijedi() {
        QFETCH(bool, https);
        QFETCH(int, status);
        QFETCH(QByteArray, location);
        QFETCH(bool, drugiDomacin);
        PostavaPreuzimanja p;
        const QByteArray sadržaj = uzorak(70 * 1024);
        p.objavi(QStringLiteral("Novi.7z"), sadržaj);
        p.poslužitelj.PostaviPreusmjeravanje(
            Ime, status, location.replace("{}", QByteArray::number(p.poslužitelj.serverPort())));

        QVERIFY(preuzmi(p, https));

        QCOMPARE(putanje(p), (QList<QByteArray>{Put + "Stari.7z", Put + "Novi.7z"}));
        QCOMPARE(p.poslužitelj.zahtjevi[1].šifrirano, https);
        QCOMPARE(QString::fromLatin1(p.poslužitelj.zahtjevi[1].domaćin),
                 drugiDomacin ? p.poslužitelj.DomaćinPoImenu() : p.domaćini.primarni);
        // Written under the name asked for.
        QCOMPARE(p.datoteke(p.okruženje.update()), QStringList{Ime});
        QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), sadržaj);
        QCOMPARE(p.okruženje.porukeLoga().value(1), QStringLiteral("Uspješan download: ") + Ime);
        if (!https)
            QCOMPARE(
                p.okruženje.prozor.povijestStatusa2,
                (QStringList{"Spajanje...", "Zahtjev za podacima je poslan",
                             "Odgovor je u toku prihvaćanja", "Zahtjev za podacima je poslan",
                             "Odgovor je u toku prihvaćanja", "Odgovor primljen/Prijenos u toku",
                             "Odgovor je uspješno prihvaćen", ""}));
    }

    void lanac_data() {
        QTest::addColumn<bool>("https");
        QTest::addColumn<int>("koraka");
        for (bool https : {true, false}) {
            const char* e = https ? "https" : "http";
            QTest::addRow("%s, pet preusmjeravanja", e) << https << 5;
            QTest::addRow("%s, šest preusmjeravanja", e) << https << 6;
        }
    }

    // Stari.7z -> K1 -> ... -> Kn, the last one a file.
    void lanac() {
        QFETCH(bool, https);
        QFETCH(int, koraka);
        PostavaPreuzimanja p;
        QString prethodni = Ime;
        for (int i = 1; i <= koraka; ++i) {
            const QString sljedeći = QStringLiteral("K%1").arg(i);
            p.poslužitelj.PostaviPreusmjeravanje(prethodni, 302, Put + sljedeći.toLatin1());
            prethodni = sljedeći;
        }
        p.objavi(prethodni, "kraj");

        const bool uspjeh = preuzmi(p, https);

        QCOMPARE(uspjeh, koraka <= NajvišePreusmjeravanja);
        QCOMPARE(p.poslužitelj.zahtjevi.size(), qMin(koraka, NajvišePreusmjeravanja) + 1);
        if (uspjeh) {
            QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), QByteArray("kraj"));
            return;
        }
        provjeriNeuspjeh(
            p, https, Ime,
            QRegularExpression::escape(QStringLiteral("Previše preusmjeravanja (više od 5)")));
        QVERIFY(p.datoteke(p.okruženje.update()).isEmpty());
    }

    void krug() {
        PostavaPreuzimanja p;
        p.poslužitelj.PostaviPreusmjeravanje(Ime, 301, Put + Ime.toLatin1());

        QVERIFY(!preuzmi(p, true));

        QCOMPARE(p.poslužitelj.zahtjevi.size(), NajvišePreusmjeravanja + 1);
        provjeriNeuspjeh(
            p, true, Ime,
            QRegularExpression::escape(QStringLiteral("Previše preusmjeravanja (više od 5)")));
    }

    void neslijedi_data() {
        QTest::addColumn<bool>("https");
        QTest::addColumn<QByteArray>("location");
        QTest::addColumn<QString>("uzrok");
        QTest::newRow("https na http")
            << true << QByteArray("http://127.0.0.1:{}") + Put + "Novi.7z"
            << QStringLiteral("Preusmjeravanje sa sigurne veze (https) na nesigurnu (http) nije "
                              "dopušteno (http://127.0.0.1:{}/download/Verzija22/Novi.7z)");
        for (bool https : {true, false}) {
            const char* e = https ? "https" : "http";
            QTest::addRow("%s, bez Location", e)
                << https << QByteArray() << QStringLiteral("HTTP status 302 Found");
            QTest::addRow("%s, druga shema", e)
                << https << QByteArray("ftp://127.0.0.1/Novi.7z")
                << QStringLiteral("Neispravno preusmjeravanje (ftp://127.0.0.1/Novi.7z)");
        }
    }

    // Not followed: nothing else is asked for and nothing is written.
    void neslijedi() {
        QFETCH(bool, https);
        QFETCH(QByteArray, location);
        QFETCH(QString, uzrok);
        PostavaPreuzimanja p;
        const QByteArray port = QByteArray::number(p.poslužitelj.serverPort());
        p.objavi(QStringLiteral("Novi.7z"), "novo");
        p.poslužitelj.PostaviPreusmjeravanje(Ime, 302, location.replace("{}", port));

        QVERIFY(!preuzmi(p, https));

        QCOMPARE(p.poslužitelj.zahtjevi.size(), 1);
        provjeriNeuspjeh(p, https, Ime,
                         QRegularExpression::escape(
                             uzrok.replace(QStringLiteral("{}"), QString::fromLatin1(port))));
        QVERIFY(p.datoteke(p.okruženje.update()).isEmpty());
    }

    // The other way is safe: http may lead to https.
    void httpNaHttps() {
        PostavaPreuzimanja p;
        p.objavi(QStringLiteral("Novi.7z"), "sigurno");
        p.poslužitelj.PostaviPreusmjeravanje(
            Ime, 301,
            "https://127.0.0.1:" + QByteArray::number(p.poslužitelj.serverPort()) + Put +
                "Novi.7z");

        QVERIFY(preuzmi(p, false));

        QCOMPARE(p.poslužitelj.zahtjevi.size(), 2);
        QVERIFY(!p.poslužitelj.zahtjevi[0].šifrirano);
        QVERIFY(p.poslužitelj.zahtjevi[1].šifrirano);
        QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), QByteArray("sigurno"));
    }
};

VELKOR_TEST(TestPreusmjeravanja)
#include "tst_preusmjeravanje.moc"
