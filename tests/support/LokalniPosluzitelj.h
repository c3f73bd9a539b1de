#pragma once
// The download server on 127.0.0.1 for the tests, ./run and the benchmark: the
// files of one directory under "/download/Verzija22/", over plain http and
// https on the same port, misbehaving on request per file name.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSslConfiguration>
#include <QString>
#include <QTcpServer>

namespace velkor::test {

struct PrimljeniZahtjev {
    bool šifrirano = false;
    QByteArray putanja; // as on the request line, still percent-encoded
    QByteArray domaćin; // the Host header
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
    };

    explicit LokalniPoslužitelj(QString direktorija, QObject* roditelj = nullptr);

    // port 0: any free port.
    bool Pokreni(quint16 port = 0);
    // "127.0.0.1:port" and "localhost:port".
    QString Domaćin() const;
    QString DomaćinPoImenu() const;

    void PostaviPonašanje(const QString& imeDatoteke, Ponašanje ponašanje);
    Ponašanje PonašanjeZa(const QString& imeDatoteke) const;
    QString Direktorija() const { return direktorija; }
    const QSslConfiguration& Tls() const { return tls; }

    // Every request received, in order.
    QList<PrimljeniZahtjev> zahtjevi;

    // The test-only authority that signed the server's certificate.
    static QString PutanjaCa();

protected:
    void incomingConnection(qintptr deskriptor) override;

private:
    QString direktorija;
    QHash<QString, Ponašanje> ponašanja;
    QSslConfiguration tls;
};

} // namespace velkor::test
