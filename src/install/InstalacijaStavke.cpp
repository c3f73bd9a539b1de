// One planned item put in place by the steps of its kind.
#include "base/Datoteke.h"
#include "base/Napredak.h"
#include "base/OkviriPoruka.h"
#include "base/Stanje.h"
#include "base/ZajednickiTekstovi.h"
#include "catalogue/VrstaStavke.h"
#include "install/InstalacijaPrograma.h"
#include "install/Povrat.h"
#include "install/Registracija.h"

namespace velkor {

struct InstalacijaPrograma::KoraciVrste {
    QString Stanje::*direktorija;
    QString korak;
    // Empty: a failed move gets no second try.
    QString ponovniKorak;
    QString kopiranje;
    QString greškaBackupa;
    QString greškaPonovnog;
    QString greškaKopiranja;
    bool komponenta;
};

namespace {

// Asked when a program or component will not move aside: the user may close it and go on.
const QString PreporukaPonovnogPokušaja = QStringLiteral(
    "Preporuka je da se prestane koristiti navedeni program i da se pokuša još jednom. Jeste li "
    "izašli iz programa i želite li nastaviti sa instalacijom (Da - Yes) ili želite prekinuti sa "
    "instalacijom (Ne - No)?");

QString neuspjeh(const QString& tekst, const QString& ime, const Greška& greška) {
    return tekst + ime + NoviRed + QStringLiteral("Poruka o grešci je: ") + greška.opis;
}

// A program or component that will not move is most likely running.
QString uUpotrebi(const QString& tekst, const QString& ime, const Greška& greška) {
    return tekst + ime + QStringLiteral("Najvjerojatnije se koristi. ") + NoviRed +
           QStringLiteral("Poruka o grešci je: ") + greška.opis;
}

} // namespace

const InstalacijaPrograma::KoraciVrste* InstalacijaPrograma::vrstaStavke(const QString& ime) {
    static const KoraciVrste program{
        &Stanje::PutanjaPrograma,
        QStringLiteral("Backup programa: "),
        QStringLiteral("Ponovni backup programa: "),
        QStringLiteral("Kopiranje novog programa: "),
        QStringLiteral("Nastala je greška u premještanju programa: "),
        QStringLiteral("Nastala je greška u ponovnom premještanju programa: "),
        QStringLiteral("Nastala je greška u kopiranju novog programa: "),
        false};
    static const KoraciVrste komponenta{
        &Stanje::PutanjaPrograma,
        QStringLiteral("Backup komponente: "),
        QStringLiteral("Ponovni backup komponente: "),
        QStringLiteral("Kopiranje nove komponente: "),
        QStringLiteral("Nastala je greška u premještanju komponente: "),
        QStringLiteral("Nastala je greška u ponovnom premještanju komponente: "),
        QStringLiteral("Nastala je greška u kopiranju nove komponente: "),
        true};
    // A script's copy step reads as a program's.
    const auto datoteka = [](QString Stanje::*direktorija, const QString& kopiranje) {
        return KoraciVrste{direktorija,
                           QStringLiteral("Backup datoteke: "),
                           {},
                           kopiranje,
                           QStringLiteral("Nastala je greška u premještanju datoteke: "),
                           {},
                           QStringLiteral("Nastala je greška u kopiranju nove datoteke: "),
                           false};
    };
    static const KoraciVrste skripta =
        datoteka(&Stanje::PutanjaSkripti, QStringLiteral("Kopiranje novog programa: "));
    static const KoraciVrste pomoć =
        datoteka(&Stanje::PutanjaHelp, QStringLiteral("Kopiranje nove datoteke: "));

    switch (Vrsta(ime)) {
    case VrstaStavke::Program:
        return &program;
    case VrstaStavke::Komponenta:
    case VrstaStavke::Kontrola:
        return &komponenta;
    case VrstaStavke::Skripta:
        return &skripta;
    case VrstaStavke::Pomoć:
        return &pomoć;
    default:
        return nullptr;
    }
}

std::optional<InstalacijaPrograma::Mjesto>
InstalacijaPrograma::mjestoStavke(const QString& ime) const {
    const KoraciVrste* vrsta = vrstaStavke(ime);
    if (!vrsta)
        return std::nullopt;
    return Mjesto{dijelovi.stanje.*vrsta->direktorija, vrsta->komponenta};
}

// False when the installation has been rolled back.
bool InstalacijaPrograma::instalirajStavku(const QString& ime) {
    const KoraciVrste* vrsta = vrstaStavke(ime);
    if (!vrsta) {
        logiraj(QStringLiteral("nepoznata ekstenzija: ") + ime.right(3));
        return true;
    }
    // A component not installed yet has nothing to forget; the tool would fail on it.
    if (vrsta->komponenta &&
        dijelovi.datoteke.PostojiDatoteka(dijelovi.stanje.PutanjaPrograma + ime) &&
        !deregistriraj(ime))
        return false;
    if (!premjestiUBackup(ime, *vrsta) || !kopirajNovu(ime, *vrsta))
        return false;
    return !vrsta->komponenta || registriraj(ime);
}

bool InstalacijaPrograma::deregistriraj(const QString& ime) {
    const QString tekstKoraka = QStringLiteral("Deregistracija komponente: ") + ime;
    logiraj(tekstKoraka);
    return registracijaSPonovnimPokušajem(
        ime, &Registracija::Deregistriraj,
        QStringLiteral("Desila se greška u deregistraciji komponente: ") + ime, tekstKoraka);
}

// A file not there yet (error 53) is a new item: nothing to move aside.
bool InstalacijaPrograma::premjestiUBackup(const QString& ime, const KoraciVrste& vrsta) {
    const QString od = dijelovi.stanje.*vrsta.direktorija + ime;
    const QString na = dijelovi.stanje.PutanjaUpdateBackup + ime;
    korak(vrsta.korak + ime);
    Rezultat premješteno = dijelovi.datoteke.Premjesti(od, na);
    if (premješteno || premješteno.greška().broj == BrojGreske::DatotekaNijePronađena)
        return true;
    if (vrsta.ponovniKorak.isEmpty())
        return odustani(neuspjeh(vrsta.greškaBackupa, ime, premješteno.greška()));

    dijelovi.stanje.ZadnjaGreška = uUpotrebi(vrsta.greškaBackupa, ime, premješteno.greška());
    logiraj(dijelovi.stanje.ZadnjaGreška);
    if (dijelovi.poruke.Poruka(dijelovi.stanje.ZadnjaGreška + NoviRed + PreporukaPonovnogPokušaja,
                               Ikona::Upitnik, Gumbi::DaNe) != Odgovor::Da)
        return vratiNaPočetak();
    korak(vrsta.ponovniKorak + ime);
    premješteno = dijelovi.datoteke.Premjesti(od, na);
    return premješteno || odustani(uUpotrebi(vrsta.greškaPonovnog, ime, premješteno.greška()));
}

bool InstalacijaPrograma::kopirajNovu(const QString& ime, const KoraciVrste& vrsta) {
    korak(vrsta.kopiranje + ime);
    // Written beside the target and renamed over it: never half a program in place.
    const Rezultat kopirano = dijelovi.datoteke.Kopiraj(dijelovi.stanje.PutanjaUpdate + ime,
                                                        dijelovi.stanje.*vrsta.direktorija + ime);
    return kopirano || odustani(neuspjeh(vrsta.greškaKopiranja, ime, kopirano.greška()));
}

bool InstalacijaPrograma::registriraj(const QString& ime) {
    const QString tekstKoraka = QStringLiteral("Registracija nove komponente: ") + ime;
    dijelovi.napredak.PostaviStatus1(tekstKoraka);
    return registracijaSPonovnimPokušajem(
        ime, &Registracija::Registriraj,
        QStringLiteral("Desila se greška u registraciji nove komponente: ") + ime, tekstKoraka);
}

// A failed registration is a failed item: asked once, as a file in use, whether to
// try again; then the error, the step it stopped, and the rollback.
bool InstalacijaPrograma::registracijaSPonovnimPokušajem(const QString& ime, Postupak postupak,
                                                         const QString& greška,
                                                         const QString& tekstKoraka) {
    const auto pokušaj = [&] {
        return (dijelovi.registracija.*postupak)(dijelovi.stanje.PutanjaPrograma, ime);
    };
    if (pokušaj())
        return true;
    dijelovi.stanje.ZadnjaGreška = greška;
    logiraj(greška);
    if (dijelovi.poruke.Poruka(greška + NoviRed + tekstKoraka + NoviRed + PreporukaPonovnogPokušaja,
                               Ikona::Upitnik, Gumbi::DaNe) != Odgovor::Da)
        return vratiNaPočetak();
    if (pokušaj())
        return true;
    dijelovi.poruke.Poruka(greška + NoviRed + tekstKoraka + NoviRed + ZaključakNeuspjeha,
                           Ikona::Kriticno);
    return vratiNaPočetak();
}

bool InstalacijaPrograma::odustani(const QString& tekst) {
    dijelovi.stanje.ZadnjaGreška = tekst;
    logiraj(tekst);
    dijelovi.poruke.Poruka(tekst + NoviRed + ZaključakNeuspjeha, Ikona::Kriticno);
    return vratiNaPočetak();
}

} // namespace velkor
