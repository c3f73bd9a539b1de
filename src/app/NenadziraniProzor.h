#pragma once
// The window of the unattended mode: no widget, the steps and the boxes become
// lines, and the questions are answered as the command line says.
#include "app/NaredbeniRedak.h"
#include "base/Prozor.h"

#include <QHash>
#include <QSet>
#include <functional>

namespace velkor {

class Sat;

class NenadziraniProzor : public Prozor {
public:
    using Ispis = std::function<void(const QString& redak)>;

    NenadziraniProzor(const NaredbaBezNadzora& naredba, Sat& sat, Ispis ispis);

    Odgovor Poruka(const QString& tekst, Ikona ikona, Gumbi gumbi, const QString& naslov) override;

    // A step is a line when it changes; the transfer's percentages are no steps.
    void PostaviStatus1(const QString& tekst) override;
    void PostaviStatus2(const QString&) override {}
    void PrikažiProgres(qint32, qint32) override {}
    void PostaviProgres(qint32) override {}
    void SakrijProgres() override {}

    void PrikažiIzvještajRada(const QString&) override {}
    void PrikažiPopisGrešaka(const QString&) override {}
    void PrikažiKarticu(int) override {}

    void PrikažiPlan(const QList<QStringList>& stavke) override { plan = stavke; }
    int RedStavke(const QString& ime) const override;
    void PostaviStanjeReda(int red, int slika, int postotak) override;
    void OmogućiDownload(bool) override {}

    // The command line's source and location stand before the saved ones.
    int OdabranaOpcija() const override;
    void OznačiOpciju(int indeks) override { opcija = indeks; }
    void PostaviNatpisOpcije(int, const QString&) override {}
    QString TekstLokacije(int indeks) const override;
    void PostaviTekstLokacije(int indeks, const QString& tekst) override;
    int VrijemeDownloada() const override { return sati; }
    void PostaviVrijemeDownloada(int s) override { sati = s; }
    // No one to choose: as if cancelled.
    QString IzaberiDatoteku(const DijalogDatoteke&) override { return {}; }

    void PostaviNaslov(const QString&) override {}
    void PostaviBoju(quint32) override {}
    void PostaviVrijemePrijenosa(const QString&) override {}
    void UključiTmrPrijenos(bool) override {}
    void ZaključajOperacije(bool) override {}
    void ZavršiProgram() override { završen = true; }
    void Zatvori() override {}

    // The plan as last shown, and the states each item has been through.
    QList<QStringList> plan;
    QHash<QString, QSet<int>> stanjaStavki;
    // The first line of every box that told of a failure.
    QStringList greške;
    // An operation wanted the program ended.
    bool završen = false;

private:
    Odgovor odgovor(const QString& tekst);
    void ispiši(const QString& tekst);

    const NaredbaBezNadzora& naredba;
    Sat& sat;
    Ispis ispis;
    int opcija = -1;
    QString lokacije[2];
    int sati = 0;
    QString zadnjiKorak;
    QString zadnjePitanje;
    int čekano = 0;
};

} // namespace velkor
