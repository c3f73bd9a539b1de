#pragma once
// The release a run works from: the versions list's bytes as they were checked,
// the hashes every later file is held to, and whether a signature vouched for
// them. Without a key the hash list, when it came, still catches a bad transfer.
#include "base/Prekidanje.h"
#include "catalogue/ProvjeraIzdanja.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace velkor {

class Datoteke;
class Dnevnik;
class OkviriPoruka;
class Sat;
class SpremištePostavki;
class TablicneDatoteke;
struct Stanje;

// The file of extra public keys beside the program; never taken from a source.
inline const QString ImeKljučevaPrograma = QStringLiteral("Velkor.pub");

class PotvrdaIzdanja {
public:
    PotvrdaIzdanja(Stanje& stanje, OkviriPoruka& poruke, Datoteke& datoteke, Dnevnik& dnevnik,
                   TablicneDatoteke& tablice, SpremištePostavki& spremište, Sat& sat,
                   QString direktorijaPrograma);

    // Reads Verzije.txt and its two sidecars from direktorija and checks them;
    // false, told behind the prefix, when the list may not be used.
    [[nodiscard]] bool Provjeri(const QString& direktorija, const QString& prefiks, bool sPorukom);

    // The list's bytes as checked; the plan is read from these, never from disk again.
    const QByteArray& Popis() const { return popis; }
    const QByteArray& SažeciBajtovi() const { return sažeciBajtovi; }
    const QByteArray& PotpisBajtovi() const { return potpisBajtovi; }
    bool Potpisano() const { return potpisano; }
    // "Popis verzija potpisan (izdanje 17, vrijedi do 6.1.2027.)"
    QString Opis() const { return OpisIzdanja(izdanje); }

    // Empty when the file may be used, else why not: its hash differs, or a
    // signed list does not name it. With no hash list every file passes.
    QString ProvjeriDatoteku(const QString& ime, const QString& put) const;
    QString ProvjeriBajtove(const QString& ime, const QByteArray& bajtovi) const;

private:
    QList<JavniKljuč> ključevi() const;
    qint64 najvišeViđeno(const QList<JavniKljuč>& ključevi) const;
    void zapamtiIzdanje(qint64 broj);
    bool bezKljuča(const QString& prefiks, bool sPorukom);
    bool odbij(const QString& prefiks, const QString& razlog, bool sPorukom);
    QString neodgovara(const QString& ime) const;
    static QString neprovjereno(const QString& ime);

    Stanje& stanje;
    Datoteke& datoteke;
    Dnevnik& dnevnik;
    TablicneDatoteke& tablice;
    SpremištePostavki& spremište;
    Sat& sat;
    // Where the program lies, with its separator: Velkor.pub is read there.
    const QString direktorijaPrograma;
    Prekidanje prekidanje;

    QByteArray popis;
    QByteArray sažeciBajtovi;
    QByteArray potpisBajtovi;
    std::optional<Sažeci> sažeci;
    bool potpisano = false;
    // The last check failed: the plan before it must not be fetched or installed.
    bool odbijeno = false;
    Izdanje izdanje;
};

} // namespace velkor
