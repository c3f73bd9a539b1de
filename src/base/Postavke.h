#pragma once
// The user's choices of update source, locations and interval, kept in the
// settings store and put back into the window at start-up.
#include <QString>

namespace velkor {

class Datoteke;
class Kontrole;
class OkviriPoruka;
class SpremištePostavki;
struct Stanje;

class Postavke {
public:
    Postavke(SpremištePostavki& spremište, Kontrole& kontrole, OkviriPoruka& poruke,
             Datoteke& datoteke, Stanje& stanje);

    void UčitajPostavke();
    void SnimiPostavke();
    qint16 IzabraniIzvor() const;
    void UčitajLokacijuBa();

    void optLokacija_Click(int indeks);
    void cmdLokacija_Click(int indeks);
    void txtLokacija_Validate(int indeks);
    void numVrijemeDownloada_Change();

    // "BojaIntegratora"; a value that is not a whole number gives the default.
    quint32 BojaIntegratora() const;

private:
    QString pročitaj(const QString& odjeljak, const QString& ključ) const;
    void odaberiOpciju(int indeks);

    SpremištePostavki& spremište;
    Kontrole& kontrole;
    OkviriPoruka& poruke;
    Datoteke& datoteke;
    Stanje& stanje;
};

} // namespace velkor
