#pragma once

#include "editor/FormatSymbols.h"

#include <QString>

class TextMeasurer;

// The texts of the checker's findings. Values are quoted short and on one
// line, whatever they hold.
namespace FindingMessages {

// A text in double quotes, control characters as blanks, cut after 60 characters.
QString quoted(const QString &text);

// ERROR: which symbols the value lacks and which it has too many.
QString formatSymbols(const SymbolCounts &valueSymbols, const SymbolCounts &referenceSymbols,
                      const QString &reference);

// TOO LONG: the widths of the value and of the sample.
QString tooLong(const QString &value, const QString &sample, const TextMeasurer &measurer);

} // namespace FindingMessages
