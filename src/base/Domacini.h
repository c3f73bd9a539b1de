#pragma once
// The two download hosts: built in, replaced at build time, and overridden by
// the environment (host or host:port).
#include <QString>

namespace velkor {

class Platforma;

struct Domaćini {
    QString primarni;
    QString sekundarni;

    static Domaćini IzOkoline(Platforma& platforma);
};

// Captions of the update-source options: 2 primary host, 1 network, 0 secondary host.
QString NatpisOpcije(int indeks, const Domaćini& domaćini);

} // namespace velkor
