#include "app/Pokretanje.h"

#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/Postavke.h"
#include "base/Prozor.h"
#include "base/RadneDirektorije.h"
#include "base/Stanje.h"

namespace velkor {

namespace {

const QString NaslovIzDizajna =
    QStringLiteral("Velkor Live Update - Automatsko ažuriranje Velk-or programa");
const QString KrajPrograma =
    QStringLiteral("*************************** KRAJ PROGRAMA **********************************");

// "Potrebna ažuriranja", the tab of the plan grid.
constexpr int KarticaPlana = 0;

} // namespace

Pokretanje::Pokretanje(RadneDirektorije& radneDirektorije, Stanje& stanje, Prozor& prozor,
                       Datoteke& datoteke, Dnevnik& dnevnik, Postavke& postavke)
    : radneDirektorije(radneDirektorije), stanje(stanje), prozor(prozor), datoteke(datoteke),
      dnevnik(dnevnik), postavke(postavke) {}

QString Pokretanje::Naslov() {
    return NaslovIzDizajna + QStringLiteral(" V") + QString::number(VELKOR_VER_GL) +
           QLatin1Char('.') + QString::number(VELKOR_VER_POM) + QLatin1Char('.') +
           QString::number(VELKOR_VER_REV);
}

void Pokretanje::Form_Load(const std::function<bool()>& pripremiVerzijaTXT) {
    prozor.PostaviNaslov(Naslov());
    prozor.PrikažiKarticu(KarticaPlana);
    prozor.PostaviBoju(postavke.BojaIntegratora());
    if (!probaDirektorije()) {
        prozor.Poruka(QStringLiteral("Prijavljeni operater: ") + radneDirektorije.ImeKorisnika() +
                          QStringLiteral(" izgleda nema administratorska prava za instalaciju "
                                         "programa.\r\nProces automatskog ažuriranja novih "
                                         "verzija možda neće biti ispravan, ali ipak pokušajte!"),
                      Ikona::Kriticno, Gumbi::URedu, QStringLiteral("Velkor"));
    }
    postavke.UčitajPostavke();
    if (!pripremiVerzijaTXT())
        stanje.KrajPriAktiviranju = true;
}

void Pokretanje::Form_Activate() {
    if (stanje.KrajPriAktiviranju)
        prozor.ZavršiProgram();
}

void Pokretanje::Form_Unload() {
    dnevnik.LogirajGrešku(KrajPrograma);
}

void Pokretanje::cmdIzlaz_Click() {
    prozor.ZavršiProgram();
}

// The probe of the right to write beside the program; true when the probe
// directory could be created.
bool Pokretanje::probaDirektorije() {
    stanje.PutanjaPrograma = radneDirektorije.AplikacijskaDirektorijaSaRazdjelnikom();
    const QString proba = stanje.PutanjaPrograma + QStringLiteral("UpdateADM");
    if (datoteke.PostojiDirektorija(proba))
        std::ignore = datoteke.ObrišiDirektoriju(proba);
    const bool napravljena = bool(datoteke.NapraviDirektoriju(proba));
    std::ignore = datoteke.ObrišiDirektoriju(proba);
    return napravljena;
}

} // namespace velkor
