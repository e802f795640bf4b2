#pragma once

#include <QString>

class IEditBox;
class UndoSnapshot;

// What the editing commands act on: the active editing box, the main window's
// one-step undo, and the settings that decide the case of inserted tags.
struct EditContext
{
    IEditBox &box;
    UndoSnapshot &snapshot;
    int tagCase = 1;   // 0 lower, 1 upper
    int styleCase = 0; // 0 lower, 1 upper
    QString tabSpaces = QStringLiteral("  "); // the spaces that stand for one tab
};
