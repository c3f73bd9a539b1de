#include "base/Postavke.h"

#include "base/Datoteke.h"
#include "base/Kontrole.h"
#include "base/OkviriPoruka.h"
#include "base/SpremistePostavki.h"
#include "base/Stanje.h"
#include "base/ZajednickiTekstovi.h"

#include <QDir>

namespace velkor {

namespace {

const QString Settings = QStringLiteral("Settings");
const QString Setting = QStringLiteral("Setting");
const QString KljučIzvora = QStringLiteral("UpdateLok22N");
const QString KljučLokacije = QStringLiteral("UpdateLokDir22");
const QString KljučDistribucije = QStringLiteral("UpdateLokDirMr22");
const QString KljučDistribucijeBa = QStringLiteral("UpdateLokDirMr.velkor.Ba.22");
const QString KljučVremena = QStringLiteral("VrijemeAutoDownloadaNovihVerz");
const QString KljučPogona = QStringLiteral("KoristiChilkatZaDownload");
const QString KljučBoje = QStringLiteral("BojaIntegratora");

constexpr int ZadaniIzvor = 2;
// The suite's own light grey-blue (RGB 203, 218, 217), red in the lowest byte.
constexpr quint32 ZadanaBoja = 14277323;

// A whole number within [od, do]; anything else gives no value.
std::optional<int> cijeliBroj(const QString& tekst, int od, int doBroja) {
    bool ispravno = false;
    const int broj = tekst.trimmed().toInt(&ispravno);
    if (!ispravno || broj < od || broj > doBroja)
        return std::nullopt;
    return broj;
}

// A boolean as text, as the suite writes it ("True"/"False") or as a number.
std::optional<bool> logičkaVrijednost(const QString& tekst) {
    const QString t = tekst.trimmed();
    if (t.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0)
        return false;
    bool ispravno = false;
    const double broj = t.toDouble(&ispravno);
    if (!ispravno)
        return std::nullopt;
    return broj != 0;
}

} // namespace

Postavke::Postavke(SpremištePostavki& spremište, Kontrole& kontrole, OkviriPoruka& poruke,
                   Datoteke& datoteke, Stanje& stanje)
    : spremište(spremište), kontrole(kontrole), poruke(poruke), datoteke(datoteke), stanje(stanje) {
}

QString Postavke::pročitaj(const QString& odjeljak, const QString& ključ) const {
    return spremište.Pročitaj(odjeljak, ključ).value_or(QString());
}

void Postavke::UčitajPostavke() {
    kontrole.PostaviTekstLokacije(0, pročitaj(Settings, KljučLokacije));
    kontrole.PostaviTekstLokacije(1, pročitaj(Settings, KljučDistribucije));
    odaberiOpciju(cijeliBroj(pročitaj(Settings, KljučIzvora), 0, 2).value_or(ZadaniIzvor));
    UčitajLokacijuBa();
    kontrole.PostaviVrijemeDownloada(
        cijeliBroj(pročitaj(Setting, KljučVremena), 0, 23).value_or(0));
    stanje.KoristiChilkat = logičkaVrijednost(pročitaj(Settings, KljučPogona)).value_or(true);
}

// Selecting from the program behaves as the user's click: only a change runs the handler.
void Postavke::odaberiOpciju(int indeks) {
    if (kontrole.OdabranaOpcija() == indeks)
        return;
    kontrole.OznačiOpciju(indeks);
    optLokacija_Click(indeks);
}

void Postavke::SnimiPostavke() {
    spremište.Zapiši(Settings, KljučIzvora, QString::number(IzabraniIzvor()));
    spremište.Zapiši(Settings, KljučLokacije, kontrole.TekstLokacije(0));
    spremište.Zapiši(Settings,
                     kontrole.OdabranaOpcija() == 0 ? KljučDistribucije : KljučDistribucijeBa,
                     kontrole.TekstLokacije(1));
}

qint16 Postavke::IzabraniIzvor() const {
    const int opcija = kontrole.OdabranaOpcija();
    if (opcija == 0)
        return 0;
    if (opcija == 1)
        return 1;
    return 2;
}

void Postavke::UčitajLokacijuBa() {
    if (kontrole.OdabranaOpcija() != 1)
        return;
    const QString lokacija = pročitaj(Settings, KljučDistribucijeBa);
    if (!lokacija.isEmpty())
        kontrole.PostaviTekstLokacije(1, lokacija);
}

void Postavke::optLokacija_Click(int) {
    SnimiPostavke();
}

void Postavke::cmdLokacija_Click(int indeks) {
    DijalogDatoteke dijalog;
    dijalog.zadanaEkstenzija = QStringLiteral(".txt");
    dijalog.filter = QStringLiteral("Verzije (*.txt)|*.txt");
    dijalog.imeDatoteke = ImeListeVerzija;
    dijalog.naslov =
        QStringLiteral("Izaberite uređaj i direktoriju gdje se nalaze novi Velkor programi");
    dijalog.početnaDirektorija = kontrole.TekstLokacije(indeks);

    const QString izabrana = QDir::toNativeSeparators(kontrole.IzaberiDatoteku(dijalog));
    const int zadnjiRazdjelnik = izabrana.lastIndexOf(QDir::separator());
    if (izabrana.isEmpty() || zadnjiRazdjelnik == izabrana.size() - 1)
        return;
    kontrole.PostaviTekstLokacije(indeks, izabrana.left(zadnjiRazdjelnik + 1));
    SnimiPostavke();
}

void Postavke::txtLokacija_Validate(int indeks) {
    const QString tekst = kontrole.TekstLokacije(indeks);
    if (datoteke.PostojiDirektorija(tekst)) {
        SnimiPostavke();
        return;
    }
    poruke.Poruka(QStringLiteral("Ne postoji direktorija: ") + tekst +
                      QStringLiteral(" Postavite je!"),
                  Ikona::Usklicnik);
    cmdLokacija_Click(indeks);
}

void Postavke::numVrijemeDownloada_Change() {
    spremište.Zapiši(Setting, KljučVremena, QString::number(kontrole.VrijemeDownloada()));
}

quint32 Postavke::BojaIntegratora() const {
    const std::optional<QString> tekst = spremište.Pročitaj(Settings, KljučBoje);
    if (!tekst)
        return ZadanaBoja;
    bool ispravno = false;
    const qint32 boja = tekst->trimmed().toInt(&ispravno);
    return ispravno ? quint32(boja) : ZadanaBoja;
}

} // namespace velkor
