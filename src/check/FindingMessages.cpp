#include "FindingMessages.h"

#include "editor/TextMeasurer.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace FindingMessages {

namespace {

constexpr qsizetype QuotedLength = 60;

// Each symbol of from as often as it occurs there beyond its count in other.
QStringList surplus(const SymbolCounts &from, const SymbolCounts &other)
{
    QStringList symbols;
    for (auto it = from.cbegin(); it != from.cend(); ++it) {
        for (int n = other.value(it.key()); n < it.value(); ++n)
            symbols.append(it.key());
    }
    symbols.sort();
    return symbols;
}

} // namespace

QString quoted(const QString &text)
{
    QString shown = text;
    if (text.size() > QuotedLength) {
        const bool splitsPair = text.at(QuotedLength - 1).isHighSurrogate();
        shown = text.first(QuotedLength - (splitsPair ? 1 : 0)) + u"\u2026"_s;
    }
    for (QChar &c : shown) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            c = u' ';
    }
    return u'"' + shown + u'"';
}

QString formatSymbols(const SymbolCounts &valueSymbols, const SymbolCounts &referenceSymbols,
                      const QString &reference)
{
    QStringList differences;
    if (const QStringList lacking = surplus(referenceSymbols, valueSymbols); !lacking.isEmpty())
        differences.append(u"lacks "_s + lacking.join(u' '));
    if (const QStringList extra = surplus(valueSymbols, referenceSymbols); !extra.isEmpty())
        differences.append(u"has "_s + extra.join(u' ') + u" too many"_s);
    return u"ERROR: the format symbols differ from the reference %1: %2"_s.arg(
        quoted(reference), differences.join(u"; "_s));
}

QString tooLong(const QString &value, const QString &sample, const TextMeasurer &measurer)
{
    // One arg() call: a sample holding "%3" must stay as it is.
    return u"TOO LONG: %1 px wide, the sample %2 is %3 px"_s.arg(
        QString::number(measurer.width(value)), quoted(sample),
        QString::number(measurer.width(sample)));
}

} // namespace FindingMessages
