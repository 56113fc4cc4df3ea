#pragma once

#include <QTableView>

// The translation editor's list. Every row is drawn in the colours of its
// status, a header click sorts the model by that column, and the owner reads
// each row's status back. The owner fills the model (attribute, value,
// reference and status columns) and names the status column.
class CAmendListCtrl : public QTableView
{
    Q_OBJECT

public:
    // The codes of the status texts.
    enum ItemStatus { NoStatus = 0, Modified = 1, Error = 2, TooLong = 3 };

    explicit CAmendListCtrl(QWidget *parent = nullptr);

    // Whole, case-sensitive comparison: "MODIFIED", "ERROR", "TOO LONG";
    // any other text is no status.
    static ItemStatus statusOf(const QString &statusText);

    void setStatusColumn(int column);
    int statusColumn() const { return m_statusColumn; }

    // The last header click: its column (-1 before the first) and direction.
    int sortColumn() const { return m_sortColumn; }
    bool sortAscending() const { return m_sortAscending; }

    // The status code of a row, read from the status column.
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
