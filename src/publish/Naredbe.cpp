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
#include "publish/PotpisivanjeObjave.h"

#include <QDir>
#include <QFile>
#include <QMap>

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

namespace {

const QString UpotrebaObjave = QStringLiteral(
    "Upotreba: velkor-objava [--kljuc TAJNI_KLJUČ [--izdanje N] [--vrijedi DANA]] IZVOR "
    "ODREDIŠTE\n"
    "          velkor-objava --obnovi --kljuc TAJNI_KLJUČ [--vrijedi DANA] ODREDIŠTE\n"
    "          velkor-objava --provjeri [--javni JAVNI_KLJUČ] MJESTO\n"
    "IZVOR sadrži datoteke izdanja i Objava.txt (po redu: ime;glavna;pomoćna;revizija).\n"
    "U ODREDIŠTE se zapisuju paketi, s ključem Verzije.sha256 i njen potpis, i, zadnji, "
    "Verzije.txt.\n"
    "Javni ključ uz tajni je TAJNI_KLJUČ bez \".key\", sa \".pub\".");

// "--ime vrijednost" pairs and bare switches; what is left are the places.
struct Argumenti {
    QMap<QString, QString> vrijednosti;
    QStringList mjesta;
    bool ispravni = true;
};

Argumenti rastavi(const QStringList& argumenti) {
    const QStringList sVrijednošću{"--kljuc", "--izdanje", "--vrijedi", "--javni"};
    Argumenti a;
    for (int i = 0; i < argumenti.size(); ++i) {
        const QString& arg = argumenti[i];
        if (sVrijednošću.contains(arg) && i + 1 < argumenti.size())
            a.vrijednosti.insert(arg, argumenti[++i]);
        else if (arg == QStringLiteral("--obnovi") || arg == QStringLiteral("--provjeri"))
            a.vrijednosti.insert(arg, QString());
        else if (arg.startsWith(QStringLiteral("--")))
            a.ispravni = false;
        else
            a.mjesta << arg;
    }
    return a;
}

std::optional<PostavkePotpisa> postavkePotpisa(const Argumenti& a) {
    PostavkePotpisa postavke;
    postavke.tajniKljuč = a.vrijednosti.value("--kljuc");
    postavke.javniKljuč = a.vrijednosti.value("--javni");
    bool broj = true;
    if (a.vrijednosti.contains("--izdanje"))
        postavke.izdanje = a.vrijednosti.value("--izdanje").toLongLong(&broj);
    if (!broj || postavke.izdanje.value_or(0) < 0)
        return std::nullopt;
    if (a.vrijednosti.contains("--vrijedi"))
        postavke.dana = a.vrijednosti.value("--vrijedi").toInt(&broj);
    if (!broj || postavke.dana < 1)
        return std::nullopt;
    return postavke;
}

} // namespace

int PokreniObjavu(const QStringList& argumenti, const QString& direktorijaAlata,
                  const Konzola& konzola) {
    const Argumenti a = rastavi(argumenti);
    const bool provjera = a.vrijednosti.contains("--provjeri");
    const bool obnova = a.vrijednosti.contains("--obnovi");
    const bool sKljučem = a.vrijednosti.contains("--kljuc");
    const std::optional<PostavkePotpisa> potpis = postavkePotpisa(a);
    if (!a.ispravni || !potpis || (provjera && (obnova || sKljučem || a.mjesta.size() != 1)) ||
        (obnova && (!sKljučem || a.mjesta.size() != 1)) ||
        (!provjera && !obnova && a.mjesta.size() != 2)) {
        konzola.greške(UpotrebaObjave);
        return KriviPoziv;
    }
    if (provjera) {
        QFile javni(potpis->javniKljuč);
        const QList<JavniKljuč> ključevi =
            potpis->javniKljuč.isEmpty()
                ? UgrađeniKljučevi()
                : PročitajJavneKljučeve(javni.open(QIODevice::ReadOnly)
                                            ? QString::fromUtf8(javni.readAll())
                                            : QString());
        return ProvjeriObjavu(a.mjesta[0], ključevi, konzola) ? Uspjeh : Neuspjeh;
    }
    PotpisivanjeObjave potpisivanje(*potpis, konzola);
    if (obnova)
        return potpisivanje.Obnovi(a.mjesta[0]) ? Uspjeh : Neuspjeh;
    StvarneDatoteke datoteke;
    KonzolniProzor prozor(konzola);
    SistemskiSat sat;
    RegionalnoPoLokalu regionalno;
    // The table writer logs nothing; the log it is given stays beside the tool.
    Dnevnik dnevnik(QDir::toNativeSeparators(direktorijaAlata), datoteke, prozor, sat, regionalno);
    Stanje stanje;
    TablicneDatoteke tablice(datoteke, prozor, dnevnik, stanje);
    Objava objava(datoteke, tablice, NađiSedamZip(direktorijaAlata), konzola);
    if (sKljučem)
        objava.PotpisujS(potpisivanje);
    return objava.Objavi(a.mjesta[0], a.mjesta[1]) ? Uspjeh : Neuspjeh;
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
