#include "catalogue/DohvatSaInterneta.h"

#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/OkviriPoruka.h"
#include "base/ZajednickiTekstovi.h"
#include "catalogue/PotvrdaIzdanja.h"

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

void DohvatSaInterneta::DohvatiTeamViewer(const QString& direktorija, const QString& privremena,
                                          bool sPorukom, const PotvrdaIzdanja& potvrda) {
    if (datoteke.PostojiDatoteka(direktorija + ImeTeamViewera))
        return;
    if (!downloadDatoteke(ImeTeamViewera, privremena, NajvišeTeamViewer))
        std::ignore = prekidanje.Prekini(
            PrefiksTeamViewera,
            QStringLiteral("Nije moguće učitati TeamViewerQS.exe sa interneta! ") + Provjerite,
            sPorukom);
    else if (!datoteke.PostojiDatoteka(privremena + ImeTeamViewera))
        dnevnik.LogirajGrešku(PrefiksTeamViewera +
                              QStringLiteral("Učitao sa interneta TeamViewerQS.exe, ali one ne "
                                             "postoje u ") +
                              privremena);
    else
        postaviTeamViewer(direktorija, privremena, potvrda);
}

// Put in place only when the release's hashes allow it.
void DohvatSaInterneta::postaviTeamViewer(const QString& direktorija, const QString& privremena,
                                          const PotvrdaIzdanja& potvrda) {
    const QString put = privremena + ImeTeamViewera;
    if (const QString greška = potvrda.ProvjeriDatoteku(ImeTeamViewera, put); !greška.isEmpty()) {
        dnevnik.LogirajGrešku(PrefiksTeamViewera + greška);
        std::ignore = datoteke.Obriši(put, true);
        return;
    }
    if (const Rezultat r = datoteke.Premjesti(put, direktorija + ImeTeamViewera); !r)
        dnevnik.LogirajGrešku(PrefiksTeamViewera + QStringLiteral("Greška u premještanju ") +
                              ImeTeamViewera + QLatin1Char(' ') + r.greška().opis);
}

bool DohvatSaInterneta::DohvatiSažetke(const QString& direktorija) {
    for (const QString& ime : {ImeSažetaka, ImePotpisa}) {
        const QString put = direktorija + ime;
        if (datoteke.PostojiDatoteka(put))
            if (const Rezultat r = datoteke.Obriši(put, true); !r)
                return prekidanje.Prekini(PrefiksTeamViewera,
                                          QStringLiteral("Greška u brisanju datoteke ") + put +
                                              QLatin1Char(' ') + r.greška().opis);
        // Not published is no error: the check of the release decides.
        std::ignore = downloadDatoteke(ime, direktorija, Sažeci::NajvećaVeličina);
    }
    return true;
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
