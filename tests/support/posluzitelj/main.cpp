// The local download server as a program of its own, for ./run and the benchmark:
// serves the files of the directory given, prints its port, runs until killed.
#include "support/LokalniPosluzitelj.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication aplikacija(argc, argv);
    const QStringList argumenti = aplikacija.arguments();
    velkor::test::LokalniPoslužitelj poslužitelj(argumenti.value(2));
    if (argumenti.size() != 3 || argumenti[1] != QLatin1String("--dir") ||
        !QFileInfo(argumenti[2]).isDir() || !poslužitelj.Pokreni()) {
        std::fprintf(stderr, "Upotreba: velkor_posluzitelj --dir DIREKTORIJA (postojeća)\n");
        return 2;
    }
    std::printf("%u\n", unsigned(poslužitelj.serverPort()));
    std::fflush(stdout);
    return aplikacija.exec();
}
