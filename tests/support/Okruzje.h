#pragma once
// The whole program on a temporary installation: the program wired as main wires
// it, the local update server of a published directory, and the record of all
// that a run showed.
#include "Instalacija.h"
#include "LokalniPosluzitelj.h"
#include "app/Aplikacija.h"

namespace velkor::test {

class Okruženje : public Instalacija {
public:
    using Instalacija::Instalacija;

    // The program wired to this installation; made on first use. It keeps a state
    // and a log of its own.
    Aplikacija& aplikacija();
    Okolina okolina();
    // The local update server of `objava`, named to the program by the
    // environment; started on first use.
    LokalniPoslužitelj& poslužitelj();
    // The items installed at 22.1.0 (the new ones not at all), help files and
    // scripts in their folders, the rest beside the program; and their release
    // at 22.2.0 in izvor with its manifest, ready for the publisher.
    void postaviIzdanje(const QString& izvor, const QStringList& stavke,
                        const QStringList& nove = {}) const;
    // A minisign key of that name made here once, its public line beside the
    // program and, so the record names it, in the publication; its secret key.
    QString ključ(const QString& ime = "izdavac") const;

    // Everything the environment showed, a "key: value" line each, after z's lines:
    // requests, log, boxes, grid rows, progress, reports, waits, commands, other
    // programs' windows, registry, stanje's last error and the files under the base;
    // the varying paths, hosts and port named, CR LF shown as ⏎. The status panels'
    // texts only when the case is about them.
    QStringList zapis(QStringList z = {}, const Stanje* stanje = nullptr,
                      bool statusi = false) const;
    // From here on the record's files are only those the run added, changed or
    // removed: what stayed as the case laid it out is no outcome of the run.
    void zapamtiStablo() { početnoStablo_ = stablo(); }

    QTemporaryDir objava;

private:
    QMap<QString, QString> stablo() const;
    std::unique_ptr<Aplikacija> aplikacija_;
    std::unique_ptr<LokalniPoslužitelj> poslužitelj_;
    QMap<QString, QString> početnoStablo_;
};

// Golden records of whole runs, a file a case: the first line the case, the rest
// the record. Adds the column "put", a row a file of the directory.
void DodajZlatne(const QString& direktorija);
QString SlučajZlatnog(const QString& put);
// VELKOR_PISI_ZLATNE=1 writes the record as the file's new golden one. The dates
// a signature's validity shows follow the day the test ran.
void UsporediSaZlatnim(const QString& put, QStringList zapis);

} // namespace velkor::test
