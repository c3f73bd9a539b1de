#include "Okruzje.h"

#include <QFile>
#include <QtEndian>

namespace velkor::test {

Okruženje::Okruženje(bool stvoriUpdate) {
    QDir(dir.path()).mkpath(stvoriUpdate ? "Velkor/Update" : "Velkor");
    platforma.putanjaPostavki = putanjaPostavki();
    spremište = std::make_unique<QSettingsSpremište>(platforma.OtvoriPostavke());
}

void Okruženje::zapišiBajtove(const QString& put, const QByteArray& bajtovi) {
    QFile datoteka(put);
    if (!datoteka.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        datoteka.write(bajtovi) != bajtovi.size())
        qFatal("cannot write %s", qPrintable(put));
}

QByteArray Okruženje::pročitaj(const QString& put) {
    QFile datoteka(put);
    return datoteka.open(QIODevice::ReadOnly) ? datoteka.readAll() : QByteArray();
}

QStringList Okruženje::porukeLoga() const {
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

Okolina Okruženje::okolina() {
    const QString program = QDir::toNativeSeparators(dir.path() + QStringLiteral("/Velkor"));
    return {program, prozor, datoteke, platforma, *spremište, sat, regionalno};
}

LokalniPoslužitelj& Okruženje::poslužitelj() {
    if (poslužitelj_)
        return *poslužitelj_;
    poslužitelj_ = std::make_unique<LokalniPoslužitelj>(objava.path());
    if (!poslužitelj_->Pokreni())
        qFatal("the local server does not listen");
    platforma.okolina.insert({{"VELKOR_PRIMARNI_HOST", poslužitelj_->Domaćin()},
                              {"VELKOR_SEKUNDARNI_HOST", poslužitelj_->DomaćinPoImenu()},
                              {"VELKOR_CA_CERTS", LokalniPoslužitelj::PutanjaCa()}});
    return *poslužitelj_;
}

Aplikacija& Okruženje::aplikacija() {
    if (!aplikacija_)
        aplikacija_ = std::make_unique<Aplikacija>(okolina());
    return *aplikacija_;
}

} // namespace velkor::test
