#pragma once

#include <QList>
#include <QString>

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

    double ratio() const;
    // No target means nothing to meet.
    bool met() const;
};

// The results of one run: results.json and the table on the terminal.
class ResultTable
{
public:
    void add(const BenchResult &result);
    const QList<BenchResult> &results() const { return results_; }

    QByteArray toJson() const;
    bool writeJson(const QString &path, QString *error) const;
    void print(std::FILE *out) const;

private:
    QList<BenchResult> results_;
};
