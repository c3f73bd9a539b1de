#pragma once
// A real proxy for the tests: squid on loopback on a free port, with a
// configuration of its own in a temporary directory, asking for Digest
// authentication. It connects onwards from 127.0.0.2, so the local server can
// tell the requests that came through it.
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace velkor::test {

class ProxySquid {
public:
    // The one user it knows.
    ProxySquid(const QString& korisnik, const QString& lozinka);
    ~ProxySquid();

    // Waits until it listens; false with the reason in greška when it does not.
    bool Pokreni();
    // "http://[user:password@]127.0.0.1:port"
    QString Adresa(const QString& prijava = {}) const;

    static constexpr const char* Odlazna = "127.0.0.2";
    QString greška;

private:
    bool zapiši(const QString& ime, const QByteArray& sadržaj);

    QTemporaryDir direktorija;
    QProcess squid;
    QByteArray korisnik;
    quint16 port = 0;
};

} // namespace velkor::test
