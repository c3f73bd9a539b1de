#include "window/DelegatPopune.h"

#include "window/TablicaPlana.h"

#include <QPainter>

namespace velkor {

const QColor DelegatPopune::BojaPopune(150, 220, 150);

void DelegatPopune::paint(QPainter* slikar, const QStyleOptionViewItem& opcija,
                          const QModelIndex& indeks) const {
    if (indeks.column() == 0 && !indeks.data(Qt::BackgroundRole).isValid())
        slikar->fillRect(opcija.rect, opcija.palette.button());
    const int postotak = qBound(0, indeks.data(TablicaPlana::RolaPostotka).toInt(), 100);
    if (postotak > 0) {
        QRect popuna = opcija.rect;
        popuna.setWidth(opcija.rect.width() * postotak / 100);
        slikar->fillRect(popuna, BojaPopune);
    }
    QStyledItemDelegate::paint(slikar, opcija, indeks);
}

} // namespace velkor
