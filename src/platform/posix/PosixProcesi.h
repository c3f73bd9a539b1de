#pragma once
// Hidden processes off Windows: the command line split as a shell would.
#include "platform/Platforma.h"

namespace velkor::posix {

IshodProcesa PokreniIČekaj(const QString& naredbenaLinija);
IshodProcesa PokreniBezČekanja(const QString& naredbenaLinija);

} // namespace velkor::posix
