#pragma once
// The fixed table that a semicolon table file is read into.
#include <QString>
#include <array>
#include <variant>

namespace velkor {

using Ćelija = std::variant<QString, qint16>;

struct Matrica {
    static constexpr int Redaka = 71;
    static constexpr int Stupaca = 7;
    std::array<std::array<Ćelija, Stupaca>, Redaka> ćelije;

    Matrica();
    Ćelija& operator()(int red, int stupac) { return ćelije[red][stupac]; }
    const Ćelija& operator()(int red, int stupac) const { return ćelije[red][stupac]; }
    // A cell as the file would hold it: text as it stands, an integer as its digits.
    QString tekst(int red, int stupac) const;
};

} // namespace velkor
