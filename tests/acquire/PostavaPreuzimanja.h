#pragma once
// A download set up end to end: the temporary installation, the local server
// with its test authority, and the engines wired to the recording window.
#include "acquire/DownloadDatoteke.h"
#include "app/LogirajGresku.h"
#include "app/Stanje.h"
#include "support/LokalniPosluzitelj.h"
#include "support/Okruzje.h"

#include <QTemporaryDir>
#include <memory>

namespace velkor::test {

class PostavaPreuzimanja {
public:
    // ca: the extra authorities the engines trust; the test CA unless told otherwise.
    explicit PostavaPreuzimanja(const QString& ca = LokalniPoslužitelj::PutanjaCa());

    // Puts a file on the server.
    void objavi(const QString& ime, const QByteArray& sadržaj);
    void objavi(const QString& ime, const QByteArray& sadržaj, LokalniPoslužitelj::Ponašanje p);
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
};

// Some bytes that are not all alike, so a shifted or cut copy shows.
QByteArray uzorak(qsizetype veličina);

// A failed download as each engine reports it: https logs the cause after
// "Greška: Download: " and keeps it, without a box; http takes the error path
// with its prefix, a box and the state "Nastala greška". The cause must match.
void provjeriNeuspjeh(PostavaPreuzimanja& p, bool https, const QString& ime, const QString& uzrok);

} // namespace velkor::test
