#pragma once
// The update plan: the new versions list with a mark on every item that must
// be fetched and installed, shown in the window's plan grid.
#include "base/Prekidanje.h"
#include "catalogue/TablicneDatoteke.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace velkor {

class Datoteke;
class Dnevnik;
class OkviriPoruka;
class PrikazPlana;
struct Stanje;

// An item's state in the plan grid, each shown by its picture and a fill.
// Enumerators stay ASCII: the window's moc'd headers reach this one.
enum class StanjeStavke : qint16 {
    Preuzimanje = 1,
    Preuzeto = 2,
    Instalirano = 3,
    KopiranjeSMreze = 4,
    Instaliranje = 5,
};

class PlanAžuriranja {
public:
    PlanAžuriranja(Stanje& stanje, OkviriPoruka& poruke, PrikazPlana& prikaz, Datoteke& datoteke,
                   Dnevnik& dnevnik);

    // Reads both lists, marks what is to install, sums the packages and shows
    // the plan; false when a list was missing or unreadable. The download
    // button follows the result.
    // noviPopis: the new list's bytes as checked; they are not read from disk again.
    bool NapraviRsŠtoTrebaAžurirati(const QByteArray& noviPopis);

    // Shows one item's progress in the grid: picture and fill; a value outside
    // the states sets the picture alone.
    void OznačiStanjeStavke(const QString& ime, StanjeStavke stanje);

    // The planned rows' six record texts, in row order.
    QList<QStringList> StavkePlana() const;

private:
    bool napravi(const QByteArray& noviPopis);
    void usporedi(int red, bool& bazaOznačena);
    void označi(int red, bool zaInstalirati);
    void dodajUkupno(int red);
    void logiraj(const QString& poruka);

    Stanje& stanje;
    OkviriPoruka& poruke;
    PrikazPlana& prikaz;
    Datoteke& datoteke;
    Dnevnik& dnevnik;
    TablicneDatoteke tablice;
    Prekidanje prekidanje;
};

} // namespace velkor
