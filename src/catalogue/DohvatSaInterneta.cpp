#include "catalogue/DohvatSaInterneta.h"

#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/OkviriPoruka.h"
#include "base/ZajednickiTekstovi.h"

#include <tuple>

namespace velkor {

namespace {

const QString PrefiksTeamViewera = QStringLiteral("Download na lokaciju- ");
const QString Provjerite = QStringLiteral("Provjerite vezu sa internetom i pokušajte ponovno!");

} // namespace

DohvatSaInterneta::DohvatSaInterneta(Stanje& stanje, OkviriPoruka& poruke, Datoteke& datoteke,
                                     Dnevnik& dnevnik, DownloadDatoteke downloadDatoteke)
    : poruke(poruke), datoteke(datoteke), dnevnik(dnevnik),
      downloadDatoteke(std::move(downloadDatoteke)), prekidanje(stanje, dnevnik, poruke) {}

void DohvatSaInterneta::DohvatiTeamViewer(const QString& direktorija, bool sPorukom) {
    if (datoteke.PostojiDatoteka(direktorija + ImeTeamViewera))
        return;
    if (!downloadDatoteke(ImeTeamViewera, direktorija, NajvišeTeamViewer))
        std::ignore = prekidanje.Prekini(
            PrefiksTeamViewera,
            QStringLiteral("Nije moguće učitati TeamViewerQS.exe sa interneta! ") + Provjerite,
            sPorukom);
    else if (!datoteke.PostojiDatoteka(direktorija + ImeTeamViewera))
        dnevnik.LogirajGrešku(PrefiksTeamViewera +
                              QStringLiteral("Učitao sa interneta TeamViewerQS.exe, ali one ne "
                                             "postoje u ") +
                              direktorija);
}

bool DohvatSaInterneta::DohvatiVerzije(const QString& direktorija, const QString& prefiks,
                                       bool sPorukom) {
    if (!downloadDatoteke(ImeListeVerzija, direktorija, NajvišePopis))
        return prekidanje.Prekini(prefiks,
                                  QStringLiteral("Nije moguće učitati kontrolnu datoteku sa "
                                                 "interneta! ") +
                                      Provjerite + QStringLiteral(" Prekida se ažuriranje!"),
                                  sPorukom);
    if (datoteke.PostojiDatoteka(direktorija + ImeListeVerzija))
        return true;
    dnevnik.LogirajGrešku(prefiks +
                          QStringLiteral("Učitao sa interneta Verzije.txt ali one ne postoje u ") +
                          direktorija);
    if (sPorukom)
        poruke.Poruka(NemaPodatakaOVerzijama + direktorija, Ikona::Nema);
    return false;
}

} // namespace velkor
