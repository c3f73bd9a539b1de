#pragma once
// The unattended mode from its command line to its exit code: the operation run
// with the console in place of the window, its lines written, its result kept.
#include <QString>
#include <QStringList>
#include <functional>

namespace velkor {

class Datoteke;
class Platforma;
class Regionalno;
class Sat;
class SpremištePostavki;

// What main hands over: the program's surroundings and its two streams.
struct OkolinaBezNadzora {
    QString aplikacijskaDirektorija;
    Datoteke& datoteke;
    Platforma& platforma;
    SpremištePostavki& spremište;
    Sat& sat;
    const Regionalno& regionalno;
    std::function<void(const QString&)> izlaz;
    std::function<void(const QString&)> greške;
};

// The exit code.
int IzvediBezNadzora(const QStringList& argumenti, const OkolinaBezNadzora& okolina);

} // namespace velkor
