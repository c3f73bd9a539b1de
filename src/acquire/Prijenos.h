#pragma once
// One GET of one file, shared by both download engines, through libcurl on the
// calling thread's event loop, following redirects. The body is streamed into
// a file beside the target, which replaces the target only when the transfer
// is complete; a failed transfer leaves the target as it was.
#include <QString>
#include <functional>
#include <memory>

class QUrl;

namespace velkor {

class MrežniPristup;
class PetljaCurla;

struct IshodPrijenosa {
    enum class Vrsta {
        Uspjeh,
        PraznoTijelo,   // a success status without a single byte; nothing written
        StatusHttp,     // the server answered with a status that is not a success
        GreskaMreze,    // refused, cut, unreachable, certificate not trusted, bad
                        // response, too many redirects ...
        GreskaDatoteke, // the local file cannot be created or written
        Zastoj,         // nothing received for the stall time, or too little
        Prevelik,       // the body would be longer than the file may be
        ProxyPrijava,   // the proxy wants a user name and password it has not got
    };
    Vrsta vrsta = Vrsta::Uspjeh;
    // What went wrong, in words for the user; empty on success.
    QString opis;
    // The host (or the proxy) could not be reached at all.
    bool nedostupan = false;
};

// Raised on the calling thread while the transfer runs; any may be empty.
// A redirect raises the first two again for the next request.
struct TijekPrijenosa {
    std::function<void()> zahtjevPoslan;
    std::function<void()> odgovorStiže; // the response's headers are coming in
    std::function<void()> podaciStižu;  // the first bytes of a successful body
    // After every write: bytes written so far and the announced length (-1 unknown).
    std::function<void(qint64 zapisano, qint64 ukupno)> zapisano;
};

struct PostavkePrijenosa {
    int zastojMs = 60000;
    // Less than this many bytes a second for the stall time fails as a stall does.
    long najmanjaBrzina = 1000;
    // The most bytes the body may have; -1 for no limit.
    qint64 najviše = -1;
    // A success without a body writes an empty file instead of reporting PraznoTijelo.
    bool praznoTijeloJeDatoteka = false;
};

// Follows up to this many redirects, never from https to http.
constexpr int NajvišePreusmjeravanja = 5;

// Keeps libcurl's handles and connections for its lifetime, so that the files
// fetched one after another from one host share one connection.
class Preuzimač {
public:
    // dodatniCa: a PEM file of extra trusted authorities; empty text for none.
    explicit Preuzimač(QString dodatniCa);
    ~Preuzimač();

    // Blocks the caller in a local event loop until the transfer has ended; the
    // caller's events (window, timers) are delivered meanwhile.
    IshodPrijenosa Preuzmi(const QUrl& url, const QString& lokalniPut,
                           const PostavkePrijenosa& postavke, const TijekPrijenosa& tijek);

private:
    std::unique_ptr<MrežniPristup> mreža;
    std::unique_ptr<PetljaCurla> petlja;
};

} // namespace velkor
