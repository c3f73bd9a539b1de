#include "install/Povrat.h"
#include "base/ZajednickiTekstovi.h"

#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/Napredak.h"
#include "base/OkviriPoruka.h"
#include "base/Stanje.h"
#include "catalogue/ProvjeraIzdanja.h"
#include "catalogue/VrstaStavke.h"
#include "install/Registracija.h"

namespace velkor {

namespace {

const QString ZaključakPrograma =
    QStringLiteral("Program ne može razriješiti problem pa ćete morati reinstalirati program!");
const QString ZaključakDatoteke =
    QStringLiteral("Program ne može razriješiti problem te ćete morati reinstalirati program!");

} // namespace

Povrat::Povrat(Stanje& stanje, Napredak& napredak, OkviriPoruka& poruke, Datoteke& datoteke,
               Dnevnik& dnevnik, Registracija& registracija)
    : stanje(stanje), napredak(napredak), poruke(poruke), datoteke(datoteke), dnevnik(dnevnik),
      registracija(registracija) {}

bool Povrat::PokušajVratitiSveNaPočetak() {
    const QStringList imena = datoteke.DatotekeDirektorije(stanje.PutanjaUpdateBackup);
    logiraj(QStringLiteral("početak. U direktoriji Backup fajlova:") +
            QString::number(imena.size()));
    const Način program{stanje.PutanjaPrograma, QStringLiteral("Kopiranje nazad programa: "),
                        QStringLiteral("Nastala je greška u kopiranju nazad programa: "),
                        ZaključakPrograma};
    const auto datoteka = [](const QString& direktorija) {
        return Način{direktorija, QStringLiteral("Kopiranje nazad datoteke: "),
                     QStringLiteral("Nastala je greška u kopiranju nazad datoteke: "),
                     ZaključakDatoteke};
    };
    bool sve = true;
    for (const QString& ime : imena) {
        switch (Vrsta(ime)) {
        case VrstaStavke::Program:
        case VrstaStavke::Popis:
            sve &= kopirajNazad(ime, program);
            break;
        case VrstaStavke::Komponenta:
        case VrstaStavke::Kontrola:
            sve &= vratiKomponentu(ime);
            break;
        case VrstaStavke::Skripta:
            sve &= kopirajNazad(ime, datoteka(stanje.PutanjaSkripti));
            break;
        case VrstaStavke::Pomoć:
            sve &= kopirajNazad(ime, datoteka(stanje.PutanjaHelp));
            break;
        case VrstaStavke::Ostalo:
            if (DodatakPopisa(ime)) {
                kopirajNazad(ime, program);
                break;
            }
            logiraj(QStringLiteral("nepoznata ekstenzija: ") + ime.right(3));
            break;
        }
    }
    logiraj(QStringLiteral("Kraj"));
    return sve;
}

// Unregistering, copying back and registering are each attempted, whatever
// became of the one before. A new file that never came is not unregistered.
bool Povrat::vratiKomponentu(const QString& ime) {
    if (datoteke.PostojiDatoteka(stanje.PutanjaPrograma + ime) &&
        !registracija.Deregistriraj(stanje.PutanjaPrograma, ime)) {
        stanje.ZadnjaGreška =
            QStringLiteral("Desila se greška u deregistraciji komponente: ") + ime;
        stanje.VrstaZadnjeGreške = VrstaGreske::PovratNepotpun;
        poruke.Poruka(stanje.ZadnjaGreška + NoviRed +
                          QStringLiteral("Deregistracija komponente: ") + ime + NoviRed +
                          ZaključakNeuspjeha,
                      Ikona::Kriticno);
    }

    const bool vraćena =
        kopirajNazad(ime, {stanje.PutanjaPrograma, QStringLiteral("Kopiranje nazad komponente: "),
                           QStringLiteral("Nastala je greška u kopiranju nazad komponente: "),
                           ZaključakPrograma});

    const QString registracijaStare = QStringLiteral("Registracija stare komponente: ") + ime;
    napredak.PostaviStatus1(registracijaStare);
    // The step's own text is the box's message.
    if (!registracija.Registriraj(stanje.PutanjaPrograma, ime)) {
        stanje.VrstaZadnjeGreške = VrstaGreske::PovratNepotpun;
        poruke.Poruka(registracijaStare + NoviRed + ZaključakNeuspjeha, Ikona::Kriticno);
    }
    return vraćena;
}

bool Povrat::kopirajNazad(const QString& ime, const Način& način) {
    napredak.PostaviStatus1(način.korak + ime);
    logiraj(način.korak + ime);
    const Rezultat kopirano =
        datoteke.Kopiraj(stanje.PutanjaUpdateBackup + ime, način.direktorija + ime);
    if (kopirano)
        return true;
    stanje.VrstaZadnjeGreške = VrstaGreske::PovratNepotpun;
    stanje.ZadnjaGreška = način.greškaKopiranja + ime + NoviRed +
                          QStringLiteral("Poruka o grešci je: ") + kopirano.greška().opis;
    logiraj(stanje.ZadnjaGreška);
    poruke.Poruka(stanje.ZadnjaGreška + NoviRed + način.zaključak, Ikona::Kriticno);
    return false;
}

void Povrat::logiraj(const QString& poruka) {
    dnevnik.LogirajGrešku(QStringLiteral("PokušajVratitiSveNaPočetak - ") + poruka);
}

} // namespace velkor
