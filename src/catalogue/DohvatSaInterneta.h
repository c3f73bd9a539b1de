#pragma once
// The files that come from the download host beside the packages: the versions
// list and the remote-support program, fetched the same way by the check for
// updates and by the distribution download.
#include "base/Prekidanje.h"
#include "catalogue/TablicneDatoteke.h"

#include <QString>
#include <functional>

namespace velkor {

class Datoteke;
class Dnevnik;
class OkviriPoruka;
class PotvrdaIzdanja;
struct Stanje;

// Fetches one file from the selected web host into a directory; true only when
// written, and never more than najviše bytes of it.
using DownloadDatoteke =
    std::function<bool(const QString& ime, const QString& direktorija, qint64 najviše)>;

// What the remote-support program may weigh at most; the lists: NajvišePopis.
constexpr qint64 NajvišeTeamViewer = 64 * 1024 * 1024;

// The box when a list that should have come is not there.
inline const QString NemaPodatakaOVerzijama =
    QStringLiteral("Podaci o novim verzijama na postoje na lokaciji: ");

class DohvatSaInterneta {
public:
    DohvatSaInterneta(Stanje& stanje, OkviriPoruka& poruke, Datoteke& datoteke, Dnevnik& dnevnik,
                      DownloadDatoteke downloadDatoteke);

    // TeamViewerQS.exe into the directory when it is not there, fetched into
    // privremena and moved only when the release's hashes allow it; a failure is
    // logged (and with sPorukom shown) and passed over.
    void DohvatiTeamViewer(const QString& direktorija, const QString& privremena, bool sPorukom,
                           const PotvrdaIzdanja& potvrda);
    // Verzije.txt into the directory; false, told behind the prefix, when it did not come.
    [[nodiscard]] bool DohvatiVerzije(const QString& direktorija, const QString& prefiks,
                                      bool sPorukom);
    // The hash list and its signature into the directory, where published; what
    // is left there from before goes first.
    [[nodiscard]] bool DohvatiSažetke(const QString& direktorija);

    const DownloadDatoteke& download() const { return downloadDatoteke; }

private:
    void postaviTeamViewer(const QString& direktorija, const QString& privremena,
                           const PotvrdaIzdanja& potvrda);

    OkviriPoruka& poruke;
    Datoteke& datoteke;
    Dnevnik& dnevnik;
    DownloadDatoteke downloadDatoteke;
    Prekidanje prekidanje;
};

} // namespace velkor
