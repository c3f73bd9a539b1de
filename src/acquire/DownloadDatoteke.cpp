#include "acquire/PreuzimanjeDatoteke.h"

#include "base/Dnevnik.h"
#include "base/Napredak.h"
#include "base/OkviriPoruka.h"
#include "base/Stanje.h"

namespace velkor {

PreuzimanjeDatoteke::PreuzimanjeDatoteke(Stanje& stanje, Napredak& napredak, OkviriPoruka& poruke,
                                         Dnevnik& dnevnik, Domaćini domaćini, QString dodatniCa)
    : stanje(stanje), napredak(napredak), poruke(poruke), dnevnik(dnevnik),
      domaćini(std::move(domaćini)), preuzimač(std::move(dodatniCa)),
      prekidanje(stanje, dnevnik, poruke) {}

bool PreuzimanjeDatoteke::DownloadDatoteke(const QString& fileName, const QString& direktorija,
                                           qint64 najviše) {
    if (!stanje.KoristiChilkat)
        return DownInet(fileName, direktorija, najviše);
    return DownChilkat(fileName, direktorija, najviše);
}

PreuzimanjeDatoteke::Adresa PreuzimanjeDatoteke::adresa(const QString& shema,
                                                        const QString& fileName) const {
    const QString& domaćin = izvor == 2 ? domaćini.primarni : domaćini.sekundarni;
    const QString put = QStringLiteral("/download/Verzija22/") + fileName;
    // Only what a valid URL needs is escaped: the name stays one path segment
    // naming that file, a blank, '#' or '%' in it included.
    QUrl url(shema + domaćin, QUrl::TolerantMode);
    url.setPath(put, QUrl::DecodedMode);
    return {shema + domaćin + put, url};
}

// The first steps of both engines: the file named in the status bar, the URL logged.
PreuzimanjeDatoteke::Adresa PreuzimanjeDatoteke::započni(const QString& shema,
                                                         const QString& fileName) {
    napredak.PostaviStatus1(QStringLiteral("Download: ") + fileName);
    const Adresa a = adresa(shema, fileName);
    dnevnik.LogirajGrešku(QStringLiteral("Početak Download: ") + a.tekst);
    return a;
}

IshodPrijenosa PreuzimanjeDatoteke::preuzmi(const QUrl& url, const QString& lokalniPut,
                                            qint64 najviše, bool praznoTijeloJeDatoteka,
                                            const TijekPrijenosa& tijek) {
    PostavkePrijenosa postavke;
    postavke.zastojMs = zastojMs;
    postavke.praznoTijeloJeDatoteka = praznoTijeloJeDatoteka;
    postavke.najviše = najviše;
    const IshodPrijenosa ishod = preuzimač.Preuzmi(url, lokalniPut, postavke, tijek);
    if (ishod.vrsta != IshodPrijenosa::Vrsta::Uspjeh)
        stanje.VrstaZadnjeGreške = ishod.vrsta == IshodPrijenosa::Vrsta::ProxyPrijava
                                       ? VrstaGreske::ProxyTraziPrijavu
                                   : ishod.nedostupan ? VrstaGreske::IzvorNedostupan
                                                      : VrstaGreske::Ostalo;
    return ishod;
}

bool PreuzimanjeDatoteke::greškaUDownloadu(const QString& fileName, const QString& opis) {
    return prekidanje.Prekini(QString(), QStringLiteral("DownInet: Greška u downloadu datoteke: ") +
                                             fileName + QLatin1Char(' ') + opis);
}

void PreuzimanjeDatoteke::isprazniStatus() {
    napredak.PostaviStatus1(QString());
    napredak.PostaviStatus2(QString());
}

} // namespace velkor
