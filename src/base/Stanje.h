#pragma once
// The window-level fields that the operations share. Owned by whoever wires the
// program together and passed to the operations by reference.
#include "base/Matrica.h"
#include "base/VrstaGreske.h"

#include <QString>

namespace velkor {

struct Stanje {
    QString PutanjaPrograma;
    QString PutanjaUpdate;
    QString PutanjaUpdateBackup;
    QString PutanjaSkripti;
    QString PutanjaHelp;
    bool KrajPriAktiviranju = false;
    // Set by the start-up repair when it found an interrupted installation.
    bool PrekinutaInstalacijaPopravljena = false;

    QString ZadnjaGreška;
    VrstaGreske VrstaZadnjeGreške = VrstaGreske::Nijedna;
    QString IzvještajRada;
    QString PopisGrešaka;

    // Seconds since midnight when the transfer-time display started.
    float PočetakPrijenosa = 0;

    Matrica NoveVerzije;
    Matrica StareVerzije;
    qint32 UkupnoDownload = 0;
    qint32 UkupnoPreneseno = 0;

    // "KoristiChilkatZaDownload": true picks the https engine.
    bool KoristiChilkat = true;
    QString StanjePrijenosa;
};

} // namespace velkor
