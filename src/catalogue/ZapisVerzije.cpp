#include "catalogue/ZapisVerzije.h"

#include "base/Stanje.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace velkor {

namespace {

bool znamenka(QChar znak) {
    return znak >= QLatin1Char('0') && znak <= QLatin1Char('9');
}

} // namespace

double BrojPolja(const QString& tekst) {
    qsizetype i = 0;
    while (i < tekst.size() && (tekst[i] == QLatin1Char(' ') || tekst[i] == QLatin1Char('\t')))
        ++i;
    QByteArray broj;
    if (i < tekst.size() && (tekst[i] == QLatin1Char('-') || tekst[i] == QLatin1Char('+')))
        broj += char(tekst[i++].toLatin1());
    bool imaZnamenki = false;
    while (i < tekst.size() && znamenka(tekst[i])) {
        broj += char(tekst[i++].toLatin1());
        imaZnamenki = true;
    }
    if (i < tekst.size() && tekst[i] == QLatin1Char('.')) {
        broj += '.';
        ++i;
        while (i < tekst.size() && znamenka(tekst[i])) {
            broj += char(tekst[i++].toLatin1());
            imaZnamenki = true;
        }
    }
    if (!imaZnamenki)
        return 0;
    // Only digits, one point and a sign are left, so the C conversion cannot
    // meet a locale's separators.
    return std::strtod(broj.constData(), nullptr);
}

std::optional<qint32> NajbližiCijeli32(double broj) {
    const double zaokruženo = std::nearbyint(broj);
    if (!(zaokruženo >= double(std::numeric_limits<qint32>::min()) &&
          zaokruženo <= double(std::numeric_limits<qint32>::max())))
        return std::nullopt;
    return qint32(zaokruženo);
}

VrstaStavke Vrsta(const QString& ime) {
    const QString kraj = ime.right(3);
    if (kraj == QLatin1String("exe"))
        return VrstaStavke::Program;
    if (kraj == QLatin1String("dll"))
        return VrstaStavke::Komponenta;
    if (kraj == QLatin1String("ocx"))
        return VrstaStavke::Kontrola;
    if (kraj == QLatin1String("enc"))
        return VrstaStavke::Skripta;
    if (kraj == QLatin1String("chm"))
        return VrstaStavke::Pomoć;
    return VrstaStavke::Ostalo;
}

QString DirektorijaStavke(const Stanje& stanje, const QString& ime) {
    switch (Vrsta(ime)) {
    case VrstaStavke::Skripta:
        return stanje.PutanjaSkripti;
    case VrstaStavke::Pomoć:
        return stanje.PutanjaHelp;
    default:
        return stanje.PutanjaPrograma;
    }
}

bool NeispravnoIme(const QString& ime) {
    return ime.contains(QLatin1Char('\\')) || ime.contains(QLatin1Char('/')) ||
           ime.contains(QLatin1Char(':')) || ime == QLatin1String(".") ||
           ime == QLatin1String("..");
}

bool ZapisVerzije::Planiran() const {
    if (Ime().isEmpty())
        return false;
    const qint16* oznaka = std::get_if<qint16>(&matrica(red, Stupac::OznakaAžuriranja));
    return oznaka && *oznaka == 1;
}

} // namespace velkor
