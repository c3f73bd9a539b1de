// The end of a run: the release put in place at the location. The packages to
// place are named in a mark first, so that a run cut short is finished by the
// next one; the location's list goes before the packages and comes back last,
// after the other lists, and meanwhile the other computers find no list rather
// than one that names packages no longer there.
#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/Stanje.h"
#include "base/ZajednickiTekstovi.h"
#include "catalogue/ZapisVerzije.h"
#include "distribute/PunjenjeLokacije.h"

namespace velkor {

namespace {

const QString Prefiks = QStringLiteral("Download na lokaciju- ");

} // namespace

QString PunjenjeLokacije::oznakaPostavljanja() const {
    return update + QStringLiteral("Postavljanje.u-tijeku");
}

bool PunjenjeLokacije::postaviIzdanje() {
    QByteArray zapis;
    for (const QString& paket : std::as_const(zaPostaviti))
        zapis += paket.toUtf8() + "\r\n";
    if (const Rezultat r = datoteke.ZapišiCijelu(oznakaPostavljanja(), zapis); !r) {
        prekini(Prefiks, QStringLiteral("Nastala je greška u zapisivanju datoteke: ") +
                             oznakaPostavljanja() + QStringLiteral(": ") + r.greška().opis +
                             QStringLiteral(". Prekida se ažuriranje!"));
        stanje.PopisGrešaka += NoviRed + stanje.ZadnjaGreška;
        return false;
    }
    return dovršiPostavljanje(zaPostaviti);
}

// A package no longer in Update/ is at the location already.
bool PunjenjeLokacije::dovršiPostavljanje(const QStringList& paketi) {
    const Rezultat uklonjen = datoteke.Obriši(lokacija + ImeListeVerzija, true);
    if (!uklonjen && uklonjen.greška().broj != BrojGreske::DatotekaNijePronađena) {
        prekini(Prefiks, QStringLiteral("Greška u brisanju datoteke ") + lokacija +
                             ImeListeVerzija + QStringLiteral(": ") + uklonjen.greška().opis +
                             QStringLiteral(". Prekida se ažuriranje!"));
        stanje.PopisGrešaka += NoviRed + stanje.ZadnjaGreška;
        return false;
    }
    for (const QString& paket : paketi)
        if (datoteke.PostojiDatoteka(update + paket) && !postaviNaLokaciju(paket))
            return false;
    kopirajPopise();
    if (const Rezultat r = datoteke.Obriši(oznakaPostavljanja(), true); !r)
        logiraj(Prefiks, QStringLiteral("Nastala je greška u brisanju datoteke: ") +
                             oznakaPostavljanja() + QStringLiteral(": ") + r.greška().opis);
    return true;
}

// Before the new lists are fetched over the ones the run cut short had fetched.
bool PunjenjeLokacije::dovršiPrekinuto() {
    if (!datoteke.PostojiDatoteka(oznakaPostavljanja()))
        return true;
    logiraj(Prefiks, QStringLiteral("Prethodno punjenje lokacije je prekinuto. Dovršava se "
                                    "postavljanje novih datoteka."));
    const std::optional<QByteArray> zapis = datoteke.Pročitaj(oznakaPostavljanja());
    if (!zapis)
        return prekini(Prefiks, QStringLiteral("Nastala je greška u čitanju datoteke: ") +
                                    oznakaPostavljanja() +
                                    QStringLiteral(". Prekida se ažuriranje!"));
    QStringList paketi;
    for (const QByteArray& red : zapis->split('\n'))
        if (const QString paket = QString::fromUtf8(red.trimmed());
            !paket.isEmpty() && !NeispravnoIme(paket))
            paketi << paket;
    return dovršiPostavljanje(paketi);
}

// Each list is written beside and renamed over, Verzije.txt last; the report
// names them in the usual order.
// The checked bytes; a run cut short is finished from what it had checked into Update/.
void PunjenjeLokacije::kopirajPopise() {
    const bool provjereno = !potvrda.Popis().isEmpty();
    const std::pair<QString, QByteArray> sažeci[] = {{ImeSažetaka, potvrda.SažeciBajtovi()},
                                                     {ImePotpisa, potvrda.PotpisBajtovi()}};
    for (const auto& [ime, bajtovi] : sažeci) {
        if (!provjereno && datoteke.PostojiDatoteka(update + ime))
            kopirajPopis(ime);
        else if (provjereno && !bajtovi.isEmpty())
            zapišiPopis(ime, bajtovi);
        else if (datoteke.PostojiDatoteka(lokacija + ime))
            // Left from a signed release, they would refuse the new list.
            std::ignore = datoteke.Obriši(lokacija + ime, true);
    }
    kopirajPopis(ImeListeVerzijaU);
    if (provjereno)
        zapišiPopis(ImeListeVerzija, potvrda.Popis());
    else
        kopirajPopis(ImeListeVerzija);
}

} // namespace velkor
