// The benchmark's own arithmetic: pair ratios and their spread, results.json, pooling, and
// how the alternation runs the two sides.
#include "bench/Alternation.h"
#include "bench/ResultTable.h"
#include "platform/MemoryReuse.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cstring>

#include <sys/mman.h>

namespace {

BenchResult timed(const QString &name, QList<double> ours, QList<double> baseline)
{
    BenchResult r;
    r.scenario = name;
    r.sizeMb = 10;
    r.oursRuns = ours;
    r.baselineRuns = baseline;
    r.ours = Alternation::median(ours);
    r.baseline = Alternation::median(baseline);
    r.target = 1.5;
    return r;
}

QJsonObject firstObject(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).array().first().toObject();
}

} // namespace

class BenchFiguresTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // As the benchmark starts: large blocks stay with the heap, so settling it is cheap.
        MemoryReuse::keepLargeBlocks();
    }

    void ratioIsMedianOfPairsWithItsSpread()
    {
        // The pairs' ratios are 2, 1, 0.5, 1, 1: one slow run on each side moves neither the
        // median nor hides in it.
        BenchResult r = timed(QStringLiteral("insert"), {20, 10, 10, 10, 10}, {10, 10, 20, 10, 10});
        QCOMPARE(r.ratio(), 1.0);
        QCOMPARE(r.lowestRatio(), 0.5);
        QCOMPARE(r.highestRatio(), 2.0);
        QVERIFY(r.met());

        // Speeds turn the ratio over: baseline / ours.
        r.higherIsBetter = true;
        r.target = 1.0;
        QCOMPARE(r.lowestRatio(), 0.5);
        QCOMPARE(r.highestRatio(), 2.0);
        r.oursRuns = {5, 5, 5};
        r.baselineRuns = {10, 20, 15};
        QCOMPARE(r.ratio(), 3.0);
        QCOMPARE(r.lowestRatio(), 2.0);
        QCOMPARE(r.highestRatio(), 4.0);

        // Without runs the medians themselves make the one ratio.
        BenchResult bare;
        bare.ours = 3;
        bare.baseline = 2;
        QCOMPARE(bare.ratio(), 1.5);
        QCOMPARE(bare.lowestRatio(), 1.5);
        QCOMPARE(bare.highestRatio(), 1.5);
    }

    void jsonCarriesSpreadUnitAndRuns()
    {
        ResultTable table;
        BenchResult r = timed(QStringLiteral("undo"), {12, 10, 11}, {10, 10, 10});
        r.oursFaults = {0, 4096, 0};
        r.baselineFaults = {0, 0, 2};
        table.add(r);
        const QByteArray json = table.toJson(true);
        const QJsonObject o = firstObject(json);
        QCOMPARE(o.value(QStringLiteral("unit")).toString(), QStringLiteral("ms"));
        QCOMPARE(o.value(QStringLiteral("ratio")).toDouble(), 1.1);
        QCOMPARE(o.value(QStringLiteral("ratio_min")).toDouble(), 1.0);
        QCOMPARE(o.value(QStringLiteral("ratio_max")).toDouble(), 1.2);
        QCOMPARE(o.value(QStringLiteral("pairs")).toInt(), 3);
        QCOMPARE(o.value(QStringLiteral("ours_faults")).toDouble(), 0.0);

        ResultTable back;
        QString error;
        QVERIFY2(ResultTable::fromJson(json, back, &error), qPrintable(error));
        QCOMPARE(back.results().size(), 1);
        const BenchResult &b = back.results().first();
        QCOMPARE(b.oursRuns, r.oursRuns);
        QCOMPARE(b.baselineFaults, r.baselineFaults);
        QCOMPARE(b.target, r.target);
        QVERIFY(!b.instructions);

        // Memory figures carry no faults, and say their unit.
        ResultTable memory;
        BenchResult m = timed(QStringLiteral("memory"), {130}, {120});
        m.memory = true;
        m.oursFaults = {0};
        m.baselineFaults = {0};
        memory.add(m);
        const QJsonObject mo = firstObject(memory.toJson());
        QCOMPARE(mo.value(QStringLiteral("unit")).toString(), QStringLiteral("MiB"));
        QVERIFY(!mo.contains(QStringLiteral("ours_faults")));
    }

    void pairsTakenWhileTheMachineRanSlowlyAreLeftOut()
    {
        // Nine pairs at 1.0 taken at the usual pace, one lucky probe (0.5) among them, and
        // four at 2.0 taken at twice that pace: the median of all would be 1.0 only by a
        // hair, so the slow ones make half of a second figure.
        ResultTable table;
        BenchResult calm = timed(QStringLiteral("encode"), {10, 10, 10, 10, 10, 10, 10, 10, 10, 20, 20, 20, 20},
                                 {10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10});
        calm.machineRuns = {0.5, 1.1, 1, 1.2, 1, 1, 1.1, 1, 1, 2, 2, 2.1, 2};
        table.add(calm);
        QCOMPARE(table.results()[0].calmPairs(), 9);
        QCOMPARE(table.results()[0].highestRatio(), 1.0);
        QCOMPARE(firstObject(table.toJson()).value(QStringLiteral("calm_pairs")).toInt(), 9);

        BenchResult half = timed(QStringLiteral("undo"), {20, 20, 20, 20, 20, 20, 10, 10, 10, 10, 10, 10},
                                 {10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10});
        half.machineRuns = {2, 2, 2, 2, 2, 2, 1, 1, 1, 1.2, 1, 1};
        table.add(half);
        QCOMPARE(table.results()[1].calmPairs(), 6);
        QCOMPARE(table.results()[1].ratio(), 1.0);

        // Too few calm pairs: every pair counts rather than a figure standing on one or two.
        BenchResult few = half;
        few.machineRuns = {2, 2, 2, 2, 2, 2, 1, 1, 2, 2, 2, 2};
        ResultTable alone;
        alone.add(few);
        QCOMPARE(alone.results()[0].calmPairs(), 12);
        QCOMPARE(alone.results()[0].ratio(), 1.5); // six at 2.0, six at 1.0

        // Pace travels with the runs between processes, and is dropped where it no longer
        // matches them pair for pair.
        ResultTable back;
        QString error;
        QVERIFY2(ResultTable::fromJson(table.toJson(true), back, &error), qPrintable(error));
        QCOMPARE(back.results()[1].machineRuns, half.machineRuns);
        QCOMPARE(back.results()[1].ratio(), 1.0);
        ResultTable unpaced;
        unpaced.add(timed(QStringLiteral("undo"), {20, 20}, {10, 10}));
        back.pool(unpaced);
        QCOMPARE(back.results()[1].machineRuns.size(), 0);
        QCOMPARE(back.results()[1].calmPairs(), 14);
    }

    void poolingAndReplacing()
    {
        ResultTable a;
        a.add(timed(QStringLiteral("insert"), {10, 10}, {10, 10}));
        ResultTable b;
        BenchResult more = timed(QStringLiteral("insert"), {30, 30, 30}, {10, 10, 10});
        more.oursFaults = {1, 2, 3};
        b.add(more);
        b.add(timed(QStringLiteral("undo"), {5}, {5}));
        a.pool(b);
        QCOMPARE(a.results().size(), 2);
        const BenchResult &pooled = a.results().first();
        QCOMPARE(pooled.oursRuns.size(), 5);
        QCOMPARE(pooled.ours, 30.0);
        QCOMPARE(pooled.oursFaults, (QList<double>{1, 2, 3}));
        QCOMPARE(pooled.ratio(), 3.0);
        QCOMPARE(pooled.lowestRatio(), 1.0);

        // Instruction counts get names of their own and so stand beside the timed figures.
        const ResultTable counted = b.asInstructions();
        QCOMPARE(counted.results().first().scenario, QStringLiteral("insert_instructions"));
        QVERIFY(counted.results().first().instructions);
        QVERIFY(counted.results().first().oursFaults.isEmpty());
        a.replace(counted);
        QCOMPARE(a.results().size(), 4);
        QCOMPARE(a.results().first().ours, 30.0);
        BenchResult again = timed(QStringLiteral("insert_instructions"), {1e6}, {2e6});
        ResultTable newer;
        newer.add(again);
        a.replace(newer);
        QCOMPARE(a.results().size(), 4);
        QCOMPARE(a.results()[2].ours, 1e6);
        QCOMPARE(firstObject(counted.toJson()).value(QStringLiteral("unit")).toString(), QStringLiteral("instructions"));
    }

    void alternationRunsAbbaAndAddsPairsToQuickFigures()
    {
        QString order;
        auto ours = [&order]() -> QList<double> {
            order += QLatin1Char('O');
            return {1, 2};
        };
        auto baseline = [&order]() -> QList<double> {
            order += QLatin1Char('B');
            return {1, 1};
        };
        Alternation::setFixedRuns(true);
        Alternation::Medians m = Alternation::run(3, true, ours, baseline);
        QCOMPARE(order, QStringLiteral("OB" "OB" "BO" "OB"));
        QCOMPARE(m.oursRuns.size(), 2);
        QCOMPARE(m.oursRuns[1].size(), 3);
        QCOMPARE(m.ours, (QList<double>{1, 2}));
        QCOMPARE(m.oursFaults.size(), 3);
        // The machine's pace before every timed pair, the warm-up's left out.
        QCOMPARE(m.machine.size(), 3);
        QVERIFY(m.machine.first() > 0);

        // Quick pairs: more of them, up to the cap, and an even number so that ABBA stays
        // balanced.
        Alternation::setFixedRuns(false);
        order.clear();
        m = Alternation::run(3, false, ours, baseline);
        QCOMPARE(m.oursRuns[0].size(), 3 * Alternation::MaxRunsFactor);
        QCOMPARE(order.count(QLatin1Char('O')), 3 * Alternation::MaxRunsFactor);

        // Slow pairs stop at the runs asked for, rounded up to a whole ABBA.
        auto slow = []() -> QList<double> { return {Alternation::PairBudgetMs}; };
        m = Alternation::run(3, false, slow, slow);
        QCOMPARE(m.oursRuns[0].size(), 4);
    }

    void faultsInTimedPartsAreCounted()
    {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
        QSKIP("the sanitizers' allocators keep their own heap");
#else
        Alternation::setFixedRuns(true);
        constexpr std::size_t Size = std::size_t(4) << 20;
        // New pages touched inside the timed part: one fault a page.
        auto fresh = [&]() -> QList<double> {
            void *p = mmap(nullptr, Size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (p == MAP_FAILED)
                return {-1};
            const double t = Alternation::timeMs([&] { std::memset(p, 1, Size); });
            munmap(p, Size);
            return {t};
        };
        // A block of the heap after it was settled: its pages are already there.
        auto heap = [&]() -> QList<double> {
            double t = 0;
            char *p = nullptr;
            t = Alternation::timeMs([&] {
                p = static_cast<char *>(std::malloc(Size * 4));
                std::memset(p, 1, Size * 4);
                asm volatile("" : : "r"(p) : "memory");
            });
            std::free(p);
            return {t};
        };
        const Alternation::Medians m = Alternation::run(2, false, fresh, heap);
        Alternation::setFixedRuns(false);
        for (double f : m.oursFaults)
            QVERIFY2(f >= double(Size / 4096) / 2, qPrintable(QString::number(f)));
        for (double f : m.baselineFaults)
            QVERIFY2(f < 64, qPrintable(QString::number(f)));
#endif
    }
};

QTEST_GUILESS_MAIN(BenchFiguresTest)
#include "tst_benchfigures.moc"
