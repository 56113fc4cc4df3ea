#pragma once

#include <QStyledItemDelegate>

// Draws a cell as a progress bar filled to the share, in tenths of a percent,
// that the model gives under role, with the cell's text on it. The cell's
// background and selection are drawn as the view draws any other cell.
class ProgressBarDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ProgressBarDelegate(int role, QObject *parent = nullptr)
        : QStyledItemDelegate(parent)
        , m_role(role)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int m_role;
};
