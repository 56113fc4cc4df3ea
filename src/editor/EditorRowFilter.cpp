#include "EditorRowFilter.h"

#include "EditorRowModel.h"
#include "TranslationChecks.h"

EditorRowFilter::EditorRowFilter(EditorRowModel *rows, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_rows(rows)
{
    setDynamicSortFilter(false);
    setSourceModel(rows);
}

void EditorRowFilter::setKind(Kind kind)
{
    m_kind = kind;
    invalidateFilter();
}

bool EditorRowFilter::shows(int modelRow) const
{
    return mapFromSource(m_rows->index(modelRow, 0)).isValid();
}

void EditorRowFilter::sort(int column, Qt::SortOrder order)
{
    m_rows->sort(column, order);
}

bool EditorRowFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    return passes(sourceRow);
}

bool EditorRowFilter::passes(int modelRow) const
{
    const EditorRow &row = m_rows->row(modelRow);
    switch (m_kind) {
    case AllRows:
        return true;
    case BlankValues:
        return isBlank(row.attribute, row.value);
    case Errors:
        return row.status == EntryStatus::Error;
    case TooLong:
        return row.status == EntryStatus::TooLong;
    case AnyStatus:
        return row.status != EntryStatus::None;
    case SameAsReference:
        return !row.value.isEmpty() && row.value == row.reference;
    }
    return true;
}
