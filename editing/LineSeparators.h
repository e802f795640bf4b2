#pragma once

#include <QString>

// A text widget keeps its line breaks as U+2029 (paragraph separator) and soft breaks as
// U+2028; the commands work on lines ending in '\n'.
class LineSeparators
{
public:
    // Turns both separators into '\n' in place, in one pass over the text.
    static void toNewlines(QString &text);
};
