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

    // Only looks: the windows found get no message and keep their state (the
    // unattended run must not disturb a user's programs).
    bool samoTraži = false;

private:
    bool potvrđenoOdustajanje();

    Platforma& platforma;
    OkviriPoruka& poruke;
    Dnevnik& dnevnik;
    const QList<ProzorPrograma> tabela;
};

} // namespace velkor
