#pragma once

#include <QList>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <optional>

// One figure of the benchmark: our time (or memory) against the baseline's, same run.
struct BenchResult
{
    QString scenario;
    int sizeMb = 0;
    double ours = 0;     // milliseconds; MiB for memory
    double baseline = 0; // likewise
    std::optional<double> target;
    // Speeds: the ratio is baseline / ours and must reach the target. Otherwise it is
    // ours / baseline and must stay within it.
    bool higherIsBetter = false;
    bool memory = false;
    // Instructions executed (scripts/bench --instructions) instead of milliseconds.
    bool instructions = false;
    // The runs behind the two medians, pair by pair: oursRuns[i] and baselineRuns[i] were
    // taken together.
    QList<double> oursRuns;
    QList<double> baselineRuns;
    // Minor page faults inside the timed parts of each run of a side; empty when not counted.
    QList<double> oursFaults;
    QList<double> baselineFaults;
    // The machine's pace before each pair (Alternation::machineProbeMs): pairs taken while the
    // machine ran well below its usual pace are left out of the ratio when enough others
    // remain (see calmPairs).
    QList<double> machineRuns;

    // The median of the ratios of the pairs of runs (ours and the baseline's taken one
    // right after the other in the same process), so that what differs between processes
    // cancels out; ours / baseline of the medians when there are no runs.
    double ratio() const;
    // The spread behind ratio(): the lowest and highest ratio of a single pair (the ratio
    // itself when there are no runs).
    double lowestRatio() const;
    double highestRatio() const;
    // No target means nothing to meet.
    bool met() const;
    // How many pairs the ratio stands on, and how many were taken.
    qsizetype calmPairs() const { return pairRatios().size(); }
    qsizetype pairs() const { return std::max<qsizetype>(1, std::min(oursRuns.size(), baselineRuns.size())); }

    // A pair counts when the machine ran within this factor of the figure's usual pace (the
    // pace that a tenth of its pairs beat: the probe's own caches make the pace differ from
    // one scenario to the next, and one lucky probe must not set the bar)...
    static constexpr double CalmPace = 1.25;
    // ...as long as this many pairs, at least, remain; otherwise every pair counts.
    static constexpr qsizetype FewestCalmPairs = 5;

private:
    QList<double> pairRatios() const;
};

// The results of one run: results.json and the table on the terminal.
class ResultTable
{
public:
    void add(const BenchResult &result);
    const QList<BenchResult> &results() const { return results_; }

    // results.json; withRuns adds every run, for pooling (see pool).
    QByteArray toJson(bool withRuns = false) const;
    bool writeJson(const QString &path, QString *error, bool withRuns = false) const;
    // Reads what toJson(true) wrote; false with a reason when it cannot.
    static bool fromJson(const QByteArray &json, ResultTable &table, QString *error);
    // Adds the runs of another process's table to the same figures here (or the figures
    // themselves when new); the medians are then those of all the runs together.
    void pool(const ResultTable &other);
    // Puts the figures of another table in place of those here with the same scenario and
    // size; the others are added.
    void replace(const ResultTable &other);
    // The same figures as instruction counts, each under its scenario's name with
    // "_instructions" added (page faults dropped: under callgrind they tell nothing).
    ResultTable asInstructions() const;
    void print(std::FILE *out) const;

private:
    QList<BenchResult> results_;
};
