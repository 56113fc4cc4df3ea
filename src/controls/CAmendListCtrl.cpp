#include "CAmendListCtrl.h"

#include "StatusRowDelegate.h"

#include <QEvent>
#include <QHeaderView>

using namespace Qt::StringLiterals;

CAmendListCtrl::CAmendListCtrl(QWidget *parent)
    : RowListView(parent)
{
    setItemDelegate(new StatusRowDelegate(this));
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    updateRowHeight();

    // The header click below is the one sorting rule; the view's own sorting
    // would sort every click a second time by the header's indicator.
    setSortingEnabled(false);
    QHeaderView *header = horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    connect(header, &QHeaderView::sectionClicked, this, &CAmendListCtrl::sortByHeader);
}

void CAmendListCtrl::setStatusColumn(int column)
{
    m_statusColumn = column;
    viewport()->update();
}

EntryStatus CAmendListCtrl::statusOfRow(const QModelIndex &index) const
{
    return EntryStatus(index.siblingAtColumn(m_statusColumn).data(EntryStatusRole).toInt());
}

int CAmendListCtrl::GetItemStatus(int row) const
{
    if (!model())
        return int(EntryStatus::None);
    return int(statusOfRow(model()->index(row, 0)));
}

void CAmendListCtrl::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateRowHeight();
}

void CAmendListCtrl::sortByHeader(int column)
{
    if (column == m_sortColumn && m_sortAscending) {
        m_sortAscending = false;
    } else {
        m_sortColumn = column;
        m_sortAscending = true;
    }
    const Qt::SortOrder order = m_sortAscending ? Qt::AscendingOrder : Qt::DescendingOrder;
    horizontalHeader()->setSortIndicator(m_sortColumn, order);
    if (!model())
        return;
    model()->sort(m_sortColumn, order);
    // The selection follows its row; keep that row in sight.
    if (currentIndex().isValid())
        scrollTo(currentIndex());
}

// One line of the list's font per row, as a fixed-height report list has.
void CAmendListCtrl::updateRowHeight()
{
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}
