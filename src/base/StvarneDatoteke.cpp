#include "base/StvarneDatoteke.h"

#include "base/DatotekaPokrajCilja.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace velkor {

namespace {

Greška greška(int broj, Greška::Korak korak = Greška::Korak::Otvaranje) {
    static const QHash<int, QString> opisi{
        {BrojGreske::DatotekaNijePronađena, QStringLiteral("Datoteka nije pronađena")},
        {BrojGreske::DiskPun, QStringLiteral("Disk je pun")},
        {BrojGreske::DozvolaOdbijena, QStringLiteral("Dozvola odbijena")},
        {BrojGreske::GreškaPristupa, QStringLiteral("Greška u pristupu putanji/datoteci")},
        {BrojGreske::PutanjaNijePronađena, QStringLiteral("Putanja nije pronađena")},
        {BrojGreske::DatotekaPostoji, QStringLiteral("Datoteka već postoji")},
    };
    return Greška{broj, opisi.value(broj), korak};
}

bool postojiRoditelj(const QString& put) {
    return QFileInfo(put).absoluteDir().exists();
}

// Turns a failed QFile operation into the program's error number.
Greška greškaDatoteke(const QString& put, QFileDevice::FileError e, Greška::Korak korak) {
    if (!postojiRoditelj(put))
        return greška(BrojGreske::PutanjaNijePronađena, korak);
    switch (e) {
    case QFileDevice::PermissionsError:
        return greška(BrojGreske::DozvolaOdbijena, korak);
    case QFileDevice::ResourceError:
        return greška(BrojGreske::DiskPun, korak);
    default:
        break;
    }
    if (korak == Greška::Korak::Otvaranje && QFileInfo(put).isDir())
        return greška(BrojGreske::DozvolaOdbijena, korak);
    return greška(BrojGreske::GreškaPristupa, korak);
}

bool samoZaČitanje(const QString& put) {
    return !(QFile::permissions(put) & QFileDevice::WriteOwner);
}

void učiniPisivim(const QString& put) {
    QFile::setPermissions(put, QFile::permissions(put) | QFileDevice::WriteOwner);
}

} // namespace

bool StvarneDatoteke::PostojiDatoteka(const QString& put) {
    return QFileInfo(put).isFile();
}

bool StvarneDatoteke::PostojiDirektorija(const QString& put) {
    return !put.isEmpty() && QFileInfo(put).isDir();
}

std::optional<qint64> StvarneDatoteke::SlobodnoNaDisku(const QString& direktorija) {
    const QStorageInfo disk(direktorija);
    if (!disk.isValid() || !disk.isReady())
        return std::nullopt;
    return disk.bytesAvailable();
}

std::optional<qint64> StvarneDatoteke::Veličina(const QString& put, Greška* g) {
    QFileInfo info(put);
    if (!info.isFile()) {
        if (g)
            *g = greška(postojiRoditelj(put) ? BrojGreske::DatotekaNijePronađena
                                             : BrojGreske::PutanjaNijePronađena);
        return std::nullopt;
    }
    return info.size();
}

Rezultat StvarneDatoteke::Kopiraj(const QString& od, const QString& na) {
    QFile izvor(od);
    if (!QFileInfo(od).isFile())
        return greška(BrojGreske::DatotekaNijePronađena);
    if (!izvor.open(QIODevice::ReadOnly))
        return greškaDatoteke(od, izvor.error(), Greška::Korak::Otvaranje);
    // Written beside the target, so a failed copy leaves the old file whole.
    DatotekaPokrajCilja cilj(na);
    if (!cilj.Otvori())
        return greškaDatoteke(na, cilj.Greška(), Greška::Korak::Otvaranje);
    constexpr qint64 komad = 1 << 20;
    while (!izvor.atEnd()) {
        const QByteArray dio = izvor.read(komad);
        if (dio.isEmpty() && izvor.error() != QFileDevice::NoError)
            return greškaDatoteke(od, izvor.error(), Greška::Korak::Pisanje);
        if (!cilj.Piši(dio))
            return greškaDatoteke(na, cilj.Greška(), Greška::Korak::Pisanje);
    }
    if (!cilj.Zamijeni())
        return greškaDatoteke(na, cilj.Greška(), Greška::Korak::Pisanje);
    return {};
}

Rezultat StvarneDatoteke::Premjesti(const QString& od, const QString& na) {
    if (!QFileInfo(od).isFile())
        return greška(BrojGreske::DatotekaNijePronađena);
    if (QFileInfo::exists(na))
        return greška(BrojGreske::DatotekaPostoji);
    QFile izvor(od);
    if (!izvor.rename(na))
        return greškaDatoteke(na, izvor.error(), Greška::Korak::Pisanje);
    return {};
}

Rezultat StvarneDatoteke::Obriši(const QString& put, bool prisilno) {
    if (!QFileInfo(put).isFile())
        return greška(postojiRoditelj(put) ? BrojGreske::DatotekaNijePronađena
                                           : BrojGreske::PutanjaNijePronađena);
    if (samoZaČitanje(put)) {
        if (!prisilno)
            return greška(BrojGreske::DozvolaOdbijena);
        učiniPisivim(put);
    }
    QFile datoteka(put);
    if (!datoteka.remove())
        return greškaDatoteke(put, datoteka.error(), Greška::Korak::Pisanje);
    return {};
}

Rezultat StvarneDatoteke::ObrišiPoUzorku(const QString& uzorak, bool prisilno) {
    const QFileInfo info(uzorak);
    QDir direktorija = info.absoluteDir();
    if (!direktorija.exists())
        return greška(BrojGreske::PutanjaNijePronađena);
    const QStringList imena = direktorija.entryList({info.fileName()}, QDir::Files | QDir::Hidden);
    if (imena.isEmpty())
        return greška(BrojGreske::DatotekaNijePronađena);
    for (const QString& ime : imena) {
        if (Rezultat obrisano = Obriši(direktorija.filePath(ime), prisilno); !obrisano)
            return obrisano;
    }
    return {};
}

Rezultat StvarneDatoteke::ObrišiDirektoriju(const QString& put) {
    if (!PostojiDirektorija(put))
        return greška(BrojGreske::PutanjaNijePronađena);
    if (!QDir(put).removeRecursively())
        return greška(BrojGreske::DozvolaOdbijena, Greška::Korak::Pisanje);
    return {};
}

Rezultat StvarneDatoteke::NapraviDirektoriju(const QString& put) {
    if (QFileInfo::exists(put))
        return greška(BrojGreske::DatotekaPostoji);
    if (!postojiRoditelj(QDir::cleanPath(put)))
        return greška(BrojGreske::PutanjaNijePronađena);
    if (!QDir().mkdir(put))
        return greška(BrojGreske::DozvolaOdbijena);
    return {};
}

Rezultat StvarneDatoteke::DodajNaKraj(const QString& put, const QByteArray& bajtovi) {
    QFile datoteka(put);
    if (!datoteka.open(QIODevice::WriteOnly | QIODevice::Append))
        return greškaDatoteke(put, datoteka.error(), Greška::Korak::Otvaranje);
    if (datoteka.write(bajtovi) != bajtovi.size() || !datoteka.flush())
        return greškaDatoteke(put, datoteka.error(), Greška::Korak::Pisanje);
    return {};
}

Rezultat StvarneDatoteke::ZapišiCijelu(const QString& put, const QByteArray& bajtovi) {
    DatotekaPokrajCilja datoteka(put);
    if (!datoteka.Otvori())
        return greškaDatoteke(put, datoteka.Greška(), Greška::Korak::Otvaranje);
    if (!datoteka.Piši(bajtovi) || !datoteka.Zamijeni())
        return greškaDatoteke(put, datoteka.Greška(), Greška::Korak::Pisanje);
    return {};
}

std::optional<QByteArray> StvarneDatoteke::Pročitaj(const QString& put, Greška* g) {
    QFile datoteka(put);
    if (!QFileInfo(put).isFile()) {
        if (g)
            *g = greška(postojiRoditelj(put) ? BrojGreske::DatotekaNijePronađena
                                             : BrojGreske::PutanjaNijePronađena);
        return std::nullopt;
    }
    if (!datoteka.open(QIODevice::ReadOnly)) {
        if (g)
            *g = greškaDatoteke(put, datoteka.error(), Greška::Korak::Otvaranje);
        return std::nullopt;
    }
    return datoteka.readAll();
}

QStringList StvarneDatoteke::DatotekeDirektorije(const QString& put) {
    return QDir(put).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace velkor
