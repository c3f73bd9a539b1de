#include "PostavaPreuzimanja.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

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

void PostavaPreuzimanja::objavi(const QString& ime, const QByteArray& sadržaj,
                                LokalniPoslužitelj::Ponašanje p) {
    objavi(ime, sadržaj);
    poslužitelj.PostaviPonašanje(ime, p);
}

bool PostavaPreuzimanja::preuzmi(bool https, const QString& ime) {
    return https ? preuzimanje->DownChilkat(ime, okruženje.update())
                 : preuzimanje->DownInet(ime, okruženje.update());
}

void PostavaPreuzimanja::postaviPrimarni(const QString& domaćin) {
    domaćini.primarni = domaćin;
    preuzimanje =
        std::make_unique<PreuzimanjeDatoteke>(stanje, okruženje.prozor, dnevnik, domaćini, ca);
}

void PostavaPreuzimanja::zapišiStaro(const QString& ime) {
    zapiši(okruženje.update() + ime, Staro);
    staroIme = ime;
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

void provjeriNeuspjeh(PostavaPreuzimanja& p, bool https, const QString& ime, const QString& uzrok,
                      bool putGreške) {
    const QString prefiks =
        putGreške ? QStringLiteral("DownInet: Greška u downloadu datoteke: ") + ime + ' '
                  : QString();
    const QString& greška = p.stanje.ZadnjaGreška;
    QVERIFY2(QRegularExpression(
                 QRegularExpression::anchoredPattern(QRegularExpression::escape(prefiks) + uzrok))
                 .match(greška)
                 .hasMatch(),
             qPrintable(greška));
    const QString zapis = putGreške ? greška : "Greška: Download: " + ime + ' ' + greška;
    const QString shema = https ? QStringLiteral("https://") : QStringLiteral("http://");
    QCOMPARE(p.okruženje.porukeLoga(), (QStringList{p.početak(shema, true, ime), zapis}));
    const LažniProzor& prozor = p.okruženje.prozor;
    QCOMPARE(prozor.poruke.size(), putGreške ? 1 : 0);
    if (putGreške) {
        QCOMPARE(prozor.poruke[0].tekst, greška);
        QCOMPARE(prozor.poruke[0].ikona, Ikona::Usklicnik);
        QCOMPARE(prozor.poruke[0].gumbi, Gumbi::URedu);
        QCOMPARE(prozor.poruke[0].naslov, ZadaniNaslov);
        QCOMPARE(prozor.status1, "Download: " + ime);
        if (!https)
            QCOMPARE(prozor.status2, QStringLiteral("Nastala greška"));
    } else {
        QCOMPARE(prozor.status1, QString());
        QCOMPARE(prozor.status2, QString());
    }
    const QString update = p.okruženje.update();
    QCOMPARE(p.datoteke(update), p.staroIme.isEmpty() ? QStringList() : QStringList{p.staroIme});
    if (!p.staroIme.isEmpty())
        QCOMPARE(p.pročitaj(update + p.staroIme), Staro);
}

} // namespace velkor::test
