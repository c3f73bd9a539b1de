#include "acquire/Akvizicija.h"
#include "base/ZajednickiTekstovi.h"

#include "base/Datoteke.h"
#include "base/Dnevnik.h"
#include "base/Izvjestaji.h"
#include "base/Napredak.h"
#include "base/OkviriPoruka.h"
#include "base/Sat.h"
#include "base/Stanje.h"
#include "catalogue/ImePaketa.h"
#include "catalogue/PlanAzuriranja.h"
#include "catalogue/PotvrdaIzdanja.h"
#include "catalogue/ZapisVerzije.h"

#include <algorithm>

namespace velkor {

namespace {

const QString Prekida = QStringLiteral(" Prekida se ažuriranje!");
// At most four waits for missing files in the whole check.
constexpr int NajvišeČekanja = 4;
// "Poruke o greškama", where txtPorGr lies.
constexpr int KarticaGrešaka = 2;

bool označen(const Matrica& matrica, int red) {
    const qint16* oznaka = std::get_if<qint16>(&matrica(red, Stupac::OznakaAžuriranja));
    return oznaka && *oznaka == 1;
}

} // namespace

Akvizicija::Akvizicija(Stanje& stanje, Napredak& napredak, Izvještaji& izvještaji,
                       OkviriPoruka& poruke, Datoteke& datoteke, Dnevnik& dnevnik,
                       Platforma& platforma, Sat& sat, PlanAžuriranja& plan,
                       const PotvrdaIzdanja& potvrda, DownloadDatoteke downloadDatoteke)
    : stanje(stanje), napredak(napredak), izvještaji(izvještaji), poruke(poruke),
      datoteke(datoteke), dnevnik(dnevnik), sat(sat), plan(plan), potvrda(potvrda),
      downloadDatoteke(std::move(downloadDatoteke)),
      raspakiranje_(stanje, napredak, datoteke, dnevnik, platforma, sat),
      prekidanje(stanje, dnevnik, poruke) {}

bool Akvizicija::započni(const QString& operacija) {
    prefiks = operacija + QStringLiteral(" - ");
    stanje.IzvještajRada.clear();
    stanje.PopisGrešaka.clear();
    bool imaOznačenih = false;
    for (int red = 0; red < Matrica::Redaka && !imaOznačenih; ++red)
        imaOznačenih = označen(stanje.NoveVerzije, red);
    if (!imaOznačenih) {
        poruke.Poruka(QStringLiteral("Nema novih verzija progama!"), Ikona::Usklicnik);
        return false;
    }
    napredak.PrikažiProgres(0, stanje.UkupnoDownload);
    logiraj(QStringLiteral("Početak"));
    return imaMjesta();
}

bool Akvizicija::imaMjesta() {
    qint64 potrebno = 0;
    for (int red : planiraniRedovi()) {
        const ZapisVerzije zapis(stanje.NoveVerzije, red);
        potrebno += zapis.NajvišeDownload() + qMax<qint64>(0, zapis.StvarnaVeličina().value_or(0));
    }
    const std::optional<qint64> slobodno = datoteke.SlobodnoNaDisku(stanje.PutanjaUpdate);
    if (!slobodno || *slobodno >= potrebno)
        return true;
    stanje.VrstaZadnjeGreške = VrstaGreske::NemaMjesta;
    return prekini(QStringLiteral("Nema dovoljno mjesta na disku: za preuzimanje i raspakiravanje "
                                  "u ") +
                       stanje.PutanjaUpdate + QStringLiteral(" treba ") +
                       QString::number(potrebno) + QStringLiteral(" bajtova, a slobodno je ") +
                       QString::number(*slobodno) +
                       QStringLiteral(". Oslobodite mjesta na disku.") + Prekida,
                   true);
}

QList<int> Akvizicija::planiraniRedovi() const {
    QList<int> redovi;
    for (int red = 0; red < Matrica::Redaka; ++red) {
        if (ZapisVerzije(stanje.NoveVerzije, red).Planiran())
            redovi << red;
    }
    return redovi;
}

bool Akvizicija::dohvatiPakete(const DohvatPaketa& dohvati) {
    // The bar counts the bytes of the packages fetched in this run.
    qint32 preneseno = 0;
    for (int red : planiraniRedovi()) {
        const QString ime = stanje.NoveVerzije.tekst(red, Stupac::Ime);
        const QString paket = ImePaketa(ime);
        if (!dohvati(red, ime, paket) || !provjeriIRaspakiraj(red, paket, preneseno))
            return false;
    }
    return true;
}

bool Akvizicija::provjeriIRaspakiraj(int red, const QString& paket, qint32& preneseno) {
    const std::optional<qint64> veličina = datoteke.Veličina(stanje.PutanjaUpdate + paket);
    if (!veličina)
        return prekini(QStringLiteral("Greška u provjeri veličine datoteke-dohvatu datoteke ") +
                           paket + QLatin1Char('.') + Prekida,
                       true);
    // 7-Zip sees only a package the release vouches for.
    if (!usporediVeličinu(paket, *veličina, red, Stupac::VeličinaDownload) ||
        !provjeriSažetak(paket))
        return false;
    const ZapisVerzije zapis(stanje.NoveVerzije, red);
    preneseno = qint32(std::clamp<qint64>(qint64(preneseno) + zapis.VeličinaDownload().value_or(0),
                                          0, stanje.UkupnoDownload));
    napredak.PostaviProgres(preneseno);
    plan.OznačiStanjeStavke(zapis.Ime(), StanjeStavke::Preuzeto);
    if (raspakiranje_.Unzipaj(zapis.Ime(), zapis.StvarnaVeličina()))
        return true;
    neuspjeh();
    poruke.Poruka(QStringLiteral("Desila se greška: ") + stanje.ZadnjaGreška + Prekida,
                  Ikona::Usklicnik);
    return false;
}

bool Akvizicija::provjeriDatoteke(bool čekajPrazne) {
    logiraj(QStringLiteral("Početak provjere veličine datoteka"));
    // Shared by all files.
    int čekanja = 0;
    for (int red : planiraniRedovi()) {
        if (!provjeriDatoteku(red, čekanja, čekajPrazne))
            return false;
    }
    return true;
}

bool Akvizicija::provjeriDatoteku(int red, int& čekanja, bool čekajPrazne) {
    const QString ime = stanje.NoveVerzije.tekst(red, Stupac::Ime);
    const QString put = stanje.PutanjaUpdate + ime;
    napredak.PostaviStatus1(QStringLiteral("Provjera veličine datoteka ..."));
    for (const QString& zapis : {QStringLiteral("Nema fajla, moram čekati 5 s "),
                                 QStringLiteral("Nema fajla, moram čekati još 5 s ")}) {
        if (datoteke.PostojiDatoteka(put))
            break;
        logiraj(zapis + ime);
        napredak.PostaviStatus1(QStringLiteral("Čekanje na raspakiravanje ..."));
        if (čekanja < NajvišeČekanja)
            sat.Pričekaj(SekundiČekanja);
        ++čekanja;
    }
    if (!datoteke.PostojiDatoteka(put))
        return prekini(QStringLiteral("Nije nađena datoteka: ") + put +
                           QStringLiteral(", a trebala bi postojati.") + Prekida,
                       false);
    std::optional<qint64> veličina = datoteke.Veličina(put);
    if (!veličina)
        return prekini(QStringLiteral("Greška u provjeri veličine datoteke ") + ime +
                           QLatin1Char('.') + Prekida,
                       true);
    // A copy from a share may still be on its way: up to two looks more.
    for (int pokušaj = 0; čekajPrazne && pokušaj < 2 && *veličina == 0; ++pokušaj) {
        sat.Pričekaj(SekundiČekanja);
        veličina = datoteke.Veličina(put).value_or(0);
    }
    return usporediVeličinu(ime, *veličina, red, Stupac::StvarnaVeličina) && provjeriSažetak(ime);
}

bool Akvizicija::provjeriSažetak(const QString& ime) {
    const QString greška = potvrda.ProvjeriDatoteku(ime, stanje.PutanjaUpdate + ime);
    if (greška.isEmpty())
        return true;
    stanje.VrstaZadnjeGreške = VrstaGreske::Provjera;
    return prekini(greška + Prekida, true);
}

bool Akvizicija::usporediVeličinu(const QString& ime, qint64 veličina, int red, int stupac) {
    const QString tekst = stanje.NoveVerzije.tekst(red, stupac);
    const bool iste = double(veličina) == BrojPolja(tekst);
    const QString poruka = PorukaOVeličini(ime, veličina, tekst, iste);
    if (!iste)
        return prekini(poruka + Prekida, true);
    logiraj(poruka);
    return true;
}

void Akvizicija::logiraj(const QString& poruka) {
    dnevnik.LogirajGrešku(prefiks + poruka);
}

bool Akvizicija::prekini(const QString& poruka, bool sPorukom) {
    stanje.PopisGrešaka += NoviRed + poruka;
    neuspjeh();
    return prekidanje.Prekini(prefiks, poruka, sPorukom);
}

// Some failures show no box: the error list must be in front, or the user
// would see nothing at all.
bool Akvizicija::neuspjeh() {
    izvještaji.PrikažiPopisGrešaka(stanje.PopisGrešaka);
    izvještaji.PrikažiKarticu(KarticaGrešaka);
    return false;
}

bool Akvizicija::uspjeh() {
    izvještaji.PrikažiIzvještajRada(stanje.IzvještajRada);
    izvještaji.PrikažiPopisGrešaka(stanje.PopisGrešaka);
    napredak.PostaviStatus1(QString());
    return true;
}

} // namespace velkor
