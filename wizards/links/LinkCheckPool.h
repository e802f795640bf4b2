#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// The worker threads that look up the link file list's files, one set for the whole
// program however many lists are open. A look-up can hang on a vanished network folder:
// one still running after TimeoutMs is written off (its row becomes unknown) and no longer
// counts, so that another thread takes up the queue; a written-off thread ends when its
// look-up returns. At most MaxThreads exist at once, hung ones included; while every one
// of them hangs, the look-ups waiting are answered unknown at once rather than never.
//
// Everything the threads and the owner share is under one mutex: nothing is posted to Qt
// (the thread sanitizer cannot see the locks inside Qt's event queue). The owner's thread
// asks for results by polling (LinkChecker does so on a timer), and only the owner's
// thread reads the clock, so a test can give a clock of its own.
class LinkCheckPool
{
public:
    static constexpr int MaxInFlight = 3;
    static constexpr int MaxThreads = 8;
    static constexpr std::int64_t TimeoutMs = 5000;

    enum class State { Pending, Present, Absent, Unknown };
    // Tells whether a file is at a full path; called on worker threads, several at once.
    using ExistsTest = std::function<bool(const QString &fullPath)>;
    // Milliseconds from any fixed point; read on the owner's thread only.
    using Clock = std::function<std::int64_t()>;

    // The look-ups of one list, in its order.
    struct Batch;
    using BatchPtr = std::shared_ptr<Batch>;

    explicit LinkCheckPool(Clock clock = Clock());
    // Idle threads end; one still in a look-up ends when the look-up returns.
    ~LinkCheckPool();
    LinkCheckPool(const LinkCheckPool &) = delete;
    LinkCheckPool &operator=(const LinkCheckPool &) = delete;

    // The program's pool. It is never destroyed: at exit a thread may still hang in a
    // look-up, and the process ends with it.
    static LinkCheckPool &shared();

    BatchPtr submit(std::vector<QString> paths, ExistsTest exists);
    // Drops what is still queued; answers still to come are thrown away.
    void cancel(const BatchPtr &batch);
    // Writes off the look-ups past their time, then moves the batch's new answers, by
    // index, into changed (states other than Pending). True once every answer is in.
    bool collect(const BatchPtr &batch, std::vector<std::pair<int, State>> &changed);

    // Threads alive now (idle, looking up, or hung in a written-off look-up).
    int threadCount() const;

private:
    struct Shared;
    static void work(std::shared_ptr<Shared> shared);
    static void startThreads(const std::shared_ptr<Shared> &shared);
    void expire();

    std::shared_ptr<Shared> shared_;
    Clock clock_;
};
