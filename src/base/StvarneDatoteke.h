#pragma once
#include "base/Datoteke.h"

namespace velkor {

// The file operations on the real file system.
class StvarneDatoteke : public Datoteke {
public:
    bool PostojiDatoteka(const QString& put) override;
    bool PostojiDirektorija(const QString& put) override;
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
    QStringList DatotekeDirektorije(const QString& put) override;
};

} // namespace velkor
