#pragma once
// The working directories beside the program, and the names of this computer and its user.
#include <QString>

namespace velkor {

class Datoteke;
class Platforma;
class OkviriPoruka;
struct Stanje;

class RadneDirektorije {
public:
    RadneDirektorije(QString aplikacijskaDirektorija, Stanje& stanje, OkviriPoruka& poruke,
                     Datoteke& datoteke, Platforma& platforma);

    // The directory steps that open every check for updates; false when
    // `Update` cannot be created (the user has been told).
    bool PostaviRadneDirektorije();
    // Only the paths, nothing created.
    void PostaviPutanje();

    QString ImeRačunala();
    QString ImeKorisnika();

    QString AplikacijskaDirektorijaSaRazdjelnikom() const;

private:
    QString aplikacijskaDirektorija;
    Stanje& stanje;
    OkviriPoruka& poruke;
    Datoteke& datoteke;
    Platforma& platforma;
};

} // namespace velkor
