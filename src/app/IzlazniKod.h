#pragma once
// The exit codes of the unattended mode: what a script tells apart.
#include "app/NaredbeniRedak.h"

#include <QList>
#include <QPair>
#include <QString>

namespace velkor {

struct Stanje;

// Every code with its meaning, as the help lists them.
const QList<QPair<int, QString>>& IzlazniKodovi();
QString ZnačenjeKoda(int kod);

// The code of a finished run: its failure's kind decides, else what is left to do;
// an interrupted installation repaired on the way is told unless the run failed.
int IzlazniKod(Operacija operacija, bool uspjeh, bool imaPlana, const Stanje& stanje);

} // namespace velkor
