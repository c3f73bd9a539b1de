#pragma once
// Wires the operations together and answers the window's events.
#include "acquire/Akvizicija.h"
#include "acquire/PreuzimanjeDatoteke.h"
#include "app/BravaInstalacije.h"
#include "app/DogadajiProzora.h"
#include "app/Pokretanje.h"
#include "base/Dnevnik.h"
#include "base/Postavke.h"
#include "base/RadneDirektorije.h"
#include "base/Stanje.h"
#include "catalogue/PlanAzuriranja.h"
#include "catalogue/PotvrdaIzdanja.h"
#include "catalogue/PripremaVerzija.h"
#include "catalogue/TablicneDatoteke.h"
#include "distribute/PunjenjeLokacije.h"
#include "distribute/RasporedDownloada.h"
#include "install/DetekcijaPrograma.h"
#include "install/InstalacijaPrograma.h"
#include "install/Povrat.h"
#include "install/Registracija.h"

#include <QString>

namespace velkor {

class Datoteke;
class Platforma;
class Prozor;
class Regionalno;
class Sat;
class SpremištePostavki;

// What the program runs on; the real things in main, doubles in tests.
struct Okolina {
    QString aplikacijskaDirektorija;
    Prozor& prozor;
    Datoteke& datoteke;
    Platforma& platforma;
    SpremištePostavki& spremište;
    Sat& sat;
    const Regionalno& regionalno;
};

class Aplikacija : public DogađajiProzora {
public:
    explicit Aplikacija(const Okolina& okolina);

    void Form_Load();
    // Start-up; the check for updates only with sProvjerom (filling a distribution
    // location needs none). False when the program cannot go on.
    bool Pokreni(bool sProvjerom);
    bool PripremiVerzijaTXT();

    // A window keeps other windows off its installation while it is open
    // (main asks for it before Form_Load); an operation keeps every other run off.
    void JedanProzorNaInstalaciji() { jedanProzor = true; }
    // False when another run holds the installation; held again, it counts.
    bool ZaključajInstalaciju();
    void OtključajInstalaciju();

    // The two operations of the buttons, as the unattended mode runs them.
    IshodOperacije Ažuriraj();
    IshodOperacije Distribuiraj();
    // Told of every file the download fetched whole.
    std::function<void(const QString& ime)> nakonDownloada;

    // The transfer-time display.
    void PokreniVrijemePrijenosa();
    void ZaustaviVrijemePrijenosa();

    // Runs an operation unless one is already running; the exit and the close
    // asked for meanwhile follow when it has ended. False when it did not run.
    // With the installation held by another run the user is told (sPorukom) or
    // the log is, and it does not run either.
    bool IzvediOperaciju(const std::function<bool()>& operacija, bool sPorukom = true);

    void Form_Activate() override;
    bool Form_Unload() override;
    void cmdIzlaz_Click() override;
    void cmdVerzija_Click() override;
    void cmdDownloadAndUpdate_Click() override;
    void cmdDownlNaLokaciju_Click() override;
    void optLokacija_Click(int indeks) override;
    void cmdLokacija_Click(int indeks) override;
    void txtLokacija_Validate(int indeks) override;
    void numVrijemeDownloada_Change() override;
    void tmrPrijenos_Timer() override;
    void tmrUpdate_Timer() override;

    Stanje& stanje() { return stanje_; }
    Dnevnik& dnevnik() { return dnevnik_; }
    Postavke& postavke() { return postavke_; }
    Pokretanje& pokretanje() { return pokretanje_; }
    RadneDirektorije& radneDirektorije() { return radneDirektorije_; }
    TablicneDatoteke& tablice() { return tablice_; }
    PlanAžuriranja& plan() { return plan_; }
    DetekcijaPrograma& detekcija() { return detekcija_; }

private:
    DownloadDatoteke downloadDatoteke();
    IzvorAžuriranja izvorIzProzora();
    PrikazPrijenosa prikazPrijenosa();
    // The update run: fetch, the user's go-ahead, install.
    IshodOperacije downloadIInstalacija();
    IshodOperacije distribucijaNaLokaciju(bool prikažiPoruke);
    void javiZauzeto(bool sPorukom);
    void zapišiVrijednostiIzvoza();

    Okolina okolina;
    Stanje stanje_;
    Dnevnik dnevnik_;
    Postavke postavke_;
    RadneDirektorije radneDirektorije_;
    Pokretanje pokretanje_;
    TablicneDatoteke tablice_;
    PlanAžuriranja plan_;
    PreuzimanjeDatoteke preuzimanje_;
    // The release the last check accepted; the update run holds its files to it.
    PotvrdaIzdanja potvrda_;
    PripremaVerzija priprema_;
    PunjenjeLokacije distribucija_;
    RasporedDownloada raspored_;
    Akvizicija akvizicija_;
    Registracija registracija_;
    DetekcijaPrograma detekcija_;
    Povrat povrat_;
    InstalacijaPrograma instalacija_;

    // The update source of the running operation, and the transfer time last shown.
    IzvorAžuriranja izvor_;
    QString vrijemePrijenosa_;

    BravaInstalacije brava_{BravaInstalacije::ImeOperacije};
    BravaInstalacije bravaProzora_{BravaInstalacije::ImeProzora};
    bool jedanProzor = false;

    bool uTijeku = false;
    bool izlazNaČekanju = false;
    bool zatvaranjeNaČekanju = false;
};

} // namespace velkor
