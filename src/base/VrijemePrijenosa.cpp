#include "base/VrijemePrijenosa.h"

namespace velkor {

float SekundeOdPonoći(QTime vrijeme) {
    return float(vrijeme.msecsSinceStartOfDay()) / 1000.0f;
}

float ProtekloVrijeme(float početak, float sada) {
    float proteklo = sada - početak;
    if (proteklo < 0)
        proteklo += 86400.0f;
    return proteklo;
}

QString TekstVremenaPrijenosa(float sekunde, QChar decimalniZnak) {
    // "#.00": two decimals always, no zero before the separator.
    QString broj = QString::number(double(sekunde), 'f', 2);
    if (broj.startsWith(QStringLiteral("0.")))
        broj.remove(0, 1);
    broj.replace(QLatin1Char('.'), decimalniZnak);
    return QStringLiteral("Vrijeme prijenosa: ") + broj + QStringLiteral(" s");
}

} // namespace velkor
