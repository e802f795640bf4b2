#pragma once

#include "bench/Alternation.h"
#include "bench/ResultTable.h"

#include <optional>

namespace Figure {
// A figure from the medians of one phase, with the runs behind them.
BenchResult of(const QString &scenario, int sizeMb, const Alternation::Medians &m, std::optional<double> target,
               int phase = 0);
// The targets hold for the 10 MB document; other sizes are reported without one.
std::optional<double> targetAt(int sizeMb, double ratio);
} // namespace Figure
