#pragma once

#include "editing/StringEditBox.h"

#include <QString>

#include <algorithm>

// Box text with its selection written in: "[" and "]" around a selection, "|" for
// a caret with nothing selected. The test texts use none of these characters.
namespace BoxNotation {

inline void load(StringEditBox &box, const QString &marked)
{
    QString text = marked;
    int start = int(text.indexOf(QLatin1Char('[')));
    int length = 0;
    if (start >= 0) {
        text.remove(start, 1);
        const int end = int(text.indexOf(QLatin1Char(']')));
        text.remove(end, 1);
        length = end - start;
    } else {
        start = std::max(0, int(text.indexOf(QLatin1Char('|'))));
        text.remove(QLatin1Char('|'));
    }
    box.setWholeText(text);
    box.setModified(false);
    box.setSelection(start, length);
    box.resetChanges();
}

inline QString show(const StringEditBox &box)
{
    QString text = box.text();
    if (box.selLength() > 0) {
        text.insert(box.selStart() + box.selLength(), QLatin1Char(']'));
        text.insert(box.selStart(), QLatin1Char('['));
    } else {
        text.insert(box.selStart(), QLatin1Char('|'));
    }
    return text;
}

} // namespace BoxNotation
