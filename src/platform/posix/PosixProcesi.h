#pragma once
// Hidden processes off Windows: the command line split as a shell would.
#include "platform/Platforma.h"

namespace velkor::posix {

// Waited for at most najdužeMs (-1: until it ends); one still running then is killed.
IshodProcesa PokreniIČekaj(const QString& naredbenaLinija, int najdužeMs = -1);

} // namespace velkor::posix
