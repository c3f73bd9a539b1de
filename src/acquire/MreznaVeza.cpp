#include "acquire/MreznaVeza.h"

#include <QFile>
#include <QNetworkProxyFactory>
#include <QUrl>

namespace velkor {

namespace {

QByteArray pročitaj(const QString& put) {
    QFile datoteka(put);
    return datoteka.open(QIODevice::ReadOnly) ? datoteka.readAll() : QByteArray();
}

// The first proxy of the system's list that libcurl can use; none when there is none.
QNetworkProxy proxyZa(const QUrl& url) {
    const QList<QNetworkProxy> popis =
        QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
    for (const QNetworkProxy& proxy : popis)
        switch (proxy.type()) {
        case QNetworkProxy::NoProxy:
        case QNetworkProxy::HttpProxy:
        case QNetworkProxy::HttpCachingProxy:
        case QNetworkProxy::Socks5Proxy:
            return proxy;
        default:
            break;
        }
    return QNetworkProxy(QNetworkProxy::NoProxy);
}

} // namespace

MrežniPristup::MrežniPristup(QString dodatniCa) : dodatniCa(std::move(dodatniCa)) {}

void MrežniPristup::Postavi(CURL* easy, const QUrl& url) {
    // A leaf certificate among the trusted ones vouches for nothing: only authorities do.
    curl_easy_setopt(easy, CURLOPT_SSL_OPTIONS, long(CURLSSLOPT_NO_PARTIALCHAIN));
    if (!dodatniCa.isEmpty())
        postaviAutoritete(easy);
    postaviProxy(easy, url);
}

void MrežniPristup::postaviAutoritete(CURL* easy) {
    if (!skupCa) {
        const QByteArray dodatni = pročitaj(dodatniCa);
        if (!dodatni.contains("-----BEGIN CERTIFICATE-----"))
            qWarning("VELKOR_CA_CERTS: nema certifikata u %s", qPrintable(dodatniCa));
        // libcurl takes one bundle: the one it would use by itself, and the extra ones.
        char* sustavni = nullptr;
        curl_easy_getinfo(easy, CURLINFO_CAINFO, &sustavni);
        skupCa =
            (sustavni ? pročitaj(QString::fromLocal8Bit(sustavni)) : QByteArray()) + '\n' + dodatni;
    }
    curl_blob blob{skupCa->data(), size_t(skupCa->size()), CURL_BLOB_NOCOPY};
    curl_easy_setopt(easy, CURLOPT_CAINFO_BLOB, &blob);
}

// Always set, also to none: libcurl would otherwise read the environment by itself.
void MrežniPristup::postaviProxy(CURL* easy, const QUrl& url) {
    const QNetworkProxy proxy = proxyZa(url);
    QByteArray adresa, korisnik, lozinka;
    if (proxy.type() != QNetworkProxy::NoProxy) {
        QUrl u;
        u.setScheme(proxy.type() == QNetworkProxy::Socks5Proxy ? QStringLiteral("socks5h")
                                                               : QStringLiteral("http"));
        u.setHost(proxy.hostName());
        u.setPort(proxy.port());
        adresa = u.toEncoded();
        korisnik = proxy.user().toUtf8();
        lozinka = proxy.password().toUtf8();
    }
    curl_easy_setopt(easy, CURLOPT_PROXY, adresa.constData());
    curl_easy_setopt(easy, CURLOPT_NOPROXY, "");
    curl_easy_setopt(easy, CURLOPT_PROXYUSERNAME,
                     korisnik.isEmpty() ? nullptr : korisnik.constData());
    curl_easy_setopt(easy, CURLOPT_PROXYPASSWORD,
                     korisnik.isEmpty() ? nullptr : lozinka.constData());
    curl_easy_setopt(easy, CURLOPT_PROXYAUTH, CURLAUTH_ANY);
}

} // namespace velkor
