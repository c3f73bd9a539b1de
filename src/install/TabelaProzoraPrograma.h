#pragma once
// The windows by which the suite's open programs are recognised.
#include <QList>
#include <QString>

namespace velkor {

struct ProzorPrograma {
    // The whole title of the program's main window.
    QString naslov;
    // What the user is shown when that window is open.
    QString ime;
};

// The suite's programs in the order they are listed, the help viewer last;
// kept in one data file built into the program.
QList<ProzorPrograma> TabelaProzoraPrograma();

} // namespace velkor
