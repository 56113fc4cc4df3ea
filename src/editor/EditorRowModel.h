#pragma once

#include "EditorRow.h"
#include "EntryStatus.h"
#include "LengthLimits.h"
#include "store/EntryRow.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

class TextMeasurer;

// The translation editor's rows: attribute, value, reference and status per
// entry, each row carrying its entry ordinal. The status shows as the Status
// column's text and as the row's colours (background and foreground roles).
// The dialog fills it, feeds it reference languages and commits values.
class EditorRowModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { AttributeColumn, ValueColumn, ReferenceColumn, StatusColumn, ColumnCount };
    static constexpr int OrdinalRole = Qt::UserRole; // EntryOrdinal, on any column
    static constexpr int StatusRole = EntryStatusRole; // EntryStatus code as int

    using QAbstractTableModel::QAbstractTableModel;

    // One row per entry, in the given order, without reference or status.
    void setEntries(const QList<EntryRow> &entries);

    const QList<EditorRow> &rows() const { return m_rows; }
    const EditorRow &row(int row) const { return m_rows.at(row); }
    // The row of an ordinal, or -1.
    int rowOfOrdinal(EntryOrdinal ordinal) const { return m_rowByOrdinal.value(ordinal, -1); }

    void setStatus(int row, EntryStatus status);
    // Puts a row back to a value and status it had (undo and redo).
    void setRowState(int row, const QString &value, EntryStatus status);
    // The row's status; None out of range.
    EntryStatus GetItemStatus(int row) const;

    // Every row's reference from the map (empty when absent), one change signal.
    void setReferences(const ValueMap &reference);

    // After a reference load: the references, then both checks on every row.
    // A failing row gets Error or TooLong; a passing row keeps its status, so
    // a load never clears a mark.
    void applyReference(const ValueMap &reference, const LengthLimits &limits,
                        const TextMeasurer &measurer);

    // A value committed in the editor: stored and marked Modified, or Error or
    // TooLong when it fails a check. Returns the new status (None for a row
    // that does not exist).
    EntryStatus commitValue(int row, const QString &value, const LengthLimits &limits,
                            const TextMeasurer &measurer);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Stable, locale-aware and case-sensitive on the column's text; selections
    // and other persistent indexes follow their rows.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    void resetRows(QList<EditorRow> rows);
    void rebuildOrdinalIndex();
    void emitColumnChanged(int column, int firstRow, int lastRow);

    QList<EditorRow> m_rows;
    QHash<EntryOrdinal, int> m_rowByOrdinal;
};
