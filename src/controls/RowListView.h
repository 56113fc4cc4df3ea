#pragma once

#include <QTableView>

// A list of whole rows, one selected at a time, with the keyboard and scroll
// behaviour of a report list: Tab leaves the list, and bringing a row into
// sight never moves the list sideways for a cell that is already partly in
// sight, so clicking a column wider than the list does not shift it.
class RowListView : public QTableView
{
    Q_OBJECT

public:
    explicit RowListView(QWidget *parent = nullptr);

    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
};
