#include "window/TablicaPlana.h"

#include "window/DelegatPopune.h"
#include "window/SlikeStanja.h"

#include <QHeaderView>
#include <cmath>
#include <optional>

namespace velkor {

namespace {

const QColor BojaUkupno(192, 192, 255);
constexpr int ŠirinaBroja = 400;  // twips
constexpr int ŠirinaImena = 3000; // twips

Qt::Alignment poravnanje(int stupac) {
    switch (stupac) {
    case 1:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case 2:
    case 3:
    case 4:
        return Qt::AlignCenter;
    case 5:
    case 6:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

std::optional<double> broj(const QString& tekst) {
    bool ispravno = false;
    const double vrijednost = QLocale::c().toDouble(tekst.trimmed(), &ispravno);
    if (!ispravno || !std::isfinite(vrijednost))
        return std::nullopt;
    return vrijednost;
}

// Some locales sign with U+2212; the number format has always used the hyphen.
QString sGrupama(double vrijednost, const QLocale& lokal) {
    QLocale grupirani = lokal;
    grupirani.setNumberOptions(lokal.numberOptions() & ~QLocale::OmitGroupSeparator);
    const double zaokruženo = std::round(vrijednost);
    const double iznos = std::fabs(zaokruženo);
    const QString znamenke =
        iznos < 1e15 ? grupirani.toString(qint64(iznos)) : grupirani.toString(iznos, 'f', 0);
    return zaokruženo < 0 ? QLatin1Char('-') + znamenke : znamenke;
}

} // namespace

TablicaPlana::TablicaPlana(QWidget* roditelj) : QTableWidget(0, Stupaca, roditelj) {
    setObjectName(QStringLiteral("fgAzuriranja"));
    setItemDelegate(new DelegatPopune(this));
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(VeličinaSlike, VeličinaSlike));
    PrikažiPlan({});
}

QString TablicaPlana::FormatBroja(const QString& tekst, const QLocale& lokal) {
    const std::optional<double> vrijednost = broj(tekst);
    return vrijednost ? sGrupama(*vrijednost, lokal) : tekst;
}

QTableWidgetItem* TablicaPlana::ćelija(int red, int stupac, const QString& tekst) {
    auto* stavka = new QTableWidgetItem(tekst);
    stavka->setTextAlignment(poravnanje(stupac));
    setItem(red, stupac, stavka);
    return stavka;
}

void TablicaPlana::PrikažiPlan(const QList<QStringList>& stavke) {
    clear();
    setColumnCount(Stupaca);
    setHorizontalHeaderLabels({QString(), QStringLiteral("Ime programa/komponente"),
                               QStringLiteral("Ver_Gl"), QStringLiteral("Ver_Pom"),
                               QStringLiteral("Ver_Rev"), QStringLiteral("VeličinaDownload"),
                               QStringLiteral("StvarnaVeličina")});
    setRowCount(int(stavke.size()) + 1);

    const QLocale lokal;
    double veličinaDownload = 0;
    double stvarnaVeličina = 0;
    for (int i = 0; i < stavke.size(); ++i) {
        const int red = i + 1;
        ćelija(red, 0, QString::number(i + 1));
        for (int stupac = 1; stupac < Stupaca; ++stupac) {
            const QString tekst = stavke[i].value(stupac - 1);
            ćelija(red, stupac, stupac >= 5 ? FormatBroja(tekst, lokal) : tekst);
        }
        item(red, 1)->setData(Qt::DecorationRole, SlikaIzListe(SlikaPlanirano));
        item(red, 1)->setData(RolaSlike, int(SlikaPlanirano));
        veličinaDownload += broj(stavke[i].value(4)).value_or(0);
        stvarnaVeličina += broj(stavke[i].value(5)).value_or(0);
    }
    popuniRedUkupno(veličinaDownload, stvarnaVeličina);

    for (int stupac = 2; stupac < Stupaca; ++stupac)
        resizeColumnToContents(stupac);
    setColumnWidth(0, uPiksele(ŠirinaBroja));
    setColumnWidth(1, uPiksele(ŠirinaImena));
}

void TablicaPlana::popuniRedUkupno(double veličinaDownload, double stvarnaVeličina) {
    const QLocale lokal;
    QFont podebljano = font();
    podebljano.setBold(true);
    for (int stupac = 0; stupac < Stupaca; ++stupac) {
        QString tekst;
        if (stupac == 1)
            tekst = QStringLiteral("UKUPNO: ");
        else if (stupac == 5 || stupac == 6)
            tekst = sGrupama(stupac == 5 ? veličinaDownload : stvarnaVeličina, lokal);
        QTableWidgetItem* stavka = ćelija(0, stupac, tekst);
        stavka->setFont(podebljano);
        stavka->setForeground(Qt::black);
        stavka->setBackground(BojaUkupno);
    }
}

int TablicaPlana::RedStavke(const QString& ime) const {
    for (int red = 0; red < rowCount(); ++red) {
        const QTableWidgetItem* stavka = item(red, 1);
        if (stavka && stavka->text() == ime)
            return red + 1;
    }
    return -1;
}

void TablicaPlana::PostaviStanjeReda(int red, int slika, int postotak) {
    const int redTablice = red - 1;
    if (redTablice < 0 || redTablice >= rowCount())
        return;
    QTableWidgetItem* ime = item(redTablice, 1);
    if (!ime)
        ime = ćelija(redTablice, 1, QString());
    const QPixmap pixmap = SlikaIzListe(slika);
    if (!pixmap.isNull()) {
        ime->setData(Qt::DecorationRole, pixmap);
        ime->setData(RolaSlike, slika);
    }
    if (postotak >= 0) {
        for (int stupac = 2; stupac < Stupaca; ++stupac) {
            QTableWidgetItem* stavka = item(redTablice, stupac);
            if (!stavka)
                stavka = ćelija(redTablice, stupac, QString());
            stavka->setData(RolaPostotka, qMin(postotak, 100));
        }
    }
    scrollToItem(ime);
}

int TablicaPlana::uPiksele(int twipovi) const {
    return qRound(twipovi * logicalDpiX() / 1440.0);
}

} // namespace velkor
