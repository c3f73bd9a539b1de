#pragma once
// Fetching one named file from the selected download host into a directory,
// through one of two interchangeable engines: https or http.
#include "acquire/Prijenos.h"
#include "base/Domacini.h"
#include "base/Prekidanje.h"

#include <QString>
#include <QUrl>

namespace velkor {

class Dnevnik;
class Napredak;
class OkviriPoruka;
struct Stanje;

class PreuzimanjeDatoteke {
public:
    // dodatniCa: a PEM file of extra trusted authorities (VELKOR_CA_CERTS); empty for none.
    PreuzimanjeDatoteke(Stanje& stanje, Napredak& napredak, OkviriPoruka& poruke, Dnevnik& dnevnik,
                        Domaćini domaćini, QString dodatniCa);

    // The update source chosen when the operation started: 2 the primary host,
    // anything else the secondary one.
    void PostaviIzvor(int opcija) { izvor = opcija; }

    // True only when the file has been written to direktorija + fileName; a
    // body longer than najviše bytes is a failed download.
    bool DownloadDatoteke(const QString& fileName, const QString& direktorija, qint64 najviše);
    bool DownChilkat(const QString& fileName, const QString& direktorija, qint64 najviše);
    bool DownInet(const QString& fileName, const QString& direktorija, qint64 najviše);

    // The engines' progress and state events.
    void http_PercentDone(qint32 pctDone);
    void Inet1_StateChanged(qint16 state);

    // How long a transfer may receive nothing before it fails (60 s by default).
    void PostaviVrijemeZastoja(int milisekunde) { zastojMs = milisekunde; }

private:
    struct Adresa {
        QString tekst; // as composed, for the log
        QUrl url;
    };
    Adresa adresa(const QString& shema, const QString& fileName) const;
    Adresa započni(const QString& shema, const QString& fileName);
    IshodPrijenosa preuzmi(const QUrl& url, const QString& lokalniPut, qint64 najviše,
                           bool praznoTijeloJeDatoteka, const TijekPrijenosa& tijek);
    // The error path: logged, shown in a box, false.
    bool greškaUDownloadu(const QString& fileName, const QString& opis);
    void isprazniStatus();

    Stanje& stanje;
    Napredak& napredak;
    OkviriPoruka& poruke;
    Dnevnik& dnevnik;
    Domaćini domaćini;
    Preuzimač preuzimač;
    Prekidanje prekidanje;
    int zastojMs = 60000;
    int izvor = 2;
    qint32 zadnjiPostotak = -1;
};

} // namespace velkor
