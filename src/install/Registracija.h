#pragma once
// ActiveX components made known to the system, or forgotten by it, through the
// system's registration tool, started hidden and waited for.
#include <QString>

namespace velkor {

class Dnevnik;
class Platforma;

class Registracija {
public:
    Registracija(Platforma& platforma, Dnevnik& dnevnik);

    // True when the tool ended within the time limit with exit code 0.
    // The directory ends with a separator: the file name is appended to it directly.
    bool Registriraj(const QString& direktorija, const QString& imeDatoteke);
    bool Deregistriraj(const QString& direktorija, const QString& imeDatoteke);

    // A tool still running then has hung (a box of a component's own): it is ended.
    static constexpr int NajdužeSekundi = 60;

private:
    bool pokreni(const QString& naredbenaLinija);

    Platforma& platforma;
    Dnevnik& dnevnik;
};

} // namespace velkor
