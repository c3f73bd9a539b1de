// The window interface: what the operations show and read.
#include "window/frmZideZizodu.h"

#include "window/Dijalozi.h"
#include "window/StatusnaTraka.h"
#include "window/TablicaPlana.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

namespace velkor {

namespace {

// The panes show CR LF joined texts as lines.
QString uRetke(QString tekst) {
    return tekst.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Buttons fill their background from the Button role, the rest from Window.
void oboji(QWidget* kontrola, const QColor& boja, bool iPodloga = false) {
    QPalette paleta = kontrola->palette();
    paleta.setColor(QPalette::Window, boja);
    paleta.setColor(kontrola->backgroundRole(), boja);
    if (iPodloga)
        paleta.setColor(QPalette::Base, boja);
    kontrola->setPalette(paleta);
    kontrola->setAutoFillBackground(true);
}

} // namespace

void frmZideZizodu::PostaviStatus1(const QString& tekst) {
    SBar->PostaviPanel(1, tekst);
}

void frmZideZizodu::PostaviStatus2(const QString& tekst) {
    SBar->PostaviPanel(2, tekst);
}

QString frmZideZizodu::Status1() const {
    return SBar->Panel(1);
}

QString frmZideZizodu::Status2() const {
    return SBar->Panel(2);
}

void frmZideZizodu::PrikažiProgres(qint32 minimum, qint32 maksimum) {
    progBar->setMinimum(minimum);
    progBar->setMaximum(maksimum);
    progBar->setValue(0);
    pokrijGumbVerzije();
    progBar->show();
    progBar->raise();
}

void frmZideZizodu::pokrijGumbVerzije() {
    progBar->setGeometry(cmdVerzija->geometry());
}

void frmZideZizodu::PostaviProgres(qint32 vrijednost) {
    progBar->setValue(vrijednost);
}

qint32 frmZideZizodu::Progres() const {
    return progBar->value();
}

void frmZideZizodu::SakrijProgres() {
    progBar->hide();
}

void frmZideZizodu::PrikažiIzvještajRada(const QString& tekst) {
    txtPor->setPlainText(uRetke(tekst));
    txtPor->repaint();
}

void frmZideZizodu::PrikažiPopisGrešaka(const QString& tekst) {
    txtPorGr->setPlainText(uRetke(tekst));
    txtPorGr->repaint();
}

QWidget* frmZideZizodu::roditeljDijaloga() {
    return isVisible() ? this : nullptr;
}

Odgovor frmZideZizodu::Poruka(const QString& tekst, Ikona ikona, Gumbi gumbi,
                              const QString& naslov) {
    return PokažiPoruku(roditeljDijaloga(), tekst, ikona, gumbi, naslov);
}

QString frmZideZizodu::IzaberiDatoteku(const DijalogDatoteke& dijalog) {
    return PokažiDijalogDatoteke(roditeljDijaloga(), dijalog);
}

int frmZideZizodu::OdabranaOpcija() const {
    for (int indeks = 0; indeks < int(optLokacija.size()); ++indeks) {
        if (optLokacija[indeks]->isChecked())
            return indeks;
    }
    return -1;
}

void frmZideZizodu::OznačiOpciju(int indeks) {
    programskaPromjena = true;
    if (indeks >= 0 && indeks < int(optLokacija.size())) {
        optLokacija[indeks]->setChecked(true);
    } else {
        for (QRadioButton* opcija : optLokacija) {
            opcija->setAutoExclusive(false);
            opcija->setChecked(false);
            opcija->setAutoExclusive(true);
        }
    }
    programskaPromjena = false;
}

void frmZideZizodu::PostaviNatpisOpcije(int indeks, const QString& natpis) {
    if (indeks >= 0 && indeks < int(optLokacija.size()))
        optLokacija[indeks]->setText(natpis);
}

QString frmZideZizodu::TekstLokacije(int indeks) const {
    return indeks >= 0 && indeks < int(txtLokacija.size()) ? txtLokacija[indeks]->text()
                                                           : QString();
}

void frmZideZizodu::PostaviTekstLokacije(int indeks, const QString& tekst) {
    if (indeks >= 0 && indeks < int(txtLokacija.size()))
        txtLokacija[indeks]->setText(tekst);
}

int frmZideZizodu::VrijemeDownloada() const {
    return numVrijemeDownloada->value();
}

void frmZideZizodu::PostaviVrijemeDownloada(int sati) {
    programskaPromjena = true;
    numVrijemeDownloada->setValue(sati);
    programskaPromjena = false;
}

bool frmZideZizodu::DownloadOmogućen() const {
    return zaključano ? stanjaGumba[1] : cmdDownloadAndUpdate->isEnabled();
}

void frmZideZizodu::OmogućiDownload(bool omogućen) {
    if (zaključano)
        stanjaGumba[1] = omogućen;
    else
        cmdDownloadAndUpdate->setEnabled(omogućen);
}

void frmZideZizodu::ZaključajOperacije(bool zaključaj) {
    const std::array<QPushButton*, 3> gumbi{cmdVerzija, cmdDownloadAndUpdate, cmdDownlNaLokaciju};
    if (zaključaj == zaključano)
        return;
    zaključano = zaključaj;
    for (size_t i = 0; i < gumbi.size(); ++i) {
        if (zaključaj) {
            stanjaGumba[i] = gumbi[i]->isEnabled();
            gumbi[i]->setEnabled(false);
        } else {
            gumbi[i]->setEnabled(stanjaGumba[i]);
        }
    }
}

void frmZideZizodu::PostaviVrijemePrijenosa(const QString& tekst) {
    lblVrijemePrijenosa->setText(tekst);
}

QString frmZideZizodu::VrijemePrijenosa() const {
    return lblVrijemePrijenosa->text();
}

void frmZideZizodu::UključiTmrPrijenos(bool uključen) {
    if (!uključen)
        tmrPrijenos->stop();
    else if (!tmrPrijenos->isActive())
        tmrPrijenos->start();
}

void frmZideZizodu::PostaviNaslov(const QString& naslov) {
    setWindowTitle(naslov);
}

void frmZideZizodu::PrikažiKarticu(int kartica) {
    SSTab1->setCurrentIndex(kartica);
}

void frmZideZizodu::PostaviBoju(quint32 boja) {
    const QColor rgb(int(boja & 0xFF), int((boja >> 8) & 0xFF), int((boja >> 16) & 0xFF));
    oboji(this, rgb);
    for (QRadioButton* opcija : optLokacija)
        oboji(opcija, rgb);
    oboji(SSTab1, rgb);
    oboji(fraLokacija, rgb);
    oboji(fgAžuriranja, rgb, true);
    oboji(lblInfo, rgb);
}

void frmZideZizodu::PrikažiPlan(const QList<QStringList>& stavke) {
    fgAžuriranja->PrikažiPlan(stavke);
}

int frmZideZizodu::RedStavke(const QString& ime) const {
    return fgAžuriranja->RedStavke(ime);
}

void frmZideZizodu::PostaviStanjeReda(int red, int slika, int postotak) {
    fgAžuriranja->PostaviStanjeReda(red, slika, postotak);
}

} // namespace velkor
