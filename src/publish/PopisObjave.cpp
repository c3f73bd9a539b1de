#include "publish/PopisObjave.h"

#include "base/Matrica.h"
#include "catalogue/ImePaketa.h"
#include "catalogue/TablicneDatoteke.h"
#include "catalogue/ZapisVerzije.h"
#include "platform/KodnaStranica.h"

#include <QHash>
#include <QStringDecoder>
#include <algorithm>

namespace velkor {

namespace {

constexpr int PoljaStavke = 4;
constexpr int BrojevaVerzije = 3;

QString uNavodnicima(const QString& tekst) {
    return QLatin1Char('"') + tekst + QLatin1Char('"');
}

// Blanks and tabs around a field are the manifest's layout, not the name's.
QString bezRazmaka(const QString& polje) {
    qsizetype početak = 0;
    qsizetype kraj = polje.size();
    auto razmak = [](QChar z) { return z == QLatin1Char(' ') || z == QLatin1Char('\t'); };
    while (početak < kraj && razmak(polje[početak]))
        ++početak;
    while (kraj > početak && razmak(polje[kraj - 1]))
        --kraj;
    return polje.mid(početak, kraj - početak);
}

bool cijeliBroj(const QString& polje) {
    const QString tekst = bezRazmaka(polje);
    if (tekst.isEmpty())
        return false;
    for (QChar znak : tekst) {
        if (znak < QLatin1Char('0') || znak > QLatin1Char('9'))
            return false;
    }
    return true;
}

bool imaKontrolniZnak(const QString& ime) {
    for (QChar znak : ime) {
        if (znak.unicode() < 0x20 || znak.unicode() == 0x7F)
            return true;
    }
    return false;
}

// Why the updater could not take the name as it stands; empty when it can.
QString manaImena(const QString& ime) {
    if (ime.isEmpty())
        return QStringLiteral("ime je prazno, a program prazno ime čita kao prazan red.");
    if (imaKontrolniZnak(ime))
        return QStringLiteral("ime sadrži kraj reda ili drugi kontrolni znak, a popis verzija "
                              "ga ne može zapisati.");
    if (NeispravnoIme(ime))
        return QStringLiteral("program odbija ime ") + uNavodnicima(ime) +
               QStringLiteral(": ime ne smije sadržavati \\ / : \" < > | ? * ni završiti "
                              "točkom ili razmakom, ne smije biti . ili .., ime uređaja (CON, NUL, "
                              "COM1 ...) ni ime datoteke samog programa.");
    if (IzAnsija(UAnsi(ime)) != ime)
        return QStringLiteral("ime ") + uNavodnicima(ime) +
               QStringLiteral(" sadrži znak koji se ne može zapisati u kodnoj stranici "
                              "Windows-1250 u kojoj program čita popis verzija.");
    return {};
}

// The item of one line, or why the line is refused.
QString pročitajRed(const QString& linija, StavkaObjave& stavka) {
    const QStringList polja = linija.split(QLatin1Char(';'));
    const QStringList brojevi = polja.mid(polja.size() - BrojevaVerzije);
    if (polja.size() > PoljaStavke && std::all_of(brojevi.begin(), brojevi.end(), cijeliBroj))
        return QStringLiteral("ime ") +
               uNavodnicima(polja.mid(0, polja.size() - BrojevaVerzije).join(QLatin1Char(';'))) +
               QStringLiteral(" sadrži znak ';', kojim popis verzija odvaja polja.");
    if (polja.size() != PoljaStavke)
        return QStringLiteral("red mora imati četiri polja odvojena znakom ';' "
                              "(ime;glavna;pomoćna;revizija), a ima ih ") +
               QString::number(polja.size()) + QLatin1Char('.');
    stavka.ime = bezRazmaka(polja[0]);
    if (const QString mana = manaImena(stavka.ime); !mana.isEmpty())
        return mana;
    for (const QString& broj : polja.mid(1)) {
        if (!cijeliBroj(broj))
            return QStringLiteral("verzija ") + uNavodnicima(bezRazmaka(broj)) +
                   QStringLiteral(" nije cijeli broj.");
        stavka.verzija << bezRazmaka(broj);
    }
    return {};
}

// The package rule cuts three characters whatever the extension is.
bool iznenađujućiPaket(const QString& ime) {
    return ime.lastIndexOf(QLatin1Char('.')) != ime.size() - 4;
}

// The items so far, against which the next one is judged.
class PrijašnjeStavke {
public:
    // Why the item cannot stand beside the earlier ones; empty when it can.
    QString Sukob(const StavkaObjave& stavka) const {
        const QString paket = ImePaketa(stavka.ime);
        if (imena.contains(stavka.ime))
            return QStringLiteral("ime ") + uNavodnicima(stavka.ime) +
                   QStringLiteral(" već je navedeno u redu ") +
                   QString::number(imena.value(stavka.ime)) + QLatin1Char('.');
        const auto prije = paketi.constFind(paket.toLower());
        if (prije == paketi.cend())
            return {};
        return QStringLiteral("paket ") + uNavodnicima(paket) + QStringLiteral(" stavke ") +
               uNavodnicima(stavka.ime) + QStringLiteral(" zvao bi se kao paket stavke ") +
               uNavodnicima(prije->ime) + QStringLiteral(" iz reda ") +
               QString::number(prije->red) + QStringLiteral(" i na poslužitelju bi ga prepisao.");
    }

    void Dodaj(const StavkaObjave& stavka) {
        imena.insert(stavka.ime, stavka.red);
        paketi.insert(ImePaketa(stavka.ime).toLower(), stavka);
    }

private:
    QHash<QString, int> imena;
    // Web servers and shares on Windows do not tell the case of a name apart.
    QHash<QString, StavkaObjave> paketi;
};

QString upozorenjePaketa(const StavkaObjave& stavka) {
    return QStringLiteral("Upozorenje: ") + OznakaReda(stavka.red) +
           QStringLiteral("paket stavke ") + uNavodnicima(stavka.ime) +
           QStringLiteral(" zvat će se ") + uNavodnicima(ImePaketa(stavka.ime)) +
           QStringLiteral(" (ime paketa nastaje zamjenom zadnja tri znaka imena sa \"7z\").");
}

// The refusal of the line, or the item added to the list.
QString dodajRed(PopisObjave& popis, PrijašnjeStavke& prije, int red, const QString& linija) {
    if (popis.stavke.size() == Matrica::Redaka)
        return QStringLiteral("ovo je stavka broj ") + QString::number(Matrica::Redaka + 1) +
               QStringLiteral(", a program čita najviše ") + QString::number(Matrica::Redaka) +
               QStringLiteral(" red popisa verzija.");
    StavkaObjave stavka{red, {}, {}};
    QString razlog = pročitajRed(linija, stavka);
    if (razlog.isEmpty())
        razlog = prije.Sukob(stavka);
    if (!razlog.isEmpty())
        return razlog;
    if (iznenađujućiPaket(stavka.ime))
        popis.upozorenja << upozorenjePaketa(stavka);
    prije.Dodaj(stavka);
    popis.stavke << stavka;
    return {};
}

} // namespace

QString OznakaReda(int red) {
    return ImePopisaObjave + QStringLiteral(", red ") + QString::number(red) + QStringLiteral(": ");
}

QString DekodirajPopisObjave(const QByteArray& bajtovi) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString tekst = utf8.decode(bajtovi);
    return utf8.hasError() ? IzAnsija(bajtovi) : tekst;
}

PopisObjave PročitajPopisObjave(const QString& tekst) {
    PopisObjave popis;
    PrijašnjeStavke prije;
    const QStringList linije = RedoviTablice(tekst);
    for (int i = 0; i < linije.size(); ++i) {
        if (bezRazmaka(linije[i]).isEmpty())
            continue;
        const QString razlog = dodajRed(popis, prije, i + 1, linije[i]);
        if (!razlog.isEmpty()) {
            popis.odbijanje = OznakaReda(i + 1) + razlog;
            popis.stavke.clear();
            return popis;
        }
    }
    if (popis.stavke.isEmpty())
        popis.odbijanje = ImePopisaObjave + QStringLiteral(" nema nijedne stavke.");
    return popis;
}

} // namespace velkor
