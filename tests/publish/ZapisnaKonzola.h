#pragma once
// A console that keeps the lines a tool writes.
#include "publish/Konzola.h"

#include <QStringList>

namespace velkor::test {

struct ZapisnaKonzola {
    QStringList izlaz, greške;
    Konzola konzola{[this](const QString& t) { izlaz << t; },
                    [this](const QString& t) { greške << t; }};
};

} // namespace velkor::test
