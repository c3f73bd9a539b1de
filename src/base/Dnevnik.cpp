#include "base/Dnevnik.h"

#include "base/Datoteke.h"
#include "base/OkviriPoruka.h"
#include "base/Sat.h"
#include "platform/KodnaStranica.h"

#include <QDir>

namespace velkor {

namespace {

constexpr quint16 OznakaTeksta = 8;
constexpr int NajvećaDužina = 0xFFFF;
const QString Početak = QStringLiteral("Desila se greška: u upisu u LOG. Greška: ");

void dodajBroj16(QByteArray& u, quint16 broj) {
    u.append(char(broj & 0xFF));
    u.append(char(broj >> 8));
}

} // namespace

Dnevnik::Dnevnik(QString aplikacijskaDirektorija, Datoteke& datoteke, OkviriPoruka& poruke,
                 const Sat& sat, const Regionalno& regionalno)
    : aplikacijskaDirektorija(std::move(aplikacijskaDirektorija)), datoteke(datoteke),
      poruke(poruke), sat(sat), regionalno(regionalno) {}

QString Dnevnik::Putanja() const {
    const QChar r = QDir::separator();
    return aplikacijskaDirektorija + r + QStringLiteral("Update") + r +
           QStringLiteral("Update.log");
}

QByteArray Dnevnik::Zapis(const QString& poruka) const {
    const QDateTime sada = sat.Sada();
    const QString tekst = regionalno.DatumTekst(sada.date()) + QLatin1Char(' ') +
                          regionalno.VrijemeTekst(sada.time()) + QLatin1Char(' ') + poruka;
    const QByteArray kraj("\r\n");
    QByteArray ansi = UAnsi(tekst);
    // The length field holds 16 bits: a longer message is cut so the record stays readable.
    if (ansi.size() + kraj.size() > NajvećaDužina)
        ansi.truncate(NajvećaDužina - kraj.size());
    ansi += kraj;

    QByteArray zapis;
    zapis.reserve(4 + ansi.size());
    dodajBroj16(zapis, OznakaTeksta);
    dodajBroj16(zapis, quint16(ansi.size()));
    zapis += ansi;
    return zapis;
}

void Dnevnik::dodajZapis(const QString& poruka) {
    const Rezultat zapisano = datoteke.DodajNaKraj(Putanja(), Zapis(poruka));
    if (zapisano)
        return;
    const Greška& greška = zapisano.greška();
    if (greška.korak == Greška::Korak::Otvaranje)
        poruke.Poruka(Početak + QString::number(greška.broj) + QLatin1Char(' ') + greška.opis,
                      Ikona::Usklicnik);
    else
        poruke.Poruka(Početak + greška.opis, Ikona::Usklicnik);
}

void Dnevnik::LogirajGrešku(const QString& poruka) {
    dodajZapis(poruka);
}

void Dnevnik::LogirajGreškuModul(const QString& poruka) {
    // The probe's answer is not used; on this file system asking whether a file
    // exists cannot raise an error, so the record follows as in the window's writer.
    datoteke.PostojiDatoteka(Putanja());
    dodajZapis(poruka);
}

} // namespace velkor
