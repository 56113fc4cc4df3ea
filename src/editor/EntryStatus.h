#pragma once

#include <QColor>
#include <QString>
#include <QStringView>

// The mark of an editor row. The Status column shows it as text and the list
// draws the row in its colours, both read from the model's roles; the codes
// are what GetItemStatus gives.
enum class EntryStatus {
    None = 0, // untouched, or passed every check
    Modified = 1, // a committed value passed both checks
    Error = 2, // the format symbols differ from the reference's
    TooLong = 3, // the symbols match but the value is wider than its sample
};

namespace StatusText {
inline constexpr QStringView Modified = u"MODIFIED";
inline constexpr QStringView Error = u"ERROR";
inline constexpr QStringView TooLong = u"TOO LONG";
} // namespace StatusText

// The model role that gives a row's EntryStatus, as an int.
inline constexpr int EntryStatusRole = Qt::UserRole + 1;

// The column text of a status: empty for None.
QString statusText(EntryStatus status);

// Exact, case-sensitive reading of a column text; any other text is None.
EntryStatus statusFromText(QStringView text);

// The colours a row of that status is drawn in when it is not selected;
// invalid where the list's own colours show.
QColor statusBackground(EntryStatus status);
QColor statusForeground(EntryStatus status);
