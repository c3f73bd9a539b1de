#pragma once
// Start-up and the end of the program.
#include <QString>
#include <functional>

namespace velkor {

class Datoteke;
class Dnevnik;
class Postavke;
class Prozor;
class RadneDirektorije;
struct Stanje;

class Pokretanje {
public:
    Pokretanje(RadneDirektorije& radneDirektorije, Stanje& stanje, Prozor& prozor,
               Datoteke& datoteke, Dnevnik& dnevnik, Postavke& postavke);

    static QString Naslov();

    // pripremiVerzijaTXT: the check for updates that start-up runs.
    void Form_Load(const std::function<bool()>& pripremiVerzijaTXT);
    void Form_Activate();
    void Form_Unload();
    void cmdIzlaz_Click();

private:
    bool probaDirektorije();

    RadneDirektorije& radneDirektorije;
    Stanje& stanje;
    Prozor& prozor;
    Datoteke& datoteke;
    Dnevnik& dnevnik;
    Postavke& postavke;
};

} // namespace velkor
