#include "app/NenadziraniProzor.h"

#include "base/Sat.h"

namespace velkor {

namespace {

// The questions are told apart by their opening words (the texts of install/).
const QString PitanjePokrenutih = QStringLiteral("Postoje pokrenuti programi:");
const QString PitanjePonovnog =
    QStringLiteral("Preporuka je da se prestane koristiti navedeni program");
// Between two looks at the suite's windows, and before the one retry of an item.
constexpr int SekundiPonovno = 5;

} // namespace

NenadziraniProzor::NenadziraniProzor(const NaredbaBezNadzora& naredba, Sat& sat, Ispis ispis)
    : naredba(naredba), sat(sat), ispis(std::move(ispis)) {}

Odgovor NenadziraniProzor::Poruka(const QString& tekst, Ikona ikona, Gumbi gumbi, const QString&) {
    if (ikona == Ikona::Kriticno)
        greške << tekst.section(QStringLiteral("\r\n"), 0, 0);
    if (gumbi == Gumbi::URedu) {
        ispiši(tekst);
        return Odgovor::URedu;
    }
    // The same question again (waiting for the programs) is told once.
    if (tekst != zadnjePitanje)
        ispiši(tekst);
    zadnjePitanje = tekst;
    const Odgovor o = odgovor(tekst);
    ispiši(o == Odgovor::Da ? QStringLiteral("Odgovor: Da") : QStringLiteral("Odgovor: Ne"));
    return o;
}

// Yes to the go-ahead, to giving up once asked and to copying everything; the
// programs waited for as the command line allows; an item tried once more.
Odgovor NenadziraniProzor::odgovor(const QString& tekst) {
    if (tekst.startsWith(PitanjePokrenutih)) {
        if (čekano >= naredba.čekajSekundi)
            return Odgovor::Ne;
        const int korak = qMin(SekundiPonovno, naredba.čekajSekundi - čekano);
        sat.Pričekaj(korak);
        čekano += korak;
        return Odgovor::Da;
    }
    if (tekst.contains(PitanjePonovnog))
        sat.Pričekaj(SekundiPonovno);
    return Odgovor::Da;
}

void NenadziraniProzor::PostaviStatus1(const QString& tekst) {
    if (tekst.isEmpty() || tekst == zadnjiKorak)
        return;
    zadnjiKorak = tekst;
    ispiši(tekst);
}

int NenadziraniProzor::RedStavke(const QString& ime) const {
    for (qsizetype i = 0; i < plan.size(); ++i)
        if (plan[i].value(0) == ime)
            return int(i) + 1;
    return -1;
}

void NenadziraniProzor::PostaviStanjeReda(int red, int slika, int) {
    if (red >= 1 && red <= plan.size())
        stanjaStavki[plan[red - 1].value(0)].insert(slika);
}

int NenadziraniProzor::OdabranaOpcija() const {
    return naredba.opcija.value_or(opcija);
}

QString NenadziraniProzor::TekstLokacije(int indeks) const {
    if (indeks == 0 && naredba.opcija == 1)
        return naredba.mrežnaLokacija;
    if (indeks == 1 && !naredba.lokacija.isEmpty())
        return naredba.lokacija;
    return indeks == 0 || indeks == 1 ? lokacije[indeks] : QString();
}

void NenadziraniProzor::PostaviTekstLokacije(int indeks, const QString& tekst) {
    if (indeks == 0 || indeks == 1)
        lokacije[indeks] = tekst;
}

// A box's lines, CR LF apart, are lines of the output.
void NenadziraniProzor::ispiši(const QString& tekst) {
    for (const QString& redak : tekst.split(QStringLiteral("\r\n")))
        ispis(redak);
}

} // namespace velkor
