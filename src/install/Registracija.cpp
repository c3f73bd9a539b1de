#include "install/Registracija.h"

#include "base/Dnevnik.h"
#include "platform/Platforma.h"

namespace velkor {

namespace {

// Taken from the system's own directory: the program's, where items are installed,
// comes first in the usual search.
const QString Alat = QStringLiteral("RegSvr32.exe");

// The quotes keep a path with blanks in one argument; /s keeps the tool from
// showing boxes of its own.
QString naredbenaLinija(const QString& direktorija, const QString& imeDatoteke,
                        const QString& prekidači) {
    return Alat + QStringLiteral(" \"") + direktorija + imeDatoteke + QLatin1Char('"') + prekidači;
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

// Waited for, so the file stays where it is until the tool is done with it; the
// reason of a failure goes into the log line.
bool Registracija::pokreni(const QString& naredba) {
    dnevnik.LogirajGreškuModul(naredba);
    const IshodProcesa ishod = platforma.PokreniProgramSustava(Alat, naredba, NajdužeSekundi);
    QString razlog;
    if (!ishod.pokrenut)
        razlog = ishod.greška;
    else if (ishod.isteklo)
        razlog = QStringLiteral("nije završio za %1 s").arg(NajdužeSekundi);
    else if (ishod.izlazniKod != 0)
        razlog = QStringLiteral("izlazni kod ") + QString::number(ishod.izlazniKod);
    dnevnik.LogirajGreškuModul(naredba + (razlog.isEmpty()
                                              ? QStringLiteral(" Uspješno")
                                              : QStringLiteral(" Neuspješno - ") + razlog));
    return razlog.isEmpty();
}

} // namespace velkor
