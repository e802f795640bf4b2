#pragma once

#include <QElapsedTimer>
#include <QList>

#include <functional>

// Runs our side and the baseline in turn, ABBA order, so that a machine that speeds up or
// slows down during the run weighs on both alike; reports the median of each phase.
// Before every run of a side the heap is brought to the same state (see settleHeap), and the
// page faults taken inside the timed parts are counted, so that a figure that moves can be
// told apart from one whose memory moved.
class Alternation
{
public:
    // One run of a side: the times of its phases in milliseconds (most sides have one).
    using Side = std::function<QList<double>()>;
    struct Medians
    {
        QList<double> ours;
        QList<double> baseline;
        // Every timed run, by phase: pooled when the benchmark runs in several processes.
        QList<QList<double>> oursRuns;
        QList<QList<double>> baselineRuns;
        // Minor page faults inside the timed parts of each run of a side (all its phases).
        QList<double> oursFaults;
        QList<double> baselineFaults;
        // The machine's pace just before each pair (see machineProbeMs); empty when counting
        // instructions.
        QList<double> machine;
    };

    // What a timed part reports: milliseconds, or, when the process runs under callgrind
    // (scripts/bench --instructions), the instructions it executed.
    enum class Unit { Milliseconds, Instructions };
    static Unit unit();
    // Whether this build can count instructions (valgrind's headers were there to build it).
    static bool canCountInstructions();

    // At least runs pairs, after one untimed pair when warmUp is set. Timed in milliseconds,
    // a figure whose pairs are quick gets more of them (up to MaxRunsFactor times runs) until
    // its timed parts add up to PairBudgetMs: the short edits of a long document, which a
    // single slice of another program's time can double, are then judged on many pairs.
    static constexpr int MaxRunsFactor = 8;
    static constexpr double PairBudgetMs = 1000;
    static Medians run(int runs, bool warmUp, const Side &ours, const Side &baseline);
    static double median(QList<double> values);

    // A fixed piece of work of a codec's kind (table look-ups, a long copy), timed: a virtual
    // machine runs everything up to twice as slowly for tens of seconds at a time while other
    // guests share its core or its memory, and a ratio taken in such a spell differs from one
    // taken outside it, as ours and the baseline slow down by different factors.
    static double machineProbeMs();

    // Minor page faults of this process so far.
    static long minorFaults();
    // Leaves enough freed, already touched memory at the heap's top for the copies of a long
    // document, so that neither side pays for the heap growing in the middle of its run.
    static void settleHeap();
    // On by default; off (--unsettled-heap) only to see what the settling takes away.
    static void setHeapSettling(bool on);
    static bool heapSettling();
    // Exactly the runs asked for, however quick (--fixed-runs).
    static void setFixedRuns(bool on);
    static bool fixedRuns();

    template <typename F>
    static double timeMs(F &&f)
    {
        Section section;
        f();
        return section.stop();
    }

private:
    class Section
    {
    public:
        Section();
        double stop();

    private:
        QElapsedTimer timer_;
        long faults_ = 0;
    };
};
