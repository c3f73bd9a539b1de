#include "acquire/PreuzimanjeDatoteke.h"
#include "catalogue/ProvjeraIzdanja.h"

#include "base/Dnevnik.h"
#include "base/Napredak.h"
#include "base/Stanje.h"

#include <array>

namespace velkor {

namespace {

// The transfer states 0 to 12; state 9 has no text of its own.
const std::array<QString, 13> TekstoviStanja = {
    QStringLiteral("Nema tekućeg stanja"),
    QStringLiteral("Udaljena adresa je u toku provjere"),
    QStringLiteral("Dana udaljena adresa je prihvaćena"),
    QStringLiteral("Spajanje..."),
    QStringLiteral("Spojeno"),
    QStringLiteral("Podaci su u toku zahtjeva"),
    QStringLiteral("Zahtjev za podacima je poslan"),
    QStringLiteral("Odgovor je u toku prihvaćanja"),
    QStringLiteral("Odgovor primljen/Prijenos u toku"),
    QString(),
    QStringLiteral("Odspojeno"),
    QStringLiteral("Nastala greška"),
    QStringLiteral("Odgovor je uspješno prihvaćen"),
};

enum StanjeVeze : qint16 {
    Spajanje = 3,
    ZahtjevPoslan = 6,
    OdgovorStiže = 7,
    OdgovorPrimljen = 8,
    Greška = 11,
    Završeno = 12,
};

} // namespace

// The http engine: every failure of the request is the error path.
bool PreuzimanjeDatoteke::DownInet(const QString& fileName, const QString& direktorija,
                                   qint64 najviše) {
    bool rezultat = false;
    const QString lokalniPut = direktorija + fileName;
    const Adresa a = započni(QStringLiteral("http://"), fileName);

    TijekPrijenosa tijek;
    tijek.zahtjevPoslan = [this] { Inet1_StateChanged(ZahtjevPoslan); };
    tijek.odgovorStiže = [this] { Inet1_StateChanged(OdgovorStiže); };
    tijek.podaciStižu = [this] { Inet1_StateChanged(OdgovorPrimljen); };
    Inet1_StateChanged(Spajanje);
    // The body is streamed beside the target and replaces it only when complete
    // and not empty, so a whole package is never held in memory.
    const IshodPrijenosa ishod = preuzmi(a.url, lokalniPut, najviše, false, tijek);

    switch (ishod.vrsta) {
    case IshodPrijenosa::Vrsta::Uspjeh:
        Inet1_StateChanged(Završeno);
        rezultat = true;
        dnevnik.LogirajGrešku(QStringLiteral("Uspješan download: ") + fileName);
        break;
    case IshodPrijenosa::Vrsta::PraznoTijelo:
        Inet1_StateChanged(Završeno);
        dnevnik.LogirajGrešku(QStringLiteral("Ništa nije primljeno (dužina 0). Download: ") +
                              fileName);
        break;
    default:
        Inet1_StateChanged(Greška);
        // An unsigned publication has no hash list: not an error to show.
        if (ishod.vrsta == IshodPrijenosa::Vrsta::StatusHttp && DodatakPopisa(fileName)) {
            dnevnik.LogirajGrešku(QStringLiteral("Greška: Download: ") + fileName +
                                  QLatin1Char(' ') + ishod.opis);
            break;
        }
        return greškaUDownloadu(fileName, ishod.opis);
    }
    isprazniStatus();
    return rezultat;
}

void PreuzimanjeDatoteke::Inet1_StateChanged(qint16 state) {
    if (state >= 0 && state < qint16(TekstoviStanja.size()) && !TekstoviStanja[state].isEmpty())
        stanje.StanjePrijenosa = TekstoviStanja[state];
    napredak.PostaviStatus2(stanje.StanjePrijenosa);
}

} // namespace velkor
