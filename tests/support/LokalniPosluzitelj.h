#pragma once
// The download server on 127.0.0.1 for the tests, ./run and the benchmark: the
// files of one directory under "/download/Verzija22/", over plain http and
// https on the same port, misbehaving on request per file name.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QSslConfiguration>
#include <QString>
#include <QTcpServer>

namespace velkor::test {

struct PrimljeniZahtjev {
    bool šifrirano = false;
    QByteArray putanja;   // as on the request line, still percent-encoded
    QByteArray domaćin;   // the Host header
    QByteArray zaglavlja; // the request line and the headers, lines joined with CR LF
    // The peer, "address:port": one connection, one value.
    QString odakle;
};

class LokalniPoslužitelj : public QTcpServer {
public:
    enum class Ponašanje {
        Normalno,
        NijePronadeno,      // 404
        GreskaPosluzitelja, // 500
        PraznoTijelo,       // 200 with Content-Length 0
        PrekinutaVeza,      // headers and half the body, then the connection closes
        Zastoj,             // headers, then nothing
        Dijelovi,           // the body in chunks of changing sizes
        DijeloviPrekinuti,  // half the body in chunks, then the connection closes
        DoZatvaranja,       // no length: the body ends with the connection
        NeispravanStatus,   // a status line that is no HTTP, then the connection closes
    };

    explicit LokalniPoslužitelj(QString direktorija, QObject* roditelj = nullptr);

    // port 0: any free port.
    bool Pokreni(quint16 port = 0);
    // "127.0.0.1:port" and "localhost:port".
    QString Domaćin() const;
    QString DomaćinPoImenu() const;

    void PostaviPonašanje(const QString& imeDatoteke, Ponašanje ponašanje) {
        ponašanja.insert(imeDatoteke, ponašanje);
    }
    // Every request received, in order.
    QList<PrimljeniZahtjev> zahtjevi;
    // By file name; read by the connections. A redirect answers with its
    // status and Location header (empty: none).
    QHash<QString, Ponašanje> ponašanja;
    QHash<QString, QPair<int, QByteArray>> preusmjeravanja;
    const QString direktorija;
    QSslConfiguration tls;

    // The test-only authority that signed the server's certificate.
    static QString PutanjaCa();

protected:
    void incomingConnection(qintptr deskriptor) override;
};

} // namespace velkor::test
