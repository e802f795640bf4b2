// The existence checks of the link file list on the program's look-up threads: order,
// existence, look-ups that hang, the bound on threads, cancelling.
#include "wizards/links/LinkChecker.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace {
using State = LinkRow::State;

QList<LinkTarget> numberedTargets(int count)
{
    QList<LinkTarget> targets;
    for (int i = 0; i < count; ++i)
        targets.append(LinkTarget{i / 2, QStringLiteral("p%1.htm").arg(i)});
    return targets;
}

// What the checker reported, until it finished.
struct Collected
{
    QList<int> checked;
    int finishedWith = -1;
    int batches = 0;
};

void collect(LinkChecker &checker, Collected &into)
{
    QObject::connect(&checker, &LinkChecker::rowsChecked, [&into](const QList<int> &indexes) {
        into.checked += indexes;
        ++into.batches;
    });
    QObject::connect(&checker, &LinkChecker::finished, [&into](int n) { into.finishedWith = n; });
}

bool touch(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly);
}

// Look-ups of names starting with "hang" block until released, as on a vanished network
// folder; the others find the names ending in "a.htm". Records whether any ran on the
// thread that made it.
struct HangingLookUp
{
    std::shared_ptr<QSemaphore> gate = std::make_shared<QSemaphore>(0);
    std::shared_ptr<std::atomic<int>> hanging = std::make_shared<std::atomic<int>>(0);
    std::shared_ptr<std::atomic<bool>> onOwnerThread = std::make_shared<std::atomic<bool>>(false);

    LinkCheckPool::ExistsTest test() const
    {
        const std::thread::id owner = std::this_thread::get_id();
        return [gate = gate, hanging = hanging, onOwner = onOwnerThread, owner](const QString &path) {
            if (std::this_thread::get_id() == owner)
                *onOwner = true;
            if (path.section(QLatin1Char('/'), -1).startsWith(QLatin1String("hang"))) {
                ++*hanging;
                gate->acquire();
                return true;
            }
            return path.endsWith(QLatin1String("a.htm"));
        };
    }
};

std::vector<QString> paths(const QStringList &names)
{
    std::vector<QString> all;
    for (const QString &name : names)
        all.push_back(QStringLiteral("/net/") + name);
    return all;
}

// Collects from the pool until the batch is complete or the wait runs out.
bool collectAll(LinkCheckPool &pool, const LinkCheckPool::BatchPtr &batch,
                std::vector<std::pair<int, LinkCheckPool::State>> &changed)
{
    return QTest::qWaitFor([&] { return pool.collect(batch, changed); }, 20000);
}
} // namespace

class TestLinkChecker : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rowsAreKnownAtOnceAndAnsweredWhateverOrderChecksEnd()
    {
        // Look-ups that take random times end out of order.
        std::atomic<int> inFlight{0};
        std::atomic<int> mostInFlight{0};
        auto slowTest = [&inFlight, &mostInFlight](const QString &path) {
            const int now = ++inFlight;
            int seen = mostInFlight.load();
            while (now > seen && !mostInFlight.compare_exchange_weak(seen, now)) {
            }
            std::this_thread::sleep_for(std::chrono::microseconds(QRandomGenerator::global()->bounded(2000)));
            --inFlight;
            return path.endsWith(QLatin1String("0.htm")) || path.endsWith(QLatin1String("7.htm"));
        };
        LinkCheckPool pool;
        LinkChecker checker(QStringLiteral("/site/"), numberedTargets(200), nullptr, slowTest, &pool);
        QCOMPARE(checker.rows().size(), 200);
        for (int i = 0; i < 200; ++i) {
            QCOMPARE(checker.rows()[i].target, QStringLiteral("p%1.htm").arg(i));
            QCOMPARE(checker.rows()[i].line, i / 2);
            QCOMPARE(checker.rows()[i].fullPath, QStringLiteral("/site/p%1.htm").arg(i));
            QCOMPARE(checker.rows()[i].state, State::Pending);
        }
        Collected got;
        collect(checker, got);
        checker.start();
        QTRY_COMPARE_WITH_TIMEOUT(got.finishedWith, 200, 20000);
        QVERIFY(checker.isDone());
        std::sort(got.checked.begin(), got.checked.end());
        QCOMPARE(got.checked.size(), 200);
        QCOMPARE(got.checked.last(), 199);
        QCOMPARE(std::adjacent_find(got.checked.begin(), got.checked.end()), got.checked.end());
        for (int i = 0; i < 200; ++i)
            QCOMPARE(checker.rows()[i].state, i % 10 == 0 || i % 10 == 7 ? State::Present : State::Absent);
        QVERIFY(mostInFlight.load() <= LinkCheckPool::MaxInFlight);
        QVERIFY(mostInFlight.load() >= 2);
        QVERIFY(pool.threadCount() <= LinkCheckPool::MaxInFlight);
    }

    void existenceAgainstEachCheckersOwnFolder()
    {
        QTemporaryDir a, b;
        QVERIFY(QDir(a.path()).mkdir(QStringLiteral("sub")));
        QVERIFY(touch(a.filePath(QStringLiteral("here.htm"))));
        QVERIFY(touch(a.filePath(QStringLiteral("sub/inner.htm"))));
        QVERIFY(touch(b.filePath(QStringLiteral("there.css"))));
        const QString before = QDir::currentPath();
        const QList<LinkTarget> targets{{0, QStringLiteral("here.htm")}, {0, QStringLiteral("there.css")},
                                        {1, QStringLiteral("here.htm#top")}, {2, QStringLiteral("sub")},
                                        {3, QStringLiteral("sub\\inner.htm")}};
        // Two windows at once, each with its own folder, on the program's pool.
        LinkChecker first(a.path() + QLatin1Char('/'), targets);
        LinkChecker second(b.path() + QLatin1Char('/'), targets);
        Collected one, two;
        collect(first, one);
        collect(second, two);
        first.start();
        second.start();
        QTRY_VERIFY_WITH_TIMEOUT(one.finishedWith == 5 && two.finishedWith == 5, 20000);
        QCOMPARE(first.rows()[0].state, State::Present);
        QCOMPARE(first.rows()[1].state, State::Absent);
        QCOMPARE(second.rows()[0].state, State::Absent);
        QCOMPARE(second.rows()[1].state, State::Present);
        QCOMPARE(second.rows()[1].fullPath, b.filePath(QStringLiteral("there.css")));
        // The anchor is part of the name, and a folder is no file.
        QCOMPARE(first.rows()[2].state, State::Absent);
        QCOMPARE(first.rows()[3].state, State::Absent);
        // A backslash separates folders, as browsers read it.
        QCOMPARE(first.rows()[4].state, State::Present);
        QCOMPARE(first.rows()[4].fullPath, a.filePath(QStringLiteral("sub/inner.htm")));
        QCOMPARE(first.rows()[4].target, QStringLiteral("sub\\inner.htm"));
        QCOMPARE(QDir::currentPath(), before);
        QVERIFY(LinkCheckPool::shared().threadCount() <= LinkCheckPool::MaxInFlight);
    }

    void noTargetsFinishAtOnce()
    {
        LinkChecker checker(QStringLiteral("/x/"), {});
        Collected got;
        collect(checker, got);
        checker.start();
        QCOMPARE(got.finishedWith, 0);
        QCOMPARE(got.batches, 0);
    }

    // The pool on its own, its clock in the test's hand: a look-up is written off at its
    // time limit and not before, and the queue goes on behind it on another thread.
    void aHungLookUpIsUnknownAfterItsTimeAndTheQueueGoesOn()
    {
        std::int64_t now = 0;
        HangingLookUp lookUp;
        std::vector<std::pair<int, LinkCheckPool::State>> changed;
        {
            LinkCheckPool pool([&now] { return now; });
            const auto batch = pool.submit(paths({"hang1.htm", "hang2.htm", "hang3.htm", "a.htm", "b.htm"}), lookUp.test());
            QTRY_COMPARE_WITH_TIMEOUT(lookUp.hanging->load(), 3, 20000);
            QCOMPARE(pool.threadCount(), LinkCheckPool::MaxInFlight);
            QVERIFY(!pool.collect(batch, changed)); // sees the three look-ups start
            now = LinkCheckPool::TimeoutMs - 1;
            QVERIFY(!pool.collect(batch, changed));
            QVERIFY(changed.empty());
            now = LinkCheckPool::TimeoutMs;
            QVERIFY(collectAll(pool, batch, changed));
            std::sort(changed.begin(), changed.end());
            using S = LinkCheckPool::State;
            const std::vector<std::pair<int, S>> expected{{0, S::Unknown}, {1, S::Unknown}, {2, S::Unknown},
                                                          {3, S::Present}, {4, S::Absent}};
            QVERIFY(changed == expected);
            // Three threads hang, three more took up the queue.
            QCOMPARE(pool.threadCount(), 2 * LinkCheckPool::MaxInFlight);
            QVERIFY(!*lookUp.onOwnerThread);
        } // the pool goes while three of its threads hang
        lookUp.gate->release(3);
    }

    // While every thread the pool may have hangs, what waits is unknown at once, and a
    // list opened again starts no thread; once the look-ups return, the threads started
    // for them end.
    void theThreadsStayBoundedWhileLookUpsHang()
    {
        std::int64_t now = 0;
        HangingLookUp lookUp;
        LinkCheckPool pool([&now] { return now; });
        QStringList names;
        for (int i = 0; i < 20; ++i)
            names << QStringLiteral("hang%1.htm").arg(i);
        const auto batch = pool.submit(paths(names), lookUp.test());
        std::vector<std::pair<int, LinkCheckPool::State>> changed;
        bool complete = false;
        for (int round = 0; round < 5 && !complete; ++round) {
            const int started = std::min(LinkCheckPool::MaxThreads, (round + 1) * LinkCheckPool::MaxInFlight);
            QTRY_COMPARE_WITH_TIMEOUT(lookUp.hanging->load(), started, 20000);
            pool.collect(batch, changed);
            now += LinkCheckPool::TimeoutMs;
            complete = pool.collect(batch, changed);
            QVERIFY(pool.threadCount() <= LinkCheckPool::MaxThreads);
        }
        QVERIFY(complete);
        QCOMPARE(int(changed.size()), 20);
        for (const auto &[index, state] : changed)
            QCOMPARE(state, LinkCheckPool::State::Unknown);
        QCOMPARE(lookUp.hanging->load(), LinkCheckPool::MaxThreads);
        QCOMPARE(pool.threadCount(), LinkCheckPool::MaxThreads);

        // The list again: no thread is free, and none is started.
        const auto again = pool.submit(paths({"hangA.htm", "a.htm"}), lookUp.test());
        changed.clear();
        QVERIFY(pool.collect(again, changed));
        QCOMPARE(int(changed.size()), 2);
        QCOMPARE(changed[1].second, LinkCheckPool::State::Unknown);
        QCOMPARE(pool.threadCount(), LinkCheckPool::MaxThreads);
        QCOMPARE(lookUp.hanging->load(), LinkCheckPool::MaxThreads);

        // The network comes back: the surplus threads end, and the pool works again.
        lookUp.gate->release(LinkCheckPool::MaxThreads);
        QTRY_COMPARE_WITH_TIMEOUT(pool.threadCount(), LinkCheckPool::MaxInFlight, 20000);
        const auto third = pool.submit(paths({"a.htm", "b.htm"}), lookUp.test());
        changed.clear();
        QVERIFY(collectAll(pool, third, changed));
        std::sort(changed.begin(), changed.end());
        QCOMPARE(changed[0].second, LinkCheckPool::State::Present);
        QCOMPARE(changed[1].second, LinkCheckPool::State::Absent);
        QCOMPARE(pool.threadCount(), LinkCheckPool::MaxInFlight);
        QVERIFY(!*lookUp.onOwnerThread);
    }

    // The checker over such a pool: the rows after a hung look-up are answered, the hung
    // one stays pending until its time is up and is then unknown.
    void rowsAfterAHungLookUpAreAnswered()
    {
        std::int64_t now = 0;
        HangingLookUp lookUp;
        LinkCheckPool pool([&now] { return now; });
        const QList<LinkTarget> targets{{0, QStringLiteral("hang.htm")}, {1, QStringLiteral("a.htm")},
                                        {1, QStringLiteral("b.htm")}, {2, QStringLiteral("ca.htm")},
                                        {3, QStringLiteral("d.htm")}};
        {
            LinkChecker checker(QStringLiteral("/net/"), targets, nullptr, lookUp.test(), &pool);
            Collected got;
            collect(checker, got);
            checker.start();
            QTRY_COMPARE_WITH_TIMEOUT(got.checked.size(), 4, 20000);
            QCOMPARE(checker.rows()[0].state, State::Pending);
            QCOMPARE(checker.rows()[1].state, State::Present);
            QCOMPARE(checker.rows()[2].state, State::Absent);
            QCOMPARE(checker.rows()[3].state, State::Present);
            QCOMPARE(checker.rows()[4].state, State::Absent);
            QVERIFY(!checker.isDone());
            now = LinkCheckPool::TimeoutMs;
            QTRY_COMPARE_WITH_TIMEOUT(got.finishedWith, 5, 20000);
            QCOMPARE(checker.rows()[0].state, State::Unknown);
            QCOMPARE(got.checked.size(), 5);
        }
        lookUp.gate->release();
        QVERIFY(!*lookUp.onOwnerThread);
    }

    void destroyingWhileChecksHangCancelsCleanly()
    {
        HangingLookUp lookUp;
        QList<LinkTarget> targets;
        for (int i = 0; i < 50; ++i)
            targets.append(LinkTarget{i, QStringLiteral("hang%1.htm").arg(i)});
        LinkCheckPool pool;
        int rowsSeen = 0;
        {
            LinkChecker checker(QStringLiteral("/net/"), targets, nullptr, lookUp.test(), &pool);
            QObject::connect(&checker, &LinkChecker::rowsChecked, [&rowsSeen](const QList<int> &r) { rowsSeen += r.size(); });
            checker.start();
            QTRY_COMPARE_WITH_TIMEOUT(lookUp.hanging->load(), LinkCheckPool::MaxInFlight, 20000);
        } // gone while three look-ups hang
        lookUp.gate->release(LinkCheckPool::MaxInFlight);
        // The threads return, find the list cancelled and take nothing more.
        QTest::qWait(200);
        QCOMPARE(lookUp.hanging->load(), LinkCheckPool::MaxInFlight);
        QCOMPARE(rowsSeen, 0);
        QCOMPARE(pool.threadCount(), LinkCheckPool::MaxInFlight);
    }

    void cancelledWhileRowsArePending()
    {
        LinkChecker checker(QStringLiteral("/x/"), numberedTargets(300));
        Collected got;
        collect(checker, got);
        // The receiver stops the checks from within the first batch.
        QObject::connect(&checker, &LinkChecker::rowsChecked, &checker, &LinkChecker::cancel);
        checker.start();
        QTest::qWait(300);
        QCOMPARE(got.batches, 1);
        QVERIFY(got.checked.size() < 300 || got.finishedWith == 300);
    }

    void receiverMayDeleteTheChecker()
    {
        auto *checker = new LinkChecker(QStringLiteral("/x/"), numberedTargets(20));
        int rows = 0;
        QObject::connect(checker, &LinkChecker::rowsChecked, [checker, &rows](const QList<int> &r) {
            rows += r.size();
            delete checker;
        });
        checker->start();
        QTRY_VERIFY_WITH_TIMEOUT(rows > 0, 20000);
        QTest::qWait(100);
    }

    // The program ends while a look-up of the program's pool hangs for good: the process
    // neither waits for it nor crashes. Run in a child process of this test, last: after
    // the fork the thread sanitizer lets no new thread start in this process.
    void theProgramEndsWhileALookUpHangs()
    {
        if (qEnvironmentVariableIsSet("TAGWELL_HANG_CHILD")) {
            HangingLookUp lookUp;
            auto *checker = new LinkChecker(QStringLiteral("/net/"), {{0, QStringLiteral("hang.htm")}}, nullptr,
                                            lookUp.test());
            checker->start();
            QTRY_COMPARE_WITH_TIMEOUT(lookUp.hanging->load(), 1, 20000);
            delete checker;
            return; // the gate is never opened
        }
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TAGWELL_HANG_CHILD"), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("theProgramEndsWhileALookUpHangs")});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestLinkChecker)
#include "tst_linkchecker.moc"
