#pragma once
// Acquisition for an update run: every planned package fetched into `Update/`
// (from the download host or from the network location), size-checked and
// unpacked, then every unpacked file checked against the plan.
#include "acquire/Raspakiranje.h"
#include "base/Prekidanje.h"
#include "catalogue/DohvatSaInterneta.h"

#include <QList>
#include <QString>
#include <functional>

namespace velkor {

class Izvještaji;
class OkviriPoruka;
class PlanAžuriranja;
class PotvrdaIzdanja;

class Akvizicija {
public:
    Akvizicija(Stanje& stanje, Napredak& napredak, Izvještaji& izvještaji, OkviriPoruka& poruke,
               Datoteke& datoteke, Dnevnik& dnevnik, Platforma& platforma, Sat& sat,
               PlanAžuriranja& plan, const PotvrdaIzdanja& potvrda,
               DownloadDatoteke downloadDatoteke);

    // True only when every planned file lies in PutanjaUpdate with the size of
    // the plan; the first failure ends it, told to the user and the log.
    bool SnimitiSaInterneta();
    // The same from the network location (ending in the separator); the list in
    // PutanjaUpdate stays the one the plan was made from.
    bool SnimitiSaMrežneLokacije(const QString& lokacija);

private:
    // Each wait for unpacking to settle, or for a file still being written.
    static constexpr int SekundiČekanja = 5;

    // Empties the texts; false, with a box, when nothing is marked.
    bool započni(const QString& prefiks);
    QList<int> planiraniRedovi() const;
    // Room on the disk of PutanjaUpdate for every package and its file.
    bool imaMjesta();
    bool dohvatiSaInterneta(const QString& ime, const QString& paket, qint64 najviše);
    bool kopirajSaLokacije(const QString& lokacija, const QString& paket);
    // The fetched package's size, the grid state and the unpacking.
    using DohvatPaketa = std::function<bool(int red, const QString& ime, const QString& paket)>;
    // Every planned package fetched the given way, then size-checked and unpacked.
    bool dohvatiPakete(const DohvatPaketa& dohvati);
    // preneseno: the bytes of the packages fetched so far in this run, for the bar.
    bool provjeriIRaspakiraj(int red, const QString& paket, qint32& preneseno);
    bool provjeriDatoteke(bool čekajPrazne);
    bool provjeriDatoteku(int red, int& čekanja, bool čekajPrazne);
    bool usporediVeličinu(const QString& ime, qint64 veličina, int red, int stupac);
    // The file against the release's hash; a mismatch ends the run.
    bool provjeriSažetak(const QString& ime);

    void logiraj(const QString& poruka);
    // A failed end: the message kept, logged, listed, the list shown; a box when asked.
    bool prekini(const QString& poruka, bool sPorukom);
    bool neuspjeh();
    bool uspjeh();

    Stanje& stanje;
    Napredak& napredak;
    Izvještaji& izvještaji;
    OkviriPoruka& poruke;
    Datoteke& datoteke;
    Dnevnik& dnevnik;
    Sat& sat;
    PlanAžuriranja& plan;
    const PotvrdaIzdanja& potvrda;
    DownloadDatoteke downloadDatoteke;
    Raspakiranje raspakiranje_;
    Prekidanje prekidanje;
    QString prefiks;
};

} // namespace velkor
