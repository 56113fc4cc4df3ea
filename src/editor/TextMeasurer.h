#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>

// How wide a text is when drawn as one line, in pixels. The length check
// measures through this so that the dialog can use its measuring font and
// tests a deterministic one.
class TextMeasurer
{
public:
    virtual ~TextMeasurer() = default;
    virtual int width(const QString &text) const = 0;
};

// Measures with the metrics of one font, kept for the measurer's life so that
// the sample and the value are always measured alike. Shaping a text costs far
// more than hashing it, and a reference switch measures every sample and
// value again, so each distinct text is shaped once.
class FontTextMeasurer : public TextMeasurer
{
public:
    explicit FontTextMeasurer(const QFont &font);

    int width(const QString &text) const override;

private:
    QFontMetrics m_metrics;
    mutable QHash<QString, int> m_widths;
};
