#pragma once

#include "editing/RgbColor.h"

#include <QString>

// The tags of the font, size, heading and rule dialogs, in upper case; the insertion
// applies the tag case.
class FontMarkup
{
public:
    struct Pair
    {
        QString head;
        QString foot;
    };
    enum class Align { None, Left, Center, Right };

    // size 1 to 7; black stands for no colour.
    static Pair font(int size, const RgbColor &color, bool bold, bool italic);
    static Pair size(int size);
    // level 1 to 6.
    static Pair heading(int level, Align align);
    // align is never None: a rule always carries its alignment.
    static QString rule(int thickness, int length, bool percent, Align align, bool noShade);

    // The samples' point sizes for sizes 1 to 7: the font dialog's scale and the size dialog's.
    static int fontSamplePoints(int size);
    static int sizeSamplePoints(int size);
};
