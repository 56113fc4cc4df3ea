#pragma once

class EditorRowModel;
class QString;

// Searches of the translation editor over its rows.
namespace EditorSearch {

// The first row after `after` whose text in column (0 attribute, 1 value,
// 2 reference) contains pattern, case-sensitively; an empty pattern matches
// every row. -1 when no row after it matches.
int findNext(const EditorRowModel &rows, int column, const QString &pattern, int after);

// The first row with an attribute and no value (both trimmed), or -1.
int findFirstBlank(const EditorRowModel &rows);

} // namespace EditorSearch
