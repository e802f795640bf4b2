#pragma once

#include "editing/HtmlScanner.h"
#include "editing/RgbColor.h"

#include <array>

// The colours of the HTML pieces on the editing box's own colour: a fixed hue each, made as
// dark (on a light box) or as light (on a dark one) as it takes to keep a contrast of at least
// MinimumContrast with the box, and no more, so that every piece stays readable on whatever
// colour the user chose.
class HtmlColorScheme
{
public:
    static constexpr double MinimumContrast = 4.5;

    using Colors = std::array<RgbColor, HtmlScanner::KindCount>;
    static Colors derive(const RgbColor &background);
    static const RgbColor &of(const Colors &colors, HtmlScanner::Kind kind) { return colors[int(kind)]; }

    // The WCAG contrast ratio of two colours, 1 to 21.
    static double contrast(const RgbColor &a, const RgbColor &b);
    static double luminance(const RgbColor &c);
};
