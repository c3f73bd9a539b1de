#pragma once
// The plan grid fgAžuriranja. Grid rows are counted as the operations count
// them: row 0 is the header, row 1 the total row, items from row 2 on. The
// header is the table's horizontal header, so grid row r is table row r - 1.
#include <QLocale>
#include <QTableWidget>

namespace velkor {

class TablicaPlana : public QTableWidget {
    Q_OBJECT

public:
    // The fill percentage of a cell and the picture number of column 1.
    static constexpr int RolaPostotka = Qt::UserRole + 1;
    static constexpr int RolaSlike = Qt::UserRole + 2;
    static constexpr int Stupaca = 7;

    explicit TablicaPlana(QWidget* roditelj = nullptr);

    // Each item: Ime, Ver_Gl, Ver_Pom, Ver_Rev, VeličinaDownload, StvarnaVeličina.
    // Sizes show in the default locale: the user's, unless a test sets another.
    void PrikažiPlan(const QList<QStringList>& stavke);
    // The first grid row from 1 on whose column 1 is the name; -1 when none.
    int RedStavke(const QString& ime) const;
    // Picture 1..6 (others leave it), fill of columns 2 to 6 (a negative
    // percentage leaves it), and the row scrolled into view.
    void PostaviStanjeReda(int red, int slika, int postotak);

    // "#,##0": whole number with the locale's group separator; a text that
    // is not a number stays as it is.
    static QString FormatBroja(const QString& tekst, const QLocale& lokal);

private:
    QTableWidgetItem* ćelija(int red, int stupac, const QString& tekst);
    void popuniRedUkupno(double veličinaDownload, double stvarnaVeličina);
    int uPiksele(int twipovi) const;
};

} // namespace velkor
