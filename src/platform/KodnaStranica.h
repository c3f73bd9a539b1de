#pragma once
// Text in files is in the system's ANSI code page: one byte per character.
#include <QByteArray>
#include <QString>

namespace velkor {

// A character the code page has no place for becomes its default character ("?").
QByteArray UAnsi(const QString& tekst);
QString IzAnsija(const QByteArray& bajtovi);

} // namespace velkor
