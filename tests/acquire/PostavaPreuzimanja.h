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

class PostavaPreuzimanja {
public:
    // ca: the extra authorities the engines trust; the test CA unless told otherwise.
    explicit PostavaPreuzimanja(const QString& ca = LokalniPoslužitelj::PutanjaCa());

    // Puts a file on the server.
    void objavi(const QString& ime, const QByteArray& sadržaj);
    // Another primary host; the engines are made anew for it.
    void postaviPrimarni(const QString& domaćin);
    // The names in a directory, the log left out.
    QStringList datoteke(const QString& direktorija) const;
    QByteArray pročitaj(const QString& put) const { return okruženje.pročitaj(put); }
    void zapiši(const QString& put, const QByteArray& sadržaj) const;
    // What a run left: requests, log, boxes, panels, last error and files, as
    // lines "key: value"; z's lines first, the varying paths and ports named.
    QStringList zapisnik(QStringList z = {}) const;

    Okruženje okruženje;
    QTemporaryDir posluženo;
    LokalniPoslužitelj poslužitelj;
    Stanje stanje;
    Dnevnik dnevnik;
    Domaćini domaćini;
    std::unique_ptr<PreuzimanjeDatoteke> preuzimanje;

private:
    QString opis(const QString& put) const;
    QString ca;
};

// Some bytes that are not all alike, so a shifted or cut copy shows.
QByteArray uzorak(qsizetype veličina);

} // namespace velkor::test
