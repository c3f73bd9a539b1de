#pragma once
// Paints a cell's proportional fill, left to right, under its text, and the
// number column in the colour of a fixed column.
#include <QStyledItemDelegate>

namespace velkor {

class DelegatPopune : public QStyledItemDelegate {
    Q_OBJECT

public:
    static const QColor BojaPopune;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* slikar, const QStyleOptionViewItem& opcija,
               const QModelIndex& indeks) const override;
};

} // namespace velkor
