#pragma once
// How a download reaches its URL: the authorities it trusts (the system's and
// any extra ones) and the proxy the system names for the URL.
#include <QByteArray>
#include <QString>
#include <curl/curl.h>
#include <optional>

class QUrl;

namespace velkor {

class MrežniPristup {
public:
    // dodatniCa: a PEM file of extra trusted authorities; empty text for none.
    explicit MrežniPristup(QString dodatniCa);

    void Postavi(CURL* easy, const QUrl& url);

private:
    void postaviAutoritete(CURL* easy);
    static void postaviProxy(CURL* easy, const QUrl& url);

    QString dodatniCa;
    // The system's bundle with the extra authorities after it, made once.
    std::optional<QByteArray> skupCa;
};

} // namespace velkor
