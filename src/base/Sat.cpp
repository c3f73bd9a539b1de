#include "base/Sat.h"

#include <QEventLoop>
#include <QLocale>
#include <QTimer>

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

// A local loop that a timer ends: the window repaints and its timers fire
// meanwhile, and the thread sleeps between events instead of spinning. Qt's
// timers run on a monotonic clock, so midnight or a changed clock does not matter.
void SistemskiSat::Pričekaj(int sekunde) {
    if (sekunde <= 0)
        return;
    QEventLoop petlja;
    QTimer::singleShot(std::chrono::seconds(sekunde), Qt::PreciseTimer, &petlja, &QEventLoop::quit);
    petlja.exec();
}

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
