#include "NeispravneDatoteke.h"

namespace velkor::test {

void NeispravneDatoteke::Pokvari(Operacija operacija, const QString& put, Greška greška) {
    kvarovi.insert({int(operacija), put}, greška);
}

Ishod NeispravneDatoteke::kvar(Operacija operacija, const QString& put) {
    const auto it = kvarovi.constFind({int(operacija), put});
    if (it == kvarovi.constEnd())
        return std::nullopt;
    return *it;
}

std::optional<qint64> NeispravneDatoteke::Veličina(const QString& put, Greška* greška) {
    pozivi << QStringLiteral("Veličina ") + put;
    if (Ishod k = kvar(Operacija::Velicina, put)) {
        if (greška)
            *greška = *k;
        return std::nullopt;
    }
    return StvarneDatoteke::Veličina(put, greška);
}

Ishod NeispravneDatoteke::Kopiraj(const QString& od, const QString& na) {
    pozivi << QStringLiteral("Kopiraj ") + od + QStringLiteral(" ") + na;
    if (Ishod k = kvar(Operacija::Kopiraj, na))
        return k;
    return StvarneDatoteke::Kopiraj(od, na);
}

Ishod NeispravneDatoteke::Premjesti(const QString& od, const QString& na) {
    pozivi << QStringLiteral("Premjesti ") + od + QStringLiteral(" ") + na;
    if (Ishod k = kvar(Operacija::Premjesti, na))
        return k;
    return StvarneDatoteke::Premjesti(od, na);
}

Ishod NeispravneDatoteke::Obriši(const QString& put, bool prisilno) {
    pozivi << QStringLiteral("Obriši ") + put;
    if (Ishod k = kvar(Operacija::Obrisi, put))
        return k;
    return StvarneDatoteke::Obriši(put, prisilno);
}

Ishod NeispravneDatoteke::ObrišiPoUzorku(const QString& uzorak, bool prisilno) {
    pozivi << QStringLiteral("ObrišiPoUzorku ") + uzorak;
    if (Ishod k = kvar(Operacija::ObrisiPoUzorku, uzorak))
        return k;
    return StvarneDatoteke::ObrišiPoUzorku(uzorak, prisilno);
}

Ishod NeispravneDatoteke::ObrišiDirektoriju(const QString& put) {
    pozivi << QStringLiteral("ObrišiDirektoriju ") + put;
    if (Ishod k = kvar(Operacija::ObrisiDirektoriju, put))
        return k;
    return StvarneDatoteke::ObrišiDirektoriju(put);
}

Ishod NeispravneDatoteke::NapraviDirektoriju(const QString& put) {
    pozivi << QStringLiteral("NapraviDirektoriju ") + put;
    if (Ishod k = kvar(Operacija::NapraviDirektoriju, put))
        return k;
    return StvarneDatoteke::NapraviDirektoriju(put);
}

Ishod NeispravneDatoteke::DodajNaKraj(const QString& put, const QByteArray& bajtovi) {
    pozivi << QStringLiteral("DodajNaKraj ") + put;
    if (Ishod k = kvar(Operacija::DodajNaKraj, put))
        return k;
    return StvarneDatoteke::DodajNaKraj(put, bajtovi);
}

Ishod NeispravneDatoteke::ZapišiCijelu(const QString& put, const QByteArray& bajtovi) {
    pozivi << QStringLiteral("ZapišiCijelu ") + put;
    if (Ishod k = kvar(Operacija::ZapisiCijelu, put))
        return k;
    return StvarneDatoteke::ZapišiCijelu(put, bajtovi);
}

std::optional<QByteArray> NeispravneDatoteke::Pročitaj(const QString& put, Greška* greška) {
    pozivi << QStringLiteral("Pročitaj ") + put;
    if (Ishod k = kvar(Operacija::Procitaj, put)) {
        if (greška)
            *greška = *k;
        return std::nullopt;
    }
    return StvarneDatoteke::Pročitaj(put, greška);
}

} // namespace velkor::test
