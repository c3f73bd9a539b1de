#pragma once
// A download set up end to end: the temporary installation, its local server
// with the test authority, and the engines wired to the recording window.
#include "acquire/PreuzimanjeDatoteke.h"
#include "support/Okruzje.h"

namespace velkor::test {

class PostavaPreuzimanja {
public:
    // ca: the extra authorities the engines trust; the test CA unless told otherwise.
    explicit PostavaPreuzimanja(const QString& ca = LokalniPoslužitelj::PutanjaCa()) : ca(ca) {
        postaviPrimarni(domaćini.primarni);
    }

    // Puts a file on the server.
    void objavi(const QString& ime, const QByteArray& sadržaj) {
        zapiši(izvor + u'/' + ime, sadržaj);
    }
    // Another primary host; the engines are made anew for it.
    void postaviPrimarni(const QString& domaćin) {
        domaćini.primarni = okruženje.platforma.okolina["VELKOR_PRIMARNI_HOST"] = domaćin;
        preuzimanje = std::make_unique<PreuzimanjeDatoteke>(
            stanje, okruženje.prozor, okruženje.prozor, dnevnik, domaćini, ca);
    }
    void zapiši(const QString& put, const QByteArray& b) const { okruženje.zapišiBajtove(put, b); }
    // What a run left, as the environment's record with the last error; z's lines first.
    QStringList zapisnik(QStringList z = {}, bool statusi = true) const {
        return okruženje.zapis(z, &stanje, statusi);
    }

    Okruženje okruženje;
    LokalniPoslužitelj& poslužitelj = okruženje.poslužitelj();
    const QString izvor = okruženje.objava.path(); // also the network location
    Stanje& stanje = okruženje.stanje;
    Dnevnik& dnevnik = okruženje.dnevnik;
    // Two names for the same server, so a test can tell which one was asked.
    Domaćini domaćini = Domaćini::IzOkoline(okruženje.platforma);
    std::unique_ptr<PreuzimanjeDatoteke> preuzimanje;

private:
    QString ca;
};

// Some bytes that are not all alike, so a shifted or cut copy shows.
inline QByteArray uzorak(qsizetype veličina) {
    QByteArray bajtovi(veličina, Qt::Uninitialized);
    quint32 x = 2463534242u;
    for (qsizetype i = 0; i < veličina; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        bajtovi[i] = char(x);
    }
    return bajtovi;
}

} // namespace velkor::test
