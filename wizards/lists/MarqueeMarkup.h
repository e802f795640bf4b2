#pragma once

#include "editing/RgbColor.h"

#include <QString>

class ProfileStore;

// The MARQUEE element of the marquee dialog and the settings it keeps in TW.ini.
class MarqueeMarkup
{
public:
    enum Direction { Left = 0, Right = 1 };
    enum Pattern { OneWay = 0, Slide = 1, Alternate = 2 };
    enum Align { Top = 0, Middle = 1, Bottom = 2 };

    struct Settings
    {
        int amount = 0;
        int delay = 0;
        int direction = Left;
        int pattern = OneWay;
        bool loopCounted = false;
        int loopCount = 1;
        bool background = false;
        RgbColor color{255, 255, 255};
        int width = 0;
        int height = 0;
        int align = Middle;
        int hspace = 0;
        int vspace = 0;

        friend bool operator==(const Settings &, const Settings &) = default;
    };

    // "<MARQUEE" + attributes + ">" + text + "</MARQUEE>": tag and attribute names follow the
    // tag case, the user's text and the colour digits keep theirs.
    static QString element(const Settings &settings, const QString &text, int tagCase);

    // Section [Marquee]; a missing file or key gives the defaults above, values out of the
    // fields' ranges are brought into them.
    static Settings read(const ProfileStore &ini);
    // Every key; false, with the store's error, at the first write that fails.
    static bool write(ProfileStore &ini, const Settings &settings);
};
