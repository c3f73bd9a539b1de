#pragma once
// How a download asks for its URL: the request, the redirects it follows, the
// authorities it trusts (the system's and any extra ones) and the proxy the
// system names for the URL.
#include <QByteArray>
#include <QString>
#include <curl/curl.h>

class QUrl;

namespace velkor {

class MrežniPristup {
public:
    // dodatniCa: a PEM file of extra trusted authorities; empty text for none.
    explicit MrežniPristup(QString dodatniCa);

    void Postavi(CURL* easy, const QUrl& url);

private:
    const QByteArray& skupAutoriteta(CURL* easy);

    QString dodatniCa;
    QByteArray skup; // made once
};

} // namespace velkor
