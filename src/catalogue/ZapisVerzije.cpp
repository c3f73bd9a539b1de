#include "catalogue/ZapisVerzije.h"

#include <QStringList>
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

namespace {

// Names Windows gives to devices whatever extension follows ("CON", "nul.txt").
bool imeUređaja(const QString& ime) {
    static const QStringList Uređaji = [] {
        QStringList imena{QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                          QStringLiteral("NUL")};
        for (const QString& vrsta : {QStringLiteral("COM"), QStringLiteral("LPT")})
            for (QChar broj : QStringLiteral("0123456789\u00B9\u00B2\u00B3"))
                imena << vrsta + broj;
        return imena;
    }();
    const QString osnova = ime.section(QLatin1Char('.'), 0, 0).trimmed();
    return Uređaji.contains(osnova, Qt::CaseInsensitive);
}

// The files the program itself keeps beside the items or in `Update/`.
bool datotekaPrograma(const QString& ime) {
    static const QStringList Vlastite{QStringLiteral("Verzije.txt"),
                                      QStringLiteral("VerzijeU.txt"),
                                      QStringLiteral("Update.log"),
                                      QStringLiteral("7za.exe"),
                                      QStringLiteral("7za"),
                                      QStringLiteral("RegSvr32.exe"),
                                      QStringLiteral("TeamViewerQS.exe")};
    return Vlastite.contains(ime, Qt::CaseInsensitive);
}

} // namespace

bool NeispravnoIme(const QString& ime) {
    for (QChar znak : ime) {
        if (znak.category() == QChar::Other_Control || QStringLiteral("\\/:\"<>|?*").contains(znak))
            return true;
    }
    // Windows drops a trailing dot or blank, so "Verzije.txt." would be that file.
    return ime == QLatin1String(".") || ime == QLatin1String("..") ||
           ime.endsWith(QLatin1Char('.')) || ime.endsWith(QLatin1Char(' ')) || imeUređaja(ime) ||
           datotekaPrograma(ime);
}

bool JeUpdater(const QString& ime) {
    return ime.compare(ImeUpdatera, Qt::CaseInsensitive) == 0;
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
