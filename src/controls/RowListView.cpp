#include "RowListView.h"

#include <QHeaderView>
#include <QScrollBar>

RowListView::RowListView(QWidget *parent)
    : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list for the next control instead of walking its cells.
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
}

void RowListView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    const QRect cell = visualRect(index);
    const bool partlyInSight = cell.right() >= 0 && cell.left() < viewport()->width();
    const int horizontal = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (partlyInSight)
        horizontalScrollBar()->setValue(horizontal);
}
