#pragma once
// The transfer-time label: seconds since the transfer started, across midnight.
#include <QChar>
#include <QString>
#include <QTime>

namespace velkor {

float SekundeOdPonoći(QTime vrijeme);
// Elapsed seconds; a negative difference means midnight was crossed.
float ProtekloVrijeme(float početak, float sada);
// "Vrijeme prijenosa: " + seconds as "#.00" + " s".
QString TekstVremenaPrijenosa(float sekunde, QChar decimalniZnak);

} // namespace velkor
