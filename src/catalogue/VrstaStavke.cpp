#include "catalogue/VrstaStavke.h"

#include "base/Stanje.h"

namespace velkor {

VrstaStavke Vrsta(const QString& ime) {
    const QString kraj = ime.right(3);
    if (kraj == QLatin1String("exe"))
        return VrstaStavke::Program;
    if (kraj == QLatin1String("dll"))
        return VrstaStavke::Komponenta;
    if (kraj == QLatin1String("ocx"))
        return VrstaStavke::Kontrola;
    if (kraj == QLatin1String("enc"))
        return VrstaStavke::Skripta;
    if (kraj == QLatin1String("chm"))
        return VrstaStavke::Pomoć;
    if (kraj == QLatin1String("txt"))
        return VrstaStavke::Popis;
    return VrstaStavke::Ostalo;
}

bool PaketJeSamaDatoteka(const QString& ime) {
    const VrstaStavke vrsta = Vrsta(ime);
    return vrsta == VrstaStavke::Pomoć || vrsta == VrstaStavke::Skripta ||
           vrsta == VrstaStavke::Kontrola;
}

QString DirektorijaStavke(const Stanje& stanje, const QString& ime) {
    switch (Vrsta(ime)) {
    case VrstaStavke::Skripta:
        return stanje.PutanjaSkripti;
    case VrstaStavke::Pomoć:
        return stanje.PutanjaHelp;
    default:
        return stanje.PutanjaPrograma;
    }
}

} // namespace velkor
