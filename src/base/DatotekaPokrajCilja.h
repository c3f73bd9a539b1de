#pragma once
// A file written under a name of its own beside its target and put in the
// target's place whole, in one step that replaces the target (on Windows too).
// The name says whose it is, so that what a killed run leaves behind is found
// and removed, and nothing else.
#include <QFile>
#include <QString>

namespace velkor {

class Datoteke;

class DatotekaPokrajCilja {
public:
    explicit DatotekaPokrajCilja(QString cilj);
    // Unless it became the target, the file is removed.
    ~DatotekaPokrajCilja();
    DatotekaPokrajCilja(const DatotekaPokrajCilja&) = delete;
    DatotekaPokrajCilja& operator=(const DatotekaPokrajCilja&) = delete;

    bool Otvori();
    bool Otvorena() const { return datoteka.isOpen(); }
    bool Piši(const char* podaci, qint64 dužina);
    bool Piši(const QByteArray& podaci) { return Piši(podaci.constData(), podaci.size()); }
    // Closes the file and puts it in the target's place.
    bool Zamijeni();
    void Odustani();

    // Why the last step failed.
    QFileDevice::FileError Greška() const { return greška; }
    const QString& OpisGreške() const { return opis; }

    // The names such files have, as a wildcard for the last path element: a
    // semicolon, which a name read from a versions list can never hold.
    static const QString Uzorak;

private:
    bool ne(QFileDevice::FileError greška, const QString& opis);

    QString cilj;
    QString ime;
    QFile datoteka;
    QFileDevice::FileError greška = QFileDevice::NoError;
    QString opis;
};

// Removes the files of this kind left in a directory (whose path ends with the separator).
void ObrišiNedovršene(Datoteke& datoteke, const QString& direktorija);

} // namespace velkor
