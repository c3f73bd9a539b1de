#pragma once
// What kind of item a name is, and how its package is published: the rules the
// updater and the publisher share, so a release is always one the updater can install.
#include <QString>

namespace velkor {

struct Stanje;

// "txt" is the versions list, which only the installation's own backup holds.
enum class VrstaStavke { Program, Komponenta, Kontrola, Skripta, Pomoć, Popis, Ostalo };

// Decided by the last three characters, exactly as written: "EXE" is no program.
VrstaStavke Vrsta(const QString& ime);

// Whether the package is the file itself under the package name (help files,
// scripts, controls) rather than a 7-Zip archive of it.
bool PaketJeSamaDatoteka(const QString& ime);

// The directory the item is installed in, with its trailing separator.
QString DirektorijaStavke(const Stanje& stanje, const QString& ime);

} // namespace velkor
