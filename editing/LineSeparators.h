#pragma once

#include <QString>

// A text widget keeps its line breaks as U+2029 (paragraph separator) and soft breaks as
// U+2028; the commands work on lines ending in '\n'.
class LineSeparators
{
public:
    // Turns both separators into '\n' in place, in one pass over the text.
    static void toNewlines(QString &text);
    // Text from outside the document (clipboard, drop, input method, a dialog): CR LF,
    // a lone CR, U+2028 and U+2029 each become one '\n', so that no line separator
    // ever sits inside one of the box's lines.
    static QString plainLines(const QString &text);
    // True when plainLines would change text.
    static bool needsPlainLines(QStringView text);
};
