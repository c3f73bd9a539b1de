#include "catalogue/ZapisVerzije.h"

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

bool Novija(const ZapisVerzije& novi, const ZapisVerzije& stari) {
    if (novi.Ver_Gl() > stari.Ver_Gl() || novi.Ver_Pom() > stari.Ver_Pom() ||
        novi.Ver_Rev() > stari.Ver_Rev())
        return true;
    const VrstaStavke vrsta = Vrsta(novi.Ime());
    return (vrsta == VrstaStavke::Pomoć || vrsta == VrstaStavke::Kontrola) &&
           (VećaVeličina(novi.StvarnaVeličina(), stari.StvarnaVeličina()) ||
            VećaVeličina(novi.VeličinaDownload(), stari.VeličinaDownload()));
}

int NađiRed(const Matrica& matrica, const QString& ime) {
    for (int red = 0; red < Matrica::Redaka; ++red) {
        if (matrica.tekst(red, Stupac::Ime) == ime)
            return red;
    }
    return -1;
}

QString PorukaOVeličini(const QString& ime, qint64 veličina, const QString& uPopisu, bool iste) {
    return QStringLiteral("Veličina presnimljene datoteke ") + ime + QStringLiteral(" je ") +
           QString::number(veličina) + QStringLiteral(", a veličina originalne datoteke je ") +
           uPopisu +
           (iste ? QStringLiteral(". OK.")
                 : QStringLiteral(" i one nisu iste. Moguća greška u prijenosu datoteke. "
                                  "Ponovite postupak."));
}

} // namespace velkor
