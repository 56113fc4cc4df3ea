#include "TextMeasurer.h"

namespace {

// Enough for every sample and value of a large installation; past it the
// cache starts afresh rather than grow with every keystroke measured.
constexpr qsizetype MaxRemembered = 100000;
// Samples and values are short. A long text is one being typed into (each
// keystroke measures it and a dozen of its prefixes, none of which comes
// again), so remembering it would cost more than measuring it.
constexpr qsizetype MaxRememberedLength = 256;

} // namespace

FontTextMeasurer::FontTextMeasurer(const QFont &font)
    : m_metrics(font)
{
}

int FontTextMeasurer::width(const QString &text) const
{
    const auto known = m_widths.constFind(text);
    if (known != m_widths.cend())
        return *known;
    const int width = m_metrics.horizontalAdvance(text);
    if (text.size() > MaxRememberedLength)
        return width;
    if (m_widths.size() >= MaxRemembered)
        m_widths.clear();
    m_widths.insert(text, width);
    return width;
}
