#include "platform/TabKeys.h"

#include <QKeyEvent>

int TabKeys::step(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_Tab && mods == Qt::ControlModifier)
        return 1;
    if ((key.key() == Qt::Key_Backtab || key.key() == Qt::Key_Tab) && mods == (Qt::ControlModifier | Qt::ShiftModifier))
        return -1;
    return 0;
}
