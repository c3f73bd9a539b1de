#include "PostavaPreuzimanja.h"
#include "support/RegistarTestova.h"

#include <QRegularExpression>
#include <QTest>

using namespace velkor;
using namespace velkor::test;

namespace {
const QString Ime = QStringLiteral("Stari.7z");
const QByteArray Put = "/download/Verzija22/";

// "{}" in a Location stands for the server's own port.
QByteArray sPortom(QByteArray location, const PostavaPreuzimanja& p) {
    return location.replace("{}", QByteArray::number(p.poslužitelj.serverPort()));
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
        const QByteArray novi = Put + "Novi.7z";
        bool https = false;
        for (int status : {301, 302, 303, 307, 308}) {
            https = !https;
            QTest::addRow("%s, %d", https ? "https" : "http", status)
                << https << status << novi << false;
        }
        QTest::newRow("http, relativno") << false << 302 << QByteArray("Novi.7z") << false;
        QTest::newRow("https, relativno gore")
            << true << 302 << QByteArray("../Verzija22/Novi.7z") << false;
        // The URL whole: the second host name.
        QTest::newRow("https, drugi domaćin")
            << true << 307 << "https://localhost:{}" + novi << true;
        QTest::newRow("http, drugi domaćin")
            << false << 307 << "http://localhost:{}" + novi << true;
        // The other way is safe: http may lead to https.
        QTest::newRow("http na https") << false << 301 << "https://127.0.0.1:{}" + novi << false;
    }

    void slijedi() {
        QFETCH(bool, https);
        QFETCH(int, status);
        QFETCH(QByteArray, location);
        QFETCH(bool, drugiDomacin);
        PostavaPreuzimanja p;
        const QByteArray sadržaj = uzorak(70 * 1024);
        p.objavi(QStringLiteral("Novi.7z"), sadržaj);
        p.poslužitelj.PostaviPreusmjeravanje(Ime, status, sPortom(location, p));

        QVERIFY(p.preuzmi(https, Ime));

        const QList<PrimljeniZahtjev>& z = p.poslužitelj.zahtjevi;
        QCOMPARE(z.size(), 2);
        QCOMPARE(z[0].putanja, Put + "Stari.7z");
        QCOMPARE(z[1].putanja, Put + "Novi.7z");
        QCOMPARE(z[0].šifrirano, https);
        QCOMPARE(z[1].šifrirano, https || location.startsWith("https:"));
        QCOMPARE(QString::fromLatin1(z[1].domaćin),
                 drugiDomacin ? p.poslužitelj.DomaćinPoImenu() : p.domaćini.primarni);
        // Written under the name asked for.
        QCOMPARE(p.datoteke(p.okruženje.update()), QStringList{Ime});
        QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), sadržaj);
        QCOMPARE(p.okruženje.porukeLoga().value(1), "Uspješan download: " + Ime);
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

        const bool uspjeh = p.preuzmi(https, Ime);

        QCOMPARE(uspjeh, koraka <= NajvišePreusmjeravanja);
        QCOMPARE(p.poslužitelj.zahtjevi.size(), qMin(koraka, NajvišePreusmjeravanja) + 1);
        if (uspjeh)
            QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), QByteArray("kraj"));
        else
            provjeriNeuspjeh(
                p, https, Ime,
                QRegularExpression::escape(QStringLiteral("Previše preusmjeravanja (više od 5)")));
    }

    void neslijedi_data() {
        QTest::addColumn<bool>("https");
        QTest::addColumn<QByteArray>("location");
        QTest::addColumn<QString>("uzrok");
        QTest::addColumn<QByteArray>("dalje"); // where Srednji.7z leads, if asked for
        const QString naHttp =
            QStringLiteral("Preusmjeravanje sa sigurne veze (https) na nesigurnu (http) nije "
                           "dopušteno (http://127.0.0.1:{}/download/Verzija22/Novi.7z)");
        QTest::newRow("https na http")
            << true << "http://127.0.0.1:{}" + Put + "Novi.7z" << naHttp << QByteArray();
        QTest::newRow("http na https pa na http")
            << false << "https://127.0.0.1:{}" + Put + "Srednji.7z" << naHttp
            << "http://127.0.0.1:{}" + Put + "Novi.7z";
        for (bool https : {true, false}) {
            const char* e = https ? "https" : "http";
            QTest::addRow("%s, bez Location", e)
                << https << QByteArray() << QStringLiteral("HTTP status 302 Found") << QByteArray();
            QTest::addRow("%s, druga shema", e)
                << https << QByteArray("ftp://127.0.0.1/Novi.7z")
                << QStringLiteral("Neispravno preusmjeravanje (ftp://127.0.0.1/Novi.7z)")
                << QByteArray();
        }
    }

    // Not followed: nothing else is asked for and nothing is written.
    void neslijedi() {
        QFETCH(bool, https);
        QFETCH(QByteArray, location);
        QFETCH(QString, uzrok);
        QFETCH(QByteArray, dalje);
        PostavaPreuzimanja p;
        p.objavi(QStringLiteral("Novi.7z"), "novo");
        p.poslužitelj.PostaviPreusmjeravanje(Ime, 302, sPortom(location, p));
        p.poslužitelj.PostaviPreusmjeravanje("Srednji.7z", 302, sPortom(dalje, p));

        QVERIFY(!p.preuzmi(https, Ime));

        QCOMPARE(p.poslužitelj.zahtjevi.size(), dalje.isEmpty() ? 1 : 2);
        uzrok.replace("{}", QString::number(p.poslužitelj.serverPort()));
        provjeriNeuspjeh(p, https, Ime, QRegularExpression::escape(uzrok));
    }
};

VELKOR_TEST(TestPreusmjeravanja)
#include "tst_preusmjeravanje.moc"
