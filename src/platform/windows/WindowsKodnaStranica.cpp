// The active ANSI code page, converted by the system: Qt without ICU knows no
// code page by name on Windows.
#include "platform/KodnaStranica.h"
#include "platform/windows/win32/Win32.h"

namespace velkor {

QByteArray UAnsi(const QString& tekst) {
    const std::string bajtovi = win32::UAnsiZamjenom(tekst.toStdWString());
    return QByteArray(bajtovi.data(), static_cast<qsizetype>(bajtovi.size()));
}

QString IzAnsija(const QByteArray& bajtovi) {
    return QString::fromStdWString(win32::IzAnsija(bajtovi.toStdString()));
}

} // namespace velkor
