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

RowLook rowLook(const QStyleOptionViewItem &option, CAmendListCtrl::ItemStatus status)
{
    const QColor plainText = option.palette.color(QPalette::Text);
    if (option.state & QStyle::State_Selected)
        return {QColor::fromRgb(StatusRowDelegate::SelectedBackground),
                option.palette.color(QPalette::HighlightedText)};
    switch (status) {
    case CAmendListCtrl::Modified:
        return {QColor::fromRgb(StatusRowDelegate::ModifiedBackground), plainText};
    case CAmendListCtrl::Error:
    case CAmendListCtrl::TooLong:
        return {QColor::fromRgb(StatusRowDelegate::ErrorBackground), Qt::white};
    case CAmendListCtrl::NoStatus:
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
    const QString statusText = index.siblingAtColumn(m_list->statusColumn()).data().toString();
    const RowLook look = rowLook(cell, CAmendListCtrl::statusOf(statusText));

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
