// The child of the crash test: an installation, the repair at start-up, or a
// distribution run, on directories the test made, through file operations that
// end the process at the given change. Prints the changes made and whether an
// interrupted installation was repaired.
//   velkor_prekid instalacija|popravak|distribucija <program> <WinDir> <change>
//                 <published directory> <location>
#include "base/ZajednickiTekstovi.h"
#include "catalogue/PlanAzuriranja.h"
#include "catalogue/PotvrdaIzdanja.h"
#include "distribute/PunjenjeLokacije.h"
#include "install/DetekcijaPrograma.h"
#include "install/InstalacijaPrograma.h"
#include "install/Povrat.h"
#include "install/Registracija.h"
#include "support/Instalacija.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTextStream>

using namespace velkor;
using namespace velkor::test;

int main(int argc, char** argv) {
    QCoreApplication aplikacija(argc, argv);
    const QStringList a = aplikacija.arguments();
    Stanje stanje;
    LažniProzor prozor;
    NeispravneDatoteke datoteke;
    datoteke.prekidNaPromjeni = a.value(4).toInt();
    LažnaPlatforma platforma;
    platforma.okolina.insert(QStringLiteral("WinDir"), a.value(3));
    FiksniSat sat;
    FiksnoRegionalno regionalno;
    Dnevnik dnevnik(a.value(2), datoteke, prozor, sat, regionalno);
    RadneDirektorije radne(a.value(2), stanje, prozor, datoteke, platforma);
    radne.PostaviPutanje();
    Registracija registracija(platforma, dnevnik);
    Povrat povrat(stanje, prozor, prozor, datoteke, dnevnik, registracija);
    PlanAžuriranja plan(stanje, prozor, prozor, datoteke, dnevnik);
    DetekcijaPrograma detekcija(platforma, prozor, dnevnik);
    TablicneDatoteke tablice(datoteke, prozor, dnevnik, stanje);
    QSettingsSpremište spremište(
        std::make_unique<QSettings>(a.value(2) + "/../postavke.ini", QSettings::IniFormat));
    // No key: the release's hashes, where none came, let every file pass.
    PotvrdaIzdanja potvrda(stanje, prozor, datoteke, dnevnik, tablice, spremište, sat,
                           a.value(2) + QLatin1Char('/'));
    InstalacijaPrograma instalacija({stanje, prozor, prozor, datoteke, dnevnik, radne, plan,
                                     detekcija, registracija, povrat, potvrda,
                                     [] { return true; }});
    PunjenjeLokacije punjenje(
        stanje, prozor, prozor, prozor, datoteke, dnevnik, tablice, spremište, sat,
        a.value(2) + QLatin1Char('/'),
        [&](const QString& ime, const QString& direktorija, qint64) {
            return bool(datoteke.Kopiraj(a.value(5) + QLatin1Char('/') + ime, direktorija + ime));
        },
        {[] {}, [] {}, [] { return QString(); }});

    bool uspjeh = true;
    if (a.value(1) == QLatin1String("instalacija"))
        uspjeh = plan.NapraviRsŠtoTrebaAžurirati(
                     tablice.PročitajPopis(stanje.PutanjaUpdate + ImeListeVerzija)
                         .value_or(QByteArray())) &&
                 instalacija.UpdatePrograma() == IshodOperacije::Uspjeh;
    else if (a.value(1) == QLatin1String("popravak"))
        instalacija.PopraviPrekinutuInstalaciju();
    else
        uspjeh = punjenje.DownloadNaLokaciju(false, a.value(6));
    QTextStream(stdout) << datoteke.promjene << ' ' << stanje.PrekinutaInstalacijaPopravljena;
    // A box is news of a failure.
    return uspjeh && prozor.poruke.isEmpty() ? 0 : 2;
}
