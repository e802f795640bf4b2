#pragma once

#include "wizards/links/LinkCheckPool.h"
#include "wizards/links/LinkTargets.h"

#include <QList>
#include <QObject>
#include <QString>

class QTimer;

// One checked link: its line, target, what is known of its file, and the full path.
struct LinkRow
{
    using State = LinkCheckPool::State;
    int line = 0;
    QString target;
    State state = State::Pending;
    QString fullPath;
};

// Checks whether each link target names an existing file, on the program's pool of
// look-up threads, never on the owner's thread. Every row is known at once, pending;
// the owner collects answers on a timer and reports them as they come, whatever order
// the look-ups end in. A look-up still pending after the pool's time limit is unknown.
// Destroying the checker cancels what is still to come; a look-up that hangs keeps
// nothing of it alive but its own data.
class LinkChecker : public QObject
{
    Q_OBJECT
public:
    // How often the owner looks for answers: soon while they come in, backing off to the
    // last while a look-up hangs.
    static constexpr int FirstPollMs = 2;
    static constexpr int LastPollMs = 64;
    using ExistsTest = LinkCheckPool::ExistsTest;

    // Targets are expanded against folder, never against the process's current folder.
    // Without a pool the program's own is used.
    LinkChecker(const QString &folder, QList<LinkTarget> targets, QObject *parent = nullptr,
                ExistsTest exists = ExistsTest(), LinkCheckPool *pool = nullptr);
    ~LinkChecker() override;

    static bool fileExists(const QString &fullPath);

    // Every row in target order, with what is known so far.
    const QList<LinkRow> &rows() const { return rows_; }
    void start();
    // Stops the checks; no answer is reported after it.
    void cancel();
    bool isDone() const { return done_; }
    int total() const { return int(rows_.size()); }

Q_SIGNALS:
    // These rows (indexes into rows()) are no longer pending.
    void rowsChecked(const QList<int> &indexes);
    // No row is pending any more.
    void finished(int rows);

private:
    void poll();

    LinkCheckPool &pool_;
    ExistsTest exists_;
    QList<LinkRow> rows_;
    LinkCheckPool::BatchPtr batch_;
    QTimer *poll_ = nullptr;
    bool started_ = false;
    bool done_ = false;
};
