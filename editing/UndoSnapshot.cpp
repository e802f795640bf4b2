#include "editing/UndoSnapshot.h"

#include "editing/IEditBox.h"

void UndoSnapshot::take(const IEditBox &box)
{
    savedCaret_ = box.selStart();
    savedLines_ = box.lines();
}
