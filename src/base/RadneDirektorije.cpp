#include "base/RadneDirektorije.h"

#include "base/Datoteke.h"
#include "base/OkviriPoruka.h"
#include "base/Stanje.h"
#include "platform/Platforma.h"

#include <QDir>

namespace velkor {

namespace {

// The developers' computer keeps the suite at one fixed place, wherever the
// updater itself is started from.
const QString RačunaloSaStalnomPutanjom = QStringLiteral("VUDIVEVOZ");
const QString StalnaPutanja = QStringLiteral("D:/Velkor software/Velkor knjigovodstvo V22/");

QString uzRazdjelnik(QString put) {
    put = QDir::toNativeSeparators(put);
    if (!put.endsWith(QDir::separator()))
        put += QDir::separator();
    return put;
}

} // namespace

RadneDirektorije::RadneDirektorije(QString aplikacijskaDirektorija, Stanje& stanje,
                                   OkviriPoruka& poruke, Datoteke& datoteke, Platforma& platforma)
    : aplikacijskaDirektorija(std::move(aplikacijskaDirektorija)), stanje(stanje), poruke(poruke),
      datoteke(datoteke), platforma(platforma) {}

QString RadneDirektorije::AplikacijskaDirektorijaSaRazdjelnikom() const {
    return uzRazdjelnik(aplikacijskaDirektorija);
}

bool RadneDirektorije::PostaviRadneDirektorije() {
    PostaviPutanje();
    if (datoteke.PostojiDirektorija(stanje.PutanjaUpdate) ||
        datoteke.NapraviDirektoriju(stanje.PutanjaUpdate))
        return true;
    poruke.Poruka(QStringLiteral("Nastala je greška u kreiranju Update direktorije!\r\n"
                                 "Program za automatsko ažuriranje novih programa mora prestati "
                                 "sa radom.\r\n"
                                 "Vjerojatno nemate administratorska prava ili je UAC uključen."),
                  Ikona::Usklicnik);
    return false;
}

void RadneDirektorije::PostaviPutanje() {
    const QChar r = QDir::separator();
    stanje.PutanjaPrograma = AplikacijskaDirektorijaSaRazdjelnikom();
    if (ImeRačunala() == RačunaloSaStalnomPutanjom)
        stanje.PutanjaPrograma = QDir::toNativeSeparators(StalnaPutanja);
    stanje.PutanjaUpdate = stanje.PutanjaPrograma + QStringLiteral("Update") + r;
    stanje.PutanjaUpdateBackup = stanje.PutanjaPrograma + QStringLiteral("UpdateBackup") + r;
    stanje.PutanjaSkripti = stanje.PutanjaPrograma + QStringLiteral("Skrite za izmjenu baze") + r;
    const QString winDir = platforma.VarijablaOkoline(QStringLiteral("WinDir"));
    // Without Windows the help files live beside the suite.
    stanje.PutanjaHelp = winDir.isEmpty() ? stanje.PutanjaPrograma + QStringLiteral("Help") + r
                                          : winDir + r + QStringLiteral("Help") + r;
}

QString RadneDirektorije::ImeRačunala() {
    return platforma.ImeRačunalaSustava().value_or(QString()).left(255);
}

QString RadneDirektorije::ImeKorisnika() {
    QString ime = platforma.ImeKorisnikaSustava().value_or(QString()).left(255);
    if (const qsizetype nul = ime.indexOf(QChar(0)); nul >= 0)
        ime.truncate(nul);
    return ime.toUpper();
}

} // namespace velkor
