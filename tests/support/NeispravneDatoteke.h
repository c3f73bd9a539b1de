#pragma once
// The real file operations, with failures injected on request: a file in use,
// a full disk, anything root on Linux never sees.
#include "base/StvarneDatoteke.h"

#include <QHash>
#include <QObject>
#include <QStringList>

namespace velkor::test {

class NeispravneDatoteke : public StvarneDatoteke {
    Q_GADGET

public:
    enum class Operacija {
        Velicina,
        Kopiraj,
        Premjesti,
        Obrisi,
        ObrisiPoUzorku,
        ObrisiDirektoriju,
        NapraviDirektoriju,
        DodajNaKraj,
        ZapisiCijelu,
        Procitaj,
    };
    Q_ENUM(Operacija)

    // The operation fails on this path (for copy and move: the target) with this error.
    void Pokvari(Operacija operacija, const QString& put, Greška greška) {
        kvarovi.insert({int(operacija), put}, greška);
    }
    void Popravi() { kvarovi.clear(); }

    std::optional<qint64> Veličina(const QString& put, Greška* greška) override {
        if (kvar(Operacija::Velicina, "Veličina " + put, put, greška))
            return std::nullopt;
        return StvarneDatoteke::Veličina(put, greška);
    }
    Ishod Kopiraj(const QString& od, const QString& na) override {
        const Ishod k = kvar(Operacija::Kopiraj, "Kopiraj " + od + ' ' + na, na);
        return k ? k : StvarneDatoteke::Kopiraj(od, na);
    }
    Ishod Premjesti(const QString& od, const QString& na) override {
        const Ishod k = kvar(Operacija::Premjesti, "Premjesti " + od + ' ' + na, na);
        return k ? k : StvarneDatoteke::Premjesti(od, na);
    }
    Ishod Obriši(const QString& put, bool prisilno) override {
        const Ishod k = kvar(Operacija::Obrisi, "Obriši " + put, put);
        return k ? k : StvarneDatoteke::Obriši(put, prisilno);
    }
    Ishod ObrišiPoUzorku(const QString& uzorak, bool prisilno) override {
        const Ishod k = kvar(Operacija::ObrisiPoUzorku, "ObrišiPoUzorku " + uzorak, uzorak);
        return k ? k : StvarneDatoteke::ObrišiPoUzorku(uzorak, prisilno);
    }
    Ishod ObrišiDirektoriju(const QString& put) override {
        const Ishod k = kvar(Operacija::ObrisiDirektoriju, "ObrišiDirektoriju " + put, put);
        return k ? k : StvarneDatoteke::ObrišiDirektoriju(put);
    }
    Ishod NapraviDirektoriju(const QString& put) override {
        const Ishod k = kvar(Operacija::NapraviDirektoriju, "NapraviDirektoriju " + put, put);
        return k ? k : StvarneDatoteke::NapraviDirektoriju(put);
    }
    Ishod DodajNaKraj(const QString& put, const QByteArray& bajtovi) override {
        const Ishod k = kvar(Operacija::DodajNaKraj, "DodajNaKraj " + put, put);
        return k ? k : StvarneDatoteke::DodajNaKraj(put, bajtovi);
    }
    Ishod ZapišiCijelu(const QString& put, const QByteArray& bajtovi) override {
        const Ishod k = kvar(Operacija::ZapisiCijelu, "ZapišiCijelu " + put, put);
        return k ? k : StvarneDatoteke::ZapišiCijelu(put, bajtovi);
    }
    std::optional<QByteArray> Pročitaj(const QString& put, Greška* greška) override {
        if (kvar(Operacija::Procitaj, "Pročitaj " + put, put, greška))
            return std::nullopt;
        return StvarneDatoteke::Pročitaj(put, greška);
    }

    // Every call, as "Operation path".
    QStringList pozivi;

private:
    // Keeps the call; the failure set for the path, if any, also into greška.
    Ishod kvar(Operacija operacija, const QString& poziv, const QString& put,
               Greška* greška = nullptr) {
        pozivi << poziv;
        const Ishod k = kvarovi.value({int(operacija), put});
        if (k && greška)
            *greška = *k;
        return k;
    }
    QHash<QPair<int, QString>, Ishod> kvarovi;
};

} // namespace velkor::test
