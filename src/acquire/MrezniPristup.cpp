#include "acquire/MrezniPristup.h"

#include "acquire/Prijenos.h"

#include <QFile>
#include <QNetworkProxyFactory>
#include <QUrl>

namespace velkor {

namespace {

const QByteArray KorisničkiAgent =
    QByteArrayLiteral("VelkorZideZizodu22/") + QByteArray::number(VELKOR_VER_GL) + '.' +
    QByteArray::number(VELKOR_VER_POM) + '.' + QByteArray::number(VELKOR_VER_REV);

// The bytes on disk must be the server's bytes: no content coding.
char Identitet[] = "Accept-Encoding: identity";
curl_slist Zaglavlja{Identitet, nullptr};

QByteArray pročitaj(const QString& put) {
    QFile datoteka(put);
    return datoteka.open(QIODevice::ReadOnly) ? datoteka.readAll() : QByteArray();
}

// The first proxy of the system's list that libcurl can use; none when there is none.
QNetworkProxy proxyZa(const QUrl& url) {
    for (const QNetworkProxy& p :
         QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url)))
        if (p.type() == QNetworkProxy::NoProxy || p.type() == QNetworkProxy::HttpProxy ||
            p.type() == QNetworkProxy::HttpCachingProxy || p.type() == QNetworkProxy::Socks5Proxy)
            return p;
    return QNetworkProxy(QNetworkProxy::NoProxy);
}

} // namespace

MrežniPristup::MrežniPristup(QString dodatniCa) : dodatniCa(std::move(dodatniCa)) {}

void MrežniPristup::Postavi(CURL* easy, const QUrl& url) {
    curl_easy_setopt(easy, CURLOPT_URL, url.toEncoded().constData());
    curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(easy, CURLOPT_USERAGENT, KorisničkiAgent.constData());
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, &Zaglavlja);
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    // Up to five redirects, never from https down to http.
    const bool sigurna = url.scheme() == QLatin1String("https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, sigurna ? "https" : "http,https");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, long(NajvišePreusmjeravanja));
    curl_easy_setopt(easy, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // A leaf certificate among the trusted ones vouches for nothing: only authorities do.
    curl_easy_setopt(easy, CURLOPT_SSL_OPTIONS, long(CURLSSLOPT_NO_PARTIALCHAIN));
    if (!dodatniCa.isEmpty()) {
        const QByteArray& autoriteti = skupAutoriteta(easy);
        curl_blob blob{const_cast<char*>(autoriteti.data()), size_t(autoriteti.size()),
                       CURL_BLOB_NOCOPY};
        curl_easy_setopt(easy, CURLOPT_CAINFO_BLOB, &blob);
    }
    // Always set, also to none: libcurl would otherwise read the environment by itself.
    const QNetworkProxy proxy = proxyZa(url);
    QUrl adresa;
    if (proxy.type() != QNetworkProxy::NoProxy) {
        adresa.setScheme(proxy.type() == QNetworkProxy::Socks5Proxy ? QStringLiteral("socks5h")
                                                                    : QStringLiteral("http"));
        adresa.setHost(proxy.hostName());
        adresa.setPort(proxy.port());
    }
    const QByteArray korisnik = proxy.user().toUtf8(), lozinka = proxy.password().toUtf8();
    curl_easy_setopt(easy, CURLOPT_PROXY, adresa.toEncoded().constData());
    curl_easy_setopt(easy, CURLOPT_NOPROXY, "");
    curl_easy_setopt(easy, CURLOPT_PROXYUSERNAME, korisnik.isEmpty() ? nullptr : korisnik.data());
    curl_easy_setopt(easy, CURLOPT_PROXYPASSWORD, korisnik.isEmpty() ? nullptr : lozinka.data());
    // Any scheme the proxy asks for: Basic, Digest, NTLM, Negotiate.
    curl_easy_setopt(easy, CURLOPT_PROXYAUTH, CURLAUTH_ANY);
}

// libcurl takes one bundle: the one it would use by itself, and the extra ones after it.
const QByteArray& MrežniPristup::skupAutoriteta(CURL* easy) {
    if (skup.isEmpty()) {
        const QByteArray dodatni = pročitaj(dodatniCa);
        if (!dodatni.contains("-----BEGIN CERTIFICATE-----"))
            qWarning("VELKOR_CA_CERTS: nema certifikata u %s", qPrintable(dodatniCa));
        char* sustavni = nullptr;
        curl_easy_getinfo(easy, CURLINFO_CAINFO, &sustavni);
        skup =
            (sustavni ? pročitaj(QString::fromLocal8Bit(sustavni)) : QByteArray()) + '\n' + dodatni;
    }
    return skup;
}

} // namespace velkor
