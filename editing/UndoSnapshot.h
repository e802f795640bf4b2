#pragma once

#include <QString>
#include <QStringList>

class IEditBox;

// The program's own one-step undo of an insertion: the whole text and the caret
// before it. One per main window; a saved caret of -1 means there is none.
class UndoSnapshot
{
public:
    void take(const IEditBox &box);
    // Off while the editing boxes keep a history of many steps: each command is then a
    // step there, and nothing is taken here.
    void setEnabled(bool on);
    bool isEnabled() const { return enabled_; }
    void invalidate() { savedCaret_ = -1; }
    bool isHeld() const { return savedCaret_ >= 0; }
    int savedCaret() const { return savedCaret_; }
    // The saved text as the box stores it (see IEditBox::storedText).
    const QString &savedText() const { return savedText_; }

    // The Undo command: the box's own undo of the user's typing wins; otherwise
    // a held snapshot is swapped with the box's text (so a second Undo redoes).
    void undo(IEditBox &box);

    // Puts the saved text into the box and keeps the box's text as the new saved
    // text. Only the stretch between the two texts' common start and common end
    // is replaced. The caret goes to the saved caret, nothing selected; the saved
    // caret stays. Returns false, changing nothing, when no snapshot is held.
    bool swap(IEditBox &box);

private:
    // Held as one string: a long document is copied once, not split into lines.
    QString savedText_;
    int savedCaret_ = -1;
    bool enabled_ = true;
};
