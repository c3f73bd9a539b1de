// The end of an installation: the new versions list, the clean-up, and the mark
// that tells an installation cut short from one that has ended.
#include "base/Datoteke.h"
#include "base/LogirajGresku.h"
#include "base/Prozor.h"
#include "base/Stanje.h"
#include "install/Povrat.h"
#include "install/UpdatePrograma.h"

namespace velkor {

namespace {

const QString Crlf = QStringLiteral("\r\n");
const QString Verzije = QStringLiteral("Verzije.txt");

} // namespace

// Kept out of the backup directory, whose files the rollback restores and counts.
QString InstalacijaPrograma::oznakaUTijeku() const {
    return d.stanje.PutanjaUpdate + QStringLiteral("Instalacija.u-tijeku");
}

bool InstalacijaPrograma::označiUTijeku() {
    const Ishod greška = d.datoteke.ZapišiCijelu(oznakaUTijeku(), QByteArray());
    if (!greška)
        return true;
    // Without the mark an interruption could cost the files moved aside.
    d.stanje.ZadnjaGreška = QStringLiteral("Nastala je greška u zapisivanju datoteke: ") +
                            oznakaUTijeku() + Crlf + QStringLiteral("Poruka o grešci je: ") +
                            greška->opis + Crlf + QStringLiteral("Prekida se ažuriranje!");
    logiraj(d.stanje.ZadnjaGreška);
    d.prozor.Poruka(d.stanje.ZadnjaGreška, Ikona::Usklicnik);
    return false;
}

void InstalacijaPrograma::PopraviPrekinutuInstalaciju() {
    if (!d.datoteke.PostojiDatoteka(oznakaUTijeku()))
        return;
    d.dnevnik.LogirajGrešku(
        QStringLiteral("PopraviPrekinutuInstalaciju - Prethodna instalacija je prekinuta prije "
                       "kraja. Datoteke premještene u ") +
        d.stanje.PutanjaUpdateBackup + QStringLiteral(" vraćaju se na svoja mjesta."));
    d.povrat.PokušajVratitiSveNaPočetak();
    d.datoteke.Obriši(oznakaUTijeku(), true);
}

// Failures are logged and passed over: every item is already in place.
void InstalacijaPrograma::zamijeniVerzije() {
    logiraj(QStringLiteral("Backup Verzije.txt"));
    if (Ishod greška = d.datoteke.Kopiraj(d.stanje.PutanjaPrograma + Verzije,
                                          d.stanje.PutanjaUpdateBackup + Verzije)) {
        d.stanje.ZadnjaGreška = QStringLiteral("Greška u premještanju u backup ") + Verzije +
                                QLatin1Char(' ') + greška->opis;
        logiraj(d.stanje.ZadnjaGreška);
    }
    logiraj(QStringLiteral("Kopiranje Verzije.txt"));
    if (Ishod greška = d.datoteke.Kopiraj(d.stanje.PutanjaUpdate + Verzije,
                                          d.stanje.PutanjaPrograma + Verzije)) {
        d.stanje.ZadnjaGreška =
            QStringLiteral("Greška u kopiranju ") + Verzije + QLatin1Char(' ') + greška->opis;
        logiraj(d.stanje.ZadnjaGreška);
    }
    d.prozor.PostaviStatus1(QString());
}

// The packages and the unpacked files go; the lists and the log stay.
void InstalacijaPrograma::počisti() {
    for (const char* uzorak : {"*.7z", "*.exe", "*.enc", "*.chm", "*.dll", "*.ocx"}) {
        const QString u = QString::fromLatin1(uzorak);
        if (u != QLatin1String("*.ocx"))
            logiraj(QStringLiteral("Brisanje fajlova ") + u);
        if (Ishod greška = d.datoteke.ObrišiPoUzorku(d.stanje.PutanjaUpdate + u, true))
            logiraj(QStringLiteral("Greška u brisanju fajlova ") + u + QStringLiteral(" - ") +
                    greška->opis);
    }
    const QString& backup = d.stanje.PutanjaUpdateBackup;
    logiraj(QStringLiteral("Brisanje direktorije ") + backup);
    if (Ishod greška = d.datoteke.ObrišiDirektoriju(backup.chopped(1)))
        logiraj(QStringLiteral("Greška u brisanju direktorije - ") + backup + greška->opis);
}

} // namespace velkor
