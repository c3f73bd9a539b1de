#pragma once
// The command line of the unattended mode: what to do, from where, and where
// its lines and its result go. Nothing it gives is saved.
#include <QString>
#include <QStringList>
#include <optional>

namespace velkor {

// ASCII enumerators: headers that moc reads include this one.
enum class Operacija { Pomoc, Provjeri, Azuriraj, Distribuiraj };

struct NaredbaBezNadzora {
    Operacija operacija = Operacija::Pomoc;
    // optLokacija's value (2 primary, 0 secondary, 1 the network location); none: the saved one.
    std::optional<int> opcija;
    // With option 1: the network location, ending in the separator.
    QString mrežnaLokacija;
    // Of /distribuiraj; empty: the saved one.
    QString lokacija;
    QString dnevnik;
    QString rezultat;
    bool tiho = false;
    // /programi: -1 gives up at once (odustani), else the seconds to wait (cekaj:N).
    int čekajSekundi = -1;
};

// The switches with `/`, `-` or `--`, any letter case, a value after `:` or `=`.
// An empty text in greška means the line is good.
NaredbaBezNadzora PročitajNaredbu(const QStringList& argumenti, QString& greška);

QString TekstPomoći();

} // namespace velkor
