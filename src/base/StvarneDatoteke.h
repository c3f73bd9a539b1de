#pragma once
#include "base/Datoteke.h"

namespace velkor {

// The file operations on the real file system.
class StvarneDatoteke : public Datoteke {
public:
    bool PostojiDatoteka(const QString& put) override;
    bool PostojiDirektorija(const QString& put) override;
    std::optional<qint64> Veličina(const QString& put, Greška* greška) override;
    std::optional<qint64> SlobodnoNaDisku(const QString& direktorija) override;
    Rezultat Kopiraj(const QString& od, const QString& na) override;
    Rezultat Premjesti(const QString& od, const QString& na) override;
    Rezultat Obriši(const QString& put, bool prisilno) override;
    Rezultat ObrišiPoUzorku(const QString& uzorak, bool prisilno) override;
    Rezultat ObrišiDirektoriju(const QString& put) override;
    Rezultat NapraviDirektoriju(const QString& put) override;
    Rezultat DodajNaKraj(const QString& put, const QByteArray& bajtovi) override;
    Rezultat ZapišiCijelu(const QString& put, const QByteArray& bajtovi) override;
    std::optional<QByteArray> Pročitaj(const QString& put, Greška* greška) override;
    QStringList DatotekeDirektorije(const QString& put) override;
};

} // namespace velkor
