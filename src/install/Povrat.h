#pragma once
// The rollback of a failed installation: every file moved aside into the backup
// directory is copied back where its kind lives, components unregistered before
// and registered after. Each failure is told and the next file still restored.
#include <QString>

namespace velkor {

class Datoteke;
class Dnevnik;
class Napredak;
class OkviriPoruka;
class Registracija;
struct Stanje;

// Closing sentence of a box whose step could not be finished: the rollback follows.
inline const QString ZaključakNeuspjeha = QStringLiteral(
    "Program ne može razriješiti problem te će pokušati vratiti staru verziju programa. Ukoliko "
    "ne uspije najvjerojatnije ćete morati reinstalirati program!");

class Povrat {
public:
    Povrat(Stanje& stanje, Napredak& napredak, OkviriPoruka& poruke, Datoteke& datoteke,
           Dnevnik& dnevnik, Registracija& registracija);

    // True when every file moved aside is back in its place; the installation
    // ends in failure whatever it says, the repair at start-up keeps the backup.
    bool PokušajVratitiSveNaPočetak();

private:
    struct Način {
        QString direktorija;
        QString korak;
        QString greškaKopiranja;
        QString zaključak;
    };

    bool vratiKomponentu(const QString& ime);
    // Copied, never moved: the backup stays until the next installation.
    bool kopirajNazad(const QString& ime, const Način& način);
    void logiraj(const QString& poruka);

    Stanje& stanje;
    Napredak& napredak;
    OkviriPoruka& poruke;
    Datoteke& datoteke;
    Dnevnik& dnevnik;
    Registracija& registracija;
};

} // namespace velkor
