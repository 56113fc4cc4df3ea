#pragma once

#include "EditorRow.h"
#include "EntryStatus.h"
#include "FormatSymbols.h"
#include "LengthLimits.h"

#include <QString>

#include <optional>

class TextMeasurer;

// Whether the value keeps exactly the reference's format symbols, each as
// often, in any order. The entry's kind chooses the scheme (FormatSymbols.h).
bool CheckFormatSymbols(EntryOrdinal ordinal, const QString &value, const QString &reference);

struct LengthVerdict
{
    bool limited = false; // the attribute has a sample text
    bool fits = true;
    int cut = 0; // when it does not fit: leading characters that still fit
};

// Whether the value, drawn as one line, is at most as wide as the attribute's
// sample; an attribute without a sample always fits. On overflow the value is
// measured once per character given up, and the cut never splits a
// surrogate pair.
LengthVerdict CheckDisplayLength(const QString &attribute, const QString &value,
                                 const LengthLimits &limits, const TextMeasurer &measurer);

// A row is blank when it has an attribute but no value (both trimmed).
bool isBlank(const QString &attribute, const QString &value);

// The status a row earns by failing: Error when the symbols differ (even if
// it is also too wide), else TooLong; nothing when it passes both checks.
std::optional<EntryStatus> failedCheck(const EditorRow &row, const LengthLimits &limits,
                                       const TextMeasurer &measurer);

// The same with the format symbols of the row's value and reference already
// counted (formatSymbols), for a caller that checks many values against one
// reference.
std::optional<EntryStatus> failedCheck(const EditorRow &row, const SymbolCounts &valueSymbols,
                                       const SymbolCounts &referenceSymbols,
                                       const LengthLimits &limits, const TextMeasurer &measurer);
