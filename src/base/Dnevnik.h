#pragma once
// The update log "Update.log": append-only records of tag 8, a 16-bit length
// and the entry text in the ANSI code page.
#include <QString>

namespace velkor {

class Datoteke;
class OkviriPoruka;
class Sat;
class Regionalno;

class Dnevnik {
public:
    // aplikacijskaDirektorija: the program's own directory, without a trailing separator.
    Dnevnik(QString aplikacijskaDirektorija, Datoteke& datoteke, OkviriPoruka& poruke,
            const Sat& sat, const Regionalno& regionalno);

    void LogirajGrešku(const QString& poruka);
    void LogirajGreškuModul(const QString& poruka);

    QString Putanja() const;
    // The bytes of one record, as appended for the message at that moment.
    QByteArray Zapis(const QString& poruka) const;

private:
    void dodajZapis(const QString& poruka);

    QString aplikacijskaDirektorija;
    Datoteke& datoteke;
    OkviriPoruka& poruke;
    const Sat& sat;
    const Regionalno& regionalno;
};

} // namespace velkor
