#pragma once

#include <functional>
#include <optional>

// A colour as the colour dialog gives it: 8 bits each of red, green and blue.
struct RgbColor
{
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const RgbColor &, const RgbColor &) = default;
};

// Asks the user for a colour. With a preset the dialog opens on that colour,
// fully expanded; without one it shows the colour chosen last. Gives no value
// when the user cancels.
using ColorChooser = std::function<std::optional<RgbColor>(const std::optional<RgbColor> &preset)>;
