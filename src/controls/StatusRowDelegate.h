#pragma once

#include <QStyledItemDelegate>

// Draws every cell of a row: a selected row in blue with highlighted text,
// any other in the background and foreground colours the model gives for it
// (the colours of its status), or the list's own. Texts are one line from 3
// pixels inside the cell, cut at its edge.
class StatusRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr QRgb SelectedBackground = 0xFF3399FF;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};
