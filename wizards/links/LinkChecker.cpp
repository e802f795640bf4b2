#include "wizards/links/LinkChecker.h"

#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <mutex>
#include <system_error>
#include <optional>
#include <thread>
#include <vector>

// What the workers and the checker share; it outlives the checker while a worker holds it.
struct LinkChecker::Shared
{
    // Set before the workers start and only read afterwards.
    QString folder;
    QList<LinkTarget> targets;
    ExistsTest exists;

    std::mutex mutex;
    // Everything below is guarded by mutex.
    LinkChecker *receiver = nullptr; // null once the checker is gone or cancelled
    qsizetype next = 0;              // the next target to hand out
    std::vector<std::optional<LinkRow>> results;
};

LinkChecker::LinkChecker(const QString &folder, QList<LinkTarget> targets, QObject *parent, ExistsTest exists)
    : QObject(parent), shared_(std::make_shared<Shared>())
{
    shared_->folder = folder;
    shared_->targets = std::move(targets);
    shared_->exists = exists ? std::move(exists) : ExistsTest(&LinkChecker::fileExists);
    shared_->results.resize(size_t(shared_->targets.size()));
    shared_->receiver = this;
    total_ = int(shared_->targets.size());
    poll_ = new QTimer(this);
    poll_->setInterval(FirstPollMs);
    connect(poll_, &QTimer::timeout, this, &LinkChecker::deliver);
}

LinkChecker::~LinkChecker()
{
    cancel();
}

bool LinkChecker::fileExists(const QString &fullPath)
{
    return QFileInfo(fullPath).isFile();
}

void LinkChecker::start()
{
    if (started_)
        return;
    started_ = true;
    if (total_ == 0) {
        done_ = true;
        Q_EMIT finished(0);
        return;
    }
    const int workers = std::min(total_, MaxInFlight);
    int started = 0;
    for (int i = 0; i < workers; ++i) {
        try {
            std::thread(&LinkChecker::work, shared_).detach();
            ++started;
        } catch (const std::system_error &) {
            break; // out of threads: the ones running share the work
        }
    }
    // Without any thread the checks run here; slower, but the list still completes.
    if (started == 0)
        work(shared_);
    poll_->start();
}

void LinkChecker::cancel()
{
    poll_->stop();
    std::lock_guard lock(shared_->mutex);
    shared_->receiver = nullptr;
    shared_->next = shared_->targets.size();
}

void LinkChecker::work(std::shared_ptr<Shared> shared)
{
    for (;;) {
        qsizetype index;
        {
            std::lock_guard lock(shared->mutex);
            if (!shared->receiver || shared->next >= shared->targets.size())
                return;
            index = shared->next++;
        }
        const LinkTarget &link = shared->targets.at(index);
        LinkRow row;
        row.line = link.line;
        row.target = link.target;
        row.fullPath = LinkTargets::expand(shared->folder, link.target);
        row.exists = shared->exists(row.fullPath);

        std::lock_guard lock(shared->mutex);
        if (!shared->receiver)
            return;
        shared->results[size_t(index)] = std::move(row);
    }
}

void LinkChecker::deliver()
{
    QList<LinkRow> rows;
    {
        std::lock_guard lock(shared_->mutex);
        if (!shared_->receiver)
            return;
        auto &results = shared_->results;
        while (delivered_ < total_ && results[size_t(delivered_)]) {
            rows.append(std::move(*results[size_t(delivered_)]));
            results[size_t(delivered_)].reset();
            ++delivered_;
        }
    }
    // Soon again while rows come in; less often while a look-up hangs.
    poll_->setInterval(rows.isEmpty() ? std::min(poll_->interval() * 2, LastPollMs) : FirstPollMs);
    if (delivered_ == total_)
        poll_->stop();
    // A receiver may close the window that owns the checker.
    const QPointer<LinkChecker> alive(this);
    if (!rows.isEmpty())
        Q_EMIT rowsReady(rows);
    if (alive && delivered_ == total_ && !done_) {
        done_ = true;
        Q_EMIT finished(total_);
    }
}
