#include "EditorSearch.h"

#include "EditorRowModel.h"
#include "TranslationChecks.h"

#include <QHash>

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

bool isBlankRow(const EditorRow &row)
{
    return isBlank(row.attribute, row.value);
}

} // namespace

int findNext(const EditorRowModel &rows, int column, const QString &pattern, int after,
             const Visible &visible)
{
    const QList<EditorRow> &all = rows.rows();
    for (int row = std::max(after + 1, 0); row < all.size(); ++row) {
        if ((!visible || visible(row)) && columnText(all.at(row), column).contains(pattern))
            return row;
    }
    return -1;
}

int findFirstBlank(const EditorRowModel &rows)
{
    const QList<EditorRow> &all = rows.rows();
    for (int row = 0; row < all.size(); ++row) {
        if (isBlankRow(all.at(row)))
            return row;
    }
    return -1;
}

BlankFound findBlankAfter(const EditorRowModel &rows, int after, const Visible &visible)
{
    const QList<EditorRow> &all = rows.rows();
    const int count = int(all.size());
    const int start = std::clamp(after + 1, 0, count);
    for (int step = 0; step < count; ++step) {
        const int row = (start + step) % count;
        if ((!visible || visible(row)) && isBlankRow(all.at(row)))
            return { row, start + step >= count };
    }
    return {};
}

std::optional<QString> suggestedValue(const EditorRowModel &rows, int row)
{
    if (row < 0 || row >= rows.rowCount() || !isBlankRow(rows.row(row)))
        return std::nullopt;
    const QString &reference = rows.row(row).reference;
    if (reference.trimmed().isEmpty())
        return std::nullopt;
    QHash<QString, int> counts;
    QString best;
    int bestCount = 0;
    for (const EditorRow &other : rows.rows()) {
        if (other.reference != reference || other.value.trimmed().isEmpty())
            continue;
        const int count = ++counts[other.value];
        if (count > bestCount) {
            best = other.value;
            bestCount = count;
        }
    }
    if (bestCount == 0)
        return std::nullopt;
    return best;
}

} // namespace EditorSearch
