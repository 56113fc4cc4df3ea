#pragma once

#include "editor/TextMeasurer.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

using MeasurerFactory = std::function<std::unique_ptr<TextMeasurer>()>;
using WidthTable = QHash<QString, int>;

// The widths of texts, measured once each on up to jobs threads.
WidthTable measureTexts(const QStringList &texts, int jobs, const MeasurerFactory &makeMeasurer);

// Answers from a table every thread shares (the samples, which every language
// measures against) and measures anything else with a measurer of its own.
class SharedWidthMeasurer : public TextMeasurer
{
public:
    SharedWidthMeasurer(const WidthTable &known, std::unique_ptr<TextMeasurer> own)
        : m_known(known)
        , m_own(std::move(own))
    {
    }

    int width(const QString &text) const override
    {
        const auto known = m_known.constFind(text);
        return known != m_known.cend() ? *known : m_own->width(text);
    }

private:
    const WidthTable &m_known;
    std::unique_ptr<TextMeasurer> m_own;
};
