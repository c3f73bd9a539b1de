#include "app/Aplikacija.h"
#include "base/Sat.h"
#include "base/SpremistePostavki.h"
#include "base/StvarneDatoteke.h"
#include "platform/Platforma.h"
#include "window/frmZideZizodu.h"

#include <QApplication>
#include <QDir>
#include <QSettings>

int main(int argc, char** argv) {
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

    program.Form_Load();
    prozor.show();
    return QApplication::exec();
}
