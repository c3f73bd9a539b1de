#pragma once
// The image list of the plan grid: six state pictures drawn in code.
#include <QPixmap>

namespace velkor {

// Picture numbers as the operations use them.
enum SlikaStanja {
    SlikaPreuzimanje = 1, // downloading
    SlikaPreuzeto = 2,    // fetched
    SlikaInstalirano = 3, // installed
    SlikaKopiranje = 4,   // copying from the network
    SlikaInstalacija = 5, // installing
    SlikaPlanirano = 6,   // planned
};

constexpr int BrojSlika = 6;
constexpr int VeličinaSlike = 16;

// Picture 1..6; a null pixmap for any other number.
QPixmap SlikaIzListe(int broj);

} // namespace velkor
