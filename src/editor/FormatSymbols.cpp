#include "FormatSymbols.h"

#include <algorithm>

namespace {

// Calls take(start, length) for each symbol of one start character.
template<typename Take> void scanStarts(QStringView text, QChar start, Take &&take)
{
    for (qsizetype p = text.indexOf(start); p >= 0; p = text.indexOf(start, p + 1)) {
        qsizetype length = 2;
        if (start == u'%' && p + 1 < text.size() && text.at(p + 1) == u'l')
            length = 3;
        take(p, std::min(length, text.size() - p));
    }
}

bool isDecimal(QStringView text)
{
    return !text.isEmpty()
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

template<typename Take> void scanBraces(QStringView text, Take &&take)
{
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
            take(open, close - open + 1);
            from = open + 1;
        } else {
            from = close + 1;
        }
    }
}

} // namespace

SymbolCounts printfSymbols(QStringView text)
{
    SymbolCounts symbols;
    const auto count = [&](qsizetype start, qsizetype length) {
        ++symbols[text.sliced(start, length).toString()];
    };
    scanStarts(text, u'%', count);
    scanStarts(text, u'\\', count);
    return symbols;
}

SymbolCounts braceSymbols(QStringView text)
{
    SymbolCounts symbols;
    scanBraces(text, [&](qsizetype start, qsizetype length) {
        ++symbols[text.sliced(start, length).toString()];
    });
    return symbols;
}

SymbolCounts formatSymbols(EntryOrdinal ordinal, QStringView text)
{
    return isWebOrdinal(ordinal) ? braceSymbols(text) : printfSymbols(text);
}

QList<SymbolSpan> symbolSpans(EntryOrdinal ordinal, QStringView text)
{
    QList<SymbolSpan> spans;
    const auto take = [&](qsizetype start, qsizetype length) { spans.append({ start, length }); };
    if (isWebOrdinal(ordinal)) {
        scanBraces(text, take);
    } else {
        scanStarts(text, u'%', take);
        scanStarts(text, u'\\', take);
        std::sort(spans.begin(), spans.end(),
                  [](const SymbolSpan &a, const SymbolSpan &b) { return a.start < b.start; });
    }
    return spans;
}
