#pragma once
// The preparation of a check for updates: the installed list checked, the new
// list brought in from the selected source, and the plan built from both.
#include "base/IzvorAzuriranja.h"
#include "catalogue/DohvatSaInterneta.h"

#include <QString>

namespace velkor {

class Datoteke;
class Dnevnik;
class PlanAžuriranja;
class RadneDirektorije;
class OkviriPoruka;
class TablicneDatoteke;
struct Stanje;

class PripremaVerzija {
public:
    PripremaVerzija(Stanje& stanje, OkviriPoruka& poruke, Datoteke& datoteke, Dnevnik& dnevnik,
                    RadneDirektorije& radneDirektorije, TablicneDatoteke& tablice,
                    PlanAžuriranja& plan, DownloadDatoteke downloadDatoteke);

    // True when the comparison ran to its end, also with nothing to update.
    bool PripremiVerzijaTXT(const IzvorAžuriranja& izvor);

private:
    bool saInterneta();
    bool saMrežneLokacije(const QString& lokacija);

    Stanje& stanje;
    OkviriPoruka& poruke;
    Datoteke& datoteke;
    Dnevnik& dnevnik;
    RadneDirektorije& radneDirektorije;
    TablicneDatoteke& tablice;
    PlanAžuriranja& plan;
    DohvatSaInterneta dohvat;
    Prekidanje prekidanje;
};

} // namespace velkor
