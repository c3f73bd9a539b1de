#pragma once
// The modal dialogs the operations ask for: the message box and the file chooser.
#include "base/Prozor.h"

class QWidget;

namespace velkor {

Odgovor PokažiPoruku(QWidget* roditelj, const QString& tekst, Ikona ikona, Gumbi gumbi,
                     const QString& naslov);

// The chosen file's full path, or empty text when cancelled.
QString PokažiDijalogDatoteke(QWidget* roditelj, const DijalogDatoteke& dijalog);

// "Verzije (*.txt)|*.txt" (description|pattern pairs) as Qt's "Verzije (*.txt)".
QString QtFilter(const QString& filter);

} // namespace velkor
