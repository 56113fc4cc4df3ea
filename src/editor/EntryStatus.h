#pragma once

#include <QString>
#include <QStringView>

// The mark of an editor row. The row holds it as the text of its Status
// column, which the list's delegate and the save path read back; the codes
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

// The column text of a status: empty for None.
QString statusText(EntryStatus status);

// Exact, case-sensitive reading of a column text; any other text is None.
EntryStatus statusFromText(QStringView text);
