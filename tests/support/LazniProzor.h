#pragma once
// A window that records everything the operations show and answers message
// boxes and the file dialog from a script.
#include "base/Prozor.h"

#include <QQueue>
#include <QStringList>
#include <array>
#include <functional>

namespace velkor::test {

struct ZapisPoruke {
    QString tekst;
    Ikona ikona;
    Gumbi gumbi;
    QString naslov;
};

struct StanjeReda {
    int red;
    int slika;
    int postotak;
};

class LažniProzor : public Prozor {
public:
    void PostaviStatus1(const QString& tekst) override { povijestStatusa1 << tekst; }
    void PostaviStatus2(const QString& tekst) override { povijestStatusa2 << tekst; }

    void PrikažiProgres(qint32 minimum, qint32 maksimum) override {
        progresMin = minimum;
        progresMax = maksimum;
        progres = 0;
        progresVidljiv = true;
    }
    void PostaviProgres(qint32 vrijednost) override { progres = vrijednost; }
    void SakrijProgres() override { progresVidljiv = false; }

    void PrikažiIzvještajRada(const QString& tekst) override { txtPor = tekst; }
    void PrikažiPopisGrešaka(const QString& tekst) override { txtPorGr = tekst; }

    Odgovor Poruka(const QString& tekst, Ikona ikona, Gumbi gumbi,
                   const QString& naslovPoruke) override {
        poruke.append({tekst, ikona, gumbi, naslovPoruke});
        if (priPoruci)
            priPoruci(tekst);
        const Odgovor inače = gumbi == Gumbi::DaNe ? Odgovor::Da : Odgovor::URedu;
        return odgovori.isEmpty() ? inače : odgovori.dequeue();
    }

    int OdabranaOpcija() const override { return opcija; }
    void OznačiOpciju(int indeks) override { opcija = indeks; }
    void PostaviNatpisOpcije(int indeks, const QString& natpis) override {
        natpisi[indeks] = natpis;
    }

    QString TekstLokacije(int indeks) const override { return lokacije[indeks]; }
    void PostaviTekstLokacije(int indeks, const QString& tekst) override {
        lokacije[indeks] = tekst;
    }
    int VrijemeDownloada() const override { return vrijemeDownloada; }
    void PostaviVrijemeDownloada(int sati) override { vrijemeDownloada = sati; }

    void OmogućiDownload(bool omogućen) override { downloadOmogućen = omogućen; }

    void PostaviVrijemePrijenosa(const QString& tekst) override { vrijemePrijenosa = tekst; }
    void UključiTmrPrijenos(bool uključen) override { tmrPrijenos = uključen; }

    void PostaviNaslov(const QString& tekst) override { naslov = tekst; }
    void PrikažiKarticu(int indeks) override { kartica = indeks; }
    void PostaviBoju(quint32 vrijednost) override { boja = vrijednost; }

    QString IzaberiDatoteku(const DijalogDatoteke& dijalog) override {
        dijalozi.append(dijalog);
        return izabraneDatoteke.isEmpty() ? QString() : izabraneDatoteke.dequeue();
    }
    void ZavršiProgram() override { ++završetaka; }
    void Zatvori() override { ++zatvaranja; }
    void ZaključajOperacije(bool zaključano) override { zaključavanja << zaključano; }

    void PrikažiPlan(const QList<QStringList>& stavke) override {
        plan = stavke;
        ++prikazaPlana;
    }
    int RedStavke(const QString& ime) const override {
        for (int i = 0; i < plan.size(); ++i)
            if (plan[i].value(0) == ime)
                return i + 2;
        return -1;
    }
    void PostaviStanjeReda(int red, int slika, int postotak) override {
        stanjaRedova.append({red, slika, postotak});
    }

    // What was recorded.
    QStringList povijestStatusa1, povijestStatusa2;
    qint32 progresMin = 0, progresMax = 100, progres = 0;
    bool progresVidljiv = false;
    QString txtPor, txtPorGr;
    QList<ZapisPoruke> poruke;
    int opcija = 2; // selected at design time
    std::array<QString, 3> natpisi;
    std::array<QString, 2> lokacije;
    int vrijemeDownloada = 0;
    bool downloadOmogućen = true;
    QString vrijemePrijenosa;
    bool tmrPrijenos = false;
    QString naslov;
    int kartica = -1;
    quint32 boja = 0;
    QList<DijalogDatoteke> dijalozi;
    int završetaka = 0;
    int zatvaranja = 0;
    QList<bool> zaključavanja;
    // The grid as shown: item rows only, in order (grid row = index + 2).
    QList<QStringList> plan;
    int prikazaPlana = 0;
    QList<StanjeReda> stanjaRedova;

    // Scripted answers: message boxes answer from here, else OK / Yes;
    // the file dialog answers from here, else as cancelled.
    QQueue<Odgovor> odgovori;
    // Called with each box's text before it is answered.
    std::function<void(const QString&)> priPoruci;
    QQueue<QString> izabraneDatoteke;
};

} // namespace velkor::test
