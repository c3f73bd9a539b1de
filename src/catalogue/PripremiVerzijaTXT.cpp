#include "catalogue/PripremaVerzija.h"

#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/Prozor.h"
#include "base/RadneDirektorije.h"
#include "base/Stanje.h"
#include "catalogue/PlanAzuriranja.h"
#include "catalogue/TablicneDatoteke.h"

namespace velkor {

namespace {

const QString Verzije = QStringLiteral("Verzije.txt");
const QString TeamViewer = QStringLiteral("TeamViewerQS.exe");
const QString Prefiks = QStringLiteral("PripremiVerzijaTXT- ");
// The network branch's own prefix carries two blanks.
const QString PrefiksMreže = QStringLiteral("PripremiVerzijaTXT-  ");
const QString PrefiksTeamViewera = QStringLiteral("Download na lokaciju- ");
const QString Prekida = QStringLiteral(" Prekida se ažuriranje!");
const QString NemaPodataka = QStringLiteral("Podaci o novim verzijama na postoje na lokaciji: ");

} // namespace

PripremaVerzija::PripremaVerzija(Stanje& stanje, Prozor& prozor, Datoteke& datoteke,
                                 Dnevnik& dnevnik, RadneDirektorije& radneDirektorije,
                                 TablicneDatoteke& tablice, PlanAžuriranja& plan,
                                 DownloadDatoteke downloadDatoteke)
    : stanje(stanje), prozor(prozor), datoteke(datoteke), dnevnik(dnevnik),
      radneDirektorije(radneDirektorije), tablice(tablice), plan(plan),
      downloadDatoteke(std::move(downloadDatoteke)) {}

bool PripremaVerzija::prekini(const QString& poruka, const QString& prefiks) {
    stanje.ZadnjaGreška = poruka;
    dnevnik.LogirajGrešku(prefiks + poruka);
    prozor.Poruka(poruka, Ikona::Usklicnik);
    return false;
}

bool PripremaVerzija::PripremiVerzijaTXT() {
    if (!radneDirektorije.PostaviRadneDirektorije())
        return false;

    const QString instalirane = stanje.PutanjaPrograma + Verzije;
    if (!datoteke.PostojiDatoteka(instalirane))
        return prekini(QStringLiteral("Ne postoji datoteka ") + instalirane +
                           QStringLiteral(" Program za automatsko ažuriranje novih programa mora "
                                          "prestati sa ažuriranjem. Molimo da o ovoj poruci "
                                          "izvjestite Velkor tim za podršku."),
                       Prefiks);
    if (!tablice.UčitajMatricu(stanje.StareVerzije, instalirane))
        return prekini(QStringLiteral("PripremiVerzijaTXT - Desila se greška u čitanju zapisa u "
                                      "matricu. Prekida se ažuriranje!"),
                       Prefiks);

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
    if (!datoteke.PostojiDatoteka(stanje.PutanjaPrograma + TeamViewer)) {
        if (!downloadDatoteke(TeamViewer, stanje.PutanjaPrograma)) {
            stanje.ZadnjaGreška =
                QStringLiteral("Nije moguće učitati TeamViewerQS.exe sa interneta! "
                               "Provjerite vezu sa internetom i pokušajte ponovno!");
            dnevnik.LogirajGrešku(PrefiksTeamViewera + stanje.ZadnjaGreška);
        } else if (!datoteke.PostojiDatoteka(stanje.PutanjaPrograma + TeamViewer)) {
            dnevnik.LogirajGrešku(PrefiksTeamViewera +
                                  QStringLiteral("Učitao sa interneta TeamViewerQS.exe, ali one ne "
                                                 "postoje u ") +
                                  stanje.PutanjaPrograma);
        }
    }

    if (!downloadDatoteke(Verzije, stanje.PutanjaUpdate))
        return prekini(QStringLiteral("Nije moguće učitati kontrolnu datoteku sa interneta! "
                                      "Provjerite vezu sa internetom i pokušajte ponovno!") +
                           Prekida,
                       Prefiks);
    if (!datoteke.PostojiDatoteka(stanje.PutanjaUpdate + Verzije)) {
        dnevnik.LogirajGrešku(
            Prefiks + QStringLiteral("Učitao sa interneta Verzije.txt ali one ne postoje u ") +
            stanje.PutanjaUpdate);
        prozor.Poruka(NemaPodataka + stanje.PutanjaUpdate, Ikona::Nema);
        return false;
    }
    return true;
}

bool PripremaVerzija::saMrežneLokacije(const QString& lokacija) {
    if (!datoteke.PostojiDatoteka(lokacija + Verzije))
        return prekini(QStringLiteral("Ne postoji kontrolna datoteka na mrežnoj lokaciji: ") +
                           lokacija + Prekida,
                       PrefiksMreže);

    if (!datoteke.PostojiDatoteka(stanje.PutanjaPrograma + TeamViewer) &&
        datoteke.PostojiDatoteka(lokacija + TeamViewer))
        datoteke.Kopiraj(lokacija + TeamViewer, stanje.PutanjaPrograma + TeamViewer);

    const QString nove = stanje.PutanjaUpdate + Verzije;
    if (datoteke.Obriši(nove, false)) {
        stanje.ZadnjaGreška = QStringLiteral("Greška u brisanju datoteke ") + nove;
        dnevnik.LogirajGrešku(QStringLiteral("KI-PripremiVerzijaTXT- ") + stanje.ZadnjaGreška);
    }

    if (datoteke.Kopiraj(lokacija + Verzije, nove))
        return prekini(QStringLiteral("Nije moguće učitati kontrolnu datoteku sa mrežne lokacije! "
                                      "Provjerite i pokušajte ponovno!") +
                           Prekida,
                       Prefiks);
    if (!datoteke.PostojiDatoteka(nove)) {
        dnevnik.LogirajGrešku(PrefiksMreže +
                              QStringLiteral("Kopirao sa mrežne lokacije Verzije.txt, ali ona ne "
                                             "postoji u ") +
                              lokacija);
        prozor.Poruka(NemaPodataka + lokacija, Ikona::Nema);
        return false;
    }
    return true;
}

} // namespace velkor
