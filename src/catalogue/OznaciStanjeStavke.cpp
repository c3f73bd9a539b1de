#include "base/Prozor.h"
#include "catalogue/PlanAzuriranja.h"

namespace velkor {

namespace {

// The fill of columns 2 to 6 for each state; -1 leaves the fill as it is.
int PostotakStanja(qint16 kod) {
    switch (kod) {
    case 1: // downloading
    case 4: // copying from the network
        return 25;
    case 2: // fetched
        return 50;
    case 5: // installing
        return 75;
    case 3: // installed
        return 100;
    default:
        return -1;
    }
}

} // namespace

void PlanAžuriranja::OznačiStanjeStavke(const QString& ime, qint16 kod) {
    const int red = prozor.RedStavke(ime);
    if (red < 1)
        return;
    prozor.PostaviStanjeReda(red, kod, PostotakStanja(kod));
}

} // namespace velkor
