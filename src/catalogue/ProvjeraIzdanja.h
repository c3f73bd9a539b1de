#pragma once
// Whether a publication may be used: its hash list signed by a configured key
// for this product, its release not older than the one seen before, not
// expired, and the versions list the one the hashes name.
#include "catalogue/PotpisIzdanja.h"
#include "catalogue/Sazeci.h"

namespace velkor {

inline const QString ImeSažetaka = QStringLiteral("Verzije.sha256");
inline const QString ImePotpisa = QStringLiteral("Verzije.sha256.minisig");
inline const QString ProizvodIzdanja = QStringLiteral("VelkorV22");
// The two files beside the list; an unsigned publication has neither.
inline bool DodatakPopisa(const QString& ime) {
    return ime == ImeSažetaka || ime == ImePotpisa;
}
// What ends every refusal of a release.
inline const QString SavjetProvjere = QStringLiteral(
    " Ništa nije preuzeto ni instalirano. Provjerite izvor ažuriranja (ili pokušajte s drugim) "
    "i javite Velk-oru ako se ponovi!");

struct UvjetiIzdanja {
    QList<JavniKljuč> ključevi;
    qint64 najvišeViđeno = 0;
    QDateTime sada;
};

struct PotvrđenoIzdanje {
    Izdanje izdanje;
    Sažeci sažeci;
    QString greška; // empty when every check held; else what failed and what to do
    bool Valja() const { return greška.isEmpty(); }
};

// The three files' bytes as fetched; a missing file is empty.
PotvrđenoIzdanje ProvjeriIzdanje(const QByteArray& verzije, const QByteArray& sažeci,
                                 const QByteArray& potpis, const UvjetiIzdanja& uvjeti);

// "Popis verzija potpisan (izdanje 17, vrijedi do 6.1.2027.)"
QString OpisIzdanja(const Izdanje& izdanje);

} // namespace velkor
