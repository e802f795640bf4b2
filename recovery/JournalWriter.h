#pragma once

#include "recovery/JournalRecord.h"

#include <QList>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// Writes the journals on a thread of its own, in the order asked, so that the editor never
// waits on the disk: it hands over the text it already shares (no copy) or the changes.
class JournalWriter
{
public:
    // failed: told on the writer's thread when a write fails (its owner hands it over to its own).
    explicit JournalWriter(std::function<void()> failed = {});
    // Finishes what was asked first.
    ~JournalWriter();

    // A new journal at path (written whole, atomically); then, when it is on disk, the file
    // superseded (a restored document's old journal) is removed.
    void start(const QString &path, const JournalRecord::Meta &meta, const QString &text, qint64 time,
               const QString &superseded = QString());
    // Appended to the journal at path; a failed append is taken back, and the next write of
    // this document must start a new journal (see needsRestart).
    void append(const QString &path, const QList<JournalRecord::Change> &changes);
    void remove(const QString &path);
    // Waits until everything asked so far is done.
    void waitIdle();

    // A path whose last write failed; the owner starts it afresh. Cleared by start().
    bool needsRestart(const QString &path);
    // Bytes written to journals so far.
    qint64 bytesWritten() const { return bytesWritten_; }
    // The first failure of the run, in words for the user, once; empty when none is new.
    QString takeFailure();

private:
    void run();
    void fail(const QString &path, const QString &error);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<std::function<void()>> jobs_;
    bool busy_ = false;
    bool stopping_ = false;
    QList<QString> broken_;
    QString failure_;
    bool failureTaken_ = false;
    std::atomic<qint64> bytesWritten_{0};
    std::function<void()> failed_;
    std::thread thread_;
};
