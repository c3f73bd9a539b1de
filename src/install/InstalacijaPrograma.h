#pragma once
// The installation of what an update run has fetched: item by item the old file
// moved aside into the backup directory and the new one copied in, components
// registered anew, everything rolled back when a step cannot be finished; then
// the new versions list, the clean-up and a fresh check for updates.
#include "base/Prekidanje.h"

#include <QString>
#include <functional>

namespace velkor {

class Datoteke;
class DetekcijaPrograma;
class Dnevnik;
class PlanAžuriranja;
class PotvrdaIzdanja;
class Povrat;
class Napredak;
class OkviriPoruka;
class RadneDirektorije;
class Registracija;
struct Stanje;

// What the installation works with; the check for updates runs at its end.
struct DijeloviInstalacije {
    Stanje& stanje;
    OkviriPoruka& poruke;
    Napredak& napredak;
    Datoteke& datoteke;
    Dnevnik& dnevnik;
    RadneDirektorije& radneDirektorije;
    PlanAžuriranja& plan;
    DetekcijaPrograma& detekcija;
    Registracija& registracija;
    Povrat& povrat;
    const PotvrdaIzdanja& potvrda;
    std::function<bool()> pripremiVerzijaTXT;
};

class InstalacijaPrograma {
public:
    explicit InstalacijaPrograma(DijeloviInstalacije dijelovi);

    // Uspjeh when every planned item was installed; KrajPrograma when the
    // backup directory cannot be made.
    IshodOperacije UpdatePrograma();

    // An installation cut short (the program killed, the power gone) left its
    // mark: the files it had moved aside are put back before anything else.
    void PopraviPrekinutuInstalaciju();

private:
    struct KoraciVrste;
    static const KoraciVrste* vrstaStavke(const QString& ime);

    bool pripremiBackup();
    bool označiUTijeku();
    // Every file to install, and the list, against the release's hashes once
    // more: Update/ may have changed since they were fetched.
    bool provjeriSažetke();
    // The hash list and its signature beside the list, as they were checked.
    bool zamijeniSažetke();
    bool instalirajStavku(const QString& ime);
    bool deregistriraj(const QString& ime);
    bool premjestiUBackup(const QString& ime, const KoraciVrste& vrsta);
    bool kopirajNovu(const QString& ime, const KoraciVrste& vrsta);
    bool registriraj(const QString& ime);
    using Postupak = bool (Registracija::*)(const QString&, const QString&);
    bool registracijaSPonovnimPokušajem(const QString& ime, Postupak postupak,
                                        const QString& greška, const QString& tekstKoraka);
    bool vratiNaPočetak();
    bool zamijeniVerzije();
    // Ends the mark of an installation in progress; each failure logged behind prefiks.
    void ukloniOznaku(const QString& prefiks);
    void počisti();

    void korak(const QString& tekst);
    // The failure box closed by the sentence that announces the rollback.
    bool odustani(const QString& tekst);
    QString oznakaUTijeku() const;
    void logiraj(const QString& poruka);

    // Of the installation's log lines.
    static const QString Prefiks;

    DijeloviInstalacije dijelovi;
    Prekidanje prekidanje;
};

} // namespace velkor
