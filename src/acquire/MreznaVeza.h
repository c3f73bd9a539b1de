#pragma once
// How the download engines reach a URL: a socket of their own, plain or TLS,
// the system's proxy, the trusted authorities (the system's and any extra
// ones), and the request's bytes.
#include <QByteArray>
#include <QNetworkProxy>
#include <QSslConfiguration>
#include <QString>
#include <memory>
#include <optional>

class QTcpSocket;
class QUrl;

namespace velkor {

// One prepared connection; nothing is sent before the caller connects it.
struct PripremljenaVeza {
    std::unique_ptr<QTcpSocket> utičnica; // a QSslSocket when šifrirano
    bool šifrirano = false;
    // Where the socket connects: the URL's host, or a forwarding proxy.
    QString domaćin;
    quint16 port = 0;
    // The URL's host: the name the certificate must carry.
    QString imeZaCertifikat;
    QByteArray zahtjev;
};

class MrežniPristup {
public:
    // dodatniCa: a PEM file of extra trusted authorities; empty text for none.
    explicit MrežniPristup(QString dodatniCa);

    // For an http or https URL with a host; its socket not yet connected.
    PripremljenaVeza Pripremi(const QUrl& url);

    // What the socket may hold ahead of its reader: enough to keep a transfer
    // flowing, small enough that a package never sits in memory.
    static constexpr qint64 NajvišeUMemoriji = 1024 * 1024;
    // A TLS socket copies all it holds into new memory on every pass; kept
    // this small, that memory is reused instead of being mapped anew each
    // time, which cost more than the decryption at 1 MB.
    static constexpr qint64 NajvišeUMemorijiTls = 128 * 1024;

private:
    const QSslConfiguration& tls();
    static QNetworkProxy proxyZa(const QUrl& url);

    QString dodatniCa;
    std::optional<QSslConfiguration> tls_;
};

// "GET <target> HTTP/1.1" with the headers every download sends. prosljeđivač:
// a proxy that forwards plain http, which wants the target in absolute form.
QByteArray ZahtjevGet(const QUrl& url, const QNetworkProxy* prosljeđivač = nullptr);

} // namespace velkor
