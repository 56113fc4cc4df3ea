#include "ProgressBarDelegate.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int Margin = 2; // between the bar and the cell's edges
constexpr int TextRoom = 16; // beside the text, so that the bar never clips it

QStyle *styleOf(const QStyleOptionViewItem &option)
{
    return option.widget ? option.widget->style() : QApplication::style();
}

} // namespace

void ProgressBarDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    QStyleOptionProgressBar bar;
    bar.rect = cell.rect.adjusted(Margin, Margin, -Margin, -Margin);
    bar.palette = cell.palette;
    bar.fontMetrics = cell.fontMetrics;
    bar.direction = cell.direction;
    bar.state = (cell.state & QStyle::State_Enabled) | QStyle::State_Horizontal;
    bar.minimum = 0;
    bar.maximum = 1000;
    bar.progress = std::clamp(index.data(m_role).toInt(), 0, 1000);
    bar.text = cell.text;
    bar.textVisible = true;
    bar.textAlignment = Qt::AlignCenter;

    cell.text.clear();
    QStyle *style = styleOf(option);
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, option.widget);
    painter->save();
    painter->setFont(cell.font);
    style->drawControl(QStyle::CE_ProgressBar, &bar, painter, option.widget);
    painter->restore();
}

QSize ProgressBarDelegate::sizeHint(const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.rwidth() += 2 * Margin + TextRoom;
    size.rheight() += 2 * Margin;
    return size;
}
