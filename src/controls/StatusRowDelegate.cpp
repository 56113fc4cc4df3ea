#include "StatusRowDelegate.h"

#include "CAmendListCtrl.h"

#include <QPainter>

namespace {

constexpr int TextIndent = 3;
constexpr int TextBottomMargin = 2;

struct RowLook
{
    QColor background; // invalid: the list's own background shows
    QColor text;
};

RowLook rowLook(const QStyleOptionViewItem &option, EntryStatus status)
{
    const QColor plainText = option.palette.color(QPalette::Text);
    if (option.state & QStyle::State_Selected)
        return {QColor::fromRgb(StatusRowDelegate::SelectedBackground),
                option.palette.color(QPalette::HighlightedText)};
    switch (status) {
    case EntryStatus::Modified:
        return {QColor::fromRgb(StatusRowDelegate::ModifiedBackground), plainText};
    case EntryStatus::Error:
    case EntryStatus::TooLong:
        return {QColor::fromRgb(StatusRowDelegate::ErrorBackground), Qt::white};
    case EntryStatus::None:
        break;
    }
    return {QColor(), plainText};
}

} // namespace

StatusRowDelegate::StatusRowDelegate(CAmendListCtrl *list)
    : QStyledItemDelegate(list)
    , m_list(list)
{}

void StatusRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const RowLook look = rowLook(cell, m_list->statusOfRow(index));

    painter->save();
    if (look.background.isValid())
        painter->fillRect(cell.rect, look.background);
    painter->setPen(look.text);
    painter->setFont(cell.font);
    // Without Qt::TextShowMnemonic an ampersand is shown as it is.
    const QRect textRect = cell.rect.adjusted(TextIndent, 0, 0, -TextBottomMargin);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, cell.text);
    painter->restore();
}
