#pragma once
// The publisher's signature over the hash list, in minisign's format: Ed25519
// over the file's BLAKE2b-512 hash (algorithm "ED"), and a second signature over
// the first and the trusted comment, which carries the release's facts.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace velkor {

struct JavniKljuč {
    QByteArray id;    // 8 bytes
    QByteArray ključ; // 32 bytes
};

// The keys in a text: a .pub file's, or key lines alone; other lines are passed over.
QList<JavniKljuč> PročitajJavneKljučeve(const QString& tekst);
// The keys the program was built with; none by default.
QList<JavniKljuč> UgrađeniKljučevi();

// What the trusted comment says of a release.
struct Izdanje {
    QString proizvod;
    qint64 broj = 0;
    QDateTime potpisano; // UTC
    QDateTime istječe;   // UTC
};

QString KomentarIzdanja(const Izdanje& izdanje);
std::optional<Izdanje> PročitajKomentar(const QString& komentar);

enum class ProvjeraPotpisa {
    Valjan,
    Neispravan,
    NepoznatKljuč,
    DrugiAlgoritam,
    KomentarPromijenjen
};

struct IshodPotpisa {
    ProvjeraPotpisa provjera = ProvjeraPotpisa::Neispravan;
    QString komentar; // the trusted comment, once both signatures hold
};

// A .minisig file's bytes against the bytes it signs.
IshodPotpisa ProvjeriPotpis(const QByteArray& potpis, const QByteArray& podaci,
                            const QList<JavniKljuč>& ključevi);

} // namespace velkor
