// Drives one download engine over and over and reports its throughput and its
// memory above the program's idle size; bench/download.sh compares it with curl.
#include "acquire/PreuzimanjeDatoteke.h"
#include "base/Dnevnik.h"
#include "base/Napredak.h"
#include "base/Sat.h"
#include "base/Stanje.h"
#include "base/StvarneDatoteke.h"
#include "publish/KonzolniProzor.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

// A line "Name:   123 kB" of /proc/self/status, in kB; 0 where there is none.
qint64 statusKb(const char* ime) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray početak = QByteArray(ime) + ':';
    for (const QByteArray& linija : status.readAll().split('\n')) {
        if (linija.startsWith(početak))
            return linija.mid(početak.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

} // namespace

// Progress is not what is measured: nothing is shown.
class BezNapretka : public velkor::Napredak {
public:
    void PostaviStatus1(const QString&) override {}
    void PostaviStatus2(const QString&) override {}
    void PrikažiProgres(qint32, qint32) override {}
    void PostaviProgres(qint32) override {}
    void SakrijProgres() override {}
};

int main(int argc, char** argv) {
    using namespace velkor;
    QCoreApplication aplikacija(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption motor(QStringLiteral("engine"), QStringLiteral("https ili http"),
                                   QStringLiteral("E"), QStringLiteral("https"));
    const QCommandLineOption domaćin(QStringLiteral("host"), QStringLiteral("host:port"),
                                     QStringLiteral("H"));
    const QCommandLineOption ca(QStringLiteral("ca"), QStringLiteral("PEM dodatnih CA"),
                                QStringLiteral("F"));
    const QCommandLineOption dir(QStringLiteral("dir"),
                                 QStringLiteral("Direktorija programa (s Update/)"),
                                 QStringLiteral("D"));
    const QCommandLineOption ime(QStringLiteral("file"), QStringLiteral("Ime datoteke"),
                                 QStringLiteral("N"));
    const QCommandLineOption puta(QStringLiteral("repeat"), QStringLiteral("Koliko puta"),
                                  QStringLiteral("R"), QStringLiteral("3"));
    const QCommandLineOption zagrijavanje(
        QStringLiteral("warmup"),
        QStringLiteral("Mala datoteka preuzeta prije mjerenja, kao Verzije.txt u programu"),
        QStringLiteral("W"));
    parser.addOptions({motor, domaćin, ca, dir, ime, puta, zagrijavanje});
    parser.process(aplikacija);

    const QString aplikacijskaDirektorija = parser.value(dir);
    const QString update = aplikacijskaDirektorija + QStringLiteral("/Update/");
    const Konzola konzola = SistemskaKonzola();
    KonzolniProzor prozor(konzola);
    BezNapretka napredak;
    StvarneDatoteke datoteke;
    SistemskiSat sat;
    RegionalnoPoLokalu regionalno;
    Dnevnik dnevnik(aplikacijskaDirektorija, datoteke, prozor, sat, regionalno);
    Stanje stanje;
    stanje.KoristiChilkat = parser.value(motor) != QLatin1String("http");
    PreuzimanjeDatoteke preuzimanje(stanje, napredak, prozor, dnevnik,
                                    {parser.value(domaćin), parser.value(domaćin)},
                                    parser.value(ca));
    preuzimanje.PostaviIzvor(2);

    const qint64 mirno = statusKb("VmRSS");
    // The program always fetches the versions list first: set-up costs (the
    // trusted authorities) fall there, not on a package.
    if (parser.isSet(zagrijavanje) &&
        !preuzimanje.DownloadDatoteke(parser.value(zagrijavanje), update, -1)) {
        std::fprintf(stderr, "warm-up failed: %s\n", qPrintable(stanje.ZadnjaGreška));
        return 1;
    }
    const int n = parser.value(puta).toInt();
    for (int i = 0; i < n; ++i) {
        QElapsedTimer štoperica;
        štoperica.start();
        const bool uspjeh = preuzimanje.DownloadDatoteke(parser.value(ime), update, -1);
        const double sekunde = štoperica.nsecsElapsed() / 1e9;
        if (!uspjeh) {
            std::fprintf(stderr, "download failed: %s\n", qPrintable(stanje.ZadnjaGreška));
            return 1;
        }
        const qint64 bajtova = QFileInfo(update + parser.value(ime)).size();
        std::printf("run %d seconds %.4f bytes %lld\n", i + 1, sekunde, bajtova);
    }
    std::printf("idle_rss_kb %lld peak_kb %lld above_idle_kb %lld\n", mirno, statusKb("VmHWM"),
                statusKb("VmHWM") - mirno);
    return 0;
}
