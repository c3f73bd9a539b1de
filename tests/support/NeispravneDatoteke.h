#pragma once
// The real file operations, with failures injected on request: a file in use,
// a full disk, anything root on Linux never sees.
#include "base/DatotekaPokrajCilja.h"
#include "base/StvarneDatoteke.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <cstdlib>

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
    Rezultat Kopiraj(const QString& od, const QString& na) override {
        const std::optional<Greška> k = kvar(Operacija::Kopiraj, "Kopiraj " + od + ' ' + na, na);
        return k ? Rezultat(*k) : StvarneDatoteke::Kopiraj(od, na);
    }
    Rezultat Premjesti(const QString& od, const QString& na) override {
        const std::optional<Greška> k =
            kvar(Operacija::Premjesti, "Premjesti " + od + ' ' + na, na);
        return k ? Rezultat(*k) : StvarneDatoteke::Premjesti(od, na);
    }
    Rezultat Obriši(const QString& put, bool prisilno) override {
        const std::optional<Greška> k = kvar(Operacija::Obrisi, "Obriši " + put, put);
        return k ? Rezultat(*k) : StvarneDatoteke::Obriši(put, prisilno);
    }
    Rezultat ObrišiPoUzorku(const QString& uzorak, bool prisilno) override {
        const std::optional<Greška> k =
            kvar(Operacija::ObrisiPoUzorku, "ObrišiPoUzorku " + uzorak, uzorak);
        return k ? Rezultat(*k) : StvarneDatoteke::ObrišiPoUzorku(uzorak, prisilno);
    }
    Rezultat ObrišiDirektoriju(const QString& put) override {
        const std::optional<Greška> k =
            kvar(Operacija::ObrisiDirektoriju, "ObrišiDirektoriju " + put, put);
        return k ? Rezultat(*k) : StvarneDatoteke::ObrišiDirektoriju(put);
    }
    Rezultat NapraviDirektoriju(const QString& put) override {
        const std::optional<Greška> k =
            kvar(Operacija::NapraviDirektoriju, "NapraviDirektoriju " + put, put);
        return k ? Rezultat(*k) : StvarneDatoteke::NapraviDirektoriju(put);
    }
    Rezultat DodajNaKraj(const QString& put, const QByteArray& bajtovi) override {
        const std::optional<Greška> k = kvar(Operacija::DodajNaKraj, "DodajNaKraj " + put, put);
        return k ? Rezultat(*k) : StvarneDatoteke::DodajNaKraj(put, bajtovi);
    }
    Rezultat ZapišiCijelu(const QString& put, const QByteArray& bajtovi) override {
        const std::optional<Greška> k = kvar(Operacija::ZapisiCijelu, "ZapišiCijelu " + put, put);
        return k ? Rezultat(*k) : StvarneDatoteke::ZapišiCijelu(put, bajtovi);
    }
    std::optional<QByteArray> Pročitaj(const QString& put, Greška* greška) override {
        if (kvar(Operacija::Procitaj, "Pročitaj " + put, put, greška))
            return std::nullopt;
        return StvarneDatoteke::Pročitaj(put, greška);
    }

    std::optional<qint64> SlobodnoNaDisku(const QString& direktorija) override {
        return slobodno ? slobodno : StvarneDatoteke::SlobodnoNaDisku(direktorija);
    }

    // The process ends at the n-th change to the files (from 1) as a killed program
    // would, nothing run after it; a copy or a whole write leaves half its file
    // beside the target.
    int prekidNaPromjeni = 0;
    int promjene = 0;
    static constexpr int IzlazPrekida = 86;

    // Every call, as "Operation path".
    QStringList pozivi;
    // The free space the disk reports, when set.
    std::optional<qint64> slobodno;

private:
    void promjena(const QString& pokrajCilja) {
        if (++promjene != prekidNaPromjeni)
            return;
        DatotekaPokrajCilja pola(pokrajCilja);
        if (!pokrajCilja.isEmpty() && pola.Otvori())
            std::ignore = pola.Piši("pola");
        std::_Exit(IzlazPrekida);
    }
    // Keeps the call; the failure set for the path, if any, also into greška.
    std::optional<Greška> kvar(Operacija operacija, const QString& poziv, const QString& put,
                               Greška* greška = nullptr) {
        if (operacija != Operacija::Velicina && operacija != Operacija::Procitaj)
            promjena(operacija == Operacija::Kopiraj || operacija == Operacija::ZapisiCijelu ? put
                                                                                             : "");
        pozivi << poziv;
        const std::optional<Greška> k = kvarovi.value({int(operacija), put});
        if (k && greška)
            *greška = *k;
        return k;
    }
    QHash<QPair<int, QString>, std::optional<Greška>> kvarovi;
};

} // namespace velkor::test
