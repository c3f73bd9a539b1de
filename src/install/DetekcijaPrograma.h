#pragma once
// The suite's programs that are open, and the dialogue that keeps the user
// until they are closed: the first step of an installation.
#include "install/TabelaProzoraPrograma.h"

namespace velkor {

class Dnevnik;
class Platforma;
class OkviriPoruka;

class DetekcijaPrograma {
public:
    DetekcijaPrograma(Platforma& platforma, OkviriPoruka& poruke, Dnevnik& dnevnik);

    // The names of the open programs in table order, each followed by CR LF;
    // empty when none is open.
    QString NađiPokrenutePrograme();

    // Asks until no program is open (true) or the user gives up (false).
    bool DijalogPokrenutihPrograma();

private:
    bool potvrđenoOdustajanje();

    Platforma& platforma;
    OkviriPoruka& poruke;
    Dnevnik& dnevnik;
    const QList<ProzorPrograma> tabela;
};

} // namespace velkor
