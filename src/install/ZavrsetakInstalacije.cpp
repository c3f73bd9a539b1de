// The end of an installation: the new versions list, the clean-up, and the mark
// that tells an installation cut short from one that has ended.
#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/Napredak.h"
#include "base/OkviriPoruka.h"
#include "base/Stanje.h"
#include "base/ZajednickiTekstovi.h"
#include "install/InstalacijaPrograma.h"
#include "install/Povrat.h"

namespace velkor {

namespace {} // namespace

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

void InstalacijaPrograma::PopraviPrekinutuInstalaciju() {
    if (!dijelovi.datoteke.PostojiDatoteka(oznakaUTijeku()))
        return;
    dijelovi.dnevnik.LogirajGrešku(
        QStringLiteral("PopraviPrekinutuInstalaciju - Prethodna instalacija je prekinuta prije "
                       "kraja. Datoteke premještene u ") +
        dijelovi.stanje.PutanjaUpdateBackup + QStringLiteral(" vraćaju se na svoja mjesta."));
    dijelovi.povrat.PokušajVratitiSveNaPočetak();
    std::ignore = dijelovi.datoteke.Obriši(oznakaUTijeku(), true);
}

// Failures are logged and passed over: every item is already in place.
void InstalacijaPrograma::zamijeniVerzije() {
    logiraj(QStringLiteral("Backup Verzije.txt"));
    if (const Rezultat r =
            dijelovi.datoteke.Kopiraj(dijelovi.stanje.PutanjaPrograma + ImeListeVerzija,
                                      dijelovi.stanje.PutanjaUpdateBackup + ImeListeVerzija);
        !r) {
        dijelovi.stanje.ZadnjaGreška = QStringLiteral("Greška u premještanju u backup ") +
                                       ImeListeVerzija + QLatin1Char(' ') + r.greška().opis;
        logiraj(dijelovi.stanje.ZadnjaGreška);
    }
    logiraj(QStringLiteral("Kopiranje Verzije.txt"));
    if (const Rezultat r =
            dijelovi.datoteke.Kopiraj(dijelovi.stanje.PutanjaUpdate + ImeListeVerzija,
                                      dijelovi.stanje.PutanjaPrograma + ImeListeVerzija);
        !r) {
        dijelovi.stanje.ZadnjaGreška = QStringLiteral("Greška u kopiranju ") + ImeListeVerzija +
                                       QLatin1Char(' ') + r.greška().opis;
        logiraj(dijelovi.stanje.ZadnjaGreška);
    }
    dijelovi.napredak.PostaviStatus1(QString());
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
