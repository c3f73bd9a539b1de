#pragma once
// The message boxes of a command-line tool: each becomes a line on the error
// stream. The tools need no other part of the window.
#include "base/OkviriPoruka.h"
#include "publish/Konzola.h"

namespace velkor {

class KonzolniProzor : public OkviriPoruka {
public:
    explicit KonzolniProzor(const Konzola& konzola) : konzola(konzola) {}

    Odgovor Poruka(const QString& tekst, Ikona ikona, Gumbi gumbi, const QString& naslov) override;

private:
    const Konzola& konzola;
};

} // namespace velkor
