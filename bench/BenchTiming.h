#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Timing and reporting shared by the benchmarks: every figure is the best of
// several runs and is printed beside its limit.
namespace BenchTiming {

// Best time of runs runs of work, in milliseconds; prepare runs untimed
// before each.
double bestOf(const std::function<void()> &prepare, const std::function<void()> &work,
              int runs = 25);
double bestOf(const std::function<void()> &work, int runs = 25);

QByteArray readFile(const QString &path);

// Ends the benchmark with the error when a step it times or prepares fails.
void require(const Result<> &result);

// Says so when the benchmark was not built with optimisation.
void noteUnoptimisedBuild();

// "what: 2.0 ms, baseline: 0.5 ms, ratio 4.0 (limit 10)"; true within the limit.
bool reportRatio(const char *what, double measured, const char *baselineName, double baseline,
                 double ratioLimit);

// "what: 20.0 ms (budget 200 ms)", with ", baseline: 5.0 ms, ratio 4.0" when a
// baseline is given; true within the budget.
bool reportBudget(const char *what, double measured, double budget,
                  const char *baselineName = nullptr, double baseline = 0);

} // namespace BenchTiming
