#pragma once
// The update source as the window's controls held it when an operation
// started; handed to the operation by app/.
#include <QString>

namespace velkor {

struct IzvorAžuriranja {
    // optLokacija: 2 the primary host, 1 the network location, 0 the secondary host; -1 none.
    int opcija = 2;
    // txtLokacija(0), the network location, ending in the separator.
    QString mrežnaLokacija;
};

} // namespace velkor
