#pragma once
// Message boxes: what every layer may ask the user, and the only part of the
// window the command-line tools stand in for.
#include <QString>

namespace velkor {

// Enumerators stay ASCII: moc reads this header and cannot parse other letters.
enum class Ikona { Nema, Usklicnik, Upitnik, Informacija, Kriticno };
enum class Gumbi { URedu, DaNe };
enum class Odgovor { URedu, Da, Ne };

inline const QString ZadaniNaslov = QStringLiteral("VelkorZideZizodu22");

class OkviriPoruka {
public:
    virtual ~OkviriPoruka() = default;

    // A modal message box; returns the button pressed.
    virtual Odgovor Poruka(const QString& tekst, Ikona ikona, Gumbi gumbi = Gumbi::URedu,
                           const QString& naslov = ZadaniNaslov) = 0;
};

} // namespace velkor
