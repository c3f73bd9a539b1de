// velkor-dnevnik's reader on any bytes: one line of text per record or piece
// of damage, and a record the program writes reads back as exactly one line.
#include "Provjera.h"

#include "base/Dnevnik.h"
#include "base/Sat.h"
#include "base/StvarneDatoteke.h"
#include "platform/KodnaStranica.h"
#include "publish/CitacDnevnika.h"

#include <QStringList>

using namespace velkor;

namespace {

QStringList redovi(QByteArrayView bajtovi) {
    QStringList ispisano;
    PročitajDnevnik(bajtovi, [&](const QString& red) { ispisano << red; });
    return ispisano;
}

bool jedanRed(const QString& red) {
    for (QChar znak : red) {
        if ((znak.unicode() < 0x20 && znak != QLatin1Char('\t')) || znak.unicode() == 0x7F)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* podaci, size_t veličina) {
    const QByteArrayView bajtovi(podaci, qsizetype(veličina));
    const QStringList ispisano = redovi(bajtovi);
    PROVJERI(!ispisano.isEmpty() || bajtovi.isEmpty());
    // A record takes four bytes at least, and damage is told once before the next record.
    PROVJERI(ispisano.size() <= bajtovi.size() / 4 + 1);
    for (const QString& red : ispisano)
        PROVJERI(jedanRed(red));

    // The same bytes as a message the program logs.
    StvarneDatoteke datoteke;
    TihePoruke poruke;
    SistemskiSat sat;
    RegionalnoPoLokalu regionalno;
    const Dnevnik dnevnik(QStringLiteral("/nema"), datoteke, poruke, sat, regionalno);
    const QStringList zapis = redovi(dnevnik.Zapis(IzAnsija(bajtovi.toByteArray())));
    PROVJERI(zapis.size() == 1 && jedanRed(zapis[0]));
    return 0;
}
