#pragma once
// The end of an operation that cannot go on, written once for all of them.
#include <QString>

namespace velkor {

class Dnevnik;
class OkviriPoruka;
struct Stanje;

// How an operation ended. KrajPrograma: it cannot go on and the program must
// end; app/ ends it, the layers below never do.
enum class IshodOperacije { Uspjeh, Neuspjeh, KrajPrograma };

class Prekidanje {
public:
    Prekidanje(Stanje& stanje, Dnevnik& dnevnik, OkviriPoruka& poruke);

    // The message kept as the last error, logged behind the operation's prefix
    // and, with sPorukom, shown in a box; always false, the operation's result.
    [[nodiscard]] bool Prekini(const QString& prefiks, const QString& tekst,
                               bool sPorukom = true) const;

private:
    Stanje& stanje;
    Dnevnik& dnevnik;
    OkviriPoruka& poruke;
};

} // namespace velkor
