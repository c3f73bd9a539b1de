#pragma once
// The publication's hash list signed with the publisher's key by minisign, and
// checked with the program's own verifier before the list goes in place.
#include "catalogue/PotpisIzdanja.h"
#include "catalogue/Sazeci.h"
#include "publish/Konzola.h"

#include <optional>

namespace velkor {

struct PostavkePotpisa {
    QString tajniKljuč;
    QString javniKljuč; // empty: the secret key's name with ".pub"
    std::optional<qint64> izdanje;
    int dana = 31;
};

class PotpisivanjeObjave {
public:
    PotpisivanjeObjave(PostavkePotpisa postavke, const Konzola& konzola);

    // Writes Verzije.sha256 and its signature into odredište for the list that
    // is about to be put there; true only when the program's verifier accepts them.
    bool Potpiši(const QString& odredište, const QByteArray& verzije, Sažeci sažeci);
    // Checked before anything is written: a release lower than the published one is refused.
    bool IzdanjeDopušteno(const QString& odredište);
    // The same publication, its release kept, signed again with a later expiry.
    bool Obnovi(const QString& odredište);

    // The release a publication's signature names; 0 when it has none.
    static qint64 ObjavljenoIzdanje(const QString& odredište);

private:
    bool potpiši(const QString& odredište, const QByteArray& verzije, const QByteArray& sažeci,
                 qint64 izdanje);
    bool odbij(const QString& poruka);

    PostavkePotpisa postavke;
    const Konzola& konzola;
};

// velkor-objava --provjeri: every file present against its hash, the signature,
// the release's expiry. True only when all hold.
bool ProvjeriObjavu(const QString& mjesto, const QList<JavniKljuč>& ključevi,
                    const Konzola& konzola);

} // namespace velkor
