#pragma once
// The network access shared by both download engines: one manager, the system's
// proxy settings, and the trusted authorities (the system's and any extra ones).
#include <QNetworkAccessManager>
#include <QSslConfiguration>
#include <QString>
#include <optional>

class QUrl;

namespace velkor {

class MrežniPristup {
public:
    // dodatniCa: a PEM file of extra trusted authorities; empty text for none.
    explicit MrežniPristup(QString dodatniCa);

    QNetworkAccessManager& manager() { return manager_; }
    // A GET request for the URL with the engines' common settings.
    QNetworkRequest Zahtjev(const QUrl& url);

private:
    const QSslConfiguration& tls();

    QNetworkAccessManager manager_;
    QString dodatniCa;
    std::optional<QSslConfiguration> tls_;
};

} // namespace velkor
