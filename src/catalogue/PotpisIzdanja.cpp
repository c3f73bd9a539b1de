#include "catalogue/PotpisIzdanja.h"

#include <QStringList>
#include <sodium.h>

namespace velkor {

namespace {

constexpr qsizetype DužinaId = 8;
const QByteArray AlgoritamKljuča = "Ed";
// The file's BLAKE2b-512 hash is what is signed; the legacy "Ed" signs the file itself.
const QByteArray AlgoritamPotpisa = "ED";
const QByteArray PrefiksKomentara = "trusted comment: ";
const QString OznakaKomentara = QStringLiteral("velkor-verzije/1");

QByteArray izBase64(const QByteArray& tekst) {
    auto ishod =
        QByteArray::fromBase64Encoding(tekst.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    return ishod ? *ishod : QByteArray();
}

bool potpisValja(const QByteArray& potpis, const QByteArray& poruka, const QByteArray& ključ) {
    return potpis.size() == crypto_sign_BYTES && ključ.size() == crypto_sign_PUBLICKEYBYTES &&
           crypto_sign_verify_detached(reinterpret_cast<const unsigned char*>(potpis.data()),
                                       reinterpret_cast<const unsigned char*>(poruka.data()),
                                       static_cast<unsigned long long>(poruka.size()),
                                       reinterpret_cast<const unsigned char*>(ključ.data())) == 0;
}

QByteArray blake2b512(const QByteArray& podaci) {
    QByteArray sažetak(crypto_generichash_BYTES_MAX, '\0');
    crypto_generichash(reinterpret_cast<unsigned char*>(sažetak.data()), sažetak.size(),
                       reinterpret_cast<const unsigned char*>(podaci.data()),
                       static_cast<unsigned long long>(podaci.size()), nullptr, 0);
    return sažetak;
}

QString vrijeme(const QDateTime& trenutak) {
    return trenutak.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"));
}

} // namespace

QList<JavniKljuč> PročitajJavneKljučeve(const QString& tekst) {
    QList<JavniKljuč> ključevi;
    for (const QString& redak : tekst.split(QLatin1Char('\n'))) {
        const QByteArray bajtovi = izBase64(redak.toLatin1());
        if (bajtovi.size() == 2 + DužinaId + crypto_sign_PUBLICKEYBYTES &&
            bajtovi.startsWith(AlgoritamKljuča))
            ključevi.append({bajtovi.mid(2, DužinaId), bajtovi.mid(2 + DužinaId)});
    }
    return ključevi;
}

QList<JavniKljuč> UgrađeniKljučevi() {
    return PročitajJavneKljučeve(
        QStringLiteral(VELKOR_JAVNI_KLJUCEVI_ZADANO).replace(QLatin1Char(' '), QLatin1Char('\n')));
}

QString KomentarIzdanja(const Izdanje& izdanje) {
    return OznakaKomentara + QStringLiteral(" proizvod=") + izdanje.proizvod +
           QStringLiteral(" izdanje=") + QString::number(izdanje.broj) +
           QStringLiteral(" potpisano=") + vrijeme(izdanje.potpisano) +
           QStringLiteral(" istjece=") + vrijeme(izdanje.istječe);
}

std::optional<Izdanje> PročitajKomentar(const QString& komentar) {
    QStringList dijelovi = komentar.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (dijelovi.isEmpty() || dijelovi.takeFirst() != OznakaKomentara)
        return std::nullopt;
    QMap<QString, QString> polja;
    for (const QString& dio : dijelovi)
        polja.insert(dio.section(QLatin1Char('='), 0, 0), dio.section(QLatin1Char('='), 1));
    Izdanje izdanje;
    bool broj = false;
    izdanje.proizvod = polja.value(QStringLiteral("proizvod"));
    izdanje.broj = polja.value(QStringLiteral("izdanje")).toLongLong(&broj);
    izdanje.potpisano =
        QDateTime::fromString(polja.value(QStringLiteral("potpisano")), Qt::ISODate);
    izdanje.istječe = QDateTime::fromString(polja.value(QStringLiteral("istjece")), Qt::ISODate);
    if (izdanje.proizvod.isEmpty() || !broj || izdanje.broj < 0 || !izdanje.istječe.isValid())
        return std::nullopt;
    return izdanje;
}

IshodPotpisa ProvjeriPotpis(const QByteArray& potpis, const QByteArray& podaci,
                            const QList<JavniKljuč>& ključevi) {
    if (sodium_init() < 0)
        return {};
    // "untrusted comment", the signature, the trusted comment, its signature.
    QList<QByteArray> retci = potpis.split('\n');
    for (QByteArray& redak : retci)
        if (redak.endsWith('\r'))
            redak.chop(1);
    if (retci.size() < 4 || !retci[2].startsWith(PrefiksKomentara))
        return {};
    const QByteArray prvi = izBase64(retci[1]);
    const QByteArray drugi = izBase64(retci[3]);
    if (prvi.size() != 2 + DužinaId + crypto_sign_BYTES)
        return {};
    if (!prvi.startsWith(AlgoritamPotpisa))
        return {ProvjeraPotpisa::DrugiAlgoritam, {}};
    const QByteArray id = prvi.mid(2, DužinaId);
    const QByteArray potpisDatoteke = prvi.mid(2 + DužinaId);
    for (const JavniKljuč& ključ : ključevi) {
        if (ključ.id != id)
            continue;
        if (!potpisValja(potpisDatoteke, blake2b512(podaci), ključ.ključ))
            return {};
        const QByteArray komentar = retci[2].mid(PrefiksKomentara.size());
        if (!potpisValja(drugi, potpisDatoteke + komentar, ključ.ključ))
            return {ProvjeraPotpisa::KomentarPromijenjen, {}};
        return {ProvjeraPotpisa::Valjan, QString::fromUtf8(komentar)};
    }
    return {ProvjeraPotpisa::NepoznatKljuč, {}};
}

} // namespace velkor
