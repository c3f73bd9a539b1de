#include "acquire/PopisArhive.h"

#include <QList>
#include <QMap>
#include <QStringList>

namespace velkor {

namespace {

using Stavka = QMap<QString, QString>;

// The entries follow the archive's own properties, after a line of dashes;
// each is "Name = value" lines, begun by its Path.
QList<Stavka> stavke(const QByteArray& popis) {
    QList<Stavka> rezultat;
    bool stavkeIdu = false;
    for (const QString& red : QString::fromUtf8(popis).split(QLatin1Char('\n'))) {
        const QString linija = red.trimmed();
        if (linija == QLatin1String("----------")) {
            stavkeIdu = true;
            continue;
        }
        const qsizetype jednako = linija.indexOf(QLatin1String(" ="));
        if (!stavkeIdu || jednako < 0)
            continue;
        const QString ključ = linija.left(jednako);
        if (ključ == QLatin1String("Path"))
            rezultat.append(Stavka());
        if (!rezultat.isEmpty())
            rezultat.last().insert(ključ, linija.mid(jednako + 2).trimmed());
    }
    return rezultat;
}

// A directory or a link, by Windows' letters (D, L: a reparse point) or by the
// type in the POSIX mode that follows them ("A lrwxrwxrwx").
bool nijeObičnaDatoteka(const Stavka& stavka) {
    const QString atributi = stavka.value(QStringLiteral("Attributes"));
    const QString slova = atributi.section(QLatin1Char(' '), 0, 0);
    const QString način = atributi.section(QLatin1Char(' '), 1, 1);
    if (slova.contains(QLatin1Char('D')) || slova.contains(QLatin1Char('L')) ||
        (!način.isEmpty() && !način.startsWith(QLatin1Char('-'))))
        return true;
    for (auto i = stavka.begin(); i != stavka.end(); ++i)
        if (i.key().contains(QLatin1String("Link")) && !i.value().isEmpty())
            return true;
    return false;
}

} // namespace

QString ManaArhive(const QByteArray& popis, const QString& ime, std::optional<qint64> veličina) {
    const QList<Stavka> sve = stavke(popis);
    if (sve.size() != 1)
        return QStringLiteral("broj stavki u arhivi je ") + QString::number(sve.size()) +
               QStringLiteral(", a arhiva smije sadržavati samo datoteku ") + ime;
    const Stavka& stavka = sve.first();
    const QString put = stavka.value(QStringLiteral("Path"));
    if (put.compare(ime, Qt::CaseInsensitive) != 0)
        return QStringLiteral("arhiva sadrži ") + put + QStringLiteral(" umjesto datoteke ") + ime;
    if (nijeObičnaDatoteka(stavka))
        return QStringLiteral("stavka ") + put + QStringLiteral(" u arhivi nije obična datoteka");
    bool broj = false;
    const qint64 uArhivi = stavka.value(QStringLiteral("Size")).toLongLong(&broj);
    if (!broj || !veličina || uArhivi != *veličina)
        return QStringLiteral("datoteka ") + put + QStringLiteral(" u arhivi ima ") +
               stavka.value(QStringLiteral("Size")) +
               QStringLiteral(" bajtova, a prema popisu verzija treba imati ") +
               (veličina ? QString::number(*veličina) : QStringLiteral("?"));
    return {};
}

} // namespace velkor
