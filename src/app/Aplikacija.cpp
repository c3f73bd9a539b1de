#include "app/Aplikacija.h"

#include "app/Domacini.h"
#include "app/Prozor.h"
#include "app/Sat.h"
#include "app/VrijemePrijenosa.h"

namespace velkor {

Aplikacija::Aplikacija(const Okolina& okolina)
    : okolina(okolina), dnevnik_(okolina.aplikacijskaDirektorija, okolina.datoteke, okolina.prozor,
                                 okolina.sat, okolina.regionalno),
      postavke_(okolina.spremište, okolina.prozor, okolina.datoteke, stanje_),
      pokretanje_(okolina.aplikacijskaDirektorija, stanje_, okolina.prozor, okolina.datoteke,
                  okolina.platforma, dnevnik_, postavke_) {
    const Domaćini domaćini = Domaćini::IzOkoline(okolina.platforma);
    for (int indeks = 0; indeks <= 2; ++indeks)
        okolina.prozor.PostaviNatpisOpcije(indeks, NatpisOpcije(indeks, domaćini));
}

void Aplikacija::Form_Load() {
    pokretanje_.Form_Load([this] { return PripremiVerzijaTXT(); });
}

bool Aplikacija::PripremiVerzijaTXT() {
    return pokretanje_.PostaviRadneDirektorije();
}

void Aplikacija::PokreniVrijemePrijenosa() {
    stanje_.PočetakPrijenosa = SekundeOdPonoći(okolina.sat.Sada().time());
    okolina.prozor.PostaviVrijemePrijenosa(QString());
    okolina.prozor.UključiTmrPrijenos(true);
}

void Aplikacija::ZaustaviVrijemePrijenosa() {
    okolina.prozor.UključiTmrPrijenos(false);
}

void Aplikacija::Form_Activate() {
    pokretanje_.Form_Activate();
}

void Aplikacija::Form_Unload() {
    pokretanje_.Form_Unload();
}

void Aplikacija::cmdIzlaz_Click() {
    pokretanje_.cmdIzlaz_Click();
}

void Aplikacija::cmdVerzija_Click() {
    PripremiVerzijaTXT();
}

void Aplikacija::optLokacija_Click(int indeks) {
    postavke_.optLokacija_Click(indeks);
}

void Aplikacija::cmdLokacija_Click(int indeks) {
    postavke_.cmdLokacija_Click(indeks);
}

void Aplikacija::txtLokacija_Validate(int indeks) {
    postavke_.txtLokacija_Validate(indeks);
}

void Aplikacija::numVrijemeDownloada_Change() {
    postavke_.numVrijemeDownloada_Change();
}

void Aplikacija::tmrPrijenos_Timer() {
    const float sada = SekundeOdPonoći(okolina.sat.Sada().time());
    okolina.prozor.PostaviVrijemePrijenosa(TekstVremenaPrijenosa(
        ProtekloVrijeme(stanje_.PočetakPrijenosa, sada), okolina.regionalno.DecimalniZnak()));
}

void Aplikacija::tmrUpdate_Timer() {
    // The scheduled distribution download hooks in here.
}

} // namespace velkor
