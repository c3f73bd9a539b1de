#include "Instalacija.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtEndian>

namespace velkor::test {

Instalacija::Instalacija(bool stvoriUpdate) {
    QDir(dir.path()).mkpath(stvoriUpdate ? "Velkor/Update" : "Velkor");
    platforma.putanjaPostavki = putanjaPostavki();
    spremište = std::make_unique<QSettingsSpremište>(platforma.OtvoriPostavke());
}

void Instalacija::zapišiBajtove(const QString& put, const QByteArray& bajtovi) {
    QDir().mkpath(QFileInfo(put).absolutePath());
    QFile datoteka(put);
    if (!datoteka.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        datoteka.write(bajtovi) != bajtovi.size())
        qFatal("cannot write %s", qPrintable(put));
}

QByteArray Instalacija::pročitaj(const QString& put) {
    QFile datoteka(put);
    return datoteka.open(QIODevice::ReadOnly) ? datoteka.readAll() : QByteArray();
}

bool Instalacija::izvrši(const QString& dir, const QString& program, const QStringList& argumenti) {
    QProcess proces;
    proces.setWorkingDirectory(dir);
    proces.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    proces.start(program, argumenti);
    return proces.waitForFinished() && proces.exitStatus() == QProcess::NormalExit &&
           proces.exitCode() == 0;
}

QStringList Instalacija::porukeLoga() const {
    const QByteArray bajtovi = pročitaj(putanjaLoga());
    QStringList poruke;
    qsizetype i = 0;
    while (i + 4 <= bajtovi.size()) {
        const quint16 oznaka = qFromLittleEndian<quint16>(bajtovi.constData() + i);
        const quint16 dužina = qFromLittleEndian<quint16>(bajtovi.constData() + i + 2);
        if (oznaka != 8 || i + 4 + dužina > bajtovi.size())
            return poruke << QStringLiteral("<neispravan zapis>");
        // Date and time are the first two blank-separated fields; CR LF ends the record.
        const QString tekst = IzAnsija(bajtovi.mid(i + 4, dužina));
        poruke << tekst.chopped(tekst.endsWith("\r\n") ? 2 : 0).section(QLatin1Char(' '), 2);
        i += 4 + dužina;
    }
    return poruke;
}

QStringList Poruke(const LažniProzor& prozor) {
    const QStringList ikone{"Nema", "Usklicnik", "Upitnik", "Informacija", "Kriticno"};
    QStringList poruke;
    for (const ZapisPoruke& p : prozor.poruke)
        poruke << ikone[int(p.ikona)] + (p.gumbi == Gumbi::DaNe ? " DaNe" : "") +
                      (p.naslov == ZadaniNaslov ? QString() : ' ' + p.naslov) + ": " + p.tekst;
    return poruke;
}

QStringList Zamijeni(QStringList tekstovi, const Instalacija& i) {
    for (QString& t : tekstovi)
        t.replace(QStringLiteral("{B}"), i.baza()).replace(QStringLiteral("{U}"), i.update());
    return tekstovi;
}

} // namespace velkor::test
