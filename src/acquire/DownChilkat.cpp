#include "acquire/PreuzimanjeDatoteke.h"

#include "base/Dnevnik.h"
#include "base/Napredak.h"
#include "base/Stanje.h"

namespace velkor {

// The https engine: the body goes straight to the file, progress in whole percent.
bool PreuzimanjeDatoteke::DownChilkat(const QString& fileName, const QString& direktorija,
                                      qint64 najviše) {
    bool rezultat = false;
    const QString lokalniPut = direktorija + fileName;
    const Adresa a = započni(QStringLiteral("https://"), fileName);

    zadnjiPostotak = -1;
    TijekPrijenosa tijek;
    tijek.zapisano = [this](qint64 zapisano, qint64 ukupno) {
        if (ukupno <= 0)
            return;
        const auto postotak = qint32(zapisano * 100 / ukupno);
        if (postotak != zadnjiPostotak) {
            zadnjiPostotak = postotak;
            http_PercentDone(postotak);
        }
    };
    // A success with an empty body is an empty file, as the component writes it.
    const IshodPrijenosa ishod = preuzmi(a.url, lokalniPut, najviše, true, tijek);

    switch (ishod.vrsta) {
    case IshodPrijenosa::Vrsta::Uspjeh:
        rezultat = true;
        dnevnik.LogirajGrešku(QStringLiteral("Uspješan download: ") + fileName);
        break;
    case IshodPrijenosa::Vrsta::StatusHttp:
    case IshodPrijenosa::Vrsta::GreskaMreze:
    case IshodPrijenosa::Vrsta::PraznoTijelo:
        // The component's own failure status: the caller tells the user.
        stanje.ZadnjaGreška = ishod.opis;
        dnevnik.LogirajGrešku(QStringLiteral("Greška: Download: ") + fileName + QLatin1Char(' ') +
                              stanje.ZadnjaGreška);
        break;
    case IshodPrijenosa::Vrsta::GreskaDatoteke:
    case IshodPrijenosa::Vrsta::Zastoj:
    case IshodPrijenosa::Vrsta::Prevelik:
    case IshodPrijenosa::Vrsta::ProxyPrijava:
        return greškaUDownloadu(fileName, ishod.opis);
    }
    isprazniStatus();
    return rezultat;
}

void PreuzimanjeDatoteke::http_PercentDone(qint32 pctDone) {
    napredak.PostaviStatus2(QString::number(pctDone) + QLatin1Char('%'));
}

} // namespace velkor
