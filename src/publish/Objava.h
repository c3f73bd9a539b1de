#pragma once
// Publishing a release: every item's package and then the versions list, as
// the updater fetches and reads them.
#include "publish/Konzola.h"
#include "publish/PopisObjave.h"

#include <QList>
#include <QString>

namespace velkor {

class Datoteke;
class TablicneDatoteke;
class PotpisivanjeObjave;
struct Matrica;

class Objava {
public:
    // sedamZip: the 7-Zip console program; empty text when there is none.
    Objava(Datoteke& datoteke, TablicneDatoteke& tablice, QString sedamZip, const Konzola& konzola);

    // Publishes the items of izvor's manifest into odredište: the packages,
    // then the list. True only when all of it was written; a refusal writes nothing.
    bool Objavi(const QString& izvor, const QString& odredište);
    // With a key, the hash list and its signature go in before the list.
    void PotpisujS(PotpisivanjeObjave& potpis) { potpisivanje = &potpis; }

private:
    struct Paket {
        StavkaObjave stavka;
        QString ime;
        qint64 stvarnaVeličina = 0;
        qint64 veličina = 0;
    };

    bool objavi(const QString& izvor, const QString& odredište);
    bool odbij(const QString& poruka);
    bool pročitajPopis(const QString& izvor);
    bool provjeriDatoteke(const QString& izvor);
    bool zapakiraj(const QString& izvor, const QString& radna);
    bool zapakirajJedan(const QString& izvor, const QString& radna, Paket& paket);
    bool postavi(const QString& radna, const QString& odredište);
    void popuniListu(Matrica& lista) const;
    bool postaviListu(const QString& izvor, const QString& radna, const QString& odredište);

    Datoteke& datoteke;
    TablicneDatoteke& tablice;
    QString sedamZip;
    const Konzola& konzola;
    QList<Paket> paketi;
    // Packages already put in place; a failure after the first one cannot be undone.
    int postavljeno = 0;
    PotpisivanjeObjave* potpisivanje = nullptr;
};

} // namespace velkor
