#include "bench/ResultTable.h"

#include "bench/Alternation.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace {

double rounded(double v, int digits)
{
    const double scale = std::pow(10.0, digits);
    return std::round(v * scale) / scale;
}

} // namespace

QList<double> BenchResult::pairRatios() const
{
    auto of = [this](double o, double b) {
        const double num = higherIsBetter ? b : o;
        const double den = higherIsBetter ? o : b;
        return den > 0 ? num / den : 0;
    };
    const qsizetype n = std::min(oursRuns.size(), baselineRuns.size());
    QList<double> pairs;
    if (n > 0 && machineRuns.size() == n) {
        QList<double> paces = machineRuns;
        std::sort(paces.begin(), paces.end());
        const double usual = paces[(n - 1) / 10];
        for (qsizetype i = 0; i < n; ++i) {
            if (machineRuns[i] <= usual * CalmPace)
                pairs.append(of(oursRuns[i], baselineRuns[i]));
        }
        if (pairs.size() >= FewestCalmPairs)
            return pairs;
        pairs.clear();
    }
    for (qsizetype i = 0; i < n; ++i)
        pairs.append(of(oursRuns[i], baselineRuns[i]));
    if (pairs.isEmpty())
        pairs.append(of(ours, baseline));
    return pairs;
}

double BenchResult::ratio() const
{
    return Alternation::median(pairRatios());
}

double BenchResult::lowestRatio() const
{
    const QList<double> pairs = pairRatios();
    return *std::min_element(pairs.begin(), pairs.end());
}

double BenchResult::highestRatio() const
{
    const QList<double> pairs = pairRatios();
    return *std::max_element(pairs.begin(), pairs.end());
}

bool BenchResult::met() const
{
    if (!target)
        return true;
    return higherIsBetter ? ratio() >= *target : ratio() <= *target;
}

void ResultTable::add(const BenchResult &result)
{
    results_.append(result);
}

namespace {
QJsonArray toArray(const QList<double> &values)
{
    QJsonArray a;
    for (double v : values)
        a.append(v);
    return a;
}

QList<double> fromArray(const QJsonValue &value)
{
    QList<double> out;
    for (const QJsonValue &v : value.toArray())
        out.append(v.toDouble());
    return out;
}

} // namespace

void ResultTable::pool(const ResultTable &other)
{
    for (const BenchResult &r : other.results_) {
        auto same = std::find_if(results_.begin(), results_.end(), [&r](const BenchResult &mine) {
            return mine.scenario == r.scenario && mine.sizeMb == r.sizeMb;
        });
        if (same == results_.end()) {
            results_.append(r);
            continue;
        }
        same->oursRuns += r.oursRuns;
        same->baselineRuns += r.baselineRuns;
        same->oursFaults += r.oursFaults;
        same->baselineFaults += r.baselineFaults;
        // Pace and pairs belong together: without a pace for every pair, none is judged.
        if (same->machineRuns.size() + r.machineRuns.size() == same->oursRuns.size())
            same->machineRuns += r.machineRuns;
        else
            same->machineRuns.clear();
        same->ours = Alternation::median(same->oursRuns);
        same->baseline = Alternation::median(same->baselineRuns);
    }
}

void ResultTable::replace(const ResultTable &other)
{
    for (const BenchResult &r : other.results_) {
        auto same = std::find_if(results_.begin(), results_.end(), [&r](const BenchResult &mine) {
            return mine.scenario == r.scenario && mine.sizeMb == r.sizeMb;
        });
        if (same == results_.end())
            results_.append(r);
        else
            *same = r;
    }
}

ResultTable ResultTable::asInstructions() const
{
    ResultTable out;
    for (BenchResult r : results_) {
        r.scenario += QLatin1String("_instructions");
        r.instructions = true;
        r.oursFaults.clear();
        r.baselineFaults.clear();
        r.machineRuns.clear();
        out.add(r);
    }
    return out;
}

bool ResultTable::fromJson(const QByteArray &json, ResultTable &table, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (!doc.isArray()) {
        if (error)
            *error = parseError.errorString();
        return false;
    }
    for (const QJsonValue &v : doc.array()) {
        const QJsonObject o = v.toObject();
        BenchResult r;
        r.scenario = o.value(QStringLiteral("scenario")).toString();
        r.sizeMb = o.value(QStringLiteral("size_mb")).toInt();
        r.ours = o.value(QStringLiteral("ours_ms")).toDouble();
        r.baseline = o.value(QStringLiteral("baseline_ms")).toDouble();
        const QJsonValue target = o.value(QStringLiteral("target_ratio"));
        if (target.isDouble())
            r.target = target.toDouble();
        r.higherIsBetter = o.value(QStringLiteral("higher_is_better")).toBool();
        r.memory = o.value(QStringLiteral("memory")).toBool();
        r.instructions = o.value(QStringLiteral("unit")).toString() == QLatin1String("instructions");
        r.oursFaults = fromArray(o.value(QStringLiteral("ours_faults_runs")));
        r.baselineFaults = fromArray(o.value(QStringLiteral("baseline_faults_runs")));
        r.oursRuns = fromArray(o.value(QStringLiteral("ours_runs")));
        r.baselineRuns = fromArray(o.value(QStringLiteral("baseline_runs")));
        r.machineRuns = fromArray(o.value(QStringLiteral("machine_runs")));
        if (r.scenario.isEmpty() || r.oursRuns.isEmpty() || r.baselineRuns.isEmpty()) {
            if (error)
                *error = QStringLiteral("a figure without its runs");
            return false;
        }
        table.add(r);
    }
    return true;
}

QByteArray ResultTable::toJson(bool withRuns) const
{
    QJsonArray list;
    for (const BenchResult &r : results_) {
        QJsonObject o;
        o.insert(QStringLiteral("scenario"), r.scenario);
        o.insert(QStringLiteral("size_mb"), r.sizeMb);
        o.insert(QStringLiteral("ours_ms"), rounded(r.ours, 3));
        o.insert(QStringLiteral("baseline_ms"), rounded(r.baseline, 3));
        o.insert(QStringLiteral("unit"), r.memory         ? QStringLiteral("MiB")
                                         : r.instructions ? QStringLiteral("instructions")
                                                          : QStringLiteral("ms"));
        o.insert(QStringLiteral("ratio"), rounded(r.ratio(), 4));
        o.insert(QStringLiteral("ratio_min"), rounded(r.lowestRatio(), 4));
        o.insert(QStringLiteral("ratio_max"), rounded(r.highestRatio(), 4));
        o.insert(QStringLiteral("pairs"), int(r.pairs()));
        o.insert(QStringLiteral("calm_pairs"), int(r.calmPairs()));
        if (!r.memory && !r.oursFaults.isEmpty() && !r.baselineFaults.isEmpty()) {
            o.insert(QStringLiteral("ours_faults"), Alternation::median(r.oursFaults));
            o.insert(QStringLiteral("baseline_faults"), Alternation::median(r.baselineFaults));
        }
        o.insert(QStringLiteral("target_ratio"), r.target ? QJsonValue(*r.target) : QJsonValue(QJsonValue::Null));
        o.insert(QStringLiteral("higher_is_better"), r.higherIsBetter);
        if (withRuns) {
            o.insert(QStringLiteral("memory"), r.memory);
            o.insert(QStringLiteral("ours_runs"), toArray(r.oursRuns));
            o.insert(QStringLiteral("baseline_runs"), toArray(r.baselineRuns));
            o.insert(QStringLiteral("ours_faults_runs"), toArray(r.oursFaults));
            o.insert(QStringLiteral("baseline_faults_runs"), toArray(r.baselineFaults));
            o.insert(QStringLiteral("machine_runs"), toArray(r.machineRuns));
        }
        list.append(o);
    }
    return QJsonDocument(list).toJson(QJsonDocument::Indented);
}

bool ResultTable::writeJson(const QString &path, QString *error, bool withRuns) const
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toJson(withRuns)) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

namespace {

QByteArray amount(double v, const BenchResult &r)
{
    if (r.instructions)
        return QByteArray::number(v / 1e6, 'f', 2) + " M";
    return QByteArray::number(v, 'f', v < 10 ? 3 : 1) + (r.memory ? " MiB" : " ms");
}

} // namespace

void ResultTable::print(std::FILE *out) const
{
    std::fprintf(out, "%-28s %4s %12s %12s %7s %15s %9s %8s %13s  %s\n", "scenario", "MB", "ours", "baseline", "ratio",
                 "pairs min-max", "calm", "target", "faults o/b", "");
    for (const BenchResult &r : results_) {
        QByteArray target = "-";
        QByteArray verdict = "";
        if (r.target) {
            target = QByteArray(r.higherIsBetter ? ">=" : "<=") + QByteArray::number(*r.target, 'f', 2);
            verdict = r.met() ? "met" : "MISSED";
        }
        const QByteArray spread =
            QByteArray::number(r.lowestRatio(), 'f', 2) + '-' + QByteArray::number(r.highestRatio(), 'f', 2);
        QByteArray faults = "-";
        if (!r.memory && !r.oursFaults.isEmpty() && !r.baselineFaults.isEmpty())
            faults = QByteArray::number(Alternation::median(r.oursFaults), 'f', 0) + '/' +
                     QByteArray::number(Alternation::median(r.baselineFaults), 'f', 0);
        const QByteArray calm = QByteArray::number(r.calmPairs()) + '/' + QByteArray::number(r.pairs());
        std::fprintf(out, "%-28s %4d %12s %12s %7.3f %15s %9s %8s %13s  %s%s\n", qPrintable(r.scenario), r.sizeMb,
                     amount(r.ours, r).constData(), amount(r.baseline, r).constData(), r.ratio(), spread.constData(),
                     calm.constData(), target.constData(), faults.constData(), verdict.constData(),
                     r.higherIsBetter ? " (speed ratio)" : "");
    }
    std::fflush(out);
}
