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

double BenchResult::ratio() const
{
    auto of = [this](double o, double b) {
        const double num = higherIsBetter ? b : o;
        const double den = higherIsBetter ? o : b;
        return den > 0 ? num / den : 0;
    };
    QList<double> pairs;
    for (qsizetype i = 0; i < std::min(oursRuns.size(), baselineRuns.size()); ++i)
        pairs.append(of(oursRuns[i], baselineRuns[i]));
    return pairs.isEmpty() ? of(ours, baseline) : Alternation::median(pairs);
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
        same->ours = Alternation::median(same->oursRuns);
        same->baseline = Alternation::median(same->baselineRuns);
    }
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
        r.oursRuns = fromArray(o.value(QStringLiteral("ours_runs")));
        r.baselineRuns = fromArray(o.value(QStringLiteral("baseline_runs")));
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
        o.insert(QStringLiteral("ratio"), rounded(r.ratio(), 4));
        o.insert(QStringLiteral("target_ratio"), r.target ? QJsonValue(*r.target) : QJsonValue(QJsonValue::Null));
        o.insert(QStringLiteral("higher_is_better"), r.higherIsBetter);
        if (withRuns) {
            o.insert(QStringLiteral("memory"), r.memory);
            o.insert(QStringLiteral("ours_runs"), toArray(r.oursRuns));
            o.insert(QStringLiteral("baseline_runs"), toArray(r.baselineRuns));
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

void ResultTable::print(std::FILE *out) const
{
    std::fprintf(out, "%-16s %6s %12s %12s %8s %8s  %s\n", "scenario", "MB", "ours", "baseline", "ratio",
                 "target", "");
    for (const BenchResult &r : results_) {
        const char *unit = r.memory ? "MiB" : "ms";
        const QByteArray ours = QByteArray::number(r.ours, 'f', r.ours < 10 ? 3 : 1) + ' ' + unit;
        const QByteArray base = QByteArray::number(r.baseline, 'f', r.baseline < 10 ? 3 : 1) + ' ' + unit;
        QByteArray target = "-";
        QByteArray verdict = "";
        if (r.target) {
            target = QByteArray(r.higherIsBetter ? ">=" : "<=") + QByteArray::number(*r.target, 'f', 2);
            verdict = r.met() ? "met" : "MISSED";
        }
        std::fprintf(out, "%-16s %6d %12s %12s %8.3f %8s  %s%s\n", qPrintable(r.scenario), r.sizeMb,
                     ours.constData(), base.constData(), r.ratio(), target.constData(), verdict.constData(),
                     r.higherIsBetter ? " (speed ratio)" : "");
    }
    std::fflush(out);
}
