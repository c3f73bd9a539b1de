// The mark of an installation in progress and the repair at start-up of one cut
// short. The mark holds the planned items and whether each had a file before;
// once every new file and the new list are in place it holds the commit word.
// Each write of it goes beside and is renamed over, so a crash leaves one or
// the other.
#include "base/DatotekaPokrajCilja.h"
#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/OkviriPoruka.h"
#include "base/Stanje.h"
#include "base/ZajednickiTekstovi.h"
#include "catalogue/ZapisVerzije.h"
#include "install/InstalacijaPrograma.h"
#include "install/Povrat.h"
#include "install/Registracija.h"

namespace velkor {

namespace {

const QByteArray Završena = QByteArrayLiteral("gotovo");
const QString PrefiksPopravka = QStringLiteral("PopraviPrekinutuInstalaciju - ");
// An item that had no file before the installation: a repair removes its new one.
constexpr char NovaStavka = '0';

} // namespace

// Kept out of the backup directory, whose files the rollback restores and counts.
QString InstalacijaPrograma::oznakaUTijeku() const {
    return dijelovi.stanje.PutanjaUpdate + QStringLiteral("Instalacija.u-tijeku");
}

// Written before the first file is moved aside: "name;1" for an item that has a
// file to put back, "name;0" for one that is new.
bool InstalacijaPrograma::označiUTijeku() {
    QByteArray zapis;
    for (int red = 0; red < Matrica::Redaka; ++red) {
        const ZapisVerzije stavka(dijelovi.stanje.NoveVerzije, red);
        const std::optional<Mjesto> mjesto =
            stavka.Planiran() ? mjestoStavke(stavka.Ime()) : std::nullopt;
        if (!mjesto)
            continue;
        const bool postoji = dijelovi.datoteke.PostojiDatoteka(mjesto->direktorija + stavka.Ime());
        zapis += stavka.Ime().toUtf8() + ';' + (postoji ? '1' : NovaStavka) + "\r\n";
    }
    const Rezultat zapisano = dijelovi.datoteke.ZapišiCijelu(oznakaUTijeku(), zapis);
    if (zapisano)
        return true;
    // Without the mark an interruption could cost the files moved aside.
    return prekidanje.Prekini(
        Prefiks, QStringLiteral("Nastala je greška u zapisivanju datoteke: ") + oznakaUTijeku() +
                     NoviRed + QStringLiteral("Poruka o grešci je: ") + zapisano.greška().opis +
                     NoviRed + QStringLiteral("Prekida se ažuriranje!"));
}

// A commit that will not be written leaves the mark of one in progress, which
// would undo the installation at the next start: the mark goes instead, or else
// the backup stays for that undoing.
void InstalacijaPrograma::završi() {
    if (const Rezultat r = dijelovi.datoteke.ZapišiCijelu(oznakaUTijeku(), Završena); !r) {
        logiraj(QStringLiteral("Nastala je greška u zapisivanju datoteke: ") + oznakaUTijeku() +
                NoviRed + QStringLiteral("Poruka o grešci je: ") + r.greška().opis);
        if (!obrišiOznaku(Prefiks))
            return;
        std::ignore = počisti(Prefiks);
        return;
    }
    if (počisti(Prefiks))
        std::ignore = obrišiOznaku(Prefiks);
}

bool InstalacijaPrograma::obrišiOznaku(const QString& prefiks) {
    const Rezultat r = dijelovi.datoteke.Obriši(oznakaUTijeku(), true);
    if (!r)
        dijelovi.dnevnik.LogirajGrešku(
            prefiks + QStringLiteral("Nastala je greška u brisanju datoteke: ") + oznakaUTijeku() +
            NoviRed + QStringLiteral("Poruka o grešci je: ") + r.greška().opis);
    return bool(r);
}

void InstalacijaPrograma::PopraviPrekinutuInstalaciju() {
    Datoteke& datoteke = dijelovi.datoteke;
    const Stanje& stanje = dijelovi.stanje;
    if (!datoteke.PostojiDatoteka(oznakaUTijeku())) {
        // Emptied or made for an installation that then never began.
        if (datoteke.PostojiDirektorija(stanje.PutanjaUpdateBackup) &&
            datoteke.DatotekeDirektorije(stanje.PutanjaUpdateBackup).isEmpty())
            std::ignore = datoteke.ObrišiDirektoriju(stanje.PutanjaUpdateBackup.chopped(1));
        return;
    }
    // Half a copy beside a file it was to replace.
    for (const QString& direktorija :
         {stanje.PutanjaPrograma, stanje.PutanjaSkripti, stanje.PutanjaHelp})
        if (datoteke.PostojiDirektorija(direktorija))
            ObrišiNedovršene(datoteke, direktorija);

    const std::optional<QByteArray> zapis = datoteke.Pročitaj(oznakaUTijeku());
    bool popravljena = zapis.has_value();
    if (zapis && *zapis == Završena) {
        logirajPopravak(QStringLiteral("Prethodna instalacija je prekinuta nakon što su nove "
                                       "datoteke postavljene. Dovršava se čišćenje."));
        popravljena = počisti(PrefiksPopravka);
    } else if (zapis) {
        logirajPopravak(
            QStringLiteral(
                "Prethodna instalacija je prekinuta prije kraja. Datoteke premještene u ") +
            stanje.PutanjaUpdateBackup + QStringLiteral(" vraćaju se na svoja mjesta."));
        // Each step is tried; what failed keeps the backup and the mark for the next start.
        popravljena = dijelovi.povrat.PokušajVratitiSveNaPočetak();
        popravljena = ukloniNoveStavke(*zapis) && popravljena;
        popravljena = popravljena && ukloniBackup(PrefiksPopravka);
    }
    if (popravljena && obrišiOznaku(PrefiksPopravka)) {
        logirajPopravak(QStringLiteral("Kraj"));
        dijelovi.stanje.PrekinutaInstalacijaPopravljena = true;
        return;
    }
    const QString tekst =
        QStringLiteral("Nije uspio popravak prekinute instalacije. Datoteke prethodne verzije "
                       "ostaju u ") +
        stanje.PutanjaUpdateBackup +
        QStringLiteral(", a popravak će se ponoviti pri sljedećem pokretanju programa.") + NoviRed +
        QStringLiteral("Ukoliko ne uspije najvjerojatnije ćete morati reinstalirati program!");
    logirajPopravak(tekst);
    dijelovi.poruke.Poruka(tekst, Ikona::Kriticno);
}

// The items that had no file before go, components forgotten by the system
// first; those not reached yet are not there.
bool InstalacijaPrograma::ukloniNoveStavke(const QByteArray& zapis) {
    bool sve = true;
    for (const QByteArray& redak : zapis.split('\n')) {
        const QByteArray red = redak.trimmed();
        const QString ime = QString::fromUtf8(red.chopped(std::min<qsizetype>(2, red.size())));
        const std::optional<Mjesto> mjesto = mjestoStavke(ime);
        if (!red.endsWith(QByteArray(";") + NovaStavka) || !mjesto || NeispravnoIme(ime))
            continue;
        const QString& direktorija = mjesto->direktorija;
        if (!dijelovi.datoteke.PostojiDatoteka(direktorija + ime))
            continue;
        logirajPopravak(QStringLiteral("Brisanje nove datoteke: ") + ime);
        if (mjesto->komponenta)
            std::ignore = dijelovi.registracija.Deregistriraj(direktorija, ime);
        if (const Rezultat r = dijelovi.datoteke.Obriši(direktorija + ime, true); !r) {
            logirajPopravak(QStringLiteral("Nastala je greška u brisanju datoteke: ") + ime +
                            NoviRed + QStringLiteral("Poruka o grešci je: ") + r.greška().opis);
            sve = false;
        }
    }
    return sve;
}

void InstalacijaPrograma::logirajPopravak(const QString& poruka) {
    dijelovi.dnevnik.LogirajGrešku(PrefiksPopravka + poruka);
}

} // namespace velkor
