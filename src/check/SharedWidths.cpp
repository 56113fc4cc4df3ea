#include "SharedWidths.h"

#include "ParallelRun.h"

WidthTable measureTexts(const QStringList &texts, int jobs, const MeasurerFactory &makeMeasurer)
{
    std::vector<int> widths(texts.size());
    runInParallel(jobs, int(texts.size()), makeMeasurer,
                  [&](int index, const std::unique_ptr<TextMeasurer> &measurer) {
                      widths[index] = measurer->width(texts.at(index));
                  });
    WidthTable table;
    table.reserve(texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i)
        table.insert(texts.at(i), widths[i]);
    return table;
}
