#pragma once
// Start-up, the working directories and the end of the program.
#include <QString>
#include <functional>

namespace velkor {

class Datoteke;
class Dnevnik;
class Platforma;
class Postavke;
class Prozor;
struct Stanje;

class Pokretanje {
public:
    Pokretanje(QString aplikacijskaDirektorija, Stanje& stanje, Prozor& prozor, Datoteke& datoteke,
               Platforma& platforma, Dnevnik& dnevnik, Postavke& postavke);

    static QString Naslov();

    // pripremiVerzijaTXT: the check for updates that start-up runs.
    void Form_Load(const std::function<bool()>& pripremiVerzijaTXT);
    void Form_Activate();
    void Form_Unload();
    void cmdIzlaz_Click();

    bool ProvjeriPravaAdministratora();
    // The directory steps that open every check for updates; false when
    // `Update` cannot be created (the user has been told).
    bool PostaviRadneDirektorije();

    QString ImeRačunala();
    QString ImeKorisnika();

private:
    QString aplikacijskaDirektorijaSaRazdjelnikom() const;
    bool probaDirektorije();

    QString aplikacijskaDirektorija;
    Stanje& stanje;
    Prozor& prozor;
    Datoteke& datoteke;
    Platforma& platforma;
    Dnevnik& dnevnik;
    Postavke& postavke;
};

} // namespace velkor
