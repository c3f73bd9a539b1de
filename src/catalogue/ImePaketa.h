#pragma once
// The name under which an item's package is published.
#include <QString>

namespace velkor {

// The file name without its last three characters, then "7z"; only the
// lower-case č and ž are replaced (by c and z). Purely positional:
// Popis.xlsx gives Popis.x7z.
QString ImePaketa(const QString& imeDatoteke);

} // namespace velkor
