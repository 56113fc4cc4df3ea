#pragma once

#include <QString>

#include <functional>
#include <optional>

class EditorRowModel;

// Searches of the translation editor over its rows, in the list's order.
namespace EditorSearch {

// Whether a row takes part (the rows the list shows); every row by default.
using Visible = std::function<bool(int row)>;

// The first row after `after` whose text in column (0 attribute, 1 value,
// 2 reference) contains pattern, case-sensitively; an empty pattern matches
// every row. -1 when no row after it matches.
int findNext(const EditorRowModel &rows, int column, const QString &pattern, int after,
             const Visible &visible = {});

// The first row with an attribute and no value (both trimmed), or -1.
int findFirstBlank(const EditorRowModel &rows);

struct BlankFound
{
    int row = -1; // -1: no blank row at all
    bool wrapped = false; // found by going on from the first row
};
// The next blank row after `after`, going on once from the first row.
BlankFound findBlankAfter(const EditorRowModel &rows, int after, const Visible &visible = {});

// The value most often given to the other rows whose reference is the row's
// (of equally frequent ones, the first to reach that count), when the row is
// blank; nothing otherwise.
std::optional<QString> suggestedValue(const EditorRowModel &rows, int row);

} // namespace EditorSearch
