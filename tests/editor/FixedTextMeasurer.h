#pragma once

#include "editor/TextMeasurer.h"

// Every code unit is 10 px wide except "." (1 px), so a one-pixel overflow is
// easy to build. Counts its measurements.
class FixedTextMeasurer : public TextMeasurer
{
public:
    int width(const QString &text) const override
    {
        ++m_calls;
        int pixels = 0;
        for (QChar c : text)
            pixels += c == u'.' ? 1 : 10;
        return pixels;
    }

    int calls() const { return m_calls; }

private:
    mutable int m_calls = 0;
};
