// The end of an installation: the new versions list, the clean-up, and the mark
// that tells an installation cut short from one that has ended.
#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/Napredak.h"
#include "base/OkviriPoruka.h"
#include "base/Stanje.h"
#include "base/ZajednickiTekstovi.h"
#include "catalogue/PotvrdaIzdanja.h"
#include "install/InstalacijaPrograma.h"
#include "install/Povrat.h"

namespace velkor {

namespace {

// The mark's phase once nothing is left to put back; an empty mark is an
// installation in progress.
const QByteArray Završena = QByteArrayLiteral("gotovo");
const QString PrefiksPopravka = QStringLiteral("PopraviPrekinutuInstalaciju - ");

} // namespace

// Kept out of the backup directory, whose files the rollback restores and counts.
QString InstalacijaPrograma::oznakaUTijeku() const {
    return dijelovi.stanje.PutanjaUpdate + QStringLiteral("Instalacija.u-tijeku");
}

bool InstalacijaPrograma::označiUTijeku() {
    const Rezultat zapisano = dijelovi.datoteke.ZapišiCijelu(oznakaUTijeku(), QByteArray());
    if (zapisano)
        return true;
    // Without the mark an interruption could cost the files moved aside.
    return prekidanje.Prekini(
        Prefiks, QStringLiteral("Nastala je greška u zapisivanju datoteke: ") + oznakaUTijeku() +
                     NoviRed + QStringLiteral("Poruka o grešci je: ") + zapisano.greška().opis +
                     NoviRed + QStringLiteral("Prekida se ažuriranje!"));
}

// The phase goes in first: a mark that then will not go tells the next start that
// the installation has ended, and nothing is rolled back over the new files.
void InstalacijaPrograma::ukloniOznaku(const QString& prefiks) {
    const QString oznaka = oznakaUTijeku();
    if (const Rezultat r = dijelovi.datoteke.ZapišiCijelu(oznaka, Završena); !r)
        dijelovi.dnevnik.LogirajGrešku(
            prefiks + QStringLiteral("Nastala je greška u zapisivanju datoteke: ") + oznaka +
            NoviRed + QStringLiteral("Poruka o grešci je: ") + r.greška().opis);
    if (const Rezultat r = dijelovi.datoteke.Obriši(oznaka, true); !r)
        dijelovi.dnevnik.LogirajGrešku(
            prefiks + QStringLiteral("Nastala je greška u brisanju datoteke: ") + oznaka + NoviRed +
            QStringLiteral("Poruka o grešci je: ") + r.greška().opis);
}

void InstalacijaPrograma::PopraviPrekinutuInstalaciju() {
    if (!dijelovi.datoteke.PostojiDatoteka(oznakaUTijeku()))
        return;
    if (dijelovi.datoteke.Pročitaj(oznakaUTijeku()) == Završena) {
        dijelovi.dnevnik.LogirajGrešku(
            PrefiksPopravka +
            QStringLiteral("Prethodna instalacija je završena, a njena oznaka nije obrisana."));
    } else {
        dijelovi.dnevnik.LogirajGrešku(
            PrefiksPopravka +
            QStringLiteral(
                "Prethodna instalacija je prekinuta prije kraja. Datoteke premještene u ") +
            dijelovi.stanje.PutanjaUpdateBackup + QStringLiteral(" vraćaju se na svoja mjesta."));
        dijelovi.povrat.PokušajVratitiSveNaPočetak();
    }
    ukloniOznaku(PrefiksPopravka);
}

// A failed backup of the old list is logged and passed over; a new list that
// cannot be put in place fails the installation, or the next check would offer
// again what was just installed.
bool InstalacijaPrograma::zamijeniVerzije() {
    logiraj(QStringLiteral("Backup Verzije.txt"));
    if (const Rezultat r =
            dijelovi.datoteke.Kopiraj(dijelovi.stanje.PutanjaPrograma + ImeListeVerzija,
                                      dijelovi.stanje.PutanjaUpdateBackup + ImeListeVerzija);
        !r) {
        dijelovi.stanje.ZadnjaGreška = QStringLiteral("Greška u premještanju u backup ") +
                                       ImeListeVerzija + QLatin1Char(' ') + r.greška().opis;
        logiraj(dijelovi.stanje.ZadnjaGreška);
    }
    if (!zamijeniSažetke())
        return false;
    logiraj(QStringLiteral("Kopiranje Verzije.txt"));
    if (const Rezultat r =
            dijelovi.datoteke.Kopiraj(dijelovi.stanje.PutanjaUpdate + ImeListeVerzija,
                                      dijelovi.stanje.PutanjaPrograma + ImeListeVerzija);
        !r)
        return odustani(QStringLiteral("Greška u kopiranju ") + ImeListeVerzija + QLatin1Char(' ') +
                        r.greška().opis);
    dijelovi.napredak.PostaviStatus1(QString());
    return true;
}

// Written from the bytes that were checked; where none came, the old ones go, or
// they would describe a list that is no longer there. The old ones are kept in
// the backup for a rollback.
bool InstalacijaPrograma::zamijeniSažetke() {
    const std::pair<QString, QByteArray> sažeci[] = {
        {ImeSažetaka, dijelovi.potvrda.SažeciBajtovi()},
        {ImePotpisa, dijelovi.potvrda.PotpisBajtovi()}};
    for (const auto& [ime, bajtovi] : sažeci) {
        const QString put = dijelovi.stanje.PutanjaPrograma + ime;
        const bool postoji = dijelovi.datoteke.PostojiDatoteka(put);
        if (postoji) {
            if (const Rezultat r =
                    dijelovi.datoteke.Kopiraj(put, dijelovi.stanje.PutanjaUpdateBackup + ime);
                !r)
                return odustani(QStringLiteral("Greška u premještanju u backup ") + ime +
                                QLatin1Char(' ') + r.greška().opis);
        }
        const Rezultat r = !bajtovi.isEmpty() ? dijelovi.datoteke.ZapišiCijelu(put, bajtovi)
                           : postoji          ? dijelovi.datoteke.Obriši(put, true)
                                              : Rezultat();
        if (!r)
            return odustani(QStringLiteral("Greška u kopiranju ") + ime + QLatin1Char(' ') +
                            r.greška().opis);
    }
    return true;
}

// The packages and the unpacked files go; the lists and the log stay.
void InstalacijaPrograma::počisti() {
    for (const char* uzorak : {"*.7z", "*.exe", "*.enc", "*.chm", "*.dll", "*.ocx"}) {
        const QString u = QString::fromLatin1(uzorak);
        if (u != QLatin1String("*.ocx"))
            logiraj(QStringLiteral("Brisanje fajlova ") + u);
        if (const Rezultat r =
                dijelovi.datoteke.ObrišiPoUzorku(dijelovi.stanje.PutanjaUpdate + u, true);
            !r)
            logiraj(QStringLiteral("Greška u brisanju fajlova ") + u + QStringLiteral(" - ") +
                    r.greška().opis);
    }
    const QString& backup = dijelovi.stanje.PutanjaUpdateBackup;
    logiraj(QStringLiteral("Brisanje direktorije ") + backup);
    if (const Rezultat r = dijelovi.datoteke.ObrišiDirektoriju(backup.chopped(1)); !r)
        logiraj(QStringLiteral("Greška u brisanju direktorije - ") + backup + r.greška().opis);
}

} // namespace velkor
