#include "wizards/links/LinkCheckPool.h"

#include <QElapsedTimer>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <list>
#include <mutex>
#include <system_error>
#include <thread>

struct LinkCheckPool::Batch
{
    // Set before the batch is queued and only read afterwards.
    std::vector<QString> paths;
    ExistsTest exists;

    // Everything below is guarded by the pool's mutex.
    std::vector<State> states;
    size_t next = 0; // the next look-up to hand out
    size_t unanswered = 0;
    bool cancelled = false;
    std::vector<int> fresh; // answered since the owner last collected
};

namespace {
// One look-up on a worker thread.
struct Running
{
    LinkCheckPool::BatchPtr batch;
    size_t index = 0;
    std::int64_t since = -1; // stamped by the owner when it first sees the look-up
    bool writtenOff = false;
};
} // namespace

struct LinkCheckPool::Shared
{
    std::mutex mutex;
    std::condition_variable wake;
    // Everything below is guarded by mutex.
    std::deque<BatchPtr> queue; // batches with look-ups still to hand out, taking turns
    std::list<Running> running;
    int threads = 0; // alive
    int hung = 0;    // of them, in a written-off look-up
    int counted = 0; // look-ups running that are not written off
    bool closing = false;
};

namespace {
void answer(LinkCheckPool::Batch &batch, size_t index, LinkCheckPool::State state)
{
    if (batch.cancelled || batch.states[index] != LinkCheckPool::State::Pending)
        return;
    batch.states[index] = state;
    batch.fresh.push_back(int(index));
    --batch.unanswered;
}
} // namespace

LinkCheckPool::LinkCheckPool(Clock clock) : shared_(std::make_shared<Shared>()), clock_(std::move(clock))
{
    if (!clock_) {
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        clock_ = [timer] { return std::int64_t(timer->elapsed()); };
    }
}

LinkCheckPool::~LinkCheckPool()
{
    std::lock_guard lock(shared_->mutex);
    shared_->closing = true;
    for (const BatchPtr &batch : shared_->queue)
        batch->cancelled = true;
    shared_->queue.clear();
    shared_->wake.notify_all();
}

LinkCheckPool &LinkCheckPool::shared()
{
    static LinkCheckPool *const pool = new LinkCheckPool;
    return *pool;
}

LinkCheckPool::BatchPtr LinkCheckPool::submit(std::vector<QString> paths, ExistsTest exists)
{
    auto batch = std::make_shared<Batch>();
    batch->paths = std::move(paths);
    batch->exists = std::move(exists);
    batch->states.assign(batch->paths.size(), State::Pending);
    batch->unanswered = batch->paths.size();
    if (batch->paths.empty())
        return batch;
    std::lock_guard lock(shared_->mutex);
    shared_->queue.push_back(batch);
    startThreads(shared_);
    return batch;
}

void LinkCheckPool::cancel(const BatchPtr &batch)
{
    std::lock_guard lock(shared_->mutex);
    batch->cancelled = true;
    auto &queue = shared_->queue;
    queue.erase(std::remove(queue.begin(), queue.end(), batch), queue.end());
}

bool LinkCheckPool::collect(const BatchPtr &batch, std::vector<std::pair<int, State>> &changed)
{
    std::lock_guard lock(shared_->mutex);
    expire();
    for (int index : batch->fresh)
        changed.emplace_back(index, batch->states[size_t(index)]);
    batch->fresh.clear();
    return batch->unanswered == 0;
}

int LinkCheckPool::threadCount() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->threads;
}

// With the mutex held.
void LinkCheckPool::expire()
{
    Shared &s = *shared_;
    const std::int64_t now = clock_();
    bool wroteOff = false;
    for (Running &r : s.running) {
        if (r.writtenOff)
            continue;
        if (r.since < 0) {
            r.since = now;
        } else if (now - r.since >= TimeoutMs) {
            r.writtenOff = true;
            --s.counted;
            ++s.hung;
            answer(*r.batch, r.index, State::Unknown);
            wroteOff = true;
        }
    }
    if (wroteOff)
        startThreads(shared_);
}

// With the mutex held: enough threads for the queue, within the bound; when no thread
// can take the queue up, what waits in it is unknown.
void LinkCheckPool::startThreads(const std::shared_ptr<Shared> &shared)
{
    Shared &s = *shared;
    if (s.queue.empty())
        return;
    while (s.threads - s.hung < MaxInFlight && s.threads < MaxThreads) {
        try {
            std::thread(&LinkCheckPool::work, shared).detach();
        } catch (const std::system_error &) {
            break; // out of threads: those alive share the work
        }
        ++s.threads;
    }
    if (s.threads - s.hung > 0) {
        s.wake.notify_all();
        return;
    }
    for (const BatchPtr &batch : s.queue) {
        for (size_t i = batch->next; i < batch->paths.size(); ++i)
            answer(*batch, i, State::Unknown);
        batch->next = batch->paths.size();
    }
    s.queue.clear();
}

void LinkCheckPool::work(std::shared_ptr<Shared> shared)
{
    Shared &s = *shared;
    std::unique_lock lock(s.mutex);
    for (;;) {
        s.wake.wait(lock, [&s] { return s.closing || (s.counted < MaxInFlight && !s.queue.empty()); });
        if (s.closing)
            break;
        BatchPtr batch = s.queue.front();
        s.queue.pop_front();
        const size_t index = batch->next++;
        // The lists open at once take turns.
        if (batch->next < batch->paths.size())
            s.queue.push_back(batch);
        const auto job = s.running.insert(s.running.end(), Running{batch, index});
        ++s.counted;

        lock.unlock();
        const bool found = batch->exists(batch->paths[index]);
        lock.lock();

        if (job->writtenOff) {
            --s.hung;
        } else {
            --s.counted;
            answer(*batch, index, found ? State::Present : State::Absent);
        }
        s.running.erase(job);
        // Threads started while this one hung are enough for the queue.
        if (s.threads - s.hung > MaxInFlight)
            break;
    }
    --s.threads;
    // Another thread may take up what this one leaves.
    s.wake.notify_all();
}
