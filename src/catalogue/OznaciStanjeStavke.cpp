#include "base/PrikazPlana.h"
#include "catalogue/PlanAzuriranja.h"

namespace velkor {

namespace {

// The fill of columns 2 to 6 for each state; -1 leaves the fill as it is.
int PostotakStanja(StanjeStavke stanje) {
    switch (stanje) {
    case StanjeStavke::Preuzimanje:
    case StanjeStavke::KopiranjeSMreze:
        return 25;
    case StanjeStavke::Preuzeto:
        return 50;
    case StanjeStavke::Instaliranje:
        return 75;
    case StanjeStavke::Instalirano:
        return 100;
    }
    return -1;
}

} // namespace

void PlanAžuriranja::OznačiStanjeStavke(const QString& ime, StanjeStavke novo) {
    const int red = prikaz.RedStavke(ime);
    if (red < 1)
        return;
    prikaz.PostaviStanjeReda(red, int(novo), PostotakStanja(novo));
}

} // namespace velkor
