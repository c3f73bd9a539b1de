#include "app/Aplikacija.h"

#include "base/DatotekaPokrajCilja.h"
#include "base/Domacini.h"
#include "base/Prozor.h"
#include "base/Sat.h"
#include "base/VrijemePrijenosa.h"
#include "platform/Platforma.h"

namespace velkor {

namespace {

const QString PorukaDrugogProzora =
    QStringLiteral("Program za ažuriranje je već otvoren na ovoj instalaciji. Ovaj se prozor "
                   "zatvara.");
const QString PorukaZauzeto =
    QStringLiteral("Ova se instalacija upravo ažurira u drugom pokretanju programa. Pokušajte "
                   "ponovno kada ono završi.");

// The lock given back however the operation ends, a thrown exception included.
struct Otključavanje {
    Aplikacija& a;
    ~Otključavanje() { a.OtključajInstalaciju(); }
};

} // namespace

Aplikacija::Aplikacija(const Okolina& okolina)
    : okolina(okolina), dnevnik_(okolina.aplikacijskaDirektorija, okolina.datoteke, okolina.prozor,
                                 okolina.sat, okolina.regionalno),
      postavke_(okolina.spremište, okolina.prozor, okolina.prozor, okolina.datoteke, stanje_),
      radneDirektorije_(okolina.aplikacijskaDirektorija, stanje_, okolina.prozor, okolina.datoteke,
                        okolina.platforma),
      pokretanje_(radneDirektorije_, stanje_, okolina.prozor, okolina.datoteke, dnevnik_,
                  postavke_),
      tablice_(okolina.datoteke, okolina.prozor, dnevnik_, stanje_),
      plan_(stanje_, okolina.prozor, okolina.prozor, okolina.datoteke, dnevnik_),
      preuzimanje_(stanje_, okolina.prozor, okolina.prozor, dnevnik_,
                   Domaćini::IzOkoline(okolina.platforma),
                   okolina.platforma.VarijablaOkoline(QStringLiteral("VELKOR_CA_CERTS"))),
      potvrda_(stanje_, okolina.prozor, okolina.datoteke, dnevnik_, tablice_, okolina.spremište,
               okolina.sat, radneDirektorije_.AplikacijskaDirektorijaSaRazdjelnikom()),
      priprema_(stanje_, okolina.prozor, okolina.datoteke, dnevnik_, radneDirektorije_, tablice_,
                plan_, potvrda_, okolina.prozor, downloadDatoteke()),
      distribucija_(stanje_, okolina.prozor, okolina.prozor, okolina.prozor, okolina.datoteke,
                    dnevnik_, tablice_, okolina.spremište, okolina.sat,
                    radneDirektorije_.AplikacijskaDirektorijaSaRazdjelnikom(), downloadDatoteke(),
                    prikazPrijenosa()),
      akvizicija_(stanje_, okolina.prozor, okolina.prozor, okolina.prozor, okolina.datoteke,
                  dnevnik_, okolina.platforma, okolina.sat, plan_, potvrda_, downloadDatoteke()),
      registracija_(okolina.platforma, dnevnik_),
      detekcija_(okolina.platforma, okolina.prozor, dnevnik_),
      povrat_(stanje_, okolina.prozor, okolina.prozor, okolina.datoteke, dnevnik_, registracija_),
      // The check that ends an installation works with the values the run started with.
      instalacija_({stanje_, okolina.prozor, okolina.prozor, okolina.datoteke, dnevnik_,
                    radneDirektorije_, plan_, detekcija_, registracija_, povrat_, potvrda_,
                    [this] { return priprema_.PripremiVerzijaTXT(izvor_); }}) {
    const Domaćini domaćini = Domaćini::IzOkoline(okolina.platforma);
    for (int indeks = 0; indeks <= 2; ++indeks)
        okolina.prozor.PostaviNatpisOpcije(indeks, NatpisOpcije(indeks, domaćini));
}

void Aplikacija::Form_Load() {
    Pokreni(true);
}

bool Aplikacija::Pokreni(bool sProvjerom) {
    pokretanje_.Form_Load([this, sProvjerom] {
        radneDirektorije_.PostaviPutanje();
        if (jedanProzor && !bravaProzora_.Zaključaj(stanje_.PutanjaUpdate)) {
            okolina.prozor.Poruka(PorukaDrugogProzora, Ikona::Usklicnik);
            return false;
        }
        if (!ZaključajInstalaciju()) {
            javiZauzeto(true);
            return false;
        }
        const Otključavanje otključavanje{*this};
        // What an interrupted installation moved aside is put back before the check.
        instalacija_.PopraviPrekinutuInstalaciju();
        // Half-written files of a run that was killed.
        ObrišiNedovršene(okolina.datoteke, stanje_.PutanjaUpdate);
        return !sProvjerom || PripremiVerzijaTXT();
    });
    return !stanje_.KrajPriAktiviranju;
}

bool Aplikacija::ZaključajInstalaciju() {
    radneDirektorije_.PostaviPutanje();
    if (brava_.Zaključaj(stanje_.PutanjaUpdate))
        return true;
    stanje_.VrstaZadnjeGreške = VrstaGreske::Zauzeto;
    return false;
}

void Aplikacija::OtključajInstalaciju() {
    brava_.Otključaj();
}

void Aplikacija::javiZauzeto(bool sPorukom) {
    stanje_.ZadnjaGreška = PorukaZauzeto;
    if (sPorukom)
        okolina.prozor.Poruka(PorukaZauzeto, Ikona::Usklicnik);
    else
        dnevnik_.LogirajGrešku(PorukaZauzeto);
}

bool Aplikacija::PripremiVerzijaTXT() {
    return priprema_.PripremiVerzijaTXT(izvor_ = izvorIzProzora());
}

// What an operation needs of the controls, as they stand when it starts.
IzvorAžuriranja Aplikacija::izvorIzProzora() {
    const IzvorAžuriranja izvor{okolina.prozor.OdabranaOpcija(), okolina.prozor.TekstLokacije(0)};
    preuzimanje_.PostaviIzvor(izvor.opcija);
    return izvor;
}

DownloadDatoteke Aplikacija::downloadDatoteke() {
    return [this](const QString& ime, const QString& direktorija, qint64 najviše) {
        const bool preuzeto = preuzimanje_.DownloadDatoteke(ime, direktorija, najviše);
        if (preuzeto && nakonDownloada)
            nakonDownloada(ime);
        return preuzeto;
    };
}

PrikazPrijenosa Aplikacija::prikazPrijenosa() {
    return {[this] { PokreniVrijemePrijenosa(); }, [this] { ZaustaviVrijemePrijenosa(); },
            [this] { return vrijemePrijenosa_; }};
}

bool Aplikacija::IzvediOperaciju(const std::function<bool()>& operacija, bool sPorukom) {
    if (uTijeku)
        return false;
    if (!ZaključajInstalaciju()) {
        javiZauzeto(sPorukom);
        return false;
    }
    const Otključavanje otključavanje{*this};
    uTijeku = true;
    izvor_ = izvorIzProzora();
    okolina.prozor.ZaključajOperacije(true);
    operacija();
    okolina.prozor.ZaključajOperacije(false);
    uTijeku = false;
    if (izlazNaČekanju)
        pokretanje_.cmdIzlaz_Click();
    else if (zatvaranjeNaČekanju)
        okolina.prozor.Zatvori();
    return true;
}

void Aplikacija::PokreniVrijemePrijenosa() {
    stanje_.PočetakPrijenosa = SekundeOdPonoći(okolina.sat.Sada().time());
    vrijemePrijenosa_.clear();
    okolina.prozor.PostaviVrijemePrijenosa(vrijemePrijenosa_);
    okolina.prozor.UključiTmrPrijenos(true);
}

void Aplikacija::ZaustaviVrijemePrijenosa() {
    okolina.prozor.UključiTmrPrijenos(false);
}

void Aplikacija::Form_Activate() {
    pokretanje_.Form_Activate();
}

bool Aplikacija::Form_Unload() {
    if (uTijeku) {
        zatvaranjeNaČekanju = true;
        return false;
    }
    pokretanje_.Form_Unload();
    return true;
}

void Aplikacija::cmdIzlaz_Click() {
    if (uTijeku) {
        izlazNaČekanju = true;
        return;
    }
    pokretanje_.cmdIzlaz_Click();
}

void Aplikacija::cmdVerzija_Click() {
    IzvediOperaciju([this] { return PripremiVerzijaTXT(); });
}

void Aplikacija::cmdDownloadAndUpdate_Click() {
    Ažuriraj();
}

void Aplikacija::cmdDownlNaLokaciju_Click() {
    Distribuiraj();
}

IshodOperacije Aplikacija::Ažuriraj() {
    IshodOperacije ishod = IshodOperacije::Neuspjeh;
    IzvediOperaciju(
        [this, &ishod] { return (ishod = downloadIInstalacija()) == IshodOperacije::Uspjeh; });
    return ishod;
}

IshodOperacije Aplikacija::Distribuiraj() {
    IshodOperacije ishod = IshodOperacije::Neuspjeh;
    IzvediOperaciju([this, &ishod] {
        return (ishod = distribucijaNaLokaciju(true)) == IshodOperacije::Uspjeh;
    });
    return ishod;
}

// A run that cannot go on ends the program here, where such decisions are made.
IshodOperacije Aplikacija::distribucijaNaLokaciju(bool prikažiPoruke) {
    const QString upisana = okolina.prozor.TekstLokacije(1);
    const QString lokacija = PunjenjeLokacije::LokacijaSRazdjelnikom(upisana);
    if (lokacija != upisana)
        okolina.prozor.PostaviTekstLokacije(1, lokacija);
    const IshodOperacije ishod = distribucija_.PokreniDownloadNaLokaciju(prikažiPoruke, lokacija);
    if (ishod == IshodOperacije::KrajPrograma)
        okolina.prozor.ZavršiProgram();
    return ishod;
}

void Aplikacija::optLokacija_Click(int indeks) {
    postavke_.optLokacija_Click(indeks);
}

void Aplikacija::cmdLokacija_Click(int indeks) {
    postavke_.cmdLokacija_Click(indeks);
}

void Aplikacija::txtLokacija_Validate(int indeks) {
    postavke_.txtLokacija_Validate(indeks);
}

void Aplikacija::numVrijemeDownloada_Change() {
    postavke_.numVrijemeDownloada_Change();
}

void Aplikacija::tmrPrijenos_Timer() {
    const float sada = SekundeOdPonoći(okolina.sat.Sada().time());
    vrijemePrijenosa_ = TekstVremenaPrijenosa(ProtekloVrijeme(stanje_.PočetakPrijenosa, sada),
                                              okolina.regionalno.DecimalniZnak());
    okolina.prozor.PostaviVrijemePrijenosa(vrijemePrijenosa_);
}

void Aplikacija::tmrUpdate_Timer() {
    const QDateTime sada = okolina.sat.Sada();
    if (!raspored_.NaRedu(okolina.prozor.VrijemeDownloada(), sada))
        return;
    // A running operation skips the tick; a later tick in the same minute may still start it.
    IzvediOperaciju(
        [this, sada] {
            raspored_.Zabilježi(sada);
            distribucijaNaLokaciju(false);
            return true;
        },
        false);
}

} // namespace velkor
