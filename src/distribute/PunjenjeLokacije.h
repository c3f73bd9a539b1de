#pragma once
// Filling a distribution location for the other computers of the network: the
// packages that changed, the remote-support program and both versions lists.
#include "base/Matrica.h"
#include "base/Prekidanje.h"
#include "catalogue/DohvatSaInterneta.h"
#include "catalogue/PotvrdaIzdanja.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace velkor {

class Datoteke;
class Dnevnik;
class Izvještaji;
class Napredak;
class OkviriPoruka;
class Sat;
class SpremištePostavki;
class TablicneDatoteke;
struct Stanje;

// The transfer-time display, switched on and off by the run; Tekst is what it
// shows now, for the closing box.
struct PrikazPrijenosa {
    std::function<void()> Pokreni;
    std::function<void()> Zaustavi;
    std::function<QString()> Tekst;
};

// The bar shows activity, not the share done: on a scale of 30 it runs 1 to 29,
// one step a row, and round again.
constexpr qint32 KrugProgresa = 30;
qint32 SljedećiKorakProgresa(qint32 korak);

class PunjenjeLokacije {
public:
    PunjenjeLokacije(Stanje& stanje, Napredak& napredak, Izvještaji& izvještaji,
                     OkviriPoruka& poruke, Datoteke& datoteke, Dnevnik& dnevnik,
                     TablicneDatoteke& tablice, SpremištePostavki& spremište, Sat& sat,
                     const QString& direktorijaPrograma, DownloadDatoteke downloadDatoteke,
                     PrikazPrijenosa prikaz);

    // The location as typed, with the separator the names are joined to. An
    // empty one stays empty: with a separator alone the root would be the location.
    static QString LokacijaSRazdjelnikom(QString lokacija);

    // The run and its closing box (the box only when the user started it);
    // KrajPrograma when the user's run cannot make Update/ at the location.
    IshodOperacije PokreniDownloadNaLokaciju(bool PrikažiPoruke, const QString& lokacija);
    // True when every row has been handled and the lists copied; false when it
    // stopped early or a package did not come whole (the lists then stay).
    bool DownloadNaLokaciju(bool PrikažiPoruke, const QString& lokacija);

private:
    // Steps before the rows: the location, Update/, the fetched files, both lists.
    bool pripremi(const QString& zadanaLokacija);
    bool dohvatiPopise();
    bool učitajPopisLokacije();
    void započniPrikaz();
    // One row of the new list; false when the run must stop.
    bool obradiRed(int red);
    // Rows by number: red in the new list, redStarog in the location's.
    bool novije(int red, int redStarog, const QString& paket);
    bool paketSeRazlikuje(int red, const QString& paket);
    bool dohvatiPaket(int red, const QString& paket);
    // False when the run must stop; cijeli tells whether the file at put has the listed size.
    bool provjeriVeličinu(int red, const QString& put, const QString& paket, bool& cijeli);
    bool postaviNaLokaciju(const QString& paket);
    void pomakniProgres();
    void kopirajPopis(const QString& ime);
    void zapišiPopis(const QString& ime, const QByteArray& bajtovi);
    // The whole packages, then the lists; false when the run must stop.
    bool postaviIzdanje();
    bool dovršiPostavljanje(const QStringList& paketi);
    // The hash list and its signature, then VerzijeU.txt, Verzije.txt last.
    void kopirajPopise();
    // What a run cut short while putting its release in place left to do.
    bool dovršiPrekinuto();
    QString oznakaPostavljanja() const;
    void završi();
    // For the closing box of a failed run: the packages that did not come whole.
    QString štoNijeUspjelo() const;

    QString tekstVeličine(int red) const;
    void logiraj(const QString& prefiks, const QString& poruka);
    void poruka(const QString& tekst, bool uskličnik);
    bool prekini(const QString& prefiks, const QString& poruka);

    Stanje& stanje;
    Napredak& napredak;
    Izvještaji& izvještaji;
    OkviriPoruka& poruke;
    Datoteke& datoteke;
    Dnevnik& dnevnik;
    TablicneDatoteke& tablice;
    DohvatSaInterneta dohvat;
    PotvrdaIzdanja potvrda;
    PrikazPrijenosa prikaz;
    Prekidanje prekidanje;

    // The lists of a run, its own: the update plan is left as it was.
    Matrica nove;
    Matrica stare;

    // Per run.
    bool prikažiPoruke = false;
    bool krajPrograma = false;
    QString lokacija;
    QString update;
    bool kopirajSve = false;
    bool dohvaćeno = false;
    bool bazaDohvaćena = false;
    qint32 korakProgresa = 0;
    // Packages that came with another size than listed; the location keeps its old lists.
    QStringList neispravni;
    // Whole packages waiting in Update/ for the end of the rows.
    QStringList zaPostaviti;
};

} // namespace velkor
