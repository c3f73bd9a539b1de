#pragma once
// modAppJeStartana: whether a program of the suite has its window open.
#include <QString>

namespace velkor {

class Platforma;

// True when a top-level window of another program has exactly this title
// (letter case aside). That window is nudged with message 1042, and if it is
// minimised it is activated in its minimised state, so the user sees it.
bool AppJeStartana(Platforma& platforma, const QString& naslov);

} // namespace velkor
