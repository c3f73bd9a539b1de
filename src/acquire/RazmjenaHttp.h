#pragma once
// One GET on a connection of its own, driven by the calling thread's events:
// the socket is read where its data arrives and a successful body goes
// straight into the file, so a transfer costs no more than the bytes' copying.
#include "acquire/Prijenos.h"

#include <QByteArray>
#include <QUrl>

namespace velkor {

class DatotekaUNastajanju;
class MrežniPristup;

struct KrajRazmjene {
    // Uspjeh when a successful body is complete (written, or empty and the file
    // not opened); StatusHttp for any other final status.
    IshodPrijenosa ishod;
    int status = 0;
    QByteArray preusmjeriNa; // the Location header of the response
};

// Blocks the caller in a local event loop until the response has ended.
KrajRazmjene RazmijeniHttp(MrežniPristup& mreža, const QUrl& url, DatotekaUNastajanju& datoteka,
                           const PostavkePrijenosa& postavke, const TijekPrijenosa& tijek);

} // namespace velkor
