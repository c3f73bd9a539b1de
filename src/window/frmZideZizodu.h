#pragma once
// The main window: controls, layout and the window interface; no logic of its own.
#include "app/DogadajiProzora.h"
#include "base/Prozor.h"

#include <QMainWindow>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTimer;

namespace velkor {

class StatusnaTraka;
class TablicaPlana;

class frmZideZizodu : public QMainWindow, public Prozor {
    Q_OBJECT

public:
    static constexpr int IntervalPrijenosa = 500;
    static constexpr int IntervalUpdatea = 60000;

    explicit frmZideZizodu(QWidget* roditelj = nullptr);

    // Where the controls' events go; none are raised before this is set.
    void PoveziDogađaje(DogađajiProzora* događaji);

    void PostaviStatus1(const QString& tekst) override;
    void PostaviStatus2(const QString& tekst) override;
    QString Status1() const;
    QString Status2() const;

    void PrikažiProgres(qint32 minimum, qint32 maksimum) override;
    void PostaviProgres(qint32 vrijednost) override;
    qint32 Progres() const;
    void SakrijProgres() override;

    void PrikažiIzvještajRada(const QString& tekst) override;
    void PrikažiPopisGrešaka(const QString& tekst) override;

    Odgovor Poruka(const QString& tekst, Ikona ikona, Gumbi gumbi = Gumbi::URedu,
                   const QString& naslov = ZadaniNaslov) override;

    int OdabranaOpcija() const override;
    void OznačiOpciju(int indeks) override;
    void PostaviNatpisOpcije(int indeks, const QString& natpis) override;

    QString TekstLokacije(int indeks) const override;
    void PostaviTekstLokacije(int indeks, const QString& tekst) override;

    int VrijemeDownloada() const override;
    void PostaviVrijemeDownloada(int sati) override;

    bool DownloadOmogućen() const;
    void OmogućiDownload(bool omogućen) override;

    void PostaviVrijemePrijenosa(const QString& tekst) override;
    QString VrijemePrijenosa() const;
    void UključiTmrPrijenos(bool uključen) override;

    void PostaviNaslov(const QString& naslov) override;
    void PrikažiKarticu(int kartica) override;
    void PostaviBoju(quint32 boja) override;

    QString IzaberiDatoteku(const DijalogDatoteke& dijalog) override;
    void ZavršiProgram() override;
    void Zatvori() override;
    void ZaključajOperacije(bool zaključano) override;

    void PrikažiPlan(const QList<QStringList>& stavke) override;
    int RedStavke(const QString& ime) const override;
    void PostaviStanjeReda(int red, int slika, int postotak) override;

protected:
    bool event(QEvent* događaj) override;
    void showEvent(QShowEvent* događaj) override;
    void closeEvent(QCloseEvent* događaj) override;
    bool eventFilter(QObject* objekt, QEvent* događaj) override;

private:
    QWidget* napraviIzvor();
    QWidget* napraviKarticuPlana();
    QWidget* napraviKarticuDistribucije();
    void povežiKontrole();
    void javiValidaciju(int indeks);
    void javiAktivaciju();
    void pokrijGumbVerzije();
    // Roughly where a dialog should sit: over the window once it is shown.
    QWidget* roditeljDijaloga();

    DogađajiProzora* događaji = nullptr;
    bool prviPrikaz = true;
    bool završavaBezUnloada = false;
    bool unloadJavljen = false;
    bool programskaPromjena = false;
    std::array<bool, 2> uValidaciji{};
    // The operation buttons' states to give back when an operation ends.
    bool zaključano = false;
    std::array<bool, 3> stanjaGumba{};

    QPushButton* cmdVerzija = nullptr;
    QTabWidget* SSTab1 = nullptr;
    QGroupBox* fraLokacija = nullptr;
    std::array<QRadioButton*, 3> optLokacija{};
    std::array<QLineEdit*, 2> txtLokacija{};
    std::array<QPushButton*, 2> cmdLokacija{};
    QLabel* lblInfo = nullptr;
    StatusnaTraka* SBar = nullptr;
    QProgressBar* progBar = nullptr;
    QPushButton* cmdIzlaz = nullptr;
    TablicaPlana* fgAžuriranja = nullptr;
    QPushButton* cmdDownloadAndUpdate = nullptr;
    QPlainTextEdit* txtPor = nullptr;
    QPlainTextEdit* txtPorGr = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdDownlNaLokaciju = nullptr;
    QLabel* lblVrijemePrijenosa = nullptr;
    QSpinBox* numVrijemeDownloada = nullptr;
    QTimer* tmrPrijenos = nullptr;
    QTimer* tmrUpdate = nullptr;
};

} // namespace velkor
