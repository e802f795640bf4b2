#pragma once

#include <QStringView>

class IEditBox;

// Puts new text into the box by replacing only the stretch that differs from what
// is there, so that a long document is not laid out again for a small change.
class RangeEdit
{
public:
    struct Stretch
    {
        int prefix = 0; // characters equal at the start
        int suffix = 0; // characters equal at the end, not overlapping the prefix
    };

    // The common start and end of two texts; never splits a surrogate pair.
    static Stretch commonEnds(QStringView a, QStringView b);

    // oldText is what the box holds in [start, start + oldText.size()). The box's
    // replaceRange is called exactly once, also when nothing differs, so that the
    // change always counts as a programmatic one (it clears the box's own undo).
    static void replace(IEditBox &box, int start, QStringView oldText, QStringView replacement);
};
