// The wait of the fetch operations, on the real clock: run it under
// /usr/bin/time -v to see what it costs. A timer like tmrPrijenos ticks
// meanwhile, showing that the window's events go on.
#include "base/Sat.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication aplikacija(argc, argv);
    const int sekunde = argc > 1 ? QByteArray(argv[1]).toInt() : 5;
    int otkucaja = 0;
    QTimer tmrPrijenos;
    tmrPrijenos.callOnTimeout([&otkucaja] { ++otkucaja; });
    tmrPrijenos.start(500);
    QElapsedTimer mjerač;
    mjerač.start();
    velkor::SistemskiSat sat;
    sat.Pričekaj(sekunde);
    std::printf("Pričekaj(%d): %lld ms, tmrPrijenos %d puta\n", sekunde,
                static_cast<long long>(mjerač.elapsed()), otkucaja);
    return 0;
}
