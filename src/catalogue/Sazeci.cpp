#include "catalogue/Sazeci.h"

#include <QCryptographicHash>
#include <QFile>

namespace velkor {

namespace {

constexpr qsizetype DužinaHeksa = 64;

} // namespace

std::optional<Sažeci> Sažeci::Pročitaj(const QByteArray& sadržaj) {
    if (sadržaj.size() > NajvećaVeličina)
        return std::nullopt;
    Sažeci sažeci;
    for (const QByteArray& redak : sadržaj.split('\n')) {
        if (redak.isEmpty())
            continue;
        // "  " for text and " *" for binary mode; an escaped name ("\" first) is
        // never one of ours.
        if (redak.size() <= DužinaHeksa + 2 || redak[DužinaHeksa] != ' ' ||
            (redak[DužinaHeksa + 1] != ' ' && redak[DužinaHeksa + 1] != '*'))
            return std::nullopt;
        const QByteArray heks = redak.left(DužinaHeksa);
        const QByteArray sažetak = QByteArray::fromHex(heks);
        if (sažetak.size() != DužinaHeksa / 2 || sažetak.toHex() != heks.toLower())
            return std::nullopt;
        const QString ime = QString::fromUtf8(redak.mid(DužinaHeksa + 2));
        if (ime.toUtf8() != redak.mid(DužinaHeksa + 2) || sažeci.Ima(ime))
            return std::nullopt;
        sažeci.Dodaj(ime, sažetak);
    }
    return sažeci;
}

QByteArray Sažeci::SažetakOd(const QByteArray& podaci) {
    return QCryptographicHash::hash(podaci, QCryptographicHash::Sha256);
}

std::optional<QByteArray> Sažeci::SažetakDatoteke(const QString& put) {
    QFile datoteka(put);
    if (!datoteka.open(QIODevice::ReadOnly))
        return std::nullopt;
    QCryptographicHash sažetak(QCryptographicHash::Sha256);
    if (!sažetak.addData(&datoteka))
        return std::nullopt;
    return sažetak.result();
}

bool Sažeci::Odgovara(const QString& ime, const QByteArray& sažetak) const {
    const auto stavka = popis.constFind(ime);
    return stavka != popis.constEnd() && *stavka == sažetak;
}

bool Sažeci::OdgovaraDatoteka(const QString& ime, const QString& put) const {
    const std::optional<QByteArray> sažetak = SažetakDatoteke(put);
    return sažetak && Odgovara(ime, *sažetak);
}

QByteArray Sažeci::Zapis() const {
    QByteArray zapis;
    for (auto stavka = popis.constBegin(); stavka != popis.constEnd(); ++stavka)
        zapis += stavka.value().toHex() + "  " + stavka.key().toUtf8() + '\n';
    return zapis;
}

} // namespace velkor
