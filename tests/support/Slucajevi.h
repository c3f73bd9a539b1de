#pragma once
// Families of cases kept as data beside the tests (tests/<folder>/data/): a file
// of blocks, each "== name" and then "key: value" lines, a key as often as needed.
// Values take ⏎ for CR LF, as the golden records show it, and the escapes \r \n
// \t \s (a blank) and \\; '#' starts a comment.
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
    return tekst.replace(u'⏎', QStringLiteral("\r\n"));
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

} // namespace velkor::test

Q_DECLARE_METATYPE(velkor::test::Slučaj)
