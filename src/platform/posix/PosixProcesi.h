#pragma once
// Hidden processes off Windows: the command line split as a shell would.
#include "platform/Platforma.h"

namespace velkor::posix {

// With pročitaj, the standard output is kept in the result.
IshodProcesa PokreniIČekaj(const QString& naredbenaLinija, bool pročitaj = false);
IshodProcesa PokreniBezČekanja(const QString& naredbenaLinija);

} // namespace velkor::posix
