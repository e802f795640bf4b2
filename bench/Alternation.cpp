#include "bench/Alternation.h"

#include <algorithm>
#include <stdexcept>

namespace {

void collect(QList<QList<double>> &phases, const QList<double> &times)
{
    if (phases.isEmpty())
        phases.resize(times.size());
    if (phases.size() != times.size())
        throw std::logic_error("a side reported a different number of phases");
    for (qsizetype i = 0; i < times.size(); ++i)
        phases[i].append(times[i]);
}

QList<double> medians(const QList<QList<double>> &phases)
{
    QList<double> out;
    for (const QList<double> &p : phases)
        out.append(Alternation::median(p));
    return out;
}

} // namespace

Alternation::Medians Alternation::run(int runs, bool warmUp, const Side &ours, const Side &baseline)
{
    if (warmUp) {
        ours();
        baseline();
    }
    QList<QList<double>> oursPhases;
    QList<QList<double>> basePhases;
    for (int i = 0; i < runs; ++i) {
        // ABBA: the side that went second goes first in the next pair.
        if (i % 2 == 0) {
            collect(oursPhases, ours());
            collect(basePhases, baseline());
        } else {
            collect(basePhases, baseline());
            collect(oursPhases, ours());
        }
    }
    return {medians(oursPhases), medians(basePhases), oursPhases, basePhases};
}

double Alternation::median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
