#pragma once
// Wires the operations together and answers the window's events.
#include "app/DogadajiProzora.h"
#include "app/LogirajGresku.h"
#include "app/Pokretanje.h"
#include "app/Postavke.h"
#include "app/Stanje.h"

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
    const Sat& sat;
    const Regionalno& regionalno;
};

class Aplikacija : public DogađajiProzora {
public:
    explicit Aplikacija(const Okolina& okolina);

    void Form_Load();
    bool PripremiVerzijaTXT();

    // The transfer-time display.
    void PokreniVrijemePrijenosa();
    void ZaustaviVrijemePrijenosa();

    void Form_Activate() override;
    void Form_Unload() override;
    void cmdIzlaz_Click() override;
    void cmdVerzija_Click() override;
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

private:
    Okolina okolina;
    Stanje stanje_;
    Dnevnik dnevnik_;
    Postavke postavke_;
    Pokretanje pokretanje_;
};

} // namespace velkor
