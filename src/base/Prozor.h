#pragma once
// What the operations ask of the window. The real window implements it with
// widgets; the tests implement it with a recording fake.
#include <QList>
#include <QString>
#include <QStringList>

namespace velkor {

// Enumerators stay ASCII: moc reads this header and cannot parse other letters.
enum class Ikona { Nema, Usklicnik, Upitnik, Informacija, Kriticno };
enum class Gumbi { URedu, DaNe };
enum class Odgovor { URedu, Da, Ne };

inline const QString ZadaniNaslov = QStringLiteral("VelkorZideZizodu22");

// The file-open dialog used as a directory chooser.
struct DijalogDatoteke {
    QString zadanaEkstenzija;
    QString filter;
    QString imeDatoteke;
    QString naslov;
    QString početnaDirektorija;
};

class Prozor {
public:
    virtual ~Prozor() = default;

    // Status bar panels 1 and 2, repainted at once.
    virtual void PostaviStatus1(const QString& tekst) = 0;
    virtual void PostaviStatus2(const QString& tekst) = 0;
    virtual QString Status1() const = 0;
    virtual QString Status2() const = 0;

    // The progress bar, laid over cmdVerzija while a transfer runs.
    virtual void PrikažiProgres(qint32 minimum, qint32 maksimum) = 0;
    virtual void PostaviProgres(qint32 vrijednost) = 0;
    virtual qint32 Progres() const = 0;
    virtual void SakrijProgres() = 0;

    // txtPor and txtPorGr.
    virtual void PrikažiIzvještajRada(const QString& tekst) = 0;
    virtual void PrikažiPopisGrešaka(const QString& tekst) = 0;

    // A modal message box; returns the button pressed.
    virtual Odgovor Poruka(const QString& tekst, Ikona ikona, Gumbi gumbi = Gumbi::URedu,
                           const QString& naslov = ZadaniNaslov) = 0;

    // optLokacija: the selected index (0, 1, 2), or -1 when none is selected.
    // Selecting from here raises no click; the caller runs the handler itself.
    virtual int OdabranaOpcija() const = 0;
    virtual void OznačiOpciju(int indeks) = 0;
    virtual void PostaviNatpisOpcije(int indeks, const QString& natpis) = 0;

    virtual QString TekstLokacije(int indeks) const = 0;
    virtual void PostaviTekstLokacije(int indeks, const QString& tekst) = 0;

    // numVrijemeDownloada; setting it from here raises no change event.
    virtual int VrijemeDownloada() const = 0;
    virtual void PostaviVrijemeDownloada(int sati) = 0;

    // cmdDownloadAndUpdate.
    virtual bool DownloadOmogućen() const = 0;
    virtual void OmogućiDownload(bool omogućen) = 0;

    // lblVrijemePrijenosa and tmrPrijenos.
    virtual void PostaviVrijemePrijenosa(const QString& tekst) = 0;
    virtual QString VrijemePrijenosa() const = 0;
    virtual void UključiTmrPrijenos(bool uključen) = 0;

    virtual void PostaviNaslov(const QString& naslov) = 0;
    virtual void PrikažiKarticu(int kartica) = 0;
    // An RGB value of the platform: red in the lowest byte.
    virtual void PostaviBoju(quint32 boja) = 0;

    // The full path of the chosen file, or empty text when cancelled.
    virtual QString IzaberiDatoteku(const DijalogDatoteke& dijalog) = 0;

    // Ends the program at once; no close handler runs.
    virtual void ZavršiProgram() = 0;
    // Closes the window as its close control does; the close handler runs.
    virtual void Zatvori() = 0;

    // While an operation runs, the buttons that start operations are disabled;
    // afterwards they get back their earlier state (or what was set meanwhile).
    virtual void ZaključajOperacije(bool zaključano) = 0;

    // The plan grid: one entry per planned item, the six texts of its record.
    virtual void PrikažiPlan(const QList<QStringList>& stavke) = 0;
    // The first grid row, counting from 1, whose column 1 holds the name; -1 when none.
    virtual int RedStavke(const QString& ime) const = 0;
    // Picture and fill of columns 2 to 6 (a negative fill leaves it); the row scrolls into view.
    virtual void PostaviStanjeReda(int red, int slika, int postotak) = 0;
};

} // namespace velkor
