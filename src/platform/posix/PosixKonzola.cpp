#include "platform/KonzolaProcesa.h"

namespace velkor {

void PrikvačiKonzoluRoditelja() {}

// The terminal's encoding is the locale's.
QByteArray UKodKonzole(const QString& tekst) {
    return tekst.toLocal8Bit();
}

} // namespace velkor
