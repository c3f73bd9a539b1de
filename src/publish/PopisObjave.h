#pragma once
// The release manifest "Objava.txt": one item a line, its name and the three
// version numbers separated by ";", in UTF-8 or Windows-1250.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace velkor {

inline const QString ImePopisaObjave = QStringLiteral("Objava.txt");

struct StavkaObjave {
    // The manifest line, counted from 1.
    int red = 0;
    QString ime;
    // Major, minor, revision, as written.
    QStringList verzija;
};

struct PopisObjave {
    QList<StavkaObjave> stavke;
    QStringList upozorenja;
    // Why nothing may be published; empty when the manifest is accepted.
    QString odbijanje;
};

// UTF-8 when the bytes are valid UTF-8, else Windows-1250.
QString DekodirajPopisObjave(const QByteArray& bajtovi);

// Everything about the items that can be judged without their files: the
// fields, the names as the updater will take them, and the package names.
PopisObjave PročitajPopisObjave(const QString& tekst);

// "Objava.txt, red N: " in front of a message about that line.
QString OznakaReda(int red);

} // namespace velkor
