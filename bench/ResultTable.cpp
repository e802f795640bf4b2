#include "bench/ResultTable.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

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
    const double num = higherIsBetter ? baseline : ours;
    const double den = higherIsBetter ? ours : baseline;
    return den > 0 ? num / den : 0;
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

QByteArray ResultTable::toJson() const
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
        list.append(o);
    }
    return QJsonDocument(list).toJson(QJsonDocument::Indented);
}

bool ResultTable::writeJson(const QString &path, QString *error) const
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toJson()) < 0 || !file.commit()) {
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
