#include "catalogue/PotvrdaIzdanja.h"

#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/Sat.h"
#include "base/SpremistePostavki.h"
#include "base/Stanje.h"
#include "base/ZajednickiTekstovi.h"
#include "catalogue/TablicneDatoteke.h"

namespace velkor {

namespace {

const QString Settings = QStringLiteral("Settings");
// The highest release this computer has accepted; a lower one is a replay.
const QString KljučIzdanja = QStringLiteral("IzdanjePopisaVerzija22");
// A signature file is a few hundred bytes; its trusted comment one line.
constexpr qint64 NajvišePotpis = 4096;

// The file's bytes when it is there and small enough; empty when it is not there.
std::optional<QByteArray> pročitajDodatak(Datoteke& datoteke, const QString& put, qint64 najviše) {
    if (!datoteke.PostojiDatoteka(put))
        return QByteArray();
    const std::optional<qint64> veličina = datoteke.Veličina(put);
    if (!veličina || *veličina > najviše)
        return std::nullopt;
    return datoteke.Pročitaj(put);
}

} // namespace

PotvrdaIzdanja::PotvrdaIzdanja(Stanje& stanje, OkviriPoruka& poruke, Datoteke& datoteke,
                               Dnevnik& dnevnik, TablicneDatoteke& tablice,
                               SpremištePostavki& spremište, Sat& sat, QString direktorijaPrograma)
    : stanje(stanje), datoteke(datoteke), dnevnik(dnevnik), tablice(tablice), spremište(spremište),
      sat(sat), direktorijaPrograma(std::move(direktorijaPrograma)),
      prekidanje(stanje, dnevnik, poruke) {}

bool PotvrdaIzdanja::Provjeri(const QString& direktorija, const QString& prefiks, bool sPorukom) {
    popis.clear();
    sažeciBajtovi.clear();
    potpisBajtovi.clear();
    sažeci.reset();
    potpisano = false;
    // Until the check holds, no file of a plan made before it may pass.
    odbijeno = true;

    const std::optional<QByteArray> bajtovi = tablice.PročitajPopis(direktorija + ImeListeVerzija);
    if (!bajtovi)
        return prekidanje.Prekini(prefiks,
                                  QStringLiteral("Desila se greška u čitanju zapisa u matricu iz "
                                                 "datoteke. Prekida se ažuriranje!"),
                                  sPorukom);
    popis = *bajtovi;
    const std::optional<QByteArray> s =
        pročitajDodatak(datoteke, direktorija + ImeSažetaka, Sažeci::NajvećaVeličina);
    const std::optional<QByteArray> p =
        pročitajDodatak(datoteke, direktorija + ImePotpisa, NajvišePotpis);
    const QList<JavniKljuč> poznati = ključevi();
    if (!s || !p) {
        const QString neispravna = QStringLiteral("Datoteka ") + (s ? ImePotpisa : ImeSažetaka) +
                                   QStringLiteral(" nije ispravna");
        if (!poznati.isEmpty())
            return odbij(prefiks, neispravna + QLatin1Char('.'), sPorukom);
        // Without a key it only served the transfer check: passed over.
        dnevnik.LogirajGrešku(prefiks + neispravna + QStringLiteral(" pa se ne koristi."));
        return bezKljuča(prefiks, sPorukom);
    }
    sažeciBajtovi = *s;
    potpisBajtovi = *p;
    if (poznati.isEmpty())
        return bezKljuča(prefiks, sPorukom);

    const PotvrđenoIzdanje potvrđeno = ProvjeriIzdanje(
        popis, sažeciBajtovi, potpisBajtovi, {poznati, najvišeViđeno(poznati), sat.Sada()});
    if (!potvrđeno.Valja()) {
        stanje.VrstaZadnjeGreške = VrstaGreske::Provjera;
        return prekidanje.Prekini(prefiks, potvrđeno.greška, sPorukom);
    }
    sažeci = potvrđeno.sažeci;
    potpisano = true;
    odbijeno = false;
    izdanje = potvrđeno.izdanje;
    zapamtiIzdanje(izdanje.broj);
    dnevnik.LogirajGrešku(prefiks + OpisIzdanja(izdanje));
    return true;
}

// As before signing existed; the hash list, when it came, catches a bad transfer.
bool PotvrdaIzdanja::bezKljuča(const QString& prefiks, bool sPorukom) {
    dnevnik.LogirajGrešku(prefiks + QStringLiteral("Popis verzija nije provjeren potpisom: "
                                                   "program nema javni ključ izdavača."));
    odbijeno = false;
    if (sažeciBajtovi.isEmpty())
        return true;
    sažeci = Sažeci::Pročitaj(sažeciBajtovi);
    if (!sažeci) {
        dnevnik.LogirajGrešku(prefiks + QStringLiteral("Datoteka ") + ImeSažetaka +
                              QStringLiteral(" nije ispravna pa se ne koristi."));
        sažeciBajtovi.clear();
        potpisBajtovi.clear();
        return true;
    }
    if (const QString greška = ProvjeriBajtove(ImeListeVerzija, popis); !greška.isEmpty())
        return odbij(prefiks, greška, sPorukom);
    return true;
}

bool PotvrdaIzdanja::odbij(const QString& prefiks, const QString& razlog, bool sPorukom) {
    sažeci.reset();
    odbijeno = true;
    stanje.VrstaZadnjeGreške = VrstaGreske::Provjera;
    return prekidanje.Prekini(prefiks, razlog + SavjetProvjere, sPorukom);
}

QString PotvrdaIzdanja::ProvjeriDatoteku(const QString& ime, const QString& put) const {
    if (odbijeno)
        return neprovjereno(ime);
    if (!sažeci || (!potpisano && !sažeci->Ima(ime)))
        return QString();
    return sažeci->OdgovaraDatoteka(ime, put) ? QString() : neodgovara(ime);
}

QString PotvrdaIzdanja::ProvjeriBajtove(const QString& ime, const QByteArray& bajtovi) const {
    if (odbijeno)
        return neprovjereno(ime);
    if (!sažeci || (!potpisano && !sažeci->Ima(ime)))
        return QString();
    return sažeci->Odgovara(ime, Sažeci::SažetakOd(bajtovi)) ? QString() : neodgovara(ime);
}

QString PotvrdaIzdanja::neprovjereno(const QString& ime) {
    return QStringLiteral("Datoteka ") + ime +
           QStringLiteral(" se ne koristi: popis verzija nije prošao provjeru. Ponovite provjeru "
                          "verzija.");
}

QString PotvrdaIzdanja::neodgovara(const QString& ime) const {
    if (!sažeci->Ima(ime))
        return QStringLiteral("Datoteka ") + ime +
               QStringLiteral(" nije navedena u potpisanom popisu sažetaka.");
    return QStringLiteral("Datoteka ") + ime +
           (potpisano ? QStringLiteral(" ne odgovara potpisanom sažetku.")
                      : QStringLiteral(" ne odgovara sažetku iz ") + ImeSažetaka +
                            QStringLiteral(" (greška u prijenosu)."));
}

QList<JavniKljuč> PotvrdaIzdanja::ključevi() const {
    QList<JavniKljuč> svi = UgrađeniKljučevi();
    const QString put = direktorijaPrograma + ImeKljučevaPrograma;
    if (datoteke.PostojiDatoteka(put)) {
        if (const std::optional<QByteArray> tekst = pročitajDodatak(datoteke, put, NajvišePotpis))
            svi += PročitajJavneKljučeve(QString::fromLatin1(*tekst));
    }
    return svi;
}

// The settings remember the highest release; the signature installed beside the
// list remembers it too, for a user whose settings are new.
qint64 PotvrdaIzdanja::najvišeViđeno(const QList<JavniKljuč>& poznati) const {
    qint64 najviše = spremište.Pročitaj(Settings, KljučIzdanja).value_or(QString()).toLongLong();
    const std::optional<QByteArray> s =
        pročitajDodatak(datoteke, stanje.PutanjaPrograma + ImeSažetaka, Sažeci::NajvećaVeličina);
    const std::optional<QByteArray> p =
        pročitajDodatak(datoteke, stanje.PutanjaPrograma + ImePotpisa, NajvišePotpis);
    if (s && p && !p->isEmpty()) {
        const IshodPotpisa ishod = ProvjeriPotpis(*p, *s, poznati);
        if (ishod.provjera == ProvjeraPotpisa::Valjan) {
            if (const std::optional<Izdanje> instalirano = PročitajKomentar(ishod.komentar))
                najviše = qMax(najviše, instalirano->broj);
        }
    }
    return najviše;
}

void PotvrdaIzdanja::zapamtiIzdanje(qint64 broj) {
    const qint64 zapamćeno =
        spremište.Pročitaj(Settings, KljučIzdanja).value_or(QString()).toLongLong();
    if (broj > zapamćeno)
        spremište.Zapiši(Settings, KljučIzdanja, QString::number(broj));
}

} // namespace velkor
