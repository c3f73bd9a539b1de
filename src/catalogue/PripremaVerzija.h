#pragma once
// The preparation of a check for updates: the installed list checked, the new
// list brought in from the selected source, and the plan built from both.
#include "base/IzvorAzuriranja.h"
#include "catalogue/DohvatSaInterneta.h"

#include <QString>

namespace velkor {

class Datoteke;
class Dnevnik;
class Izvještaji;
class PotvrdaIzdanja;
class PlanAžuriranja;
class RadneDirektorije;
class OkviriPoruka;
class TablicneDatoteke;
struct Stanje;

class PripremaVerzija {
public:
    PripremaVerzija(Stanje& stanje, OkviriPoruka& poruke, Datoteke& datoteke, Dnevnik& dnevnik,
                    RadneDirektorije& radneDirektorije, TablicneDatoteke& tablice,
                    PlanAžuriranja& plan, PotvrdaIzdanja& potvrda, Izvještaji& izvještaji,
                    DownloadDatoteke downloadDatoteke);

    // True when the comparison ran to its end, also with nothing to update.
    bool PripremiVerzijaTXT(const IzvorAžuriranja& izvor);

private:
    bool saInterneta();
    bool saMrežneLokacije(const QString& lokacija);
    // The remote-support program from the location, only once the release vouches for it.
    void teamViewerSaLokacije(const QString& lokacija);
    // The checked release's line, in the report pane and the log.
    void prikažiIzdanje();

    Stanje& stanje;
    OkviriPoruka& poruke;
    Datoteke& datoteke;
    Dnevnik& dnevnik;
    RadneDirektorije& radneDirektorije;
    TablicneDatoteke& tablice;
    PlanAžuriranja& plan;
    PotvrdaIzdanja& potvrda;
    Izvještaji& izvještaji;
    DohvatSaInterneta dohvat;
    Prekidanje prekidanje;
};

} // namespace velkor
