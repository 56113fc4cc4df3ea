#include "FormatSymbols.h"

#include <algorithm>

namespace {

void countStarts(QStringView text, QChar start, SymbolCounts &symbols)
{
    for (qsizetype p = text.indexOf(start); p >= 0; p = text.indexOf(start, p + 1)) {
        qsizetype length = 2;
        if (start == u'%' && p + 1 < text.size() && text.at(p + 1) == u'l')
            length = 3;
        ++symbols[text.sliced(p, std::min(length, text.size() - p)).toString()];
    }
}

bool isDecimal(QStringView text)
{
    return !text.isEmpty()
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

SymbolCounts printfSymbols(QStringView text)
{
    SymbolCounts symbols;
    countStarts(text, u'%', symbols);
    countStarts(text, u'\\', symbols);
    return symbols;
}

SymbolCounts braceSymbols(QStringView text)
{
    SymbolCounts symbols;
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = text.indexOf(u'{', from);
        if (open < 0)
            break;
        if (open > 0 && text.at(open - 1) == u'\\') {
            from = open + 1;
            continue;
        }
        const qsizetype close = text.indexOf(u'}', open + 1);
        if (close < 0)
            break;
        if (isDecimal(text.sliced(open + 1, close - open - 1))) {
            ++symbols[text.sliced(open, close - open + 1).toString()];
            from = open + 1;
        } else {
            from = close + 1;
        }
    }
    return symbols;
}

SymbolCounts formatSymbols(EntryOrdinal ordinal, QStringView text)
{
    return isWebOrdinal(ordinal) ? braceSymbols(text) : printfSymbols(text);
}
