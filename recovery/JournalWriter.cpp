#include "recovery/JournalWriter.h"

#include "platform/AtomicFile.h"

#include <QFile>

#include <unistd.h>

JournalWriter::JournalWriter(std::function<void()> failed) : failed_(std::move(failed)), thread_([this] { run(); })
{
}

JournalWriter::~JournalWriter()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void JournalWriter::run()
{
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(mutex_);
            busy_ = false;
            if (jobs_.empty())
                idle_.notify_all();
            wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (jobs_.empty())
                return;
            job = std::move(jobs_.front());
            jobs_.pop_front();
            busy_ = true;
        }
        job();
    }
}

void JournalWriter::waitIdle()
{
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

void JournalWriter::start(const QString &path, const JournalRecord::Meta &meta, const QString &text, qint64 time,
                          const QString &superseded)
{
    std::lock_guard lock(mutex_);
    broken_.removeAll(path);
    jobs_.push_back([this, path, meta, text, time, superseded] {
        const QByteArray bytes = JournalRecord::start(meta, text, time);
        QString error;
        if (!AtomicFile::write(path, bytes, &error)) {
            fail(path, error);
            return;
        }
        bytesWritten_ += bytes.size();
        {
            std::lock_guard lock(mutex_);
            broken_.removeAll(path);
        }
        if (!superseded.isEmpty())
            QFile::remove(superseded);
    });
    wake_.notify_one();
}

void JournalWriter::append(const QString &path, const QList<JournalRecord::Change> &changes)
{
    std::lock_guard lock(mutex_);
    jobs_.push_back([this, path, changes] {
        {
            std::lock_guard lock(mutex_);
            if (broken_.contains(path))
                return; // its owner starts it afresh
        }
        const QByteArray bytes = JournalRecord::changes(changes);
        QFile file(path);
        // Only to a journal that exists: one removed meanwhile stays removed.
        if (!file.exists() || !file.open(QIODevice::WriteOnly | QIODevice::Append)) {
            fail(path, file.errorString());
            return;
        }
        const qint64 before = file.size();
        const bool ok = file.write(bytes) == bytes.size() && file.flush() && ::fdatasync(file.handle()) == 0;
        if (!ok) {
            const QString error = file.errorString();
            // A half-written record would hide every later one.
            file.resize(before);
            fail(path, error);
            return;
        }
        bytesWritten_ += bytes.size();
    });
    wake_.notify_one();
}

void JournalWriter::remove(const QString &path)
{
    std::lock_guard lock(mutex_);
    jobs_.push_back([this, path] {
        QFile::remove(path);
        std::lock_guard lock(mutex_);
        broken_.removeAll(path);
    });
    wake_.notify_one();
}

void JournalWriter::fail(const QString &path, const QString &error)
{
    {
        std::lock_guard lock(mutex_);
        if (!broken_.contains(path))
            broken_.append(path);
        if (failure_.isEmpty())
            failure_ = error.isEmpty() ? QStringLiteral("書き込めませんでした") : error;
    }
    if (failed_)
        failed_();
}

bool JournalWriter::needsRestart(const QString &path)
{
    std::lock_guard lock(mutex_);
    return broken_.contains(path);
}

QString JournalWriter::takeFailure()
{
    std::lock_guard lock(mutex_);
    if (failureTaken_ || failure_.isEmpty())
        return QString();
    failureTaken_ = true;
    return failure_;
}
