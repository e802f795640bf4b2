#pragma once

#include "wizards/links/LinkTargets.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QTimer;

// One checked link: its line, target, whether a file is there, and the full path.
struct LinkRow
{
    int line = 0;
    QString target;
    bool exists = false;
    QString fullPath;
};

// Checks whether each link target names an existing file, off the GUI thread: at most
// MaxInFlight look-ups run at once, each on a worker thread of its own, and the rows come
// back on the owner's thread in the targets' order whatever order the look-ups end in.
// The owner collects finished rows on a timer: the workers post nothing to Qt, so every
// hand-off between threads is under one mutex (the thread sanitizer cannot see the lock
// inside Qt's event queue, and reads of a posted event anywhere on its way looked racy).
// A look-up can hang on a vanished network folder, so nothing ever waits for a worker:
// destroying the checker cancels the rest, and a worker still in a look-up finds the
// checker gone when it returns and quietly ends.
class LinkChecker : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxInFlight = 3;
    // How often the owner looks for finished rows: soon while they come in, backing off
    // to the last while a look-up hangs.
    static constexpr int FirstPollMs = 2;
    static constexpr int LastPollMs = 64;
    // Tells whether a file is at a full path; called on worker threads, so it must be
    // safe to call from several at once.
    using ExistsTest = std::function<bool(const QString &fullPath)>;

    // Targets are expanded against folder, never against the process's current folder.
    LinkChecker(const QString &folder, QList<LinkTarget> targets, QObject *parent = nullptr,
                ExistsTest exists = ExistsTest());
    ~LinkChecker() override;

    static bool fileExists(const QString &fullPath);

    void start();
    // Stops handing out targets; rows not yet delivered never come.
    void cancel();
    bool isDone() const { return done_; }
    int delivered() const { return delivered_; }
    int total() const { return total_; }

Q_SIGNALS:
    // The next rows in order, appended to those delivered before.
    void rowsReady(const QList<LinkRow> &rows);
    // Every row has been delivered.
    void finished(int rows);

private:
    struct Shared;
    static void work(std::shared_ptr<Shared> shared);
    void deliver();

    std::shared_ptr<Shared> shared_;
    QTimer *poll_ = nullptr;
    int total_ = 0;
    int delivered_ = 0;
    bool started_ = false;
    bool done_ = false;
};
