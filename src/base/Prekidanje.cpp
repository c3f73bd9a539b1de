#include "base/Prekidanje.h"

#include "base/Dnevnik.h"
#include "base/Prozor.h"
#include "base/Stanje.h"

namespace velkor {

Prekidanje::Prekidanje(Stanje& stanje, Dnevnik& dnevnik, Prozor& prozor)
    : stanje(stanje), dnevnik(dnevnik), prozor(prozor) {}

bool Prekidanje::Prekini(const QString& prefiks, const QString& tekst, bool sPorukom) const {
    stanje.ZadnjaGreška = tekst;
    dnevnik.LogirajGrešku(prefiks + tekst);
    if (sPorukom)
        prozor.Poruka(tekst, Ikona::Usklicnik);
    return false;
}

} // namespace velkor
