#pragma once
// The console of the unattended mode: the one the program was started from, and
// the bytes its lines take there.
#include <QByteArray>
#include <QString>

namespace velkor {

// A window program on Windows has no console of its own: it takes the one it was
// started from, unless its output already goes somewhere (a file, a pipe).
// Elsewhere the terminal is there already.
void PrikvačiKonzoluRoditelja();

// A line of output in the terminal's encoding.
QByteArray UKodKonzole(const QString& tekst);

} // namespace velkor
