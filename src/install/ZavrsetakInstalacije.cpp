// The end of an installation: the new versions list and the clean-up.
#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/Napredak.h"
#include "base/OkviriPoruka.h"
#include "base/Stanje.h"
#include "base/ZajednickiTekstovi.h"
#include "install/InstalacijaPrograma.h"
#include "install/Povrat.h"

namespace velkor {

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

// The packages and the unpacked files go; the lists and the log stay.
bool InstalacijaPrograma::počisti(const QString& prefiks) {
    for (const char* uzorak : {"*.7z", "*.exe", "*.enc", "*.chm", "*.dll", "*.ocx"}) {
        const QString u = QString::fromLatin1(uzorak);
        if (u != QLatin1String("*.ocx"))
            dijelovi.dnevnik.LogirajGrešku(prefiks + QStringLiteral("Brisanje fajlova ") + u);
        if (const Rezultat r =
                dijelovi.datoteke.ObrišiPoUzorku(dijelovi.stanje.PutanjaUpdate + u, true);
            !r)
            dijelovi.dnevnik.LogirajGrešku(prefiks + QStringLiteral("Greška u brisanju fajlova ") +
                                           u + QStringLiteral(" - ") + r.greška().opis);
    }
    return ukloniBackup(prefiks);
}

// Gone already when an interrupted clean-up is finished.
bool InstalacijaPrograma::ukloniBackup(const QString& prefiks) {
    const QString& backup = dijelovi.stanje.PutanjaUpdateBackup;
    if (!dijelovi.datoteke.PostojiDirektorija(backup))
        return true;
    dijelovi.dnevnik.LogirajGrešku(prefiks + QStringLiteral("Brisanje direktorije ") + backup);
    const Rezultat r = dijelovi.datoteke.ObrišiDirektoriju(backup.chopped(1));
    if (!r)
        dijelovi.dnevnik.LogirajGrešku(prefiks +
                                       QStringLiteral("Greška u brisanju direktorije - ") + backup +
                                       r.greška().opis);
    return bool(r);
}

} // namespace velkor
