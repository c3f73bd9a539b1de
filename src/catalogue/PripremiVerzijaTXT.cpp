#include "catalogue/PripremaVerzija.h"

#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/OkviriPoruka.h"
#include "base/RadneDirektorije.h"
#include "base/Stanje.h"
#include "base/ZajednickiTekstovi.h"
#include "catalogue/PlanAzuriranja.h"
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
                                 DownloadDatoteke downloadDatoteke)
    : stanje(stanje), poruke(poruke), datoteke(datoteke), dnevnik(dnevnik),
      radneDirektorije(radneDirektorije), tablice(tablice), plan(plan),
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

    const bool pripremljeno = (izvor.opcija == 0 || izvor.opcija == 2)
                                  ? saInterneta()
                                  : saMrežneLokacije(izvor.mrežnaLokacija);
    return pripremljeno && plan.NapraviRsŠtoTrebaAžurirati();
}

bool PripremaVerzija::saInterneta() {
    dohvat.DohvatiTeamViewer(stanje.PutanjaPrograma, false);
    return dohvat.DohvatiVerzije(stanje.PutanjaUpdate, Prefiks, true);
}

bool PripremaVerzija::saMrežneLokacije(const QString& lokacija) {
    if (!datoteke.PostojiDatoteka(lokacija + ImeListeVerzija)) {
        if (!datoteke.PostojiDirektorija(lokacija))
            stanje.VrstaZadnjeGreške = VrstaGreske::IzvorNedostupan;
        return prekidanje.Prekini(
            PrefiksMreže, QStringLiteral("Ne postoji kontrolna datoteka na mrežnoj lokaciji: ") +
                              lokacija + Prekida);
    }

    if (!datoteke.PostojiDatoteka(stanje.PutanjaPrograma + ImeTeamViewera) &&
        datoteke.PostojiDatoteka(lokacija + ImeTeamViewera))
        std::ignore =
            datoteke.Kopiraj(lokacija + ImeTeamViewera, stanje.PutanjaPrograma + ImeTeamViewera);

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
    return true;
}

} // namespace velkor
