#include "catalogue/PripremaVerzija.h"

#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/Izvjestaji.h"
#include "base/OkviriPoruka.h"
#include "base/RadneDirektorije.h"
#include "base/Stanje.h"
#include "base/ZajednickiTekstovi.h"
#include "catalogue/PlanAzuriranja.h"
#include "catalogue/PotvrdaIzdanja.h"
#include "catalogue/TablicneDatoteke.h"

namespace velkor {

namespace {

const QString Prefiks = QStringLiteral("PripremiVerzijaTXT- ");
// The network branch's own prefix carries two blanks.
const QString PrefiksMreže = QStringLiteral("PripremiVerzijaTXT-  ");
const QString Prekida = QStringLiteral(" Prekida se ažuriranje!");

} // namespace

PripremaVerzija::PripremaVerzija(Stanje& stanje, OkviriPoruka& poruke, Datoteke& datoteke,
                                 Dnevnik& dnevnik, RadneDirektorije& radneDirektorije,
                                 TablicneDatoteke& tablice, PlanAžuriranja& plan,
                                 PotvrdaIzdanja& potvrda, Izvještaji& izvještaji,
                                 DownloadDatoteke downloadDatoteke)
    : stanje(stanje), poruke(poruke), datoteke(datoteke), dnevnik(dnevnik),
      radneDirektorije(radneDirektorije), tablice(tablice), plan(plan), potvrda(potvrda),
      izvještaji(izvještaji),
      dohvat(stanje, poruke, datoteke, dnevnik, std::move(downloadDatoteke)),
      prekidanje(stanje, dnevnik, poruke) {}

bool PripremaVerzija::PripremiVerzijaTXT(const IzvorAžuriranja& izvor) {
    if (!radneDirektorije.PostaviRadneDirektorije())
        return false;

    const QString instalirane = stanje.PutanjaPrograma + ImeListeVerzija;
    if (!datoteke.PostojiDatoteka(instalirane))
        return prekidanje.Prekini(
            Prefiks, QStringLiteral("Ne postoji datoteka ") + instalirane +
                         QStringLiteral(" Program za automatsko ažuriranje novih programa mora "
                                        "prestati sa ažuriranjem. Molimo da o ovoj poruci "
                                        "izvjestite Velkor tim za podršku."));
    if (!tablice.UčitajMatricu(stanje.StareVerzije, instalirane))
        return prekidanje.Prekini(
            Prefiks, QStringLiteral("PripremiVerzijaTXT - Desila se greška u čitanju zapisa u "
                                    "matricu. Prekida se ažuriranje!"));

    const bool izInterneta = izvor.opcija == 0 || izvor.opcija == 2;
    const bool pripremljeno = izInterneta ? saInterneta() : saMrežneLokacije(izvor.mrežnaLokacija);
    // A share is trusted no more than the internet.
    if (!pripremljeno || !potvrda.Provjeri(stanje.PutanjaUpdate, Prefiks, true))
        return false;
    if (izInterneta)
        dohvat.DohvatiTeamViewer(stanje.PutanjaPrograma, stanje.PutanjaUpdate, false, potvrda);
    else
        teamViewerSaLokacije(izvor.mrežnaLokacija);
    if (!plan.NapraviRsŠtoTrebaAžurirati(potvrda.Popis()))
        return false;
    prikažiIzdanje();
    return true;
}

bool PripremaVerzija::saInterneta() {
    return dohvat.DohvatiVerzije(stanje.PutanjaUpdate, Prefiks, true) &&
           dohvat.DohvatiSažetke(stanje.PutanjaUpdate);
}

void PripremaVerzija::prikažiIzdanje() {
    if (!potvrda.Potpisano())
        return;
    stanje.IzvještajRada = potvrda.Opis();
    izvještaji.PrikažiIzvještajRada(stanje.IzvještajRada);
}

bool PripremaVerzija::saMrežneLokacije(const QString& lokacija) {
    if (!datoteke.PostojiDatoteka(lokacija + ImeListeVerzija)) {
        if (!datoteke.PostojiDirektorija(lokacija))
            stanje.VrstaZadnjeGreške = VrstaGreske::IzvorNedostupan;
        return prekidanje.Prekini(
            PrefiksMreže, QStringLiteral("Ne postoji kontrolna datoteka na mrežnoj lokaciji: ") +
                              lokacija + Prekida);
    }

    const QString nove = stanje.PutanjaUpdate + ImeListeVerzija;
    if (!datoteke.Obriši(nove, false)) {
        stanje.ZadnjaGreška = QStringLiteral("Greška u brisanju datoteke ") + nove;
        dnevnik.LogirajGrešku(QStringLiteral("KI-PripremiVerzijaTXT- ") + stanje.ZadnjaGreška);
    }

    if (!datoteke.Kopiraj(lokacija + ImeListeVerzija, nove))
        return prekidanje.Prekini(
            Prefiks, QStringLiteral("Nije moguće učitati kontrolnu datoteku sa mrežne lokacije! "
                                    "Provjerite i pokušajte ponovno!") +
                         Prekida);
    if (!datoteke.PostojiDatoteka(nove)) {
        dnevnik.LogirajGrešku(PrefiksMreže +
                              QStringLiteral("Kopirao sa mrežne lokacije Verzije.txt, ali ona ne "
                                             "postoji u ") +
                              lokacija);
        poruke.Poruka(NemaPodatakaOVerzijama + lokacija, Ikona::Nema);
        return false;
    }
    // The sidecars of the last check must not stand in for missing ones.
    for (const QString& ime : {ImeSažetaka, ImePotpisa}) {
        if (datoteke.PostojiDatoteka(stanje.PutanjaUpdate + ime))
            std::ignore = datoteke.Obriši(stanje.PutanjaUpdate + ime, true);
        if (datoteke.PostojiDatoteka(lokacija + ime))
            std::ignore = datoteke.Kopiraj(lokacija + ime, stanje.PutanjaUpdate + ime);
    }
    return true;
}

void PripremaVerzija::teamViewerSaLokacije(const QString& lokacija) {
    const QString cilj = stanje.PutanjaPrograma + ImeTeamViewera;
    const QString privremeni = stanje.PutanjaUpdate + ImeTeamViewera;
    if (datoteke.PostojiDatoteka(cilj) || !datoteke.PostojiDatoteka(lokacija + ImeTeamViewera) ||
        !datoteke.Kopiraj(lokacija + ImeTeamViewera, privremeni))
        return;
    if (const QString greška = potvrda.ProvjeriDatoteku(ImeTeamViewera, privremeni);
        !greška.isEmpty()) {
        dnevnik.LogirajGrešku(PrefiksMreže + greška);
        std::ignore = datoteke.Obriši(privremeni, true);
        return;
    }
    std::ignore = datoteke.Premjesti(privremeni, cilj);
}

} // namespace velkor
