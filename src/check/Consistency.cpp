#include "Consistency.h"

#include "editor/TranslationChecks.h"

#include <QHash>

namespace {

constexpr size_t None = size_t(-1);

} // namespace

std::vector<Inconsistency> findInconsistencies(const std::vector<CheckedRow> &rows,
                                               const std::vector<QString> &referenceTexts)
{
    // Each row's group is named by the group's first row; a group whose rows
    // all hold that row's value is consistent.
    std::vector<size_t> groupOf(rows.size(), None);
    QHash<QString, size_t> firstOfText;
    QHash<size_t, size_t> firstDiffering; // first row of a group -> a row with another value
    for (size_t i = 0; i < rows.size(); ++i) {
        const CheckedRow &row = rows[i];
        const QString &text = referenceTexts[i];
        if (!row.present || isBlank(row.attribute, row.value) || text.trimmed().isEmpty())
            continue;
        auto known = firstOfText.constFind(text);
        if (known == firstOfText.cend())
            known = firstOfText.insert(text, i);
        const size_t first = *known;
        groupOf[i] = first;
        if (first != i && row.value != rows[first].value && !firstDiffering.contains(first))
            firstDiffering.insert(first, i);
    }

    std::vector<Inconsistency> found;
    for (size_t i = 0; i < rows.size(); ++i) {
        const size_t first = groupOf[i];
        if (first == None)
            continue;
        const auto differing = firstDiffering.constFind(first);
        if (differing == firstDiffering.cend())
            continue;
        found.push_back({ i, rows[i].value == rows[first].value ? *differing : first });
    }
    return found;
}
