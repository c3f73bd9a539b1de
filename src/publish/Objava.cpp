#include "publish/Objava.h"

#include "base/Datoteke.h"
#include "base/Matrica.h"
#include "base/ZajednickiTekstovi.h"
#include "catalogue/ImePaketa.h"
#include "catalogue/TablicneDatoteke.h"
#include "catalogue/VrstaStavke.h"
#include "catalogue/ZapisVerzije.h"
#include "publish/Pakiranje.h"
#include "publish/PotpisivanjeObjave.h"

#include <QDir>
#include <QTemporaryDir>
#include <limits>

namespace velkor {

namespace {

// The updater reads sizes as 32-bit integers.
constexpr qint64 NajvećaVeličina = std::numeric_limits<qint32>::max();

QString put(const QString& direktorija, const QString& ime) {
    return QDir::toNativeSeparators(QDir(direktorija).filePath(ime));
}

QString prevelika(const QString& ime, qint64 veličina) {
    return QStringLiteral("\"") + ime + QStringLiteral("\" ima ") + QString::number(veličina) +
           QStringLiteral(" bajtova, a program čita veličine do ") +
           QString::number(NajvećaVeličina) + QLatin1Char('.');
}

} // namespace

Objava::Objava(Datoteke& datoteke, TablicneDatoteke& tablice, QString sedamZip,
               const Konzola& konzola)
    : datoteke(datoteke), tablice(tablice), sedamZip(std::move(sedamZip)), konzola(konzola) {}

bool Objava::Objavi(const QString& izvor, const QString& odredište) {
    paketi.clear();
    postavljeno = 0;
    if (objavi(izvor, odredište))
        return true;
    if (postavljeno == 0)
        konzola.greške(QStringLiteral("Ništa nije zapisano u ") +
                       QDir::toNativeSeparators(odredište) + QLatin1Char('.'));
    else
        konzola.greške(
            ImeListeVerzija + QStringLiteral(" u ") + QDir::toNativeSeparators(odredište) +
            QStringLiteral(" nije promijenjen; zapisano paketa: ") + QString::number(postavljeno) +
            QStringLiteral(" od ") + QString::number(paketi.size()) + QLatin1Char('.'));
    return false;
}

bool Objava::objavi(const QString& izvor, const QString& odredište) {
    if (!pročitajPopis(izvor) || !provjeriDatoteke(izvor) ||
        (potpisivanje && !potpisivanje->IzdanjeDopušteno(odredište)))
        return false;
    // Packed apart first, so a failed package leaves the publication untouched.
    QTemporaryDir radna;
    if (!radna.isValid())
        return odbij(QStringLiteral("Nije moguće napraviti privremenu direktoriju: ") +
                     radna.errorString());
    if (!zapakiraj(izvor, radna.path()))
        return false;
    if (!QDir().mkpath(odredište))
        return odbij(QStringLiteral("Nije moguće napraviti direktoriju ") +
                     QDir::toNativeSeparators(odredište) + QLatin1Char('.'));
    if (!postavi(radna.path(), odredište))
        return false;
    if (!postaviListu(izvor, radna.path(), odredište))
        return false;
    konzola.izlaz(QStringLiteral("Objavljeno stavki: ") + QString::number(paketi.size()) +
                  QStringLiteral("; ") + ImeListeVerzija + QStringLiteral(" zapisan u ") +
                  QDir::toNativeSeparators(odredište) + QLatin1Char('.'));
    return true;
}

bool Objava::odbij(const QString& poruka) {
    konzola.greške(poruka);
    return false;
}

bool Objava::pročitajPopis(const QString& izvor) {
    Greška greška;
    const QString putPopisa = put(izvor, ImePopisaObjave);
    const std::optional<QByteArray> bajtovi = datoteke.Pročitaj(putPopisa, &greška);
    if (!bajtovi)
        return odbij(QStringLiteral("Nije moguće pročitati ") + putPopisa + QStringLiteral(": ") +
                     greška.opis + QLatin1Char('.'));
    const PopisObjave popis = PročitajPopisObjave(DekodirajPopisObjave(*bajtovi));
    for (const QString& upozorenje : popis.upozorenja)
        konzola.izlaz(upozorenje);
    if (!popis.odbijanje.isEmpty())
        return odbij(popis.odbijanje);
    for (const StavkaObjave& stavka : popis.stavke)
        paketi << Paket{stavka, ImePaketa(stavka.ime)};
    return true;
}

bool Objava::provjeriDatoteke(const QString& izvor) {
    bool trebaSedamZip = false;
    for (Paket& paket : paketi) {
        const QString ime = paket.stavka.ime;
        const std::optional<qint64> veličina = datoteke.Veličina(put(izvor, ime));
        if (!veličina)
            return odbij(OznakaReda(paket.stavka.red) + QStringLiteral("u izvoru nema datoteke ") +
                         put(izvor, ime) + QLatin1Char('.'));
        if (*veličina > NajvećaVeličina)
            return odbij(OznakaReda(paket.stavka.red) + prevelika(ime, *veličina));
        paket.stvarnaVeličina = *veličina;
        trebaSedamZip = trebaSedamZip || !PaketJeSamaDatoteka(ime);
    }
    if (trebaSedamZip && sedamZip.isEmpty())
        return odbij(QStringLiteral("Nije pronađen program 7za, ni uz velkor-objava ni na putu "
                                    "pretraživanja (PATH)."));
    return true;
}

bool Objava::zapakiraj(const QString& izvor, const QString& radna) {
    for (int i = 0; i < paketi.size(); ++i) {
        const StavkaObjave& stavka = paketi[i].stavka;
        konzola.izlaz(QLatin1Char('[') + QString::number(i + 1) + QLatin1Char('/') +
                      QString::number(paketi.size()) + QStringLiteral("] ") + stavka.ime +
                      QLatin1Char(' ') + stavka.verzija.join(QLatin1Char('.')) +
                      QStringLiteral(" -> ") + paketi[i].ime);
        if (!zapakirajJedan(izvor, radna, paketi[i]))
            return false;
    }
    return true;
}

bool Objava::zapakirajJedan(const QString& izvor, const QString& radna, Paket& paket) {
    const QString ime = paket.stavka.ime;
    const QString cilj = put(radna, paket.ime);
    if (PaketJeSamaDatoteka(ime)) {
        if (const Rezultat kopirano = datoteke.Kopiraj(put(izvor, ime), cilj); !kopirano)
            return odbij(QStringLiteral("Nije moguće kopirati ") + put(izvor, ime) +
                         QStringLiteral(": ") + kopirano.greška().opis + QLatin1Char('.'));
    } else if (const QString greška = ZapakirajSedamZipom(sedamZip, izvor, ime, cilj);
               !greška.isEmpty()) {
        return odbij(greška);
    }
    paket.veličina = datoteke.Veličina(cilj).value_or(0);
    if (paket.veličina > NajvećaVeličina)
        return odbij(OznakaReda(paket.stavka.red) + QStringLiteral("paket ") +
                     prevelika(paket.ime, paket.veličina));
    return true;
}

bool Objava::postavi(const QString& radna, const QString& odredište) {
    for (Paket& paket : paketi) {
        // Written beside the old package and moved over it whole.
        if (const Rezultat zapisano =
                datoteke.Kopiraj(put(radna, paket.ime), put(odredište, paket.ime));
            !zapisano)
            return odbij(QStringLiteral("Nije moguće zapisati ") + put(odredište, paket.ime) +
                         QStringLiteral(": ") + zapisano.greška().opis + QLatin1Char('.'));
        ++postavljeno;
        // The size of what was just written, not of what was meant to be.
        Greška greška;
        const std::optional<qint64> veličina =
            datoteke.Veličina(put(odredište, paket.ime), &greška);
        if (!veličina)
            return odbij(QStringLiteral("Nije moguće pročitati veličinu ") +
                         put(odredište, paket.ime) + QStringLiteral(": ") + greška.opis + '.');
        paket.veličina = *veličina;
    }
    return true;
}

// The list last: until it is in place, clients keep reading the old one.
bool Objava::postaviListu(const QString& izvor, const QString& radna, const QString& odredište) {
    Matrica lista;
    popuniListu(lista);
    if (!potpisivanje)
        return tablice.ZapišiMatricu(lista, put(odredište, ImeListeVerzija));
    const QString novaLista = put(radna, ImeListeVerzija);
    const auto verzije =
        tablice.ZapišiMatricu(lista, novaLista) ? datoteke.Pročitaj(novaLista) : std::nullopt;
    if (!verzije)
        return false;
    Sažeci sažeci;
    for (const Paket& paket : paketi) {
        const auto sažetakPaketa = Sažeci::SažetakDatoteke(put(odredište, paket.ime));
        const auto sažetakStavke = Sažeci::SažetakDatoteke(put(izvor, paket.stavka.ime));
        if (!sažetakPaketa || !sažetakStavke)
            return odbij(QStringLiteral("Nije moguće pročitati ") + paket.ime +
                         QStringLiteral(" za sažetak."));
        sažeci.Dodaj(paket.ime, *sažetakPaketa);
        sažeci.Dodaj(paket.stavka.ime, *sažetakStavke);
    }
    if (!potpisivanje->Potpiši(odredište, *verzije, sažeci))
        return false;
    if (const Rezultat postavljena = datoteke.Kopiraj(novaLista, put(odredište, ImeListeVerzija));
        !postavljena)
        return odbij(QStringLiteral("Nije moguće zapisati ") + put(odredište, ImeListeVerzija) +
                     QStringLiteral(": ") + postavljena.greška().opis + QLatin1Char('.'));
    return true;
}

void Objava::popuniListu(Matrica& lista) const {
    for (int red = 0; red < paketi.size(); ++red) {
        const Paket& paket = paketi[red];
        lista(red, Stupac::Ime) = paket.stavka.ime;
        lista(red, Stupac::Ver_Gl) = paket.stavka.verzija[0];
        lista(red, Stupac::Ver_Pom) = paket.stavka.verzija[1];
        lista(red, Stupac::Ver_Rev) = paket.stavka.verzija[2];
        lista(red, Stupac::VeličinaDownload) = QString::number(paket.veličina);
        lista(red, Stupac::StvarnaVeličina) = QString::number(paket.stvarnaVeličina);
    }
}

} // namespace velkor
