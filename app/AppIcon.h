#pragma once

#include <QIcon>

// The program's own icon (a page with a tag's angle brackets), from the drawn sizes so
// that small ones stay sharp; the same files the desktop entry's icon theme gets.
class AppIcon
{
public:
    static QIcon icon();
};
