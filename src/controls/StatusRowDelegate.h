#pragma once

#include <QStyledItemDelegate>

class CAmendListCtrl;

// Draws every cell of a row in the look of the row's status, first rule that
// applies: selected (blue, highlighted text), "MODIFIED" (yellow), no error
// status (the list's own colours), "ERROR" or "TOO LONG" (red, white text).
// Texts are one line from 3 pixels inside the cell, cut at its edge.
class StatusRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr QRgb SelectedBackground = 0xFF3399FF;
    static constexpr QRgb ModifiedBackground = 0xFFFFFF5D;
    static constexpr QRgb ErrorBackground = 0xFFFF0000;

    explicit StatusRowDelegate(CAmendListCtrl *list);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    const CAmendListCtrl *m_list;
};
