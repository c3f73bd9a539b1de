// The signature's readers on any bytes: public key lines, a .minisig file, and
// the trusted comment. Keys that parse are written and re-read the same; a
// comment signed here checks and re-reads the same; a release read from it
// written out again reads the same facts.
#include "Provjera.h"

#include "catalogue/PotpisIzdanja.h"

#include <QStringList>
#include <sodium.h>

using namespace velkor;

namespace {

const QByteArray Podaci = "b7...  Verzije.txt\n";

struct Par {
    JavniKljuč javni;
    QByteArray tajni;
};

// One key pair from a fixed seed, so that every run signs alike.
const Par& par() {
    static const Par p = [] {
        PROVJERI(sodium_init() >= 0);
        unsigned char sjeme[crypto_sign_SEEDBYTES] = {7};
        QByteArray javni(crypto_sign_PUBLICKEYBYTES, '\0'), tajni(crypto_sign_SECRETKEYBYTES, '\0');
        crypto_sign_seed_keypair(reinterpret_cast<unsigned char*>(javni.data()),
                                 reinterpret_cast<unsigned char*>(tajni.data()), sjeme);
        return Par{{QByteArray("12345678"), javni}, tajni};
    }();
    return p;
}

QByteArray potpiši(const QByteArray& poruka) {
    QByteArray potpis(crypto_sign_BYTES, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char*>(potpis.data()), nullptr,
                         reinterpret_cast<const unsigned char*>(poruka.data()),
                         quint64(poruka.size()),
                         reinterpret_cast<const unsigned char*>(par().tajni.data()));
    return potpis;
}

// A .minisig as minisign -H writes it, with komentar as the trusted comment.
QByteArray minisig(const QByteArray& komentar) {
    QByteArray sažetak(crypto_generichash_BYTES_MAX, '\0');
    crypto_generichash(reinterpret_cast<unsigned char*>(sažetak.data()), sažetak.size(),
                       reinterpret_cast<const unsigned char*>(Podaci.data()),
                       quint64(Podaci.size()), nullptr, 0);
    const QByteArray prvi = potpiši(sažetak);
    return "untrusted comment: fuzz\n" + ("ED" + par().javni.id + prvi).toBase64() +
           "\ntrusted comment: " + komentar + '\n' + potpiši(prvi + komentar).toBase64() + '\n';
}

// Keys as a public key file's lines.
QString zapiši(const QList<JavniKljuč>& ključevi) {
    QString zapis;
    for (const JavniKljuč& ključ : ključevi)
        zapis += QString::fromLatin1(("Ed" + ključ.id + ključ.ključ).toBase64()) + u'\n';
    return zapis;
}

// The comment carries whole seconds.
bool istoVrijeme(const QDateTime& a, const QDateTime& b) {
    return a.isValid() == b.isValid() &&
           (!a.isValid() || a.toSecsSinceEpoch() == b.toSecsSinceEpoch());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* podaci, size_t veličina) {
    const QByteArray bajtovi(reinterpret_cast<const char*>(podaci), qsizetype(veličina));
    const QString tekst = QString::fromUtf8(bajtovi);

    const QList<JavniKljuč> ključevi = PročitajJavneKljučeve(tekst);
    for (const JavniKljuč& ključ : ključevi)
        PROVJERI(ključ.id.size() == 8 && ključ.ključ.size() == crypto_sign_PUBLICKEYBYTES);
    const QString zapisani = zapiši(ključevi);
    PROVJERI(zapiši(PročitajJavneKljučeve(zapisani)) == zapisani);

    // The bytes as a .minisig: what holds for the list holds for nothing else.
    if (ProvjeriPotpis(bajtovi, Podaci, {par().javni}).provjera == ProvjeraPotpisa::Valjan)
        PROVJERI(ProvjeriPotpis(bajtovi, Podaci + ' ', {par().javni}).provjera !=
                 ProvjeraPotpisa::Valjan);

    // The bytes' first line as a trusted comment, signed here.
    const QByteArray komentar = bajtovi.left(bajtovi.indexOf('\n')).split('\r').first();
    const IshodPotpisa potpisan = ProvjeriPotpis(minisig(komentar), Podaci, {par().javni});
    PROVJERI(potpisan.provjera == ProvjeraPotpisa::Valjan);
    PROVJERI(potpisan.komentar == QString::fromUtf8(komentar));

    const std::optional<Izdanje> izdanje = PročitajKomentar(potpisan.komentar);
    if (!izdanje)
        return 0;
    const std::optional<Izdanje> ponovo = PročitajKomentar(KomentarIzdanja(*izdanje));
    PROVJERI(ponovo && ponovo->proizvod == izdanje->proizvod && ponovo->broj == izdanje->broj);
    PROVJERI(istoVrijeme(ponovo->potpisano, izdanje->potpisano));
    PROVJERI(istoVrijeme(ponovo->istječe, izdanje->istječe));
    return 0;
}
