#include "platform/KonzolaProcesa.h"
#include "platform/windows/win32/Win32.h"

namespace velkor {

void PrikvačiKonzoluRoditelja() {
    win32::PrikvačiKonzoluRoditelja();
}

QByteArray UKodKonzole(const QString& tekst) {
    const std::string bajtovi = win32::UKodKonzole(tekst.toStdWString());
    return QByteArray(bajtovi.data(), static_cast<qsizetype>(bajtovi.size()));
}

} // namespace velkor
