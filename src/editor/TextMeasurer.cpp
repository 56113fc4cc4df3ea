#include "TextMeasurer.h"

FontTextMeasurer::FontTextMeasurer(const QFont &font)
    : m_metrics(font)
{
}

int FontTextMeasurer::width(const QString &text) const
{
    return m_metrics.horizontalAdvance(text);
}
