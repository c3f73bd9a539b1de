#pragma once
// The update plan: the new versions list with a mark on every item that must
// be fetched and installed, shown in the window's plan grid.
#include "catalogue/TablicneDatoteke.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace velkor {

class Datoteke;
class Dnevnik;
class Prozor;
struct Stanje;

class PlanAžuriranja {
public:
    PlanAžuriranja(Stanje& stanje, Prozor& prozor, Datoteke& datoteke, Dnevnik& dnevnik);

    // Reads both lists, marks what is to install, sums the packages and shows
    // the plan; false when a list was missing or unreadable.
    bool NapraviRsŠtoTrebaAžurirati();

    // Shows one item's progress in the grid: codes 1 to 5 set picture and fill,
    // any other code the picture alone.
    void OznačiStanjeStavke(const QString& ime, qint16 kod);

    // The planned rows' six record texts, in row order.
    QList<QStringList> StavkePlana() const;

private:
    bool prekini(const QString& poruka);
    void usporedi(int red, bool& bazaOznačena);
    int nađiStaruVerziju(const QString& ime) const;
    void označi(int red, bool zaInstalirati);
    void dodajUkupno(int red);
    void logiraj(const QString& poruka);

    Stanje& stanje;
    Prozor& prozor;
    Datoteke& datoteke;
    Dnevnik& dnevnik;
    TablicneDatoteke tablice;
};

} // namespace velkor
