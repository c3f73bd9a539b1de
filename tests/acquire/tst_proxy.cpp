#include "PostavaPreuzimanja.h"
#include "ProxySquid.h"
#include "support/RegistarTestova.h"

#include <QNetworkProxyFactory>
#include <QRegularExpression>
#include <QTest>
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

// Through a real proxy that asks for Digest authentication, with the user name
// and password taken from the proxy's address as the system gives it.
class TestProxyja : public QObject {
    Q_OBJECT

    ProxySquid squid{QStringLiteral("ana"), QStringLiteral("ta@jna")};

private slots:
    void initTestCase() { QVERIFY2(squid.Pokreni(), qPrintable(squid.greška)); }

    void krozProxy_data() {
        QTest::addColumn<bool>("https");
        QTest::addColumn<QString>("prijava");
        QTest::addColumn<bool>("uspjeh");
        for (bool https : {true, false}) {
            const char* e = https ? "https" : "http";
            QTest::addRow("%s, s prijavom", e) << https << "ana:ta%40jna@" << true;
            QTest::addRow("%s, bez prijave", e) << https << QString() << false;
        }
        QTest::newRow("http, kriva lozinka") << false << "ana:tajna@" << false;
    }

    void krozProxy() {
        QFETCH(bool, https);
        QFETCH(QString, prijava);
        QFETCH(bool, uspjeh);
        PostavaPreuzimanja p;
        p.objavi(Ime, "preko proxyja");
        const ProxyIzOkoline proxy(squid.Adresa(prijava).toUtf8());
        const QUrl url((https ? "https://" : "http://") + p.domaćini.primarni);
        QCOMPARE(QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url)).value(0).type(),
                 QNetworkProxy::HttpProxy);

        QCOMPARE(p.preuzmi(https, Ime), uspjeh);

        const QList<PrimljeniZahtjev>& z = p.poslužitelj.zahtjevi;
        if (!uspjeh) {
            QVERIFY(z.isEmpty());
            provjeriNeuspjeh(p, https, Ime, "Proxy poslužitelj traži korisničko ime i lozinku.*",
                             true);
            return;
        }
        QCOMPARE(p.pročitaj(p.okruženje.update() + Ime), QByteArray("preko proxyja"));
        QCOMPARE(z.size(), 1);
        QVERIFY2(z[0].odakle.startsWith(ProxySquid::Odlazna + QStringLiteral(":")),
                 qPrintable(z[0].odakle));
        QCOMPARE(z[0].šifrirano, https);
    }
};

VELKOR_TEST(TestProxyja)
#include "tst_proxy.moc"
