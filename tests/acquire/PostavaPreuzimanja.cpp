#include "PostavaPreuzimanja.h"

namespace velkor::test {

PostavaPreuzimanja::PostavaPreuzimanja(const QString& ca)
    : dnevnik(okruženje.okolina().aplikacijskaDirektorija, okruženje.datoteke, okruženje.prozor,
              okruženje.sat, okruženje.regionalno),
      ca(ca) {
    // Two names for the same server, so a test can tell which one was asked.
    domaćini.sekundarni = poslužitelj.DomaćinPoImenu();
    postaviPrimarni(poslužitelj.Domaćin());
}

void PostavaPreuzimanja::objavi(const QString& ime, const QByteArray& sadržaj) {
    zapiši(izvor + u'/' + ime, sadržaj);
}

void PostavaPreuzimanja::postaviPrimarni(const QString& domaćin) {
    domaćini.primarni = okruženje.platforma.okolina["VELKOR_PRIMARNI_HOST"] = domaćin;
    preuzimanje =
        std::make_unique<PreuzimanjeDatoteke>(stanje, okruženje.prozor, dnevnik, domaćini, ca);
}

QByteArray uzorak(qsizetype veličina) {
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
