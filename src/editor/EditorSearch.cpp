#include "EditorSearch.h"

#include "EditorRowModel.h"
#include "TranslationChecks.h"

namespace EditorSearch {

namespace {

const QString &columnText(const EditorRow &row, int column)
{
    switch (column) {
    case EditorRowModel::ValueColumn:
        return row.value;
    case EditorRowModel::ReferenceColumn:
        return row.reference;
    default:
        return row.attribute;
    }
}

} // namespace

int findNext(const EditorRowModel &rows, int column, const QString &pattern, int after)
{
    const QList<EditorRow> &all = rows.rows();
    for (int row = std::max(after + 1, 0); row < all.size(); ++row) {
        if (columnText(all.at(row), column).contains(pattern))
            return row;
    }
    return -1;
}

int findFirstBlank(const EditorRowModel &rows)
{
    const QList<EditorRow> &all = rows.rows();
    for (int row = 0; row < all.size(); ++row) {
        if (isBlank(all.at(row).attribute, all.at(row).value))
            return row;
    }
    return -1;
}

} // namespace EditorSearch
