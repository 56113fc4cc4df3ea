#pragma once

#include "store/EntryOrdinal.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

// The placeholders and escapes of a text that the client substitutes at run
// time, each with its number of occurrences. Symbols compare as exact text.
using SymbolCounts = QHash<QString, int>;

// INI entries: every "%" with the next character ("%l" takes one more, so
// "%ld" is one symbol) and every backslash with the next character. Each
// "%" and each backslash starts a symbol, even the second of a pair; a symbol
// at the end of the text is cut short.
SymbolCounts printfSymbols(QStringView text);

// Web entries: "{digits}" whose "{" does not follow a backslash. A group
// holding anything else is skipped whole; an unclosed "{" ends the scan.
SymbolCounts braceSymbols(QStringView text);

// The scheme of the entry's kind.
SymbolCounts formatSymbols(EntryOrdinal ordinal, QStringView text);

// Where a symbol of formatSymbols stands in its text.
struct SymbolSpan
{
    qsizetype start = 0;
    qsizetype length = 0;
};

// Every symbol that formatSymbols counts, by its start. Symbols may overlap:
// "%%d" holds "%%" and "%d".
QList<SymbolSpan> symbolSpans(EntryOrdinal ordinal, QStringView text);
