#include "install/UpdatePrograma.h"

#include "base/Datoteke.h"
#include "base/LogirajGresku.h"
#include "base/Prozor.h"
#include "base/RadneDirektorije.h"
#include "base/Stanje.h"
#include "catalogue/NapraviRsStoTrebaAzurirati.h"
#include "catalogue/ZapisVerzije.h"
#include "install/DetekcijaPrograma.h"
#include "install/Povrat.h"

#include <QCoreApplication>

namespace velkor {

namespace {

const QString Crlf = QStringLiteral("\r\n");
// The computer on which the suite is made: never installed over.
const QString RačunaloIzrade = QStringLiteral("ZELMO-DVD");

} // namespace

InstalacijaPrograma::InstalacijaPrograma(DijeloviInstalacije dijelovi) : d(std::move(dijelovi)) {}

bool InstalacijaPrograma::UpdatePrograma() {
    d.dnevnik.LogirajGrešku(QStringLiteral("UpdatePrograma- početak"));
    if (!d.detekcija.DijalogPokrenutihPrograma())
        return false;
    // Before the backup directory is emptied: it may hold the only copies.
    PopraviPrekinutuInstalaciju();
    if (!pripremiBackup())
        return false;
    if (d.radneDirektorije.ImeRačunala() == RačunaloIzrade) {
        d.prozor.Poruka(QStringLiteral("Ime računala je ZELMO-DVD te nije moguće nastaviti sa "
                                       "radom!"),
                        Ikona::Usklicnik);
        return false;
    }
    logiraj(QStringLiteral("Početak"));
    d.prozor.PostaviStatus1(QStringLiteral("Početak ..."));
    if (!označiUTijeku())
        return false;

    for (int red = 0; red < Matrica::Redaka; ++red) {
        const ZapisVerzije zapis(d.stanje.NoveVerzije, red);
        if (!zapis.Planiran())
            continue;
        const QString ime = zapis.Ime();
        QCoreApplication::processEvents();
        d.plan.OznačiStanjeStavke(ime, 5);
        if (!instalirajStavku(ime))
            return false;
        d.plan.OznačiStanjeStavke(ime, 3);
    }

    zamijeniVerzije();
    // Everything is in place, the list included: nothing left to put back.
    d.datoteke.Obriši(oznakaUTijeku(), true);
    počisti();
    logiraj(QStringLiteral("Kraj"));
    d.pripremiVerzijaTXT();
    return true;
}

// An existing directory is emptied, whatever comes of it; one that cannot be
// made ends the program.
bool InstalacijaPrograma::pripremiBackup() {
    const QString& backup = d.stanje.PutanjaUpdateBackup;
    if (d.datoteke.PostojiDirektorija(backup)) {
        d.datoteke.ObrišiPoUzorku(backup + QLatin1Char('*'), true);
        return true;
    }
    const Ishod greška = d.datoteke.NapraviDirektoriju(backup);
    if (!greška)
        return true;
    d.stanje.ZadnjaGreška =
        QStringLiteral("Nastala je greška u kreiranju UpdateBackup direktorije! Program za "
                       "ažuriranje novih verzija mora prestati sa radom. Vjerojatno nemate "
                       "administratorska prava!") +
        Crlf + QStringLiteral("Greška: ") + greška->opis;
    d.dnevnik.LogirajGrešku(QStringLiteral("UpdatePrograma- ") + d.stanje.ZadnjaGreška);
    d.prozor.Poruka(d.stanje.ZadnjaGreška, Ikona::Usklicnik);
    d.prozor.ZavršiProgram();
    return false;
}

// The rollback ends the installation, and with it the mark of one in progress.
bool InstalacijaPrograma::vratiNaPočetak() {
    d.povrat.PokušajVratitiSveNaPočetak();
    d.datoteke.Obriši(oznakaUTijeku(), true);
    return false;
}

void InstalacijaPrograma::korak(const QString& tekst) {
    d.stanje.ZadnjaGreška = tekst;
    d.prozor.PostaviStatus1(tekst);
    logiraj(tekst);
}

void InstalacijaPrograma::logiraj(const QString& poruka) {
    d.dnevnik.LogirajGrešku(QStringLiteral("UpdatePrograma - ") + poruka);
}

} // namespace velkor
