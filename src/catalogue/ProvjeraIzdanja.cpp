#include "catalogue/ProvjeraIzdanja.h"

#include "base/ZajednickiTekstovi.h"

namespace velkor {

namespace {

PotvrđenoIzdanje odbij(const QString& razlog) {
    return {{}, {}, razlog + SavjetProvjere};
}

QString datum(const QDateTime& trenutak) {
    return trenutak.toLocalTime().toString(QStringLiteral("d.M.yyyy."));
}

} // namespace

PotvrđenoIzdanje ProvjeriIzdanje(const QByteArray& verzije, const QByteArray& sažeci,
                                 const QByteArray& potpis, const UvjetiIzdanja& uvjeti) {
    if (sažeci.isEmpty() || potpis.isEmpty())
        return odbij(QStringLiteral("Popis verzija nije potpisan (nema datoteke ") +
                     (sažeci.isEmpty() ? ImeSažetaka : ImePotpisa) + QStringLiteral(")."));
    const IshodPotpisa ishod = ProvjeriPotpis(potpis, sažeci, uvjeti.ključevi);
    switch (ishod.provjera) {
    case ProvjeraPotpisa::NepoznatKljuč:
        return odbij(QStringLiteral("Popis verzija potpisan je ključem koji ovaj program ne "
                                    "poznaje."));
    case ProvjeraPotpisa::DrugiAlgoritam:
    case ProvjeraPotpisa::Neispravan:
        return odbij(QStringLiteral("Potpis popisa verzija nije ispravan: ") + ImeSažetaka +
                     QStringLiteral(" ili njen potpis promijenjeni su nakon potpisivanja."));
    case ProvjeraPotpisa::KomentarPromijenjen:
        return odbij(QStringLiteral("Potpisani podaci o izdanju (trusted comment) promijenjeni "
                                    "su nakon potpisivanja."));
    case ProvjeraPotpisa::Valjan:
        break;
    }
    const std::optional<Izdanje> izdanje = PročitajKomentar(ishod.komentar);
    if (!izdanje)
        return odbij(QStringLiteral("Potpisani podaci o izdanju nisu ispravni: ") + ishod.komentar);
    if (izdanje->proizvod != ProizvodIzdanja)
        return odbij(QStringLiteral("Popis verzija izdan je za drugi proizvod (") +
                     izdanje->proizvod + QStringLiteral("), a ne za ") + ProizvodIzdanja +
                     QLatin1Char('.'));
    if (izdanje->broj < uvjeti.najvišeViđeno)
        return odbij(QStringLiteral("Popis verzija je starije izdanje (") +
                     QString::number(izdanje->broj) + QStringLiteral(") od već viđenog (") +
                     QString::number(uvjeti.najvišeViđeno) + QStringLiteral(")."));
    if (uvjeti.sada >= izdanje->istječe)
        return odbij(QStringLiteral("Popis verzija istekao je ") + datum(izdanje->istječe) +
                     QStringLiteral(" (izdanje ") + QString::number(izdanje->broj) +
                     QStringLiteral(")."));
    std::optional<Sažeci> popis = Sažeci::Pročitaj(sažeci);
    if (!popis)
        return odbij(QStringLiteral("Datoteka ") + ImeSažetaka + QStringLiteral(" nije ispravna."));
    if (!popis->Odgovara(ImeListeVerzija, Sažeci::SažetakOd(verzije)))
        return odbij(ImeListeVerzija + QStringLiteral(" ne odgovara potpisanom sažetku."));
    return {*izdanje, std::move(*popis), {}};
}

QString OpisIzdanja(const Izdanje& izdanje) {
    return QStringLiteral("Popis verzija potpisan (izdanje ") + QString::number(izdanje.broj) +
           QStringLiteral(", vrijedi do ") + datum(izdanje.istječe) + QLatin1Char(')');
}

} // namespace velkor
