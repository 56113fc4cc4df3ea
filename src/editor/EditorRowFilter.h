#pragma once

#include <QSortFilterProxyModel>

class EditorRowModel;

// Which of the editor's rows the list shows. The filter only hides rows: it
// keeps the model's order (sorting stays with the model, which sorts by
// collation keys made once), and it is applied when chosen, so that a row
// does not vanish under the caret when a commit changes its status.
class EditorRowFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    enum Kind {
        AllRows,
        BlankValues,
        Errors, // "ERROR"
        TooLong, // "TOO LONG"
        AnyStatus,
        SameAsReference, // a value equal to its reference: likely untranslated
    };

    explicit EditorRowFilter(EditorRowModel *rows, QObject *parent = nullptr);

    Kind kind() const { return m_kind; }
    void setKind(Kind kind);

    // Whether the model row passes the filter as last applied.
    bool shows(int modelRow) const;

    // Sorts the model itself.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    bool passes(int modelRow) const;

    EditorRowModel *m_rows;
    Kind m_kind = AllRows;
};
