// The journal's records read back, cut anywhere or damaged; the folder's sessions and locks.
#include "recovery/JournalFolder.h"
#include "recovery/JournalReader.h"
#include "recovery/JournalRecord.h"

#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {
using Change = JournalRecord::Change;

const QString Base = QStringLiteral("<HTML>\u2029<BODY>日本語の本文\u2029</BODY>\u2029</HTML>");

JournalRecord::Meta sampleMeta()
{
    JournalRecord::Meta m;
    m.name = QStringLiteral("/home/user/ページ.html");
    m.encoding = 1;
    m.lineBreak = 1;
    m.stamp = {true, 1234, 1700000000123};
    return m;
}

// Insertions, deletions and replacements, with line breaks, Japanese and a surrogate pair.
QList<Change> sampleChanges()
{
    return {{1, 0, 0, QStringLiteral("<!-- 先頭 -->\u2029")},
            {2, 20, 3, QString()},
            {3, 5, 2, QStringLiteral("ht")},
            {4, 10, 0, QStringLiteral("😀")},
            {5, 0, 5, QStringLiteral("ABCDEFG")},
            {6, 30, 0, QStringLiteral("\u00a0\t")}};
}

QString applied(QString text, const QList<Change> &changes, int count)
{
    for (int i = 0; i < count; ++i)
        text.replace(changes.at(i).position, changes.at(i).removed, changes.at(i).inserted);
    return text;
}
} // namespace

class TestJournal : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsBackWhatWasWritten()
    {
        const QList<Change> changes = sampleChanges();
        const QByteArray bytes = JournalRecord::start(sampleMeta(), Base, 7) + JournalRecord::changes(changes);
        const JournalReader::Result r = JournalReader::read(bytes);
        QCOMPARE(r.status, JournalReader::Status::Ok);
        QCOMPARE(r.meta, sampleMeta());
        QCOMPARE(r.changes, int(changes.size()));
        QCOMPARE(r.text, applied(Base, changes, int(changes.size())));
        QCOMPARE(r.lastChange, qint64(6));
        QVERIFY(!r.cutOff && !r.damaged);
    }

    // A write that never ended leaves a journal cut anywhere: every whole change before the cut
    // comes back, nothing after it, and nothing crashes.
    void cutAtEveryOffset()
    {
        const QList<Change> changes = sampleChanges();
        const QByteArray start = JournalRecord::start(sampleMeta(), Base, 7);
        QList<qsizetype> ends; // where each change record ends
        QByteArray bytes = start;
        for (const Change &c : changes) {
            bytes += JournalRecord::changes({c});
            ends << bytes.size();
        }
        for (qsizetype cut = 0; cut <= bytes.size(); ++cut) {
            const JournalReader::Result r = JournalReader::read(QByteArrayView(bytes).first(cut));
            if (cut < start.size()) {
                QVERIFY2(r.status == JournalReader::Status::Unusable, qPrintable(QString::number(cut)));
                QVERIFY(!r.problem.isEmpty());
                continue;
            }
            const int whole = int(std::count_if(ends.begin(), ends.end(), [cut](qsizetype e) { return e <= cut; }));
            QVERIFY2(r.status == JournalReader::Status::Ok, qPrintable(QString::number(cut)));
            QCOMPARE(r.changes, whole);
            QCOMPARE(r.text, applied(Base, changes, whole));
            QCOMPARE(r.cutOff, cut != start.size() && !ends.contains(cut));
            QVERIFY(!r.damaged);
        }
    }

    void damageStopsAtTheDamagedRecord()
    {
        const QList<Change> changes = sampleChanges();
        const QByteArray start = JournalRecord::start(sampleMeta(), Base, 7);
        const QByteArray first = JournalRecord::changes(changes.mid(0, 2));
        QByteArray bytes = start + first + JournalRecord::changes(changes.mid(2));
        bytes[start.size() + first.size() + 12] = char(bytes[start.size() + first.size() + 12] ^ 0x40);
        JournalReader::Result r = JournalReader::read(bytes);
        QCOMPARE(r.status, JournalReader::Status::Ok);
        QCOMPARE(r.changes, 2);
        QCOMPARE(r.text, applied(Base, changes, 2));
        QVERIFY(r.damaged);
        QVERIFY(!r.problem.isEmpty());

        // A change that does not fit the text is damage too, however well its check sums.
        r = JournalReader::read(QByteArray(start + JournalRecord::changes({{1, int(Base.size()) + 1, 0, QStringLiteral("x")}})));
        QCOMPARE(r.status, JournalReader::Status::Ok);
        QCOMPARE(r.text, Base);
        QVERIFY(r.damaged);

        // The text itself damaged: nothing to offer.
        bytes = start;
        bytes[bytes.size() - 3] = char(bytes[bytes.size() - 3] ^ 1);
        QCOMPARE(JournalReader::read(bytes).status, JournalReader::Status::Unusable);
    }

    void foreignAndNewerFiles()
    {
        QCOMPARE(JournalReader::read(QByteArray("<HTML>not a journal</HTML>")).status, JournalReader::Status::Unusable);
        QCOMPARE(JournalReader::read(QByteArray()).status, JournalReader::Status::Unusable);
        QByteArray newer = JournalRecord::start(sampleMeta(), Base, 7);
        newer[8] = char(JournalRecord::Version + 1);
        const JournalReader::Result r = JournalReader::read(newer);
        QCOMPARE(r.status, JournalReader::Status::Newer);
        QVERIFY(!r.problem.isEmpty());
        // A length field near 4 GB is damage, not a reason to wait for more bytes.
        QByteArray huge = JournalRecord::start(sampleMeta(), Base, 7) + QByteArray("\xff\xff\xff\xff\x03", 5) + QByteArray(64, 'x');
        QVERIFY(JournalReader::read(huge).damaged);
    }

    // Many scattered edits, as a long session leaves them, rebuild the same text as replacing
    // in a string does.
    void scatteredEditsRebuildTheText()
    {
        QRandomGenerator random(29);
        QString base;
        for (int i = 0; i < 5000; ++i)
            base += QChar(u'a' + random.bounded(26));
        QString expected = base;
        QList<Change> changes;
        for (int i = 0; i < 2000; ++i) {
            const int position = random.bounded(int(expected.size()) + 1);
            const int removed = random.bounded(std::min<int>(20, int(expected.size()) - position) + 1);
            const QString inserted = QString(random.bounded(30), QChar(u'あ' + random.bounded(40)));
            changes.append({i, position, removed, inserted});
            expected.replace(position, removed, inserted);
        }
        const JournalReader::Result r =
            JournalReader::read(QByteArray(JournalRecord::start(sampleMeta(), base, 0) + JournalRecord::changes(changes)));
        QCOMPARE(r.changes, 2000);
        QCOMPARE(r.text, expected);
    }

    void foldersAreKeyedByProgramFolder()
    {
        QTemporaryDir state;
        qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
        JournalFolder one(QStringLiteral("/opt/tagwell-a/"));
        JournalFolder two(QStringLiteral("/opt/tagwell-b/"));
        QVERIFY(one.path() != two.path());
        QVERIFY(one.path().startsWith(state.path() + QLatin1Char('/')));
        QCOMPARE(JournalFolder(QStringLiteral("/opt/tagwell-a/")).path(), one.path());
        QVERIFY(one.open() && two.open());
        QFile(one.newJournalPath()).open(QIODevice::WriteOnly);
        QVERIFY(two.claimOrphans().isEmpty());
        qunsetenv("XDG_STATE_HOME");
    }

    // A running program's journals are its own; a dead one's are offered, once.
    void onlyDeadSessionsAreClaimed()
    {
        QTemporaryDir state;
        qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
        const QString program = QStringLiteral("/opt/tagwell/");
        auto running = std::make_unique<JournalFolder>(program);
        QVERIFY(running->open());
        const QString live = running->newJournalPath();
        QVERIFY(QFile(live).open(QIODevice::WriteOnly));

        // A session whose process has ended: its lock names a pid that no longer runs.
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForStarted());
        const qint64 gonePid = gone.processId();
        QVERIFY(gone.waitForFinished());
        JournalFolder probe(program);
        const QString dead = probe.path() + QStringLiteral("deadbeef-1.twj");
        QVERIFY(QFile(dead).open(QIODevice::WriteOnly));
        const QString lockPath = probe.path() + QStringLiteral("deadbeef.lock");
        QByteArray contents; // what Qt writes, with the ended process's pid in place of ours
        {
            QLockFile ours(lockPath);
            QVERIFY(ours.tryLock(0));
            QFile written(lockPath);
            QVERIFY(written.open(QIODevice::ReadOnly));
            contents = written.readAll();
        }
        QVERIFY(contents.startsWith(QByteArray(QByteArray::number(QCoreApplication::applicationPid()) + '\n')));
        contents.replace(0, contents.indexOf('\n'), QByteArray::number(gonePid));
        QFile lock(lockPath);
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(contents);
        lock.close();
        // A journal kept for later has no lock at all.
        const QString kept = probe.path() + QStringLiteral("cafe-2.twj");
        QVERIFY(QFile(kept).open(QIODevice::WriteOnly));

        JournalFolder starting(program);
        QVERIFY(starting.open());
        QCOMPARE(starting.claimOrphans(), (QStringList{kept, dead}));
        // Claimed, they are no other starting program's.
        JournalFolder another(program);
        QVERIFY(another.open());
        QVERIFY(another.claimOrphans().isEmpty());
        starting.releaseClaimed();
        QCOMPARE(another.claimOrphans(), (QStringList{kept, dead}));

        // Once the running program ends without cleaning up, its journal is offered too; the
        // others stay with the program that claimed them.
        running.reset();
        JournalFolder later(program);
        QVERIFY(later.open());
        QCOMPARE(later.claimOrphans(), QStringList{live});
        // The lock of a session that ended without journals does not stay behind.
        {
            QLockFile ended(later.path() + QStringLiteral("0e0e.lock"));
            QVERIFY(ended.tryLock(0));
            QFile written(later.path() + QStringLiteral("0e0e.lock"));
            QVERIFY(written.open(QIODevice::ReadOnly));
            contents = written.readAll();
        }
        contents.replace(0, contents.indexOf('\n'), QByteArray::number(gonePid));
        QFile endedLock(later.path() + QStringLiteral("0e0e.lock"));
        QVERIFY(endedLock.open(QIODevice::WriteOnly) && endedLock.write(contents) == contents.size());
        endedLock.close();
        QVERIFY(later.claimOrphans().isEmpty());
        QVERIFY(!QFile::exists(later.path() + QStringLiteral("0e0e.lock")));
        QVERIFY(QFile::exists(another.path() + QStringLiteral("cafe.lock"))); // still held
        qunsetenv("XDG_STATE_HOME");
    }
};

QTEST_GUILESS_MAIN(TestJournal)
#include "tst_journal.moc"
