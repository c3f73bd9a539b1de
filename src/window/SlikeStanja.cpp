#include "window/SlikeStanja.h"

#include <QPainter>
#include <QPainterPath>

namespace velkor {

namespace {

void strelicaDolje(QPainter& p, const QColor& boja) {
    p.setPen(Qt::NoPen);
    p.setBrush(boja);
    p.drawRect(QRectF(6, 1, 4, 8));
    p.drawPolygon(QPolygonF({QPointF(2, 8), QPointF(14, 8), QPointF(8, 15)}));
}

void kvačica(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 150, 50));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(4, 8.5), QPointF(7, 11.5), QPointF(12, 4.5)}));
}

void paket(QPainter& p) {
    p.setPen(QPen(QColor(120, 80, 20), 1));
    p.setBrush(QColor(230, 170, 60));
    p.drawRect(QRectF(1.5, 4.5, 13, 10));
    p.drawLine(QPointF(1.5, 7.5), QPointF(14.5, 7.5));
    p.setPen(QPen(QColor(30, 150, 50), 2));
    p.drawLine(QPointF(8, 0), QPointF(8, 6));
}

void kopiranje(QPainter& p) {
    p.setPen(QPen(QColor(60, 40, 120), 1));
    p.setBrush(QColor(200, 190, 240));
    p.drawRect(QRectF(0.5, 0.5, 9, 11));
    p.setBrush(QColor(140, 120, 220));
    p.drawRect(QRectF(6.5, 4.5, 9, 11));
}

void zupčanik(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 120, 0));
    p.translate(8, 8);
    for (int zub = 0; zub < 8; ++zub) {
        p.drawRect(QRectF(-1.5, -8, 3, 4));
        p.rotate(45);
    }
    p.drawEllipse(QPointF(0, 0), 5.5, 5.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), 2, 2);
}

void prazanKrug(QPainter& p) {
    p.setPen(QPen(QColor(110, 110, 110), 1.5));
    p.setBrush(QColor(235, 235, 235));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.drawLine(QPointF(8, 8), QPointF(8, 4));
    p.drawLine(QPointF(8, 8), QPointF(11, 8));
}

} // namespace

QPixmap SlikaIzListe(int broj) {
    if (broj < 1 || broj > BrojSlika)
        return {};
    QPixmap slika(VeličinaSlike, VeličinaSlike);
    slika.fill(Qt::transparent);
    QPainter p(&slika);
    p.setRenderHint(QPainter::Antialiasing);
    switch (broj) {
    case SlikaPreuzimanje:
        strelicaDolje(p, QColor(30, 90, 200));
        break;
    case SlikaPreuzeto:
        paket(p);
        break;
    case SlikaInstalirano:
        kvačica(p);
        break;
    case SlikaKopiranje:
        kopiranje(p);
        break;
    case SlikaInstalacija:
        zupčanik(p);
        break;
    default:
        prazanKrug(p);
        break;
    }
    return slika;
}

} // namespace velkor
