#pragma once

#include <QStringList>

class IEditBox;

// The program's own one-step undo of an insertion: the whole text and the caret
// before it. One per main window; a saved caret of -1 means there is none.
class UndoSnapshot
{
public:
    void take(const IEditBox &box);
    void invalidate() { savedCaret_ = -1; }
    bool isHeld() const { return savedCaret_ >= 0; }
    int savedCaret() const { return savedCaret_; }
    const QStringList &savedLines() const { return savedLines_; }

private:
    QStringList savedLines_;
    int savedCaret_ = -1;
};
