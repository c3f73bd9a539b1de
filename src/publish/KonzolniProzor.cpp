#include "publish/KonzolniProzor.h"

namespace velkor {

Odgovor KonzolniProzor::Poruka(const QString& tekst, Ikona, Gumbi gumbi, const QString&) {
    konzola.greške(tekst);
    // No one is there to agree: a question is answered no.
    return gumbi == Gumbi::DaNe ? Odgovor::Ne : Odgovor::URedu;
}

} // namespace velkor
