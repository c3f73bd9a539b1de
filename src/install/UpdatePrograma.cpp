#include "base/ZajednickiTekstovi.h"
#include "install/InstalacijaPrograma.h"

#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/Napredak.h"
#include "base/OkviriPoruka.h"
#include "base/RadneDirektorije.h"
#include "base/Stanje.h"
#include "catalogue/PlanAzuriranja.h"
#include "catalogue/PotvrdaIzdanja.h"
#include "catalogue/ZapisVerzije.h"
#include "install/DetekcijaPrograma.h"
#include "install/Povrat.h"

#include <QCoreApplication>

namespace velkor {

namespace {

// The computer on which the suite is made: never installed over.
const QString RačunaloIzrade = QStringLiteral("ZELMO-DVD");

} // namespace

InstalacijaPrograma::InstalacijaPrograma(DijeloviInstalacije dijelovi)
    : dijelovi(std::move(dijelovi)),
      prekidanje(this->dijelovi.stanje, this->dijelovi.dnevnik, this->dijelovi.poruke) {}

IshodOperacije InstalacijaPrograma::UpdatePrograma() {
    dijelovi.dnevnik.LogirajGrešku(QStringLiteral("UpdatePrograma- početak"));
    if (!dijelovi.detekcija.DijalogPokrenutihPrograma()) {
        dijelovi.stanje.VrstaZadnjeGreške = VrstaGreske::ProgramiRade;
        return IshodOperacije::Neuspjeh;
    }
    // Before the backup directory is emptied: it may hold the only copies.
    PopraviPrekinutuInstalaciju();
    if (!pripremiBackup())
        return IshodOperacije::KrajPrograma;
    if (dijelovi.radneDirektorije.ImeRačunala() == RačunaloIzrade) {
        dijelovi.poruke.Poruka(
            QStringLiteral("Ime računala je ZELMO-DVD te nije moguće nastaviti sa "
                           "radom!"),
            Ikona::Usklicnik);
        return IshodOperacije::Neuspjeh;
    }
    logiraj(QStringLiteral("Početak"));
    dijelovi.napredak.PostaviStatus1(QStringLiteral("Početak ..."));
    if (!provjeriSažetke() || !označiUTijeku())
        return IshodOperacije::Neuspjeh;

    for (int red = 0; red < Matrica::Redaka; ++red) {
        const ZapisVerzije zapis(dijelovi.stanje.NoveVerzije, red);
        if (!zapis.Planiran())
            continue;
        const QString ime = zapis.Ime();
        QCoreApplication::processEvents();
        dijelovi.plan.OznačiStanjeStavke(ime, StanjeStavke::Instaliranje);
        if (!instalirajStavku(ime))
            return IshodOperacije::Neuspjeh;
        dijelovi.plan.OznačiStanjeStavke(ime, StanjeStavke::Instalirano);
    }

    if (!zamijeniVerzije())
        return IshodOperacije::Neuspjeh;
    završi();
    logiraj(QStringLiteral("Kraj"));
    dijelovi.pripremiVerzijaTXT();
    return IshodOperacije::Uspjeh;
}

bool InstalacijaPrograma::provjeriSažetke() {
    QStringList imena;
    for (int red = 0; red < Matrica::Redaka; ++red) {
        const ZapisVerzije zapis(dijelovi.stanje.NoveVerzije, red);
        if (zapis.Planiran())
            imena << zapis.Ime();
    }
    imena << ImeListeVerzija;
    for (const QString& ime : imena) {
        const QString greška =
            dijelovi.potvrda.ProvjeriDatoteku(ime, dijelovi.stanje.PutanjaUpdate + ime);
        if (!greška.isEmpty()) {
            dijelovi.stanje.VrstaZadnjeGreške = VrstaGreske::Provjera;
            return prekidanje.Prekini(Prefiks, greška + QStringLiteral(" Prekida se ažuriranje!"));
        }
    }
    return true;
}

// An existing directory is emptied, whatever comes of it; one that cannot be
// made must end the program (false).
bool InstalacijaPrograma::pripremiBackup() {
    const QString& backup = dijelovi.stanje.PutanjaUpdateBackup;
    if (dijelovi.datoteke.PostojiDirektorija(backup)) {
        std::ignore = dijelovi.datoteke.ObrišiPoUzorku(backup + QLatin1Char('*'), true);
        return true;
    }
    const Rezultat napravljena = dijelovi.datoteke.NapraviDirektoriju(backup);
    if (napravljena)
        return true;
    return prekidanje.Prekini(
        QStringLiteral("UpdatePrograma- "),
        QStringLiteral("Nastala je greška u kreiranju UpdateBackup direktorije! Program za "
                       "ažuriranje novih verzija mora prestati sa radom. Vjerojatno nemate "
                       "administratorska prava!") +
            NoviRed + QStringLiteral("Greška: ") + napravljena.greška().opis);
}

// The rollback ends the installation, and with it the mark of one in progress.
bool InstalacijaPrograma::vratiNaPočetak() {
    // The rollback says so when it cannot restore everything.
    dijelovi.stanje.VrstaZadnjeGreške = VrstaGreske::InstalacijaVracena;
    std::ignore = dijelovi.povrat.PokušajVratitiSveNaPočetak();
    std::ignore = obrišiOznaku(Prefiks);
    return false;
}

void InstalacijaPrograma::korak(const QString& tekst) {
    dijelovi.napredak.PostaviStatus1(tekst);
    logiraj(tekst);
}

const QString InstalacijaPrograma::Prefiks = QStringLiteral("UpdatePrograma - ");

void InstalacijaPrograma::logiraj(const QString& poruka) {
    dijelovi.dnevnik.LogirajGrešku(Prefiks + poruka);
}

} // namespace velkor
