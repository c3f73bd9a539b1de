#include "PostavaPreuzimanja.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace velkor::test {

PostavaPreuzimanja::PostavaPreuzimanja(const QString& ca)
    : poslužitelj(posluženo.path()),
      dnevnik(okruženje.okolina().aplikacijskaDirektorija, okruženje.datoteke, okruženje.prozor,
              okruženje.sat, okruženje.regionalno) {
    if (!poslužitelj.Pokreni())
        qFatal("the local server does not listen");
    // Two names for the same server, so a test can tell which one was asked.
    domaćini = {poslužitelj.Domaćin(), poslužitelj.DomaćinPoImenu()};
    preuzimanje =
        std::make_unique<PreuzimanjeDatoteke>(stanje, okruženje.prozor, dnevnik, domaćini, ca);
}

void PostavaPreuzimanja::objavi(const QString& ime, const QByteArray& sadržaj) {
    zapiši(QDir(posluženo.path()).filePath(ime), sadržaj);
}

void PostavaPreuzimanja::objavi(const QString& ime, const QByteArray& sadržaj,
                                LokalniPoslužitelj::Ponašanje p) {
    objavi(ime, sadržaj);
    poslužitelj.PostaviPonašanje(ime, p);
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

QString PostavaPreuzimanja::početak(const QString& shema, bool primarni, const QString& ime) const {
    return QStringLiteral("Početak Download: ") + shema +
           (primarni ? domaćini.primarni : domaćini.sekundarni) +
           QStringLiteral("/download/Verzija22/") + ime;
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

void provjeriNeuspjeh(PostavaPreuzimanja& p, bool https, const QString& ime, const QString& uzrok) {
    const QString shema = https ? QStringLiteral("https://") : QStringLiteral("http://");
    const QString prefiks =
        https ? QString()
              : QStringLiteral("DownInet: Greška u downloadu datoteke: ") + ime + QLatin1Char(' ');
    const QString& greška = p.stanje.ZadnjaGreška;
    QVERIFY2(QRegularExpression(
                 QRegularExpression::anchoredPattern(QRegularExpression::escape(prefiks) + uzrok))
                 .match(greška)
                 .hasMatch(),
             qPrintable(greška));
    const QString zapis =
        https ? QStringLiteral("Greška: Download: ") + ime + QLatin1Char(' ') + greška : greška;
    QCOMPARE(p.okruženje.porukeLoga(), (QStringList{p.početak(shema, true, ime), zapis}));
    QCOMPARE(p.okruženje.prozor.poruke.size(), https ? 0 : 1);
    if (!https)
        QCOMPARE(p.okruženje.prozor.poruke.first().tekst, greška);
    QCOMPARE(p.okruženje.prozor.status2, https ? QString() : QStringLiteral("Nastala greška"));
}

} // namespace velkor::test
