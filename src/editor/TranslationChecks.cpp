#include "TranslationChecks.h"

#include "FormatSymbols.h"
#include "TextMeasurer.h"

namespace {

// The largest prefix length from n down that ends on a character boundary.
qsizetype boundaryAtOrBefore(const QString &text, qsizetype n)
{
    if (n > 0 && n < text.size() && text.at(n).isLowSurrogate() && text.at(n - 1).isHighSurrogate())
        return n - 1;
    return n;
}

enum class Cut { Find, Skip };

// A status needs only whether the value fits; the cut costs more
// measurements, so only the highlight asks for it.
LengthVerdict checkLength(const QString &attribute, const QString &value,
                          const LengthLimits &limits, const TextMeasurer &measurer, Cut cut)
{
    const auto limit = limits.find(attribute);
    if (limit == limits.end())
        return {};
    if (value.isEmpty())
        return { true, true, 0 };
    const int room = measurer.width(limit->second);
    if (measurer.width(value) <= room)
        return { true, true, 0 };
    if (cut == Cut::Skip)
        return { true, false, 0 };

    // The longest prefix that still fits. A prefix is never wider than a
    // longer one, so halving the range finds it with a handful of
    // measurements, also in a value of 100,000 characters.
    qsizetype fitting = 0;
    qsizetype tooWide = value.size();
    while (tooWide - fitting > 1) {
        const qsizetype middle = fitting + (tooWide - fitting) / 2;
        if (measurer.width(value.first(middle)) <= room)
            fitting = middle;
        else
            tooWide = middle;
    }
    return { true, false, int(boundaryAtOrBefore(value, fitting)) };
}

} // namespace

bool CheckFormatSymbols(EntryOrdinal ordinal, const QString &value, const QString &reference)
{
    return formatSymbols(ordinal, value) == formatSymbols(ordinal, reference);
}

LengthVerdict CheckDisplayLength(const QString &attribute, const QString &value,
                                 const LengthLimits &limits, const TextMeasurer &measurer)
{
    return checkLength(attribute, value, limits, measurer, Cut::Find);
}

bool isBlank(const QString &attribute, const QString &value)
{
    return !attribute.trimmed().isEmpty() && value.trimmed().isEmpty();
}

std::optional<EntryStatus> failedCheck(const EditorRow &row, const LengthLimits &limits,
                                       const TextMeasurer &measurer)
{
    return failedCheck(row, formatSymbols(row.ordinal, row.value),
                       formatSymbols(row.ordinal, row.reference), limits, measurer);
}

std::optional<EntryStatus> failedCheck(const EditorRow &row, const SymbolCounts &valueSymbols,
                                       const SymbolCounts &referenceSymbols,
                                       const LengthLimits &limits, const TextMeasurer &measurer)
{
    if (valueSymbols != referenceSymbols)
        return EntryStatus::Error;
    if (!checkLength(row.attribute, row.value, limits, measurer, Cut::Skip).fits)
        return EntryStatus::TooLong;
    return std::nullopt;
}
