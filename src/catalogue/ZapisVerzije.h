#pragma once
// The record of a versions list: what each column of the table holds, how its
// numbers read, what kind of item a name is and where that item lives.
#include "base/Matrica.h"
#include "catalogue/VrstaStavke.h"

#include <QString>
#include <optional>

namespace velkor {

namespace Stupac {
constexpr int Ime = 0;
constexpr int Ver_Gl = 1;
constexpr int Ver_Pom = 2;
constexpr int Ver_Rev = 3;
constexpr int VeličinaDownload = 4;
constexpr int StvarnaVeličina = 5;
// Never in the file; in the new list the plan's mark, 1 = to install.
constexpr int OznakaAžuriranja = 6;
} // namespace Stupac

// The updater itself, never planned; and the database-change component, which
// brings its scripts along.
inline const QString ImeUpdatera = QStringLiteral("VelkorZideZizodu22.exe");
inline const QString ImeKomponenteBaze = QStringLiteral("VelkIzmjBaza22.dll");

// The leading decimal number of a field ("." as the decimal point): leading
// blanks and one sign allowed, anything after the number ignored; 0 when none.
double BrojPolja(const QString& tekst);
// To the nearest 32-bit integer (ties to even); none when out of range.
std::optional<qint32> NajbližiCijeli32(double broj);
// A size that does not fit 32 bits makes the comparison count for nothing.
inline bool VećaVeličina(std::optional<qint32> novo, std::optional<qint32> staro) {
    return novo && staro && *novo > *staro;
}

// A name from a list must stay a plain file name of an item: a separator, a
// drive, "." or ".." would reach outside the directory it is meant for; a
// character or a device name Windows does not take, or one of the program's own
// files, would make it something other than an item.
bool NeispravnoIme(const QString& ime);
// The updater itself, as the file system of Windows compares names.
bool JeUpdater(const QString& ime);

// One row of a versions-list table.
class ZapisVerzije {
public:
    ZapisVerzije(const Matrica& matrica, int red) : matrica(matrica), red(red) {}

    QString Ime() const { return matrica.tekst(red, Stupac::Ime); }
    double Ver_Gl() const { return broj(Stupac::Ver_Gl); }
    double Ver_Pom() const { return broj(Stupac::Ver_Pom); }
    double Ver_Rev() const { return broj(Stupac::Ver_Rev); }
    std::optional<qint32> VeličinaDownload() const { return veličina(Stupac::VeličinaDownload); }
    std::optional<qint32> StvarnaVeličina() const { return veličina(Stupac::StvarnaVeličina); }
    // Has a name and the mark 1.
    bool Planiran() const;
    // The listed package size as the most a download of it may bring.
    qint64 NajvišeDownload() const {
        return qint64(qBound(0.0, broj(Stupac::VeličinaDownload), 1e15));
    }

private:
    double broj(int stupac) const { return BrojPolja(matrica.tekst(red, stupac)); }
    std::optional<qint32> veličina(int stupac) const { return NajbližiCijeli32(broj(stupac)); }

    const Matrica& matrica;
    int red;
};

// Newer when a part of the version has grown, each part on its own (a grown
// revision counts even under a fallen minor part); a help file or a control
// also when one of its sizes has grown.
bool Novija(const ZapisVerzije& novi, const ZapisVerzije& stari);

// The first row whose name is ime; -1 when there is none.
int NađiRed(const Matrica& matrica, const QString& ime);

// What a size check tells: "Veličina presnimljene datoteke ..." and whether the
// sizes agree.
QString PorukaOVeličini(const QString& ime, qint64 veličina, const QString& uPopisu, bool iste);

} // namespace velkor
