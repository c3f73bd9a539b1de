#pragma once
// The window of a command-line tool: a message box becomes a line on the
// error stream; there is nothing else to show.
#include "base/Prozor.h"
#include "publish/Konzola.h"

namespace velkor {

class KonzolniProzor : public Prozor {
public:
    explicit KonzolniProzor(const Konzola& konzola) : konzola(konzola) {}

    Odgovor Poruka(const QString& tekst, Ikona ikona, Gumbi gumbi, const QString& naslov) override;

    void PostaviStatus1(const QString&) override {}
    void PostaviStatus2(const QString&) override {}
    QString Status1() const override { return {}; }
    QString Status2() const override { return {}; }
    void PrikažiProgres(qint32, qint32) override {}
    void PostaviProgres(qint32) override {}
    qint32 Progres() const override { return 0; }
    void SakrijProgres() override {}
    void PrikažiIzvještajRada(const QString&) override {}
    void PrikažiPopisGrešaka(const QString&) override {}
    int OdabranaOpcija() const override { return -1; }
    void OznačiOpciju(int) override {}
    void PostaviNatpisOpcije(int, const QString&) override {}
    QString TekstLokacije(int) const override { return {}; }
    void PostaviTekstLokacije(int, const QString&) override {}
    int VrijemeDownloada() const override { return 0; }
    void PostaviVrijemeDownloada(int) override {}
    bool DownloadOmogućen() const override { return false; }
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

private:
    const Konzola& konzola;
};

} // namespace velkor
