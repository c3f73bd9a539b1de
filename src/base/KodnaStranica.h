#pragma once
// Text in files is in the system's ANSI code page: one byte per character.
#include <QByteArray>
#include <QString>

namespace velkor {

QByteArray UAnsi(const QString& tekst);
QString IzAnsija(const QByteArray& bajtovi);

} // namespace velkor
