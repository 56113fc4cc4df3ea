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

// A status needs only whether the value fits; the cut costs a measurement
// per character given up, so only the highlight asks for it.
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

    qsizetype fitting = boundaryAtOrBefore(value, value.size() - 1);
    while (fitting > 0 && measurer.width(value.first(fitting)) > room)
        fitting = boundaryAtOrBefore(value, fitting - 1);
    return { true, false, int(fitting) };
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
    if (!CheckFormatSymbols(row.ordinal, row.value, row.reference))
        return EntryStatus::Error;
    if (!checkLength(row.attribute, row.value, limits, measurer, Cut::Skip).fits)
        return EntryStatus::TooLong;
    return std::nullopt;
}
