#pragma once
// The real file operations, with failures injected on request: a file in use,
// a full disk, anything root on Linux never sees.
#include "base/StvarneDatoteke.h"

#include <QHash>
#include <QStringList>

namespace velkor::test {

class NeispravneDatoteke : public StvarneDatoteke {
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

    // The operation fails on this path (for copy and move: the target) with this error.
    void Pokvari(Operacija operacija, const QString& put, Greška greška);
    void Popravi() { kvarovi.clear(); }

    std::optional<qint64> Veličina(const QString& put, Greška* greška) override;
    Ishod Kopiraj(const QString& od, const QString& na) override;
    Ishod Premjesti(const QString& od, const QString& na) override;
    Ishod Obriši(const QString& put, bool prisilno) override;
    Ishod ObrišiPoUzorku(const QString& uzorak, bool prisilno) override;
    Ishod ObrišiDirektoriju(const QString& put) override;
    Ishod NapraviDirektoriju(const QString& put) override;
    Ishod DodajNaKraj(const QString& put, const QByteArray& bajtovi) override;
    Ishod ZapišiCijelu(const QString& put, const QByteArray& bajtovi) override;
    std::optional<QByteArray> Pročitaj(const QString& put, Greška* greška) override;

    // Every call, as "Operation path".
    QStringList pozivi;

private:
    // Keeps the call; the failure set for the path, if any.
    Ishod zabilježi(Operacija operacija, const QString& poziv, const QString& put);
    QHash<QPair<int, QString>, Greška> kvarovi;
};

} // namespace velkor::test
