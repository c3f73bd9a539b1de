#include "acquire/MreznaVeza.h"

#include <QNetworkProxyFactory>
#include <QSslCertificate>
#include <QSslSocket>
#include <QUrl>

namespace velkor {

namespace {

bool jeHttps(const QUrl& url) {
    return url.scheme() == QLatin1String("https");
}

quint16 zadaniPort(const QUrl& url) {
    return jeHttps(url) ? 443 : 80;
}

// The Host header: the port only when it is not the scheme's own.
QByteArray domaćinZaglavlja(const QUrl& url) {
    QByteArray domaćin = url.host(QUrl::FullyEncoded).toLatin1();
    if (domaćin.contains(':'))
        domaćin = '[' + domaćin + ']';
    const int port = url.port(zadaniPort(url));
    if (port != zadaniPort(url))
        domaćin += ':' + QByteArray::number(port);
    return domaćin;
}

const QByteArray KorisničkiAgent =
    QByteArrayLiteral("VelkorZideZizodu22/") + QByteArray::number(VELKOR_VER_GL) + '.' +
    QByteArray::number(VELKOR_VER_POM) + '.' + QByteArray::number(VELKOR_VER_REV);

} // namespace

QByteArray ZahtjevGet(const QUrl& url, const QNetworkProxy* prosljeđivač) {
    QUrl adresa = url.adjusted(QUrl::RemoveFragment | QUrl::RemoveUserInfo);
    if (adresa.path().isEmpty())
        adresa.setPath(QStringLiteral("/"));
    const QByteArray cilj = prosljeđivač
                                ? adresa.toEncoded()
                                : adresa.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority);
    QByteArray zahtjev = "GET " + cilj + " HTTP/1.1\r\nHost: " + domaćinZaglavlja(url) +
                         "\r\nUser-Agent: " + KorisničkiAgent + "\r\nAccept: */*\r\n";
    // The bytes on disk must be the server's bytes, and the length header their
    // count: no content coding.
    zahtjev += "Accept-Encoding: identity\r\n";
    if (prosljeđivač && !prosljeđivač->user().isEmpty())
        zahtjev += "Proxy-Authorization: Basic " +
                   (prosljeđivač->user() + QLatin1Char(':') + prosljeđivač->password())
                       .toUtf8()
                       .toBase64() +
                   "\r\n";
    // One file per connection: the end of the body may be the end of the connection.
    return zahtjev + "Connection: close\r\n\r\n";
}

MrežniPristup::MrežniPristup(QString dodatniCa) : dodatniCa(std::move(dodatniCa)) {}

PripremljenaVeza MrežniPristup::Pripremi(const QUrl& url) {
    PripremljenaVeza veza;
    veza.šifrirano = jeHttps(url);
    veza.domaćin = url.host();
    veza.port = quint16(url.port(zadaniPort(url)));
    veza.imeZaCertifikat = url.host();
    QNetworkProxy proxy = proxyZa(url);
    if (!veza.šifrirano && proxy.type() == QNetworkProxy::HttpProxy) {
        // Plain http is handed to the proxy to forward, as browsers do: many
        // proxies open a tunnel only to the https port.
        veza.domaćin = proxy.hostName();
        veza.port = proxy.port();
        veza.zahtjev = ZahtjevGet(url, &proxy);
        proxy = QNetworkProxy(QNetworkProxy::NoProxy);
    } else {
        veza.zahtjev = ZahtjevGet(url);
    }
    if (veza.šifrirano) {
        auto utičnica = std::make_unique<QSslSocket>();
        utičnica->setSslConfiguration(tls());
        veza.utičnica = std::move(utičnica);
    } else {
        veza.utičnica = std::make_unique<QTcpSocket>();
    }
    // A tunnelling proxy is the socket's own business (CONNECT or SOCKS).
    veza.utičnica->setProxy(proxy);
    veza.utičnica->setReadBufferSize(veza.šifrirano ? NajvišeUMemorijiTls : NajvišeUMemoriji);
    return veza;
}

// The proxy the system is set up with for this URL, asked anew for every
// connection; the first one a socket can use, or none.
QNetworkProxy MrežniPristup::proxyZa(const QUrl& url) {
    const QList<QNetworkProxy> popis =
        QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
    for (const QNetworkProxy& proxy : popis) {
        switch (proxy.type()) {
        case QNetworkProxy::NoProxy:
        case QNetworkProxy::HttpProxy:
        case QNetworkProxy::Socks5Proxy:
            return proxy;
        case QNetworkProxy::HttpCachingProxy:
            return QNetworkProxy(QNetworkProxy::HttpProxy, proxy.hostName(), proxy.port(),
                                 proxy.user(), proxy.password());
        default:
            break;
        }
    }
    return QNetworkProxy(QNetworkProxy::NoProxy);
}

const QSslConfiguration& MrežniPristup::tls() {
    if (tls_)
        return *tls_;
    QSslConfiguration konfiguracija = QSslConfiguration::defaultConfiguration();
    if (!dodatniCa.isEmpty()) {
        const QList<QSslCertificate> dodatni = QSslCertificate::fromPath(dodatniCa, QSsl::Pem);
        if (dodatni.isEmpty())
            qWarning("VELKOR_CA_CERTS: nema certifikata u %s", qPrintable(dodatniCa));
        else
            konfiguracija.setCaCertificates(QSslConfiguration::systemCaCertificates() + dodatni);
    }
    // The server must prove it is the host asked for; its errors are never ignored.
    konfiguracija.setPeerVerifyMode(QSslSocket::VerifyPeer);
    konfiguracija.setAllowedNextProtocols({QSslConfiguration::NextProtocolHttp1_1});
    tls_ = konfiguracija;
    return *tls_;
}

} // namespace velkor
