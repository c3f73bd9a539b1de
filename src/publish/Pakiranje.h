#pragma once
// Packages as the updater unpacks them: a 7-Zip archive of the one file, or the
// file itself under its package name.
#include <QString>

namespace velkor {

// The 7-Zip console program beside the tool, else on the program search path;
// empty text when there is none.
QString NađiSedamZip(const QString& direktorijaAlata);

// Packs the file `ime` of `direktorija` into a new archive `paket`, holding the
// bare name only. Returns why it failed; empty text when the archive was made.
QString ZapakirajSedamZipom(const QString& sedamZip, const QString& direktorija, const QString& ime,
                            const QString& paket);

} // namespace velkor
