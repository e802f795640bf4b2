#include "bench/Figure.h"

BenchResult Figure::of(const QString &scenario, int sizeMb, const Alternation::Medians &m,
                       std::optional<double> target, int phase)
{
    BenchResult r;
    r.scenario = scenario;
    r.sizeMb = sizeMb;
    r.ours = m.ours[phase];
    r.baseline = m.baseline[phase];
    r.target = target;
    r.oursRuns = m.oursRuns[phase];
    r.baselineRuns = m.baselineRuns[phase];
    r.machineRuns = m.machine;
    r.oursFaults = m.oursFaults;
    r.baselineFaults = m.baselineFaults;
    return r;
}

std::optional<double> Figure::targetAt(int sizeMb, double ratio)
{
    if (sizeMb != 10)
        return std::nullopt;
    return ratio;
}
