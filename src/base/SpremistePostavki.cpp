#include "base/SpremistePostavki.h"

#include <QSettings>

namespace velkor {

QSettingsSpremište::QSettingsSpremište(std::unique_ptr<QSettings> postavke)
    : postavke(std::move(postavke)) {}

QSettingsSpremište::~QSettingsSpremište() = default;

std::optional<QString> QSettingsSpremište::Pročitaj(const QString& odjeljak, const QString& ključ) {
    const QVariant vrijednost = postavke->value(odjeljak + QLatin1Char('/') + ključ);
    if (!vrijednost.isValid())
        return std::nullopt;
    return vrijednost.toString();
}

void QSettingsSpremište::Zapiši(const QString& odjeljak, const QString& ključ,
                                const QString& vrijednost) {
    postavke->setValue(odjeljak + QLatin1Char('/') + ključ, vrijednost);
    postavke->sync();
}

} // namespace velkor
