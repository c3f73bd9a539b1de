#include "acquire/Prijenos.h"

#include "acquire/DatotekaUNastajanju.h"
#include "acquire/OpisGreske.h"
#include "acquire/RazmjenaHttp.h"

#include <QUrl>

namespace velkor {

namespace {

bool jePreusmjeravanje(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool jeHttp(const QUrl& url) {
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

} // namespace

IshodPrijenosa Preuzmi(MrežniPristup& mreža, const QUrl& url, const QString& lokalniPut,
                       const PostavkePrijenosa& postavke, const TijekPrijenosa& tijek) {
    using Vrsta = IshodPrijenosa::Vrsta;
    // Removed again by its destructor unless it has replaced the target.
    DatotekaUNastajanju datoteka(lokalniPut);
    QUrl adresa = url;
    for (int preusmjereno = 0;; ++preusmjereno) {
        const KrajRazmjene kraj = RazmijeniHttp(mreža, adresa, datoteka, postavke, tijek);
        if (kraj.ishod.vrsta == Vrsta::Uspjeh)
            break;
        if (kraj.ishod.vrsta != Vrsta::StatusHttp || !jePreusmjeravanje(kraj.status) ||
            kraj.preusmjeriNa.isEmpty())
            return kraj.ishod;
        if (preusmjereno == NajvišePreusmjeravanja)
            return {Vrsta::GreskaMreze, OpisPrevišePreusmjeravanja(NajvišePreusmjeravanja)};
        const QUrl sljedeća =
            adresa.resolved(QUrl::fromEncoded(kraj.preusmjeriNa, QUrl::TolerantMode));
        if (!sljedeća.isValid() || !jeHttp(sljedeća) || sljedeća.host().isEmpty())
            return {Vrsta::GreskaMreze,
                    OpisNeispravnogPreusmjeravanja(QString::fromUtf8(kraj.preusmjeriNa))};
        if (adresa.scheme() == QLatin1String("https") && sljedeća.scheme() == QLatin1String("http"))
            return {Vrsta::GreskaMreze, OpisPreusmjeravanjaNaHttp(sljedeća.toDisplayString())};
        adresa = sljedeća;
    }
    if (!datoteka.Otvorena()) {
        if (!postavke.praznoTijeloJeDatoteka)
            return {Vrsta::PraznoTijelo, {}};
        if (!datoteka.Otvori())
            return {Vrsta::GreskaDatoteke, datoteka.Greška()};
    }
    if (!datoteka.Zamijeni())
        return {Vrsta::GreskaDatoteke, datoteka.Greška()};
    return {};
}

} // namespace velkor
