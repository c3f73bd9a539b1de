#include "PostavaPreuzimanja.h"

#include "base/Slucajevi.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

namespace velkor::test {

namespace {

// Whole percentages, rising: shown as the last one.
QStringList SažmiPostotke(const QStringList& stanja) {
    QStringList r;
    int zadnji = -1;
    for (const QString& s : stanja) {
        const bool postotak = QRegularExpression("^\\d{1,3}%$").match(s).hasMatch();
        if (postotak && s.chopped(1).toInt() <= zadnji)
            return r << "ne raste: " + s;
        if (postotak && zadnji >= 0)
            r.removeLast();
        zadnji = postotak ? s.chopped(1).toInt() : -1;
        r << (postotak ? "… " + s : s);
    }
    return r;
}

} // namespace

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

QStringList PostavaPreuzimanja::zapisnik(QStringList z) const {
    QStringList veze;
    for (const PrimljeniZahtjev& r : poslužitelj.zahtjevi) {
        if (!veze.contains(r.odakle))
            veze << r.odakle;
        z << QString("zahtjev: %1 %2 %3 veza %4 od %5")
                 .arg(r.šifrirano ? "https" : "http", QString::fromLatin1(r.domaćin),
                      QString::fromLatin1(r.putanja))
                 .arg(veze.indexOf(r.odakle) + 1)
                 .arg(r.odakle.section(u':', 0, 0));
    }
    for (const QString& l : okruženje.porukeLoga())
        z << "dnevnik: " + l;
    for (const QString& l : Poruke(okruženje.prozor))
        z << "poruka: " + l;
    for (const QString& l : okruženje.prozor.povijestStatusa1)
        z << "status1: " + l;
    for (const QString& l : SažmiPostotke(okruženje.prozor.povijestStatusa2))
        z << "status2: " + l;
    z << "greška: " + stanje.ZadnjaGreška;
    QDirIterator i(okruženje.baza(),
                   QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                   QDirIterator::Subdirectories);
    QStringList datoteke;
    while (i.hasNext()) {
        const QFileInfo f(i.next());
        if (f.fileName() != "Update.log")
            datoteke << "datoteka: " + f.filePath().mid(okruženje.baza().size()) +
                            (f.isDir()
                                 ? "/"
                                 : ' ' + QString::number(f.size()) + ' ' + opis(f.filePath()));
    }
    datoteke.sort();
    z << datoteke;
    for (QString& l : z)
        l.replace(okruženje.baza(), "{B}")
            .replace(posluženo.path(), "{M}")
            .replace(okruženje.dir.path(), "{T}")
            .replace(domaćini.primarni, "{H}")
            .replace(domaćini.sekundarni, "{S}")
            .replace(QString::number(poslužitelj.serverPort()), "{P}");
    return z;
}

// Which bytes a file holds: the server's copy, x's or other.
QString PostavaPreuzimanja::opis(const QString& put) const {
    const QByteArray b = pročitaj(put);
    if (b == QByteArray(b.size(), 'x'))
        return "iks";
    for (const QString& ime : datoteke(posluženo.path()))
        if (pročitaj(QDir(posluženo.path()).filePath(ime)) == b)
            return "kao " + ime;
    return "drugo";
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
