#pragma once
// The installation of what an update run has fetched: item by item the old file
// moved aside into the backup directory and the new one copied in, components
// registered anew, everything rolled back when a step cannot be finished; then
// the new versions list, the clean-up and a fresh check for updates.
#include "base/Prekidanje.h"

#include <QString>
#include <functional>
#include <optional>

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
    // mark: before its commit point every old file and the old list are put
    // back and its new items removed; after it the clean-up is finished. Either
    // way the backup directory goes. Called at start-up before anything else
    // touches the installation.
    void PopraviPrekinutuInstalaciju();

private:
    struct KoraciVrste;
    static const KoraciVrste* vrstaStavke(const QString& ime);
    // Where an item of a known kind lives; none for another kind.
    struct Mjesto {
        QString direktorija;
        bool komponenta;
    };
    std::optional<Mjesto> mjestoStavke(const QString& ime) const;

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
    // The commit point, then the clean-up and the end of the mark.
    void završi();
    // Each failure logged behind prefiks; false when the backup directory stays.
    bool počisti(const QString& prefiks);
    bool ukloniBackup(const QString& prefiks);
    bool obrišiOznaku(const QString& prefiks);
    bool ukloniNoveStavke(const QByteArray& zapis);

    void korak(const QString& tekst);
    // The failure box closed by the sentence that announces the rollback.
    bool odustani(const QString& tekst);
    QString oznakaUTijeku() const;
    void logiraj(const QString& poruka);
    void logirajPopravak(const QString& poruka);

    // Of the installation's log lines.
    static const QString Prefiks;

    DijeloviInstalacije dijelovi;
    Prekidanje prekidanje;
};

} // namespace velkor
