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

// With arguments the program runs unattended: no widget, no display needed.
int bezNadzora(int argc, char** argv) {
    velkor::PrikvačiKonzoluRoditelja();
    QCoreApplication aplikacija(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("VelkorZideZizodu22"));
    auto platforma = velkor::NapraviPlatformu();
    velkor::StvarneDatoteke datoteke;
    velkor::QSettingsSpremište spremište(platforma->OtvoriPostavke());
    velkor::SistemskiSat sat;
    velkor::RegionalnoPoLokalu regionalno;
    return velkor::IzvediBezNadzora(
        QCoreApplication::arguments().mid(1),
        {QDir::toNativeSeparators(QCoreApplication::applicationDirPath()), datoteke, *platforma,
         spremište, sat, regionalno, [](const QString& t) { ispiši(stdout, t); },
         [](const QString& t) { ispiši(stderr, t); }});
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1)
        return bezNadzora(argc, argv);
    QApplication aplikacija(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VelkorZideZizodu22"));

    auto platforma = velkor::NapraviPlatformu();
    velkor::StvarneDatoteke datoteke;
    velkor::QSettingsSpremište spremište(platforma->OtvoriPostavke());
    velkor::SistemskiSat sat;
    velkor::RegionalnoPoLokalu regionalno;
    velkor::frmZideZizodu prozor;

    velkor::Okolina okolina{QDir::toNativeSeparators(QApplication::applicationDirPath()),
                            prozor,
                            datoteke,
                            *platforma,
                            spremište,
                            sat,
                            regionalno};
    velkor::Aplikacija program(okolina);
    prozor.PoveziDogađaje(&program);
    program.JedanProzorNaInstalaciji();

    program.Form_Load();
    prozor.show();
    return QApplication::exec();
}
