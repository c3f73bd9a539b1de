#include "acquire/Akvizicija.h"

#include "base/Datoteke.h"
#include "base/Napredak.h"
#include "base/Sat.h"
#include "base/Stanje.h"
#include "base/VrijemePrijenosa.h"
#include "base/ZajednickiTekstovi.h"
#include "catalogue/ImePaketa.h"
#include "catalogue/PlanAzuriranja.h"
#include "catalogue/ZapisVerzije.h"

namespace velkor {

bool Akvizicija::SnimitiSaInterneta() {
    if (!započni(QStringLiteral("SnimitiSaInterneta")))
        return false;
    if (!dohvatiPakete([this](int red, const QString& ime, const QString& paket) {
            return dohvatiSaInterneta(ime, paket,
                                      ZapisVerzije(stanje.NoveVerzije, red).NajvišeDownload());
        }))
        return false;
    napredak.PostaviStatus1(QStringLiteral("Čekanje da se sve raspakira ..."));
    sat.Pričekaj(SekundiČekanja);
    stanje.PočetakPrijenosa = SekundeOdPonoći(sat.Sada().time());
    napredak.SakrijProgres();
    return provjeriDatoteke(false) && uspjeh();
}

bool Akvizicija::dohvatiSaInterneta(const QString& ime, const QString& paket, qint64 najviše) {
    const QString put = stanje.PutanjaUpdate + paket;
    logiraj(QStringLiteral("Provjera postojanja fajla ") + paket);
    if (datoteke.PostojiDatoteka(put)) {
        logiraj(QStringLiteral("Nađena 7z datoteka: ") + put +
                QStringLiteral(" pa je treba obrisati!"));
        // Not fatal: the download then meets the file and reports for itself.
        if (const Rezultat obrisano = datoteke.Obriši(put, true); !obrisano) {
            stanje.ZadnjaGreška = QStringLiteral("Nije uspješno izbrisana 7z datoteka: ") + put +
                                  QStringLiteral(" pa je to problem: ") + obrisano.greška().opis;
            logiraj(stanje.ZadnjaGreška);
        }
    }
    logiraj(QStringLiteral("Početak skidanja ") + paket);
    plan.OznačiStanjeStavke(ime, StanjeStavke::Preuzimanje);
    if (!downloadDatoteke(paket, stanje.PutanjaUpdate, najviše)) {
        // The engine has logged why; the list tells which package stopped the run.
        stanje.PopisGrešaka += NoviRed + QStringLiteral("Greška u downloadu datoteke ") + paket +
                               QStringLiteral(". Prekida se ažuriranje!");
        return neuspjeh();
    }
    if (!datoteke.PostojiDatoteka(put))
        return prekini(QStringLiteral("Nije nađena 7z datoteka: ") + put +
                           QStringLiteral(" pa je nije moguće instalirati. Prekida se ažuriranje!"),
                       false);
    return true;
}

} // namespace velkor
