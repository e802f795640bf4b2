#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

// An editing box's own undo history of many steps: typing and every command alike. Each
// step holds only the text that is not in the document at the moment (before Undo the
// text it replaced, after it the text it had put in), so a step costs one copy of what it
// changed. Past the limit the oldest steps are dropped; the newest is always kept.
class UndoHistory
{
public:
    static constexpr qint64 DefaultLimit = qint64(64) * 1024 * 1024; // bytes of held text

    enum class Kind { Typing, Command };

    // One change of the text: [position, position + removed) of before was replaced by
    // added. Typing on where the typing before ended joins its step, and so do backspacing
    // inside it and a run of deletions (a line break ends the step); changes between
    // beginGroup and endGroup make one step whatever they are.
    void record(QStringView before, int position, int removed, QStringView added, Kind kind);
    // Groups nest; caret: where the caret stood before the group's first change.
    void beginGroup(int caret);
    void endGroup();
    // The next change starts a step of its own.
    void close();

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // Replaces [position, position + length) of the document by text and gives back what
    // stood there.
    using Apply = std::function<QString(int position, int length, const QString &text)>;
    // Each returns where the caret goes; -1 when there was nothing to do.
    int undo(const Apply &apply);
    int redo(const Apply &apply);

    void clear();
    void setLimit(qint64 bytes);
    qint64 heldBytes() const { return held_; }
    int undoSteps() const { return done_; }
    int redoSteps() const { return int(steps_.size()) - done_; }

private:
    struct Step
    {
        int position = 0;
        QString held;        // the text not in the document now
        int shownLength = 0; // what stands for it in the document now
        int caretBefore = -1;
        Kind kind = Kind::Typing;
        bool open = true;   // typing may still join it
        bool typed = false; // typing that put text in (not a run of deletions)
    };

    static bool joinsTyping(const Step &top, int position, int removed, int added);
    void trim();
    static qint64 bytes(const QString &s) { return qint64(s.size()) * qint64(sizeof(QChar)); }

    QList<Step> steps_;
    int done_ = 0; // steps_[0, done_) can be undone, the rest redone
    qint64 held_ = 0;
    qint64 limit_ = DefaultLimit;
    int groupDepth_ = 0;
    int groupCaret_ = -1;
    bool groupStarted_ = false; // the group's step exists
};
