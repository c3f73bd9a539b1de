#pragma once
// A real proxy for the tests: squid on loopback on a free port, configured from
// data/squid.conf in a temporary directory, asking for Digest authentication of
// its one user. It connects onwards from 127.0.0.2, so the local server can
// tell the requests that came through it.
#include <QProcess>
#include <QTemporaryDir>

namespace velkor::test {

class ProxySquid {
public:
    ~ProxySquid();
    // "user:password"; waits until it listens, false with the reason in greška.
    bool Pokreni(const QByteArray& prijava);
    // "http://[user:password@]127.0.0.1:port"
    QString Adresa(const QString& prijava) const;

    QString greška;

private:
    QTemporaryDir direktorija;
    QProcess squid;
    quint16 port = 0;
};

} // namespace velkor::test
