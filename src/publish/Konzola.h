#pragma once
// Where a command-line tool writes its lines: the terminal, or a test's lists.
#include <QString>
#include <functional>

namespace velkor {

struct Konzola {
    // Progress, warnings, the log's records.
    std::function<void(const QString&)> izlaz;
    // Refusals and failures.
    std::function<void(const QString&)> greške;
};

// Standard output and standard error, in the terminal's encoding.
Konzola SistemskaKonzola();

} // namespace velkor
