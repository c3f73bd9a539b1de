#include "base/Prekidanje.h"

#include "base/Dnevnik.h"
#include "base/OkviriPoruka.h"
#include "base/Stanje.h"

namespace velkor {

Prekidanje::Prekidanje(Stanje& stanje, Dnevnik& dnevnik, OkviriPoruka& poruke)
    : stanje(stanje), dnevnik(dnevnik), poruke(poruke) {}

bool Prekidanje::Prekini(const QString& prefiks, const QString& tekst, bool sPorukom) const {
    stanje.ZadnjaGreška = tekst;
    dnevnik.LogirajGrešku(prefiks + tekst);
    if (sPorukom)
        poruke.Poruka(tekst, Ikona::Usklicnik);
    return false;
}

} // namespace velkor
