#pragma once
// Families of cases kept as data beside the tests (tests/<folder>/data/): a file
// of blocks, each "== name" and then "key: value" lines, a key as often as needed.
// Values take the escapes \r \n \t \s (a blank) and \\; '#' starts a comment.
#include "support/Okruzje.h"

#include <QFile>
#include <QMap>
#include <QTest>

namespace velkor::test {

struct Slučaj {
    QMap<QString, QStringList> polja;
    QStringList sve(const QString& ključ) const { return polja.value(ključ); }
    QString jedno(const QString& ključ, const QString& inače = {}) const {
        return polja.contains(ključ) ? polja[ključ].constLast() : inače;
    }
    int broj(const QString& ključ, int inače = 0) const {
        return polja.contains(ključ) ? polja[ključ].constLast().toInt() : inače;
    }
};

inline QString BezEscapea(QString tekst) {
    for (qsizetype i = tekst.indexOf(u'\\'); i >= 0; i = tekst.indexOf(u'\\', i + 1)) {
        const qsizetype k = QStringLiteral("rnts\\").indexOf(tekst.mid(i + 1, 1));
        if (i + 1 < tekst.size() && k >= 0)
            tekst.replace(i, 2, QStringLiteral("\r\n\t \\")[k]);
    }
    return tekst;
}

// One QtTest row a case, in the column "slucaj".
inline void DodajSlučajeve(const QString& put) {
    QFile datoteka(put);
    if (!datoteka.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("no cases in %s", qPrintable(put));
    QTest::addColumn<Slučaj>("slucaj");
    QList<QPair<QByteArray, Slučaj>> slučajevi;
    for (const QString& red : QString::fromUtf8(datoteka.readAll()).split(u'\n')) {
        if (red.startsWith(QStringLiteral("== ")))
            slučajevi.append({red.mid(3).toUtf8(), {}});
        else if (!red.isEmpty() && !red.startsWith(u'#') && !slučajevi.isEmpty())
            slučajevi.last().second.polja[red.section(u':', 0, 0)]
                << BezEscapea(red.mid(red.indexOf(u':') + 2));
    }
    for (const auto& [ime, slučaj] : slučajevi)
        QTest::newRow(ime.constData()) << slučaj;
}

// Every message box shown, as "Icon[ DaNe][ title]: text".
inline QStringList Poruke(const LažniProzor& prozor) {
    const QStringList ikone{"Nema", "Usklicnik", "Upitnik", "Informacija", "Kriticno"};
    QStringList poruke;
    for (const ZapisPoruke& p : prozor.poruke)
        poruke << ikone[int(p.ikona)] + (p.gumbi == Gumbi::DaNe ? " DaNe" : "") +
                      (p.naslov == ZadaniNaslov ? QString() : ' ' + p.naslov) + ": " + p.tekst;
    return poruke;
}

// %B the base directory and %U its Update directory, as the program writes them.
inline QStringList Zamijeni(QStringList tekstovi, const Okruženje& o) {
    for (QString& t : tekstovi)
        t.replace(QStringLiteral("%B"), o.baza()).replace(QStringLiteral("%U"), o.update());
    return tekstovi;
}

} // namespace velkor::test

Q_DECLARE_METATYPE(velkor::test::Slučaj)
