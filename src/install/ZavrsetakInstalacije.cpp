// The end of an installation: the new versions list and the clean-up.
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
