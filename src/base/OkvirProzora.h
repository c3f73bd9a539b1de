#pragma once
// The window as a whole: its title and colour, the transfer-time display, the
// buttons locked while an operation runs, and its end. Only app/ uses it.
#include <QtGlobal>

class QString;

namespace velkor {

class OkvirProzora {
public:
    virtual ~OkvirProzora() = default;

    virtual void PostaviNaslov(const QString& naslov) = 0;
    // An RGB value of the platform: red in the lowest byte.
    virtual void PostaviBoju(quint32 boja) = 0;

    // lblVrijemePrijenosa and tmrPrijenos.
    virtual void PostaviVrijemePrijenosa(const QString& tekst) = 0;
    virtual void UključiTmrPrijenos(bool uključen) = 0;

    // While an operation runs, the buttons that start operations are disabled;
    // afterwards they get back their earlier state (or what was set meanwhile).
    virtual void ZaključajOperacije(bool zaključano) = 0;

    // Ends the program at once; no close handler runs.
    virtual void ZavršiProgram() = 0;
    // Closes the window as its close control does; the close handler runs.
    virtual void Zatvori() = 0;
};

} // namespace velkor
