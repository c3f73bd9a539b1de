#pragma once
// Hidden processes off Windows: the command line split as a shell would.
#include "platform/Platforma.h"

namespace velkor::posix {

// Waited for at most najdužeMs (-1: until it ends); one still running then is killed.
// With pročitaj, the standard output is kept in the result.
IshodProcesa PokreniIČekaj(const QString& naredbenaLinija, int najdužeMs = -1,
                           bool pročitaj = false);

} // namespace velkor::posix
