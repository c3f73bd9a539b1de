#include "window/StatusnaTraka.h"

#include "base/Sat.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTimer>

namespace velkor {

StatusnaTraka::StatusnaTraka(QWidget* roditelj) : QStatusBar(roditelj) {
    setObjectName(QStringLiteral("SBar"));
    for (int i = 0; i < int(paneli.size()); ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("SBarPanel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMargin(1);
        paneli[i] = panel;
        if (i < 2)
            addWidget(panel, 1);
        else
            addPermanentWidget(panel);
    }
    paneli[0]->setText(QStringLiteral("Trenutna akcija"));
    paneli[1]->setText(QStringLiteral("Trenutno stanje"));

    sat = new QTimer(this);
    sat->setObjectName(QStringLiteral("tmrSat"));
    sat->setInterval(IntervalSata);
    connect(sat, &QTimer::timeout, this, &StatusnaTraka::osvježiSat);
    sat->start();
    osvježiSat();
}

void StatusnaTraka::PostaviPanel(int broj, const QString& tekst) {
    if (broj < 1 || broj > int(paneli.size()))
        return;
    paneli[broj - 1]->setText(tekst);
    // The operations often go on without yielding; the panel must show now.
    paneli[broj - 1]->repaint();
}

QString StatusnaTraka::Panel(int broj) const {
    if (broj < 1 || broj > int(paneli.size()))
        return {};
    return paneli[broj - 1]->text();
}

// The default locale, which is the user's unless a test fixes another.
void StatusnaTraka::osvježiSat() {
    const RegionalnoPoLokalu regionalno{QLocale()};
    const QDateTime sada = QDateTime::currentDateTime();
    paneli[2]->setText(regionalno.DatumTekst(sada.date()));
    paneli[3]->setText(regionalno.VrijemeTekst(sada.time()));
}

} // namespace velkor
