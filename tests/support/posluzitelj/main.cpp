// The local download server as a program of its own, for ./run and the benchmark:
// prints the port it listens on and serves until it is killed.
#include "support/LokalniPosluzitelj.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication aplikacija(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lokalni poslužitelj datoteka pod /download/Verzija22/ (http i https)"));
    parser.addHelpOption();
    const QCommandLineOption direktorija(
        QStringLiteral("dir"), QStringLiteral("Direktorija s datotekama."), QStringLiteral("D"));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Port (0 ili bez: bilo koji slobodan)."),
                                  QStringLiteral("P"), QStringLiteral("0"));
    parser.addOption(direktorija);
    parser.addOption(port);
    parser.process(aplikacija);

    const QString put = parser.value(direktorija);
    if (put.isEmpty() || !QFileInfo(put).isDir()) {
        std::fprintf(stderr, "velkor_posluzitelj: --dir mora biti postojeća direktorija\n");
        return 2;
    }
    bool ispravan = false;
    const uint broj = parser.value(port).toUInt(&ispravan);
    velkor::test::LokalniPoslužitelj poslužitelj(put);
    if (!ispravan || broj > 65535 || !poslužitelj.Pokreni(quint16(broj))) {
        std::fprintf(stderr, "velkor_posluzitelj: ne mogu slušati na portu %s\n",
                     qPrintable(parser.value(port)));
        return 1;
    }
    std::printf("%u\n", unsigned(poslužitelj.serverPort()));
    std::fflush(stdout);
    return aplikacija.exec();
}
