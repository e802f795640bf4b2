#include "wizards/links/LinkChecker.h"

#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include <algorithm>

LinkChecker::LinkChecker(const QString &folder, QList<LinkTarget> targets, QObject *parent, ExistsTest exists,
                         LinkCheckPool *pool)
    : QObject(parent), pool_(pool ? *pool : LinkCheckPool::shared()),
      exists_(exists ? std::move(exists) : ExistsTest(&LinkChecker::fileExists))
{
    // Expanding a target is string work only: the rows are all known before any look-up.
    rows_.reserve(targets.size());
    for (const LinkTarget &link : targets)
        rows_.append(LinkRow{link.line, link.target, LinkRow::State::Pending, LinkTargets::expand(folder, link.target)});
    poll_ = new QTimer(this);
    poll_->setInterval(FirstPollMs);
    connect(poll_, &QTimer::timeout, this, &LinkChecker::poll);
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
    if (rows_.isEmpty()) {
        done_ = true;
        Q_EMIT finished(0);
        return;
    }
    std::vector<QString> paths;
    paths.reserve(size_t(rows_.size()));
    for (const LinkRow &row : rows_)
        paths.push_back(row.fullPath);
    batch_ = pool_.submit(std::move(paths), exists_);
    poll_->start();
}

void LinkChecker::cancel()
{
    poll_->stop();
    if (batch_ && !done_)
        pool_.cancel(batch_);
    batch_.reset();
}

void LinkChecker::poll()
{
    if (!batch_)
        return;
    std::vector<std::pair<int, LinkRow::State>> changed;
    const bool complete = pool_.collect(batch_, changed);
    QList<int> indexes;
    indexes.reserve(qsizetype(changed.size()));
    for (const auto &[index, state] : changed) {
        rows_[index].state = state;
        indexes.append(index);
    }
    // Soon again while answers come in; less often while a look-up hangs.
    poll_->setInterval(indexes.isEmpty() ? std::min(poll_->interval() * 2, LastPollMs) : FirstPollMs);
    if (complete) {
        poll_->stop();
        batch_.reset();
        done_ = true;
    }
    // A receiver may close the window that owns the checker.
    const QPointer<LinkChecker> alive(this);
    if (!indexes.isEmpty())
        Q_EMIT rowsChecked(indexes);
    if (alive && complete)
        Q_EMIT finished(total());
}
