#include "app/Aplikacija.h"
#include "app/RadBezNadzora.h"
#include "base/Sat.h"
#include "base/SpremistePostavki.h"
#include "base/StvarneDatoteke.h"
#include "platform/KonzolaProcesa.h"
#include "platform/Platforma.h"
#include "window/frmZideZizodu.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <cstdio>

namespace {

void ispiši(FILE* tok, const QString& tekst) {
    const QByteArray bajtovi = velkor::UKodKonzole(tekst) + '\n';
    std::fwrite(bajtovi.constData(), 1, size_t(bajtovi.size()), tok);
    std::fflush(tok);
}

// What the window and the unattended run both work on; made once the
// application object exists.
struct Temelj {
    std::unique_ptr<velkor::Platforma> platforma = velkor::NapraviPlatformu();
    velkor::StvarneDatoteke datoteke;
    velkor::QSettingsSpremište spremište{platforma->OtvoriPostavke()};
    velkor::SistemskiSat sat;
    velkor::RegionalnoPoLokalu regionalno;
    const QString direktorija = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
};

// With arguments the program runs unattended: no widget, no display needed.
int bezNadzora(int argc, char** argv) {
    velkor::PrikvačiKonzoluRoditelja();
    QCoreApplication aplikacija(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("VelkorZideZizodu22"));
    Temelj t;
    return velkor::IzvediBezNadzora(QCoreApplication::arguments().mid(1),
                                    {t.direktorija, t.datoteke, *t.platforma, t.spremište, t.sat,
                                     t.regionalno,
                                     [](const QString& tekst) { ispiši(stdout, tekst); },
                                     [](const QString& tekst) { ispiši(stderr, tekst); }});
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1)
        return bezNadzora(argc, argv);
    QApplication aplikacija(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VelkorZideZizodu22"));

    Temelj t;
    velkor::frmZideZizodu prozor;
    velkor::Okolina okolina{t.direktorija, prozor, t.datoteke,  *t.platforma,
                            t.spremište,   t.sat,  t.regionalno};
    velkor::Aplikacija program(okolina);
    prozor.PoveziDogađaje(&program);
    program.JedanProzorNaInstalaciji();

    program.Form_Load();
    prozor.show();
    return QApplication::exec();
}
