#include "acquire/Akvizicija.h"

#include "base/Datoteke.h"
#include "base/Napredak.h"
#include "base/Sat.h"
#include "base/Stanje.h"
#include "base/ZajednickiTekstovi.h"
#include "catalogue/ImePaketa.h"
#include "catalogue/PlanAzuriranja.h"
#include "catalogue/ZapisVerzije.h"

namespace velkor {

namespace {
const QString Prekida = QStringLiteral(". Prekida se ažuriranje!");
} // namespace

// The network location is a directory that ends in the separator (a mounted
// share); names are joined to it with nothing between.
bool Akvizicija::SnimitiSaMrežneLokacije(const QString& lokacija) {
    if (!započni(QStringLiteral("SnimitiSaMrežneLokacije")))
        return false;
    if (!dohvatiPakete([&](int, const QString& ime, const QString& paket) {
            plan.OznačiStanjeStavke(ime, StanjeStavke::KopiranjeSMreze);
            return kopirajSaLokacije(lokacija, paket);
        }))
        return false;
    napredak.PostaviStatus1(QStringLiteral("Čekanje da se sve raspakira ..."));
    napredak.SakrijProgres();
    // The location's list is not fetched again: it may have been filled anew since
    // the check, and the installed list must name what the plan installed.
    if (!provjeriDatoteke(true))
        return false;
    sat.Pričekaj(SekundiČekanja);
    return uspjeh();
}

bool Akvizicija::kopirajSaLokacije(const QString& lokacija, const QString& paket) {
    if (!datoteke.PostojiDatoteka(lokacija + paket))
        return prekini(QStringLiteral("Nije nađena 7z datoteka: ") + lokacija + paket +
                           QStringLiteral(" pa je nije moguće instalirati") + Prekida,
                       false);
    logiraj(QStringLiteral("Početak kopiranja ") + paket);
    napredak.PostaviStatus1(QStringLiteral("Kopiranje datoteke: ") + paket);
    if (!datoteke.Kopiraj(lokacija + paket, stanje.PutanjaUpdate + paket))
        return prekini(QStringLiteral("Greška u kopiranju ") + paket + Prekida, true);
    stanje.IzvještajRada += NoviRed + QStringLiteral("Kopirano ") + paket;
    return true;
}

} // namespace velkor
