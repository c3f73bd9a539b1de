#include "install/Registracija.h"

#include "base/Dnevnik.h"
#include "platform/Platforma.h"

namespace velkor {

namespace {

// The quotes keep a path with blanks in one argument; /s keeps the tool from
// showing boxes of its own.
QString naredbenaLinija(const QString& direktorija, const QString& imeDatoteke,
                        const QString& prekidači) {
    return QStringLiteral("RegSvr32.exe \"") + direktorija + imeDatoteke + QLatin1Char('"') +
           prekidači;
}

} // namespace

Registracija::Registracija(Platforma& platforma, Dnevnik& dnevnik)
    : platforma(platforma), dnevnik(dnevnik) {}

bool Registracija::Registriraj(const QString& direktorija, const QString& imeDatoteke) {
    return pokreni(naredbenaLinija(direktorija, imeDatoteke, QStringLiteral(" /s")));
}

bool Registracija::Deregistriraj(const QString& direktorija, const QString& imeDatoteke) {
    return pokreni(naredbenaLinija(direktorija, imeDatoteke, QStringLiteral(" /u /s")));
}

bool Registracija::pokreni(const QString& naredba) {
    dnevnik.LogirajGreškuModul(naredba);
    const IshodProcesa ishod = platforma.PokreniSkriveno(naredba);
    const bool pokrenut = ishod.pokrenut && ishod.id >= 1;
    dnevnik.LogirajGreškuModul(
        naredba + (pokrenut ? QStringLiteral(" Uspješno") : QStringLiteral(" Neuspješno")));
    return pokrenut;
}

} // namespace velkor
