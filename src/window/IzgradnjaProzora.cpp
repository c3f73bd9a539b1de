// The controls of the main window and their layout.
#include "window/StatusnaTraka.h"
#include "window/TablicaPlana.h"
#include "window/frmZideZizodu.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace velkor {

namespace {

QPushButton* gumb(const QString& ime, const QString& natpis, QWidget* roditelj) {
    auto* g = new QPushButton(natpis, roditelj);
    g->setObjectName(ime);
    return g;
}

QPlainTextEdit* okno(const QString& ime) {
    auto* o = new QPlainTextEdit;
    o->setObjectName(ime);
    o->setReadOnly(true);
    return o;
}

} // namespace

frmZideZizodu::frmZideZizodu(QWidget* roditelj) : QMainWindow(roditelj) {
    setObjectName(QStringLiteral("frmZideZizodu"));
    setWindowTitle(QStringLiteral("Velkor Live Update - Automatsko ažuriranje Velk-or programa"));
    setMinimumSize(760, 560);
    resize(960, 640);

    auto* središte = new QWidget(this);
    auto* raspored = new QVBoxLayout(središte);
    raspored->addWidget(napraviIzvor());

    cmdVerzija = gumb(QStringLiteral("cmdVerzija"),
                      QStringLiteral("Provjeri postoje li nove verzije i pripremi za "
                                     "download/prijenos"),
                      središte);
    cmdVerzija->setMinimumHeight(32);
    raspored->addWidget(cmdVerzija);

    SSTab1 = new QTabWidget(središte);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(napraviKarticuPlana(), QStringLiteral("&Potrebna &ažuriranja"));
    auto* karticaPoruka = new QWidget;
    txtPor = okno(QStringLiteral("txtPor"));
    (new QVBoxLayout(karticaPoruka))->addWidget(txtPor);
    SSTab1->addTab(karticaPoruka, QStringLiteral("Poruke o &akcijama"));
    auto* karticaGrešaka = new QWidget;
    txtPorGr = okno(QStringLiteral("txtPorGr"));
    (new QVBoxLayout(karticaGrešaka))->addWidget(txtPorGr);
    SSTab1->addTab(karticaGrešaka, QStringLiteral("Poruke o &greškama"));
    SSTab1->addTab(napraviKarticuDistribucije(),
                   QStringLiteral("Kopiranje novih (svih) programa na disk/mrežnu lokaciju"));
    // The pages show the tab control's own colour, not the style's pane.
    for (int kartica = 0; kartica < SSTab1->count(); ++kartica)
        SSTab1->widget(kartica)->setAutoFillBackground(true);
    raspored->addWidget(SSTab1, 1);

    auto* dno = new QHBoxLayout;
    dno->addStretch(1);
    cmdIzlaz = gumb(QStringLiteral("cmdIzlaz"), QStringLiteral("Izlaz"), središte);
    cmdIzlaz->setMinimumWidth(120);
    dno->addWidget(cmdIzlaz);
    raspored->addLayout(dno);
    setCentralWidget(središte);

    // Laid over cmdVerzija by hand while a transfer runs, so outside the layout.
    progBar = new QProgressBar(središte);
    progBar->setObjectName(QStringLiteral("progBar"));
    progBar->hide();

    SBar = new StatusnaTraka(this);
    setStatusBar(SBar);

    tmrPrijenos = new QTimer(this);
    tmrPrijenos->setObjectName(QStringLiteral("tmrPrijenos"));
    tmrPrijenos->setInterval(IntervalPrijenosa);
    tmrUpdate = new QTimer(this);
    tmrUpdate->setObjectName(QStringLiteral("tmrUpdate"));
    tmrUpdate->setInterval(IntervalUpdatea);
    tmrUpdate->start();

    povežiKontrole();
}

QWidget* frmZideZizodu::napraviIzvor() {
    fraLokacija = new QGroupBox(QStringLiteral("Lokacija ažuriranja - novih verzija"));
    fraLokacija->setObjectName(QStringLiteral("fraLokacija"));
    auto* mreža = new QGridLayout(fraLokacija);
    for (int indeks = 0; indeks < 3; ++indeks) {
        optLokacija[indeks] = new QRadioButton(fraLokacija);
        optLokacija[indeks]->setObjectName(QStringLiteral("optLokacija_%1").arg(indeks));
    }
    optLokacija[1]->setText(QStringLiteral("Sa mrežne lokacije"));
    optLokacija[2]->setChecked(true);

    txtLokacija[0] = new QLineEdit(fraLokacija);
    txtLokacija[0]->setObjectName(QStringLiteral("txtLokacija_0"));
    cmdLokacija[0] = gumb(QStringLiteral("cmdLokacija_0"), QStringLiteral("..."), fraLokacija);
    lblInfo = new QLabel(
        QStringLiteral("Ukoliko ažuriranje ne ide sa jedne web adrese, koristite drugu"));
    lblInfo->setObjectName(QStringLiteral("lblInfo"));

    mreža->addWidget(optLokacija[2], 0, 0, 1, 3);
    mreža->addWidget(optLokacija[1], 1, 0);
    mreža->addWidget(txtLokacija[0], 1, 1);
    mreža->addWidget(cmdLokacija[0], 1, 2);
    mreža->addWidget(optLokacija[0], 2, 0, 1, 3);
    mreža->addWidget(lblInfo, 3, 0, 1, 3);
    mreža->setColumnStretch(1, 1);
    return fraLokacija;
}

QWidget* frmZideZizodu::napraviKarticuPlana() {
    auto* kartica = new QWidget;
    auto* raspored = new QVBoxLayout(kartica);
    fgAžuriranja = new TablicaPlana(kartica);
    raspored->addWidget(fgAžuriranja, 1);
    cmdDownloadAndUpdate = gumb(QStringLiteral("cmdDownloadAndUpdate"),
                                QStringLiteral("Download programa i instalacija"), kartica);
    raspored->addWidget(cmdDownloadAndUpdate);
    return kartica;
}

QWidget* frmZideZizodu::napraviKarticuDistribucije() {
    auto* kartica = new QWidget;
    auto* raspored = new QVBoxLayout(kartica);
    Label1 = new QLabel(QStringLiteral("Lokacija za presnimavanje novih programa i komponenti "
                                       "radi distribucije u mreži (prvo treba ažurirati "
                                       "lokalno računalo)"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    raspored->addWidget(Label1);

    auto* lokacija = new QHBoxLayout;
    txtLokacija[1] = new QLineEdit(kartica);
    txtLokacija[1]->setObjectName(QStringLiteral("txtLokacija_1"));
    cmdLokacija[1] = gumb(QStringLiteral("cmdLokacija_1"), QStringLiteral("..."), kartica);
    lokacija->addWidget(txtLokacija[1], 1);
    lokacija->addWidget(cmdLokacija[1]);
    raspored->addLayout(lokacija);

    cmdDownlNaLokaciju =
        gumb(QStringLiteral("cmdDownlNaLokaciju"),
             QStringLiteral("Presnimavanje datoteka na unesenu lokaciju"), kartica);
    raspored->addWidget(cmdDownlNaLokaciju);
    lblVrijemePrijenosa = new QLabel(kartica);
    lblVrijemePrijenosa->setObjectName(QStringLiteral("lblVrijemePrijenosa"));
    raspored->addWidget(lblVrijemePrijenosa);

    auto* interval = new QHBoxLayout;
    auto* natpis = new QLabel(QStringLiteral("Vrijeme automatskog preuzimanja novih verzija "
                                             "svakih n sati (0-23) 0-ne preuzimati "
                                             "automatski:"));
    natpis->setObjectName(QStringLiteral("lblVrijemeDownloada"));
    natpis->setWordWrap(true);
    numVrijemeDownloada = new QSpinBox(kartica);
    numVrijemeDownloada->setObjectName(QStringLiteral("numVrijemeDownloada"));
    numVrijemeDownloada->setRange(0, 23);
    natpis->setBuddy(numVrijemeDownloada);
    interval->addWidget(natpis, 1);
    interval->addWidget(numVrijemeDownloada);
    raspored->addLayout(interval);
    raspored->addStretch(1);
    return kartica;
}

} // namespace velkor
