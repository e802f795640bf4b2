// The threaded existence checks of the link file list: order, existence, cancelling.
#include "wizards/links/LinkChecker.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace {
QList<LinkTarget> numberedTargets(int count)
{
    QList<LinkTarget> targets;
    for (int i = 0; i < count; ++i)
        targets.append(LinkTarget{i / 2, QStringLiteral("p%1.htm").arg(i)});
    return targets;
}

// Collects the rows as they arrive, until the checker finishes.
struct Collected
{
    QList<LinkRow> rows;
    int finishedWith = -1;
    int batches = 0;
};

void collect(LinkChecker &checker, Collected &into)
{
    QObject::connect(&checker, &LinkChecker::rowsReady, [&into](const QList<LinkRow> &rows) {
        into.rows += rows;
        ++into.batches;
    });
    QObject::connect(&checker, &LinkChecker::finished, [&into](int n) { into.finishedWith = n; });
}

bool touch(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly);
}
} // namespace

class TestLinkChecker : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rowsComeInDocumentOrderWhateverOrderChecksEnd()
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
        LinkChecker checker(QStringLiteral("/site/"), numberedTargets(200), nullptr, slowTest);
        Collected got;
        collect(checker, got);
        checker.start();
        QTRY_COMPARE_WITH_TIMEOUT(got.finishedWith, 200, 20000);
        QVERIFY(checker.isDone());
        QCOMPARE(got.rows.size(), 200);
        for (int i = 0; i < 200; ++i) {
            QCOMPARE(got.rows[i].target, QStringLiteral("p%1.htm").arg(i));
            QCOMPARE(got.rows[i].line, i / 2);
            QCOMPARE(got.rows[i].fullPath, QStringLiteral("/site/p%1.htm").arg(i));
            QCOMPARE(got.rows[i].exists, i % 10 == 0 || i % 10 == 7);
        }
        QVERIFY(mostInFlight.load() <= LinkChecker::MaxInFlight);
        QVERIFY(mostInFlight.load() >= 2);
    }

    void existenceAgainstEachCheckersOwnFolder()
    {
        QTemporaryDir a, b;
        QVERIFY(QDir(a.path()).mkdir(QStringLiteral("sub")));
        QVERIFY(touch(a.filePath(QStringLiteral("here.htm"))));
        QVERIFY(touch(b.filePath(QStringLiteral("there.css"))));
        const QString before = QDir::currentPath();
        const QList<LinkTarget> targets{{0, QStringLiteral("here.htm")}, {0, QStringLiteral("there.css")},
                                        {1, QStringLiteral("here.htm#top")}, {2, QStringLiteral("sub")}};
        // Two windows at once, each with its own folder.
        LinkChecker first(a.path() + QLatin1Char('/'), targets);
        LinkChecker second(b.path() + QLatin1Char('/'), targets);
        Collected one, two;
        collect(first, one);
        collect(second, two);
        first.start();
        second.start();
        QTRY_VERIFY_WITH_TIMEOUT(one.finishedWith == 4 && two.finishedWith == 4, 20000);
        QCOMPARE(one.rows[0].exists, true);
        QCOMPARE(one.rows[1].exists, false);
        QCOMPARE(two.rows[0].exists, false);
        QCOMPARE(two.rows[1].exists, true);
        QCOMPARE(two.rows[1].fullPath, b.filePath(QStringLiteral("there.css")));
        // The anchor is part of the name, and a folder is no file.
        QCOMPARE(one.rows[2].exists, false);
        QCOMPARE(one.rows[3].exists, false);
        QCOMPARE(QDir::currentPath(), before);
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

    void destroyingWhileChecksHangCancelsCleanly()
    {
        // Look-ups that block until released, as on a vanished network folder.
        auto gate = std::make_shared<QSemaphore>(0);
        auto calls = std::make_shared<std::atomic<int>>(0);
        auto hanging = [gate, calls](const QString &) {
            ++*calls;
            gate->acquire();
            return true;
        };
        int rowsSeen = 0;
        {
            LinkChecker checker(QStringLiteral("/net/"), numberedTargets(50), nullptr, hanging);
            QObject::connect(&checker, &LinkChecker::rowsReady, [&rowsSeen](const QList<LinkRow> &r) { rowsSeen += r.size(); });
            checker.start();
            QTRY_COMPARE_WITH_TIMEOUT(calls->load(), LinkChecker::MaxInFlight, 20000);
        } // gone while three look-ups hang
        gate->release(LinkChecker::MaxInFlight);
        // The workers return, find nobody to report to and end without taking more.
        QTest::qWait(200);
        QCOMPARE(calls->load(), LinkChecker::MaxInFlight);
        QCOMPARE(rowsSeen, 0);
    }

    void cancelledWhileRowsArePending()
    {
        LinkChecker checker(QStringLiteral("/x/"), numberedTargets(300));
        Collected got;
        collect(checker, got);
        // The receiver stops the checks from within the first batch.
        QObject::connect(&checker, &LinkChecker::rowsReady, &checker, &LinkChecker::cancel);
        checker.start();
        QTest::qWait(300);
        QCOMPARE(got.batches, 1);
        QVERIFY(got.rows.size() < 300 || got.finishedWith == 300);
        for (int i = 0; i < got.rows.size(); ++i)
            QCOMPARE(got.rows[i].target, QStringLiteral("p%1.htm").arg(i));
    }

    void receiverMayDeleteTheChecker()
    {
        auto *checker = new LinkChecker(QStringLiteral("/x/"), numberedTargets(20));
        int rows = 0;
        QObject::connect(checker, &LinkChecker::rowsReady, [checker, &rows](const QList<LinkRow> &r) {
            rows += r.size();
            delete checker;
        });
        checker->start();
        QTRY_VERIFY_WITH_TIMEOUT(rows > 0, 20000);
        QTest::qWait(100);
    }
};

QTEST_GUILESS_MAIN(TestLinkChecker)
#include "tst_linkchecker.moc"
