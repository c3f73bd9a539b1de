#include "NeispravneDatoteke.h"

namespace velkor::test {

void NeispravneDatoteke::Pokvari(Operacija operacija, const QString& put, Greška greška) {
    kvarovi.insert({int(operacija), put}, greška);
}

Ishod NeispravneDatoteke::zabilježi(Operacija operacija, const QString& poziv, const QString& put) {
    pozivi << poziv;
    const auto it = kvarovi.constFind({int(operacija), put});
    if (it == kvarovi.constEnd())
        return std::nullopt;
    return *it;
}

std::optional<qint64> NeispravneDatoteke::Veličina(const QString& put, Greška* greška) {
    if (const Ishod k = zabilježi(Operacija::Velicina, "Veličina " + put, put)) {
        if (greška)
            *greška = *k;
        return std::nullopt;
    }
    return StvarneDatoteke::Veličina(put, greška);
}

Ishod NeispravneDatoteke::Kopiraj(const QString& od, const QString& na) {
    const Ishod k = zabilježi(Operacija::Kopiraj, "Kopiraj " + od + ' ' + na, na);
    return k ? k : StvarneDatoteke::Kopiraj(od, na);
}

Ishod NeispravneDatoteke::Premjesti(const QString& od, const QString& na) {
    const Ishod k = zabilježi(Operacija::Premjesti, "Premjesti " + od + ' ' + na, na);
    return k ? k : StvarneDatoteke::Premjesti(od, na);
}

Ishod NeispravneDatoteke::Obriši(const QString& put, bool prisilno) {
    const Ishod k = zabilježi(Operacija::Obrisi, "Obriši " + put, put);
    return k ? k : StvarneDatoteke::Obriši(put, prisilno);
}

Ishod NeispravneDatoteke::ObrišiPoUzorku(const QString& uzorak, bool prisilno) {
    const Ishod k = zabilježi(Operacija::ObrisiPoUzorku, "ObrišiPoUzorku " + uzorak, uzorak);
    return k ? k : StvarneDatoteke::ObrišiPoUzorku(uzorak, prisilno);
}

Ishod NeispravneDatoteke::ObrišiDirektoriju(const QString& put) {
    const Ishod k = zabilježi(Operacija::ObrisiDirektoriju, "ObrišiDirektoriju " + put, put);
    return k ? k : StvarneDatoteke::ObrišiDirektoriju(put);
}

Ishod NeispravneDatoteke::NapraviDirektoriju(const QString& put) {
    const Ishod k = zabilježi(Operacija::NapraviDirektoriju, "NapraviDirektoriju " + put, put);
    return k ? k : StvarneDatoteke::NapraviDirektoriju(put);
}

Ishod NeispravneDatoteke::DodajNaKraj(const QString& put, const QByteArray& bajtovi) {
    const Ishod k = zabilježi(Operacija::DodajNaKraj, "DodajNaKraj " + put, put);
    return k ? k : StvarneDatoteke::DodajNaKraj(put, bajtovi);
}

Ishod NeispravneDatoteke::ZapišiCijelu(const QString& put, const QByteArray& bajtovi) {
    const Ishod k = zabilježi(Operacija::ZapisiCijelu, "ZapišiCijelu " + put, put);
    return k ? k : StvarneDatoteke::ZapišiCijelu(put, bajtovi);
}

std::optional<QByteArray> NeispravneDatoteke::Pročitaj(const QString& put, Greška* greška) {
    if (const Ishod k = zabilježi(Operacija::Procitaj, "Pročitaj " + put, put)) {
        if (greška)
            *greška = *k;
        return std::nullopt;
    }
    return StvarneDatoteke::Pročitaj(put, greška);
}

} // namespace velkor::test
