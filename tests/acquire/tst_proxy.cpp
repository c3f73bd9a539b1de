#include "PostavaPreuzimanja.h"
#include "support/RegistarTestova.h"

#include <QNetworkProxyFactory>
#include <QTest>
#include <QUrl>
#include <optional>

using namespace velkor;
using namespace velkor::test;

namespace {
const QString Ime = QStringLiteral("Verzije.txt");

// The system's proxy, as the environment sets it, for one test.
class ProxyIzOkoline {
public:
    explicit ProxyIzOkoline(const QByteArray& adresa) {
        for (const char* ime : Imena) {
            stare.append(qEnvironmentVariableIsSet(ime) ? std::optional(qgetenv(ime))
                                                        : std::nullopt);
            qputenv(ime, QByteArray(ime).toLower().startsWith("no_") ? QByteArray() : adresa);
        }
    }
    ~ProxyIzOkoline() {
        for (qsizetype i = 0; i < stare.size(); ++i)
            stare[i] ? qputenv(Imena[i], *stare[i]) : qunsetenv(Imena[i]);
    }

private:
    static constexpr const char* Imena[] = {"http_proxy",  "https_proxy", "HTTP_PROXY",
                                            "HTTPS_PROXY", "no_proxy",    "NO_PROXY"};
    QList<std::optional<QByteArray>> stare;
};
} // namespace

// The local server stands in for the proxy as well; the URL's own port has
// nothing listening, so a download that bypassed the proxy would fail.
class TestProxyja : public QObject {
    Q_OBJECT

private slots:
    void krozProxy_data() {
        QTest::addColumn<bool>("https");
        QTest::newRow("https: tunel") << true;
        QTest::newRow("http: proslijeđen zahtjev") << false;
    }

    void krozProxy() {
        QFETCH(bool, https);
        PostavaPreuzimanja p;
        p.objavi(Ime, "preko proxyja");
        const QString cilj = QStringLiteral("localhost:1");
        p.postaviPrimarni(cilj);
        const ProxyIzOkoline proxy("http://" + p.poslužitelj.Domaćin().toLatin1());
        const QUrl url((https ? "https://" : "http://") + cilj + "/download/Verzija22/" + Ime);
        const QList<QNetworkProxy> sustav =
            QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
        if (sustav.value(0).type() != QNetworkProxy::HttpProxy)
            QSKIP("the system's proxy settings do not follow the environment here");

        QVERIFY(p.preuzmi(https, Ime));

        QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), QByteArray("preko proxyja"));
        const QList<PrimljeniZahtjev>& z = p.poslužitelj.zahtjevi;
        if (https) {
            QCOMPARE(z.size(), 2);
            QVERIFY(z[0].prekoProxyja);
            QVERIFY(z[0].zaglavlja.startsWith("CONNECT localhost:1 HTTP/1."));
            QVERIFY(z[1].šifrirano);
            QCOMPARE(z[1].putanja, QByteArray("/download/Verzija22/Verzije.txt"));
            QCOMPARE(z[1].domaćin, QByteArray("localhost:1"));
        } else {
            QCOMPARE(z.size(), 1);
            QVERIFY(z[0].prekoProxyja);
            QVERIFY(z[0].zaglavlja.startsWith(
                "GET http://localhost:1/download/Verzija22/Verzije.txt HTTP/1.1\r\n"));
            QCOMPARE(z[0].domaćin, QByteArray("localhost:1"));
        }
    }
};

VELKOR_TEST(TestProxyja)
#include "tst_proxy.moc"
