#include "editing/UndoSnapshot.h"

#include "editing/IEditBox.h"
#include "editing/RangeEdit.h"

#include <algorithm>

void UndoSnapshot::setEnabled(bool on)
{
    enabled_ = on;
    if (!on) {
        invalidate();
        savedText_ = QString();
    }
}

void UndoSnapshot::take(const IEditBox &box)
{
    if (!enabled_)
        return;
    savedCaret_ = box.selStart();
    // Let go of the old copy first: its memory is then used again for the new one.
    savedText_ = QString();
    savedText_ = box.storedText();
}

void UndoSnapshot::undo(IEditBox &box)
{
    if (box.canUndo()) {
        box.undo();
        return;
    }
    swap(box);
}

bool UndoSnapshot::swap(IEditBox &box)
{
    if (!isHeld())
        return false;
    const QString current = box.storedText();
    const QString saved = savedText_;
    {
        EditBoxUpdateGuard guard(box);
        if (current != saved)
            RangeEdit::replace(box, 0, current, saved);
        box.setSelection(std::min(savedCaret_, int(saved.size())), 0);
    }
    savedText_ = current;
    return true;
}
