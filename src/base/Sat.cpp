#include "base/Sat.h"

#include <QLocale>

namespace velkor {

namespace {

// The short time format with seconds added where it has none; the long format
// would bring the time zone, which the log has never carried.
QString formatSaSekundama(const QLocale& lokal) {
    QString format = lokal.timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1Char('s')))
        format.replace(QStringLiteral("mm"), QStringLiteral("mm:ss"));
    return format;
}

} // namespace

RegionalnoPoLokalu::RegionalnoPoLokalu() : RegionalnoPoLokalu(QLocale::system()) {}

RegionalnoPoLokalu::RegionalnoPoLokalu(const QLocale& lokal)
    : formatDatuma(lokal.dateFormat(QLocale::ShortFormat)), formatVremena(formatSaSekundama(lokal)),
      decimalni(lokal.decimalPoint().isEmpty() ? QLatin1Char('.') : lokal.decimalPoint().at(0)),
      grupa(lokal.groupSeparator().isEmpty() ? QLatin1Char(',') : lokal.groupSeparator().at(0)) {}

QString RegionalnoPoLokalu::DatumTekst(QDate datum) const {
    return datum.toString(formatDatuma);
}

QString RegionalnoPoLokalu::VrijemeTekst(QTime vrijeme) const {
    return vrijeme.toString(formatVremena);
}

QChar RegionalnoPoLokalu::DecimalniZnak() const {
    return decimalni;
}

QChar RegionalnoPoLokalu::ZnakGrupe() const {
    return grupa;
}

} // namespace velkor
