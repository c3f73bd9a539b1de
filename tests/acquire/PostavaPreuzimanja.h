#pragma once
// A download set up end to end: the temporary installation, the local server
// with its test authority, and the engines wired to the recording window.
#include "acquire/DownloadDatoteke.h"
#include "base/LogirajGresku.h"
#include "base/Stanje.h"
#include "support/LokalniPosluzitelj.h"
#include "support/Okruzje.h"

#include <QTemporaryDir>
#include <memory>

namespace velkor::test {

// An earlier copy of the file that a failed download must leave alone.
inline const QByteArray Staro("stari sadržaj koji mora ostati");

class PostavaPreuzimanja {
public:
    // ca: the extra authorities the engines trust; the test CA unless told otherwise.
    explicit PostavaPreuzimanja(const QString& ca = LokalniPoslužitelj::PutanjaCa());

    // Puts a file on the server.
    void objavi(const QString& ime, const QByteArray& sadržaj);
    void objavi(const QString& ime, const QByteArray& sadržaj, LokalniPoslužitelj::Ponašanje p);
    // The https engine or the http one, into Update/.
    bool preuzmi(bool https, const QString& ime);
    // Another primary host; the engines are made anew for it.
    void postaviPrimarni(const QString& domaćin);
    // Puts Staro into Update/ under the name.
    void zapišiStaro(const QString& ime);
    // The names in a directory, the log left out.
    QStringList datoteke(const QString& direktorija) const;
    QByteArray pročitaj(const QString& put) const { return okruženje.pročitaj(put); }
    void zapiši(const QString& put, const QByteArray& sadržaj) const;

    // "Početak Download: " + scheme + primary or secondary host + path + name.
    QString početak(const QString& shema, bool primarni, const QString& ime) const;

    Okruženje okruženje;
    QTemporaryDir posluženo;
    LokalniPoslužitelj poslužitelj;
    Stanje stanje;
    Dnevnik dnevnik;
    Domaćini domaćini;
    std::unique_ptr<PreuzimanjeDatoteke> preuzimanje;
    QString staroIme;

private:
    QString ca;
};

// Some bytes that are not all alike, so a shifted or cut copy shows.
QByteArray uzorak(qsizetype veličina);

// A failed download of a file asked from the primary host into Update/. The
// component's failure status (putGreške false, https only) logs the cause after
// "Greška: Download: " + name, shows no box and empties both panels. The error
// path logs and shows in an exclamation box "DownInet: Greška u downloadu
// datoteke: " + name + " " + cause, keeps the first panel, and for http shows
// "Nastala greška" in the second. The cause must match the pattern. The copy of
// zapišiStaro stays as it was, and nothing else is left in Update/.
void provjeriNeuspjeh(PostavaPreuzimanja& p, bool https, const QString& ime, const QString& uzrok,
                      bool putGreške);
inline void provjeriNeuspjeh(PostavaPreuzimanja& p, bool https, const QString& ime,
                             const QString& uzrok) {
    provjeriNeuspjeh(p, https, ime, uzrok, !https);
}

} // namespace velkor::test
