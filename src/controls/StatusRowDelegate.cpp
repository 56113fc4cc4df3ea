#include "StatusRowDelegate.h"

#include <QPainter>

namespace {

constexpr int TextIndent = 3;
constexpr int TextBottomMargin = 2;

} // namespace

void StatusRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    QColor background = index.data(Qt::BackgroundRole).value<QColor>();
    QColor text = index.data(Qt::ForegroundRole).value<QColor>();
    if (option.state & QStyle::State_Selected) {
        background = QColor::fromRgb(SelectedBackground);
        text = option.palette.color(QPalette::HighlightedText);
    } else if (!text.isValid()) {
        text = option.palette.color(QPalette::Text);
    }

    painter->save();
    if (background.isValid())
        painter->fillRect(cell.rect, background);
    painter->setPen(text);
    painter->setFont(cell.font);
    // Without Qt::TextShowMnemonic an ampersand is shown as it is.
    const QRect textRect = cell.rect.adjusted(TextIndent, 0, 0, -TextBottomMargin);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, cell.text);
    painter->restore();
}
