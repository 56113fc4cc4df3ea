#pragma once

#include "RowListView.h"
#include "editor/EntryStatus.h"

// The translation editor's list. Every row is drawn in the colours its model
// gives it, a header click sorts the model by that column, and the owner reads
// each row's status back (the EntryStatusRole of the status column). The owner
// fills the model and names the status column.
class CAmendListCtrl : public RowListView
{
    Q_OBJECT

public:
    explicit CAmendListCtrl(QWidget *parent = nullptr);

    void setStatusColumn(int column);

    // The last header click: its column (-1 before the first) and direction.
    int sortColumn() const { return m_sortColumn; }
    bool sortAscending() const { return m_sortAscending; }

    // The status of a row, read from its status column's text.
    EntryStatus statusOfRow(const QModelIndex &index) const;
    // The same as a code: 0 none, 1 modified, 2 error, 3 too long.
    int GetItemStatus(int row) const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void sortByHeader(int column);
    void updateRowHeight();

    int m_statusColumn = -1;
    int m_sortColumn = -1;
    bool m_sortAscending = true;
};
