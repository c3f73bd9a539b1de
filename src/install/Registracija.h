#pragma once
// ActiveX components made known to the system, or forgotten by it, through the
// system's registration tool, started hidden and left to run.
#include <QString>

namespace velkor {

class Dnevnik;
class Platforma;

class Registracija {
public:
    Registracija(Platforma& platforma, Dnevnik& dnevnik);

    // True when the tool was started; what the tool then does is not learned.
    // The directory ends with a separator: the file name is appended to it directly.
    bool Registriraj(const QString& direktorija, const QString& imeDatoteke);
    bool Deregistriraj(const QString& direktorija, const QString& imeDatoteke);

private:
    bool pokreni(const QString& naredbenaLinija);

    Platforma& platforma;
    Dnevnik& dnevnik;
};

} // namespace velkor
