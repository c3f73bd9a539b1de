#include "acquire/MreznaVeza.h"

#include <QNetworkProxyFactory>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QUrl>

namespace velkor {

namespace {

// The proxy the system is set up with, asked anew for every request.
class SustavniProxy : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& upit) override {
        return systemProxyForQuery(upit);
    }
};

} // namespace

MrežniPristup::MrežniPristup(QString dodatniCa) : dodatniCa(std::move(dodatniCa)) {
    manager_.setProxyFactory(new SustavniProxy);
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
    tls_ = konfiguracija;
    return *tls_;
}

QNetworkRequest MrežniPristup::Zahtjev(const QUrl& url) {
    QNetworkRequest zahtjev(url);
    // The bytes on disk must be the server's bytes, and the length header their
    // count: no transparent decompression.
    zahtjev.setRawHeader("Accept-Encoding", "identity");
    // One plain HTTP/1.1 stream per file, as the download components always spoke.
    zahtjev.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    if (url.scheme() == QLatin1String("https"))
        zahtjev.setSslConfiguration(tls());
    return zahtjev;
}

} // namespace velkor
