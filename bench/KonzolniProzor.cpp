#include "KonzolniProzor.h"

#include <cstdio>

namespace velkor::bench {

Odgovor KonzolniProzor::Poruka(const QString& tekst, Ikona, Gumbi gumbi, const QString& naslov) {
    ++brojPoruka;
    std::fprintf(stderr, "[%s] %s\n", qPrintable(naslov), qPrintable(tekst));
    return gumbi == Gumbi::DaNe ? Odgovor::Da : Odgovor::URedu;
}

} // namespace velkor::bench
