#include "catalogue/TablicneDatoteke.h"

#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/OkviriPoruka.h"
#include "base/Stanje.h"
#include "base/ZajednickiTekstovi.h"
#include "platform/KodnaStranica.h"

namespace velkor {

namespace {

constexpr int DijelovaZapisa = 7;
constexpr int ZapisanihStupaca = 6;
// What the store into a row beyond the table reports.
const QString IndeksIzvanRaspona = QStringLiteral("Indeks izvan raspona");

bool samoRazmaci(const QString& linija) {
    for (QChar znak : linija) {
        if (znak != QLatin1Char(' '))
            return false;
    }
    return true;
}

QString tekstOtvaranja(const QString& put, const Greška& greška) {
    return QStringLiteral("Greška u otvaranju datoteke: ") + put + QLatin1Char(' ') + greška.opis;
}

} // namespace

void OčistiMatricu(Matrica& matrica) {
    matrica = Matrica();
}

QStringList RedoviTablice(const QString& tekst) {
    QStringList redovi = tekst.split(QLatin1Char('\n'));
    for (QString& red : redovi) {
        if (red.endsWith(QLatin1Char('\r')))
            red.chop(1);
    }
    return redovi;
}

TablicneDatoteke::TablicneDatoteke(Datoteke& datoteke, OkviriPoruka& poruke, Dnevnik& dnevnik,
                                   Stanje& stanje)
    : datoteke(datoteke), poruke(poruke), dnevnik(dnevnik), stanje(stanje) {}

bool TablicneDatoteke::UčitajMatricu(Matrica& matrica, const QString& put) {
    OčistiMatricu(matrica);
    const std::optional<QByteArray> bajtovi = PročitajPopis(put);
    return bajtovi && PročitajMatricu(matrica, *bajtovi, put);
}

std::optional<QByteArray> TablicneDatoteke::PročitajPopis(const QString& put) {
    if (const std::optional<qint64> veličina = datoteke.Veličina(put);
        veličina && *veličina > NajvišePopis) {
        stanje.ZadnjaGreška = QStringLiteral("Datoteka ") + put + QStringLiteral(" ima ") +
                              QString::number(*veličina) +
                              QStringLiteral(" bajtova, a popis verzija smije imati najviše ") +
                              QString::number(NajvišePopis) + QLatin1Char('.');
        dnevnik.LogirajGrešku(stanje.ZadnjaGreška);
        return std::nullopt;
    }

    Greška greška;
    const std::optional<QByteArray> bajtovi = datoteke.Pročitaj(put, &greška);
    if (!bajtovi) {
        if (greška.korak == Greška::Korak::Otvaranje) {
            poruke.Poruka(tekstOtvaranja(put, greška), Ikona::Usklicnik);
        } else {
            // The file is read whole, so no line had been read when it failed.
            stanje.ZadnjaGreška = QStringLiteral("Greška u čitanju datoteke: ") + put +
                                  QStringLiteral(" Red: ") + QLatin1Char(' ') + greška.opis;
            dnevnik.LogirajGrešku(stanje.ZadnjaGreška);
        }
        return std::nullopt;
    }
    return bajtovi;
}

bool TablicneDatoteke::PročitajMatricu(Matrica& matrica, const QByteArray& bajtovi,
                                       const QString& put) {
    OčistiMatricu(matrica);
    int red = 0;
    for (const QString& linija : RedoviTablice(IzAnsija(bajtovi))) {
        if (samoRazmaci(linija))
            continue;
        const QStringList dijelovi = linija.split(QLatin1Char(';'));
        if (dijelovi.size() != DijelovaZapisa) {
            stanje.ZadnjaGreška = QStringLiteral("Greška u splitu - ima : ") +
                                  QString::number(dijelovi.size()) +
                                  QStringLiteral(" članova! Datoteka: ") + put +
                                  QStringLiteral(" Red: ") + linija + QLatin1Char(' ');
            return false;
        }
        if (red >= Matrica::Redaka) {
            stanje.ZadnjaGreška =
                QStringLiteral("Greška u dodjeljivanju vrijednosti matrici! ") + IndeksIzvanRaspona;
            dnevnik.LogirajGrešku(stanje.ZadnjaGreška);
            return false;
        }
        for (int stupac = 0; stupac < ZapisanihStupaca; ++stupac)
            matrica(red, stupac) = dijelovi[stupac];
        ++red;
    }
    return true;
}

bool TablicneDatoteke::ZapišiMatricu(const Matrica& matrica, const QString& put) {
    QString tekst;
    for (int red = 0; red < Matrica::Redaka; ++red) {
        const QString* ime = std::get_if<QString>(&matrica(red, 0));
        if (ime && ime->isEmpty())
            continue;
        for (int stupac = 0; stupac < ZapisanihStupaca; ++stupac)
            tekst += matrica.tekst(red, stupac) + QLatin1Char(';');
        tekst += NoviRed;
    }

    // Written beside the old file and put in its place whole, never deleted first.
    const Rezultat zapisano = datoteke.ZapišiCijelu(put, UAnsi(tekst));
    if (zapisano)
        return true;
    const Greška& greška = zapisano.greška();
    if (greška.korak == Greška::Korak::Otvaranje)
        poruke.Poruka(tekstOtvaranja(put, greška), Ikona::Usklicnik);
    else
        // The file goes out in one piece; no single line is to blame.
        poruke.Poruka(QStringLiteral("Greška u upisu u datoteku: ") + put +
                          QStringLiteral(" Red: ") + QLatin1Char(' ') + greška.opis,
                      Ikona::Usklicnik);
    return false;
}

} // namespace velkor
