#pragma once
// The real file operations, with failures injected on request: a file in use,
// a full disk, anything root on Linux never sees.
#include "base/DatotekaPokrajCilja.h"
#include "base/StvarneDatoteke.h"

#include <QHash>
#include <QMetaEnum>
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
        return uz(
            Operacija::Velicina, {put}, [&] { return S::Veličina(put, greška); }, greška);
    }
    Rezultat Kopiraj(const QString& od, const QString& na) override {
        return uz(Operacija::Kopiraj, {od, na}, [&] { return S::Kopiraj(od, na); });
    }
    Rezultat Premjesti(const QString& od, const QString& na) override {
        return uz(Operacija::Premjesti, {od, na}, [&] { return S::Premjesti(od, na); });
    }
    Rezultat Obriši(const QString& put, bool prisilno) override {
        return uz(Operacija::Obrisi, {put}, [&] { return S::Obriši(put, prisilno); });
    }
    Rezultat ObrišiPoUzorku(const QString& uzorak, bool prisilno) override {
        return uz(Operacija::ObrisiPoUzorku, {uzorak},
                  [&] { return S::ObrišiPoUzorku(uzorak, prisilno); });
    }
    Rezultat ObrišiDirektoriju(const QString& put) override {
        return uz(Operacija::ObrisiDirektoriju, {put}, [&] { return S::ObrišiDirektoriju(put); });
    }
    Rezultat NapraviDirektoriju(const QString& put) override {
        return uz(Operacija::NapraviDirektoriju, {put}, [&] { return S::NapraviDirektoriju(put); });
    }
    Rezultat DodajNaKraj(const QString& put, const QByteArray& bajtovi) override {
        return uz(Operacija::DodajNaKraj, {put}, [&] { return S::DodajNaKraj(put, bajtovi); });
    }
    Rezultat ZapišiCijelu(const QString& put, const QByteArray& bajtovi) override {
        return uz(Operacija::ZapisiCijelu, {put}, [&] { return S::ZapišiCijelu(put, bajtovi); });
    }
    std::optional<QByteArray> Pročitaj(const QString& put, Greška* greška) override {
        return uz(
            Operacija::Procitaj, {put}, [&] { return S::Pročitaj(put, greška); }, greška);
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

    // Every call, as "Operation path" ("Kopiraj from to").
    QStringList pozivi;
    // The free space the disk reports, when set.
    std::optional<qint64> slobodno;

private:
    using S = StvarneDatoteke;
    // Keeps the call; the failure set for its path (the last argument), also into
    // greška, or else the real operation.
    template <typename F>
    auto uz(Operacija operacija, const QStringList& argumenti, F stvarna, Greška* greška = nullptr)
        -> decltype(stvarna()) {
        const QString& put = argumenti.constLast();
        const bool piše = operacija == Operacija::Kopiraj || operacija == Operacija::ZapisiCijelu;
        if (operacija != Operacija::Velicina && operacija != Operacija::Procitaj &&
            ++promjene == prekidNaPromjeni) {
            DatotekaPokrajCilja pola(piše ? put : QString());
            if (piše && pola.Otvori())
                std::ignore = pola.Piši("pola");
            std::_Exit(IzlazPrekida);
        }
        pozivi << QString::fromLatin1(QMetaEnum::fromType<Operacija>().valueToKey(int(operacija))) +
                      u' ' + argumenti.join(u' ');
        const std::optional<Greška> k = kvarovi.value({int(operacija), put});
        if (!k)
            return stvarna();
        if (greška)
            *greška = *k;
        if constexpr (std::is_same_v<decltype(stvarna()), Rezultat>)
            return Rezultat(*k);
        else
            return std::nullopt;
    }
    QHash<QPair<int, QString>, std::optional<Greška>> kvarovi;
};

} // namespace velkor::test
