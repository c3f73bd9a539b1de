// The controls' events, passed on to the handlers by their own names.
#include "window/frmZideZizodu.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

namespace velkor {

void frmZideZizodu::PoveziDogađaje(DogađajiProzora* noviDogađaji) {
    događaji = noviDogađaji;
}

void frmZideZizodu::povežiKontrole() {
    connect(cmdIzlaz, &QPushButton::clicked, this, [this] {
        if (događaji)
            događaji->cmdIzlaz_Click();
    });
    connect(cmdVerzija, &QPushButton::clicked, this, [this] {
        if (događaji)
            događaji->cmdVerzija_Click();
    });
    connect(cmdDownloadAndUpdate, &QPushButton::clicked, this, [this] {
        if (događaji)
            događaji->cmdDownloadAndUpdate_Click();
    });
    connect(cmdDownlNaLokaciju, &QPushButton::clicked, this, [this] {
        if (događaji)
            događaji->cmdDownlNaLokaciju_Click();
    });
    for (int indeks = 0; indeks < int(optLokacija.size()); ++indeks) {
        // Only a selection by the user; the program runs the handler itself.
        connect(optLokacija[indeks], &QRadioButton::toggled, this, [this, indeks](bool odabrana) {
            if (odabrana && !programskaPromjena && događaji)
                događaji->optLokacija_Click(indeks);
        });
    }
    for (int indeks = 0; indeks < int(txtLokacija.size()); ++indeks) {
        connect(cmdLokacija[indeks], &QPushButton::clicked, this, [this, indeks] {
            if (događaji)
                događaji->cmdLokacija_Click(indeks);
        });
        txtLokacija[indeks]->installEventFilter(this);
    }
    connect(numVrijemeDownloada, &QSpinBox::valueChanged, this, [this] {
        if (!programskaPromjena && događaji)
            događaji->numVrijemeDownloada_Change();
    });
    connect(tmrPrijenos, &QTimer::timeout, this, [this] {
        if (događaji)
            događaji->tmrPrijenos_Timer();
    });
    connect(tmrUpdate, &QTimer::timeout, this, [this] {
        if (događaji)
            događaji->tmrUpdate_Timer();
    });
    cmdVerzija->installEventFilter(this);
}

bool frmZideZizodu::event(QEvent* događaj) {
    if (događaj->type() == QEvent::WindowActivate)
        javiAktivaciju();
    return QMainWindow::event(događaj);
}

void frmZideZizodu::showEvent(QShowEvent* događaj) {
    QMainWindow::showEvent(događaj);
    if (!prviPrikaz)
        return;
    prviPrikaz = false;
    // Some display servers never activate a window they map; the handler
    // must still run once, and running it again does no harm.
    QMetaObject::invokeMethod(
        this, [this] { javiAktivaciju(); }, Qt::QueuedConnection);
}

void frmZideZizodu::javiAktivaciju() {
    if (događaji && !završavaBezUnloada)
        događaji->Form_Activate();
}

void frmZideZizodu::closeEvent(QCloseEvent* događaj) {
    if (!završavaBezUnloada && !unloadJavljen && događaji) {
        // An operation in progress holds the window open until it has ended.
        if (!događaji->Form_Unload()) {
            događaj->ignore();
            return;
        }
        unloadJavljen = true;
    }
    događaj->accept();
}

void frmZideZizodu::Zatvori() {
    close();
}

void frmZideZizodu::ZavršiProgram() {
    završavaBezUnloada = true;
    close();
    // Ends every running event loop, the operations' own waits included.
    QCoreApplication::quit();
}

bool frmZideZizodu::eventFilter(QObject* objekt, QEvent* događaj) {
    if (objekt == cmdVerzija &&
        (događaj->type() == QEvent::Move || događaj->type() == QEvent::Resize)) {
        if (progBar->isVisible())
            pokrijGumbVerzije();
    } else if (događaj->type() == QEvent::FocusOut) {
        const Qt::FocusReason razlog = static_cast<QFocusEvent*>(događaj)->reason();
        // Leaving the window or opening a menu is no move to another control.
        const bool premaKontroli =
            razlog != Qt::ActiveWindowFocusReason && razlog != Qt::PopupFocusReason;
        for (int indeks = 0; indeks < int(txtLokacija.size()); ++indeks) {
            // The check's own dialogs move the focus about; that starts no new check.
            if (objekt == txtLokacija[indeks] && premaKontroli && !uValidaciji[indeks]) {
                // After the focus has settled: the check may open modal dialogs.
                QMetaObject::invokeMethod(
                    this, [this, indeks] { javiValidaciju(indeks); }, Qt::QueuedConnection);
            }
        }
    }
    return QMainWindow::eventFilter(objekt, događaj);
}

void frmZideZizodu::javiValidaciju(int indeks) {
    if (uValidaciji[indeks] || !događaji)
        return;
    uValidaciji[indeks] = true;
    događaji->txtLokacija_Validate(indeks);
    uValidaciji[indeks] = false;
}

} // namespace velkor
