#include "catalogue/PripremaVerzija.h"

#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/Prozor.h"
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

PripremaVerzija::PripremaVerzija(Stanje& stanje, Prozor& prozor, Datoteke& datoteke,
                                 Dnevnik& dnevnik, RadneDirektorije& radneDirektorije,
                                 TablicneDatoteke& tablice, PlanAžuriranja& plan,
                                 DownloadDatoteke downloadDatoteke)
    : stanje(stanje), prozor(prozor), datoteke(datoteke), dnevnik(dnevnik),
      radneDirektorije(radneDirektorije), tablice(tablice), plan(plan),
      dohvat(stanje, prozor, datoteke, dnevnik, std::move(downloadDatoteke)),
      prekidanje(stanje, dnevnik, prozor) {}

bool PripremaVerzija::PripremiVerzijaTXT() {
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

    const int opcija = prozor.OdabranaOpcija();
    const bool pripremljeno =
        (opcija == 0 || opcija == 2) ? saInterneta() : saMrežneLokacije(prozor.TekstLokacije(0));
    if (!pripremljeno)
        return false;

    const bool rezultat = plan.NapraviRsŠtoTrebaAžurirati();
    prozor.OmogućiDownload(rezultat);
    return rezultat;
}

bool PripremaVerzija::saInterneta() {
    dohvat.DohvatiTeamViewer(stanje.PutanjaPrograma, false);
    return dohvat.DohvatiVerzije(stanje.PutanjaUpdate, Prefiks, true);
}

bool PripremaVerzija::saMrežneLokacije(const QString& lokacija) {
    if (!datoteke.PostojiDatoteka(lokacija + ImeListeVerzija))
        return prekidanje.Prekini(
            PrefiksMreže, QStringLiteral("Ne postoji kontrolna datoteka na mrežnoj lokaciji: ") +
                              lokacija + Prekida);

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
        prozor.Poruka(NemaPodatakaOVerzijama + lokacija, Ikona::Nema);
        return false;
    }
    return true;
}

} // namespace velkor
