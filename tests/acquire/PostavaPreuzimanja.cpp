#include "PostavaPreuzimanja.h"

#include <QDir>
#include <QFile>

namespace velkor::test {

PostavaPreuzimanja::PostavaPreuzimanja(const QString& ca)
    : poslužitelj(posluženo.path()),
      dnevnik(okruženje.okolina().aplikacijskaDirektorija, okruženje.datoteke, okruženje.prozor,
              okruženje.sat, okruženje.regionalno),
      ca(ca) {
    if (!poslužitelj.Pokreni())
        qFatal("the local server does not listen");
    // Two names for the same server, so a test can tell which one was asked.
    domaćini.sekundarni = poslužitelj.DomaćinPoImenu();
    postaviPrimarni(poslužitelj.Domaćin());
}

void PostavaPreuzimanja::objavi(const QString& ime, const QByteArray& sadržaj) {
    zapiši(QDir(posluženo.path()).filePath(ime), sadržaj);
}

void PostavaPreuzimanja::postaviPrimarni(const QString& domaćin) {
    domaćini.primarni = domaćin;
    preuzimanje =
        std::make_unique<PreuzimanjeDatoteke>(stanje, okruženje.prozor, dnevnik, domaćini, ca);
}

QStringList PostavaPreuzimanja::datoteke(const QString& direktorija) const {
    QStringList imena = QDir(direktorija).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    imena.removeAll(QStringLiteral("Update.log"));
    return imena;
}

void PostavaPreuzimanja::zapiši(const QString& put, const QByteArray& sadržaj) const {
    QFile datoteka(put);
    if (!datoteka.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        datoteka.write(sadržaj) != sadržaj.size())
        qFatal("cannot write %s", qPrintable(put));
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
