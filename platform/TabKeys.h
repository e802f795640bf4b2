#pragma once

class QKeyEvent;

// Ctrl+Tab and Ctrl+Shift+Tab, which walk the pages of a window or dialog.
class TabKeys
{
public:
    // 1 for Ctrl+Tab, -1 for Ctrl+Shift+Tab (keypad or not), otherwise 0.
    static int step(const QKeyEvent &key);
};
