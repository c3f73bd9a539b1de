#pragma once
// The download server on 127.0.0.1 for the tests, ./run and the benchmark: the
// files of one directory under "/download/Verzija22/", over plain http and
// https on the same port; for a file name it can send any other response.
#include <QByteArray>
#include <QHash>
#include <QList>
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
    // Responses as sent, with the file's size for {N} and its bytes for {TIJELO}
    // ({POLA}: the first half; {KAP}: all of it, dripping). A body goes in chunks when the headers
    // say "chunked"; "Connection: close" closes the connection after the response.
    struct Ponašanje {
        static constexpr char Normalno[] = "HTTP/1.1 200 OK\r\nContent-Length: {N}\r\n\r\n{TIJELO}";
        static constexpr char NijePronadeno[] =
            "HTTP/1.1 404 Not Found\r\nContent-Length: 25\r\n\r\nDatoteka nije pronađena\n";
    };

    explicit LokalniPoslužitelj(QString direktorija, QObject* roditelj = nullptr);

    // port 0: any free port.
    bool Pokreni(quint16 port = 0) { return listen(QHostAddress::LocalHost, port); }
    // "127.0.0.1:port" and "localhost:port".
    QString Domaćin() const { return "127.0.0.1:" + QString::number(serverPort()); }
    QString DomaćinPoImenu() const { return "localhost:" + QString::number(serverPort()); }

    void PostaviPonašanje(const QString& imeDatoteke, const QByteArray& odgovor) {
        odgovori.insert(imeDatoteke, odgovor);
    }
    // Every request received, in order.
    QList<PrimljeniZahtjev> zahtjevi;
    // By file name, instead of the file or the 404 for none.
    QHash<QString, QByteArray> odgovori;
    const QString direktorija;
    QSslConfiguration tls;

    // The test-only authority that signed the server's certificate.
    static QString PutanjaCa();

protected:
    void incomingConnection(qintptr deskriptor) override;
};

} // namespace velkor::test
