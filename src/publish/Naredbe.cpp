#include "publish/Naredbe.h"

#include "base/Dnevnik.h"
#include "base/Sat.h"
#include "base/Stanje.h"
#include "base/StvarneDatoteke.h"
#include "catalogue/TablicneDatoteke.h"
#include "publish/CitacDnevnika.h"
#include "publish/KonzolniProzor.h"
#include "publish/Objava.h"
#include "publish/Pakiranje.h"

#include <QDir>
#include <QFile>

namespace velkor {

namespace {

constexpr int Uspjeh = 0;
constexpr int Neuspjeh = 1;
constexpr int KriviPoziv = 2;

QString putDnevnika(const QStringList& argumenti, const QString& direktorijaAlata) {
    if (!argumenti.isEmpty())
        return argumenti.first();
    return QDir::toNativeSeparators(
        QDir(direktorijaAlata).filePath(QStringLiteral("Update/Update.log")));
}

} // namespace

int PokreniObjavu(const QStringList& argumenti, const QString& direktorijaAlata,
                  const Konzola& konzola) {
    if (argumenti.size() != 2) {
        konzola.greške(QStringLiteral(
            "Upotreba: velkor-objava IZVOR ODREDIŠTE\n"
            "IZVOR sadrži datoteke izdanja i Objava.txt (po redu: ime;glavna;pomoćna;revizija).\n"
            "U ODREDIŠTE se zapisuju paketi i, zadnji, Verzije.txt."));
        return KriviPoziv;
    }
    StvarneDatoteke datoteke;
    KonzolniProzor prozor(konzola);
    SistemskiSat sat;
    RegionalnoPoLokalu regionalno;
    // The table writer logs nothing; the log it is given stays beside the tool.
    Dnevnik dnevnik(QDir::toNativeSeparators(direktorijaAlata), datoteke, prozor, sat, regionalno);
    Stanje stanje;
    TablicneDatoteke tablice(datoteke, prozor, dnevnik, stanje);
    Objava objava(datoteke, tablice, NađiSedamZip(direktorijaAlata), konzola);
    return objava.Objavi(argumenti[0], argumenti[1]) ? Uspjeh : Neuspjeh;
}

int PokreniČitanjeDnevnika(const QStringList& argumenti, const QString& direktorijaAlata,
                           const Konzola& konzola) {
    if (argumenti.size() > 1) {
        konzola.greške(QStringLiteral("Upotreba: velkor-dnevnik [DATOTEKA]\n"
                                      "Bez DATOTEKE čita Update/Update.log uz program."));
        return KriviPoziv;
    }
    const QString put = putDnevnika(argumenti, direktorijaAlata);
    QFile datoteka(put);
    if (!datoteka.open(QIODevice::ReadOnly)) {
        konzola.greške(QStringLiteral("Nije moguće pročitati dnevnik ") + put +
                       (datoteka.exists() ? QStringLiteral(": ") + datoteka.errorString()
                                          : QStringLiteral(": datoteka ne postoji.")));
        return Neuspjeh;
    }
    // A log grows without limit: mapped, not copied.
    const qint64 veličina = datoteka.size();
    const uchar* mapirano = veličina > 0 ? datoteka.map(0, veličina) : nullptr;
    const QByteArray bajtovi =
        mapirano ? QByteArray::fromRawData(reinterpret_cast<const char*>(mapirano), veličina)
                 : datoteka.readAll();
    if (!mapirano && datoteka.error() != QFileDevice::NoError) {
        konzola.greške(QStringLiteral("Nije moguće pročitati dnevnik ") + put +
                       QStringLiteral(": ") + datoteka.errorString());
        return Neuspjeh;
    }
    PročitajDnevnik(bajtovi, konzola.izlaz);
    return Uspjeh;
}

} // namespace velkor
