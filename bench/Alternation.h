#pragma once

#include <QElapsedTimer>
#include <QList>

#include <functional>

// Runs our side and the baseline in turn, ABBA order, so that a machine that speeds up or
// slows down during the run weighs on both alike; reports the median of each phase.
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
    };

    // runs pairs, after one untimed pair when warmUp is set.
    static Medians run(int runs, bool warmUp, const Side &ours, const Side &baseline);
    static double median(QList<double> values);

    template <typename F>
    static double timeMs(F &&f)
    {
        QElapsedTimer timer;
        timer.start();
        f();
        return double(timer.nsecsElapsed()) / 1e6;
    }
};
