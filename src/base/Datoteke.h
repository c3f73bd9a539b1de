#pragma once
// The file operations whose failures the program checks. The real file system
// stands behind it; tests put a double in front that fails on request.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <tuple>

namespace velkor {

// Error numbers as the suite's programs report them.
namespace BrojGreske {
constexpr int DatotekaNijePronađena = 53;
constexpr int DiskPun = 61;
constexpr int DozvolaOdbijena = 70;
constexpr int GreškaPristupa = 75;
constexpr int PutanjaNijePronađena = 76;
constexpr int DatotekaPostoji = 58;
} // namespace BrojGreske

struct Greška {
    enum class Korak { Otvaranje, Pisanje };
    int broj = 0;
    QString opis;
    Korak korak = Korak::Otvaranje;
};

// What a file operation came to: success, or the error that stopped it. It
// reads forwards (`if (!datoteke.Kopiraj(od, na))` is the failure) and cannot
// be dropped unread; a failure that is passed over says so (std::ignore).
class [[nodiscard]] Rezultat {
public:
    Rezultat() = default;
    Rezultat(Greška greška) : greška_(std::move(greška)) {}

    explicit operator bool() const { return !greška_.has_value(); }
    // Only after a failure.
    const Greška& greška() const { return *greška_; }

private:
    std::optional<Greška> greška_;
};

class Datoteke {
public:
    virtual ~Datoteke() = default;

    virtual bool PostojiDatoteka(const QString& put) = 0;
    virtual bool PostojiDirektorija(const QString& put) = 0;
    // Size in bytes, or the error when the file cannot be read.
    virtual std::optional<qint64> Veličina(const QString& put, Greška* greška = nullptr) = 0;

    // Copies over an existing file in one step: written beside it and renamed
    // over, so a reader finds the old file or the new one, never half of either,
    // and a failure leaves the old file as it was.
    virtual Rezultat Kopiraj(const QString& od, const QString& na) = 0;
    // Moves a file; number 53 when the source is missing.
    virtual Rezultat Premjesti(const QString& od, const QString& na) = 0;
    // Deletes a file; a read-only one only when forced.
    virtual Rezultat Obriši(const QString& put, bool prisilno) = 0;
    // Deletes the files matching a wildcard pattern in the last path element.
    virtual Rezultat ObrišiPoUzorku(const QString& uzorak, bool prisilno) = 0;
    // Removes a directory with all it holds, read-only files included.
    virtual Rezultat ObrišiDirektoriju(const QString& put) = 0;
    // Creates one directory level; its parent must exist.
    virtual Rezultat NapraviDirektoriju(const QString& put) = 0;

    // Appends bytes at the end of a file, creating it when missing. The error
    // says whether the opening or the writing failed.
    virtual Rezultat DodajNaKraj(const QString& put, const QByteArray& bajtovi) = 0;
    // Replaces a file whole: written beside it and moved over it in one step,
    // so a failure never leaves a half-written or missing file.
    virtual Rezultat ZapišiCijelu(const QString& put, const QByteArray& bajtovi) = 0;
    virtual std::optional<QByteArray> Pročitaj(const QString& put, Greška* greška = nullptr) = 0;
    // The names of the files directly in a directory (hidden ones too), in the
    // listing's order; none when it cannot be read.
    virtual QStringList DatotekeDirektorije(const QString& put) = 0;
    // The bytes this user may still write on the disk that holds the directory;
    // none when the system cannot tell.
    virtual std::optional<qint64> SlobodnoNaDisku(const QString& direktorija) = 0;
};

} // namespace velkor
