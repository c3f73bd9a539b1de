#pragma once
// The controls whose values the user sets: the update source, the two location
// boxes, the interval. Read by app/ when an operation starts and by the
// settings; the operations get the values, never the controls.
#include <QString>

namespace velkor {

// The file-open dialog used as a directory chooser.
struct DijalogDatoteke {
    QString zadanaEkstenzija;
    QString filter;
    QString imeDatoteke;
    QString naslov;
    QString početnaDirektorija;
};

class Kontrole {
public:
    virtual ~Kontrole() = default;

    // optLokacija: the selected index (0, 1, 2), or -1 when none is selected.
    // Selecting from here raises no click; the caller runs the handler itself.
    virtual int OdabranaOpcija() const = 0;
    virtual void OznačiOpciju(int indeks) = 0;
    virtual void PostaviNatpisOpcije(int indeks, const QString& natpis) = 0;

    // txtLokacija: 0 the network location, 1 the distribution location.
    virtual QString TekstLokacije(int indeks) const = 0;
    virtual void PostaviTekstLokacije(int indeks, const QString& tekst) = 0;

    // numVrijemeDownloada; setting it from here raises no change event.
    virtual int VrijemeDownloada() const = 0;
    virtual void PostaviVrijemeDownloada(int sati) = 0;

    // The full path of the chosen file, or empty text when cancelled.
    virtual QString IzaberiDatoteku(const DijalogDatoteke& dijalog) = 0;
};

} // namespace velkor
