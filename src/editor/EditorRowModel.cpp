#include "EditorRowModel.h"

#include "CollatedOrder.h"
#include "TranslationChecks.h"

#include <algorithm>

using namespace Qt::StringLiterals;

void EditorRowModel::setEntries(const QList<EntryRow> &entries)
{
    QList<EditorRow> rows;
    rows.reserve(entries.size());
    for (const EntryRow &entry : entries)
        rows.append({ entry.ordinal, entry.attribute, entry.value, {}, EntryStatus::None });
    resetRows(std::move(rows));
}

void EditorRowModel::setStatus(int row, EntryStatus status)
{
    if (!checkIndex(index(row, StatusColumn), CheckIndexOption::IndexIsValid))
        return;
    m_rows[row].status = status;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void EditorRowModel::setRowState(int row, const QString &value, EntryStatus status)
{
    if (!checkIndex(index(row, 0), CheckIndexOption::IndexIsValid))
        return;
    m_rows[row].value = value;
    m_rows[row].status = status;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

EntryStatus EditorRowModel::GetItemStatus(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return EntryStatus::None;
    return m_rows.at(row).status;
}

void EditorRowModel::setReferences(const ValueMap &reference)
{
    for (EditorRow &row : m_rows) {
        const auto found = reference.find(row.ordinal);
        row.reference = found == reference.end() ? QString() : found->second;
    }
    emitColumnChanged(ReferenceColumn, 0, int(m_rows.size()) - 1);
}

void EditorRowModel::applyReference(const ValueMap &reference, const LengthLimits &limits,
                                    const TextMeasurer &measurer)
{
    setReferences(reference);
    int first = int(m_rows.size());
    int last = -1;
    for (int i = 0; i < m_rows.size(); ++i) {
        EditorRow &row = m_rows[i];
        const std::optional<EntryStatus> failure = failedCheck(row, limits, measurer);
        if (!failure)
            continue;
        row.status = *failure;
        first = std::min(first, i);
        last = i;
    }
    // The whole row: its colours follow the status.
    if (first <= last)
        emit dataChanged(index(first, 0), index(last, ColumnCount - 1));
}

EntryStatus EditorRowModel::commitValue(int row, const QString &value, const LengthLimits &limits,
                                        const TextMeasurer &measurer)
{
    if (!checkIndex(index(row, ValueColumn), CheckIndexOption::IndexIsValid))
        return EntryStatus::None;
    EditorRow &edited = m_rows[row];
    edited.value = value;
    const EntryStatus status
        = failedCheck(edited, limits, measurer).value_or(EntryStatus::Modified);
    edited.status = status;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    return status;
}

int EditorRowModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int EditorRowModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EditorRowModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const EditorRow &row = m_rows.at(index.row());
    switch (role) {
    case OrdinalRole:
        return QVariant::fromValue(row.ordinal);
    case StatusRole:
        return int(row.status);
    case Qt::BackgroundRole:
        return statusBackground(row.status);
    case Qt::ForegroundRole:
        return statusForeground(row.status);
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole:
        switch (index.column()) {
        case AttributeColumn:
            return row.attribute;
        case ValueColumn:
            return row.value;
        case ReferenceColumn:
            return row.reference;
        default:
            return statusText(row.status);
        }
    default:
        return {};
    }
}

Qt::ItemFlags EditorRowModel::flags(const QModelIndex &index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    // The view never opens an editor on a cell.
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

QVariant EditorRowModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case AttributeColumn:
        return u"Attribute"_s;
    case ValueColumn:
        return u"Value"_s;
    case ReferenceColumn:
        return u"Reference"_s;
    case StatusColumn:
        return u"Status"_s;
    default:
        return {};
    }
}

void EditorRowModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    QList<QString> texts;
    texts.reserve(m_rows.size());
    for (int i = 0; i < m_rows.size(); ++i)
        texts.append(data(index(i, column), Qt::DisplayRole).toString());
    const QList<int> sorted = collatedOrder(texts, order);

    emit layoutAboutToBeChanged({}, VerticalSortHint);
    QList<EditorRow> rows;
    rows.reserve(m_rows.size());
    QList<int> newRowOf(m_rows.size());
    for (int i = 0; i < sorted.size(); ++i) {
        rows.append(std::move(m_rows[sorted.at(i)]));
        newRowOf[sorted.at(i)] = i;
    }
    m_rows = std::move(rows);
    rebuildOrdinalIndex();

    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &old : before)
        after.append(index(newRowOf.at(old.row()), old.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, VerticalSortHint);
}

void EditorRowModel::resetRows(QList<EditorRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    rebuildOrdinalIndex();
    endResetModel();
}

// Ordinals are unique in practice; should two rows share one, the first
// counts, as a search from the top would find it.
void EditorRowModel::rebuildOrdinalIndex()
{
    m_rowByOrdinal.clear();
    m_rowByOrdinal.reserve(m_rows.size());
    for (int i = int(m_rows.size()) - 1; i >= 0; --i)
        m_rowByOrdinal.insert(m_rows.at(i).ordinal, i);
}

void EditorRowModel::emitColumnChanged(int column, int firstRow, int lastRow)
{
    if (firstRow <= lastRow)
        emit dataChanged(index(firstRow, column), index(lastRow, column));
}
