#pragma once
// Semicolon table files: one record per line, six values each followed by ";",
// text in the ANSI code page, lines ended by CR LF.
#include "base/Matrica.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace velkor {

class Datoteke;
class Dnevnik;
class OkviriPoruka;
struct Stanje;

// The most a versions list may weigh: 71 records fit many times over.
constexpr qint64 NajvišePopis = 64 * 1024;

// Every row back to empty texts in columns 0 to 3 and 0 in columns 4 to 6.
void OčistiMatricu(Matrica& matrica);

// The lines of a table file's text. A line ends at LF, with a CR before it taken
// as part of the line end, so lists that lost their CRs on the way still read;
// a lone CR stays in the line, where it makes the record fail rather than guess.
QStringList RedoviTablice(const QString& tekst);

class TablicneDatoteke {
public:
    TablicneDatoteke(Datoteke& datoteke, OkviriPoruka& poruke, Dnevnik& dnevnik, Stanje& stanje);

    // Resets the table and reads the file into it; false on any failure, with the
    // rows read before it left in place. A file beyond NajvišePopis is not read.
    bool UčitajMatricu(Matrica& matrica, const QString& put);
    // The two steps of it: the file's bytes (no value on a failure, told as
    // above), and the table from bytes already read; put names them in errors.
    std::optional<QByteArray> PročitajPopis(const QString& put);
    bool PročitajMatricu(Matrica& matrica, const QByteArray& bajtovi, const QString& put);
    // Replaces the file with the rows whose column 0 holds text, in one step:
    // a failed write leaves the old file as it was.
    bool ZapišiMatricu(const Matrica& matrica, const QString& put);

private:
    Datoteke& datoteke;
    OkviriPoruka& poruke;
    Dnevnik& dnevnik;
    Stanje& stanje;
};

} // namespace velkor
