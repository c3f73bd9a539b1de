#pragma once
// A window without a screen for the benchmark: holds what it is told and
// writes message boxes to the error stream.
#include "base/Prozor.h"

namespace velkor::bench {

class KonzolniProzor : public Prozor {
public:
    explicit KonzolniProzor(int opcija) : opcija(opcija) {}

    void PostaviStatus1(const QString& tekst) override { status1 = tekst; }
    void PostaviStatus2(const QString& tekst) override { status2 = tekst; }
    QString Status1() const override { return status1; }
    QString Status2() const override { return status2; }

    void PrikažiProgres(qint32, qint32) override {}
    void PostaviProgres(qint32 vrijednost) override { progres = vrijednost; }
    qint32 Progres() const override { return progres; }
    void SakrijProgres() override {}

    void PrikažiIzvještajRada(const QString&) override {}
    void PrikažiPopisGrešaka(const QString&) override {}

    Odgovor Poruka(const QString& tekst, Ikona ikona, Gumbi gumbi, const QString& naslov) override;

    int OdabranaOpcija() const override { return opcija; }
    void OznačiOpciju(int indeks) override { opcija = indeks; }
    void PostaviNatpisOpcije(int, const QString&) override {}
    QString TekstLokacije(int) const override { return {}; }
    void PostaviTekstLokacije(int, const QString&) override {}
    int VrijemeDownloada() const override { return 0; }
    void PostaviVrijemeDownloada(int) override {}
    bool DownloadOmogućen() const override { return true; }
    void OmogućiDownload(bool) override {}
    void PostaviVrijemePrijenosa(const QString&) override {}
    QString VrijemePrijenosa() const override { return {}; }
    void UključiTmrPrijenos(bool) override {}
    void PostaviNaslov(const QString&) override {}
    void PrikažiKarticu(int) override {}
    void PostaviBoju(quint32) override {}
    QString IzaberiDatoteku(const DijalogDatoteke&) override { return {}; }
    void ZavršiProgram() override {}
    void Zatvori() override {}
    void ZaključajOperacije(bool) override {}
    void PrikažiPlan(const QList<QStringList>&) override {}
    int RedStavke(const QString&) const override { return -1; }
    void PostaviStanjeReda(int, int, int) override {}

    int brojPoruka = 0;

private:
    int opcija;
    QString status1, status2;
    qint32 progres = 0;
};

} // namespace velkor::bench
