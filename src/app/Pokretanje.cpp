#include "app/Pokretanje.h"

#include "app/Datoteke.h"
#include "app/LogirajGresku.h"
#include "app/Postavke.h"
#include "app/Prozor.h"
#include "app/Stanje.h"
#include "platform/Platforma.h"

#include <QDir>

namespace velkor {

namespace {

const QString NaslovIzDizajna =
    QStringLiteral("Velkor Live Update - Automatsko ažuriranje Velk-or programa");
const QString RačunaloSaStalnomPutanjom = QStringLiteral("VUDIVEVOZ");
const QString StalnaPutanja = QStringLiteral("D:/Velkor software/Velkor knjigovodstvo V22/");
const QString KrajPrograma =
    QStringLiteral("*************************** KRAJ PROGRAMA **********************************");

QString uzRazdjelnik(QString put) {
    put = QDir::toNativeSeparators(put);
    if (!put.endsWith(QDir::separator()))
        put += QDir::separator();
    return put;
}

} // namespace

Pokretanje::Pokretanje(QString aplikacijskaDirektorija, Stanje& stanje, Prozor& prozor,
                       Datoteke& datoteke, Platforma& platforma, Dnevnik& dnevnik,
                       Postavke& postavke)
    : aplikacijskaDirektorija(std::move(aplikacijskaDirektorija)), stanje(stanje), prozor(prozor),
      datoteke(datoteke), platforma(platforma), dnevnik(dnevnik), postavke(postavke) {}

QString Pokretanje::Naslov() {
    return NaslovIzDizajna + QStringLiteral(" V") + QString::number(VELKOR_VER_GL) +
           QLatin1Char('.') + QString::number(VELKOR_VER_POM) + QLatin1Char('.') +
           QString::number(VELKOR_VER_REV);
}

QString Pokretanje::aplikacijskaDirektorijaSaRazdjelnikom() const {
    return uzRazdjelnik(aplikacijskaDirektorija);
}

void Pokretanje::Form_Load(const std::function<bool()>& pripremiVerzijaTXT) {
    prozor.PostaviNaslov(Naslov());
    prozor.PrikažiKarticu(0);
    prozor.PostaviBoju(postavke.BojaIntegratora());
    if (!probaDirektorije()) {
        prozor.Poruka(QStringLiteral("Prijavljeni operater: ") + ImeKorisnika() +
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

bool Pokretanje::ProvjeriPravaAdministratora() {
    probaDirektorije();
    return true;
}

// The probe of the right to write beside the program; true when the probe
// directory could be created.
bool Pokretanje::probaDirektorije() {
    stanje.PutanjaPrograma = aplikacijskaDirektorijaSaRazdjelnikom();
    const QString proba = stanje.PutanjaPrograma + QStringLiteral("UpdateADM");
    if (datoteke.PostojiDirektorija(proba))
        datoteke.ObrišiDirektoriju(proba);
    const bool napravljena = !datoteke.NapraviDirektoriju(proba);
    datoteke.ObrišiDirektoriju(proba);
    return napravljena;
}

bool Pokretanje::PostaviRadneDirektorije() {
    const QChar r = QDir::separator();
    stanje.PutanjaPrograma = aplikacijskaDirektorijaSaRazdjelnikom();
    if (ImeRačunala() == RačunaloSaStalnomPutanjom)
        stanje.PutanjaPrograma = QDir::toNativeSeparators(StalnaPutanja);
    stanje.PutanjaUpdate = stanje.PutanjaPrograma + QStringLiteral("Update") + r;
    stanje.PutanjaUpdateBackup = stanje.PutanjaPrograma + QStringLiteral("UpdateBackup") + r;
    stanje.PutanjaSkripti = stanje.PutanjaPrograma + QStringLiteral("Skrite za izmjenu baze") + r;
    const QString winDir = platforma.VarijablaOkoline(QStringLiteral("WinDir"));
    // Without Windows the help files live beside the suite.
    stanje.PutanjaHelp = winDir.isEmpty() ? stanje.PutanjaPrograma + QStringLiteral("Help") + r
                                          : winDir + r + QStringLiteral("Help") + r;

    if (datoteke.PostojiDirektorija(stanje.PutanjaUpdate) ||
        !datoteke.NapraviDirektoriju(stanje.PutanjaUpdate))
        return true;
    prozor.Poruka(QStringLiteral("Nastala je greška u kreiranju Update direktorije!\r\n"
                                 "Program za automatsko ažuriranje novih programa mora prestati "
                                 "sa radom.\r\n"
                                 "Vjerojatno nemate administratorska prava ili je UAC uključen."),
                  Ikona::Usklicnik);
    return false;
}

QString Pokretanje::ImeRačunala() {
    return platforma.ImeRačunalaSustava().value_or(QString()).left(255);
}

QString Pokretanje::ImeKorisnika() {
    QString ime = platforma.ImeKorisnikaSustava().value_or(QString()).left(255);
    if (const qsizetype nul = ime.indexOf(QChar(0)); nul >= 0)
        ime.truncate(nul);
    return ime.toUpper();
}

} // namespace velkor
