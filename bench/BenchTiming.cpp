#include "BenchTiming.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace BenchTiming {

double bestOf(const std::function<void()> &prepare, const std::function<void()> &work, int runs)
{
    qint64 best = std::numeric_limits<qint64>::max();
    for (int run = 0; run < runs; ++run) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed());
    }
    return best / 1e6;
}

double bestOf(const std::function<void()> &work, int runs)
{
    return bestOf({}, work, runs);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void require(const Result<> &result)
{
    if (result)
        return;
    std::printf("error: %s\n", qPrintable(result.error()));
    std::exit(2);
}

void noteUnoptimisedBuild()
{
#ifndef NDEBUG
    std::puts("note: not an optimised build; build in Release mode for meaningful figures");
#endif
}

bool reportRatio(const char *what, double measured, const char *baselineName, double baseline,
                 double ratioLimit)
{
    const double ratio = measured / baseline;
    std::printf("%s: %.1f ms, %s: %.1f ms, ratio %.1f (limit %.0f)\n", what, measured, baselineName,
                baseline, ratio, ratioLimit);
    return ratio <= ratioLimit;
}

bool reportBudget(const char *what, double measured, double budget, const char *baselineName,
                  double baseline)
{
    std::printf("%s: %.1f ms (budget %.0f ms)", what, measured, budget);
    if (baselineName)
        std::printf(", %s: %.1f ms, ratio %.1f", baselineName, baseline, measured / baseline);
    std::printf("\n");
    return measured <= budget;
}

} // namespace BenchTiming
