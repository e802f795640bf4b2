#pragma once

#include "editing/RgbColor.h"

#include <optional>

// A scripted colour dialog: gives its answer and remembers the preset it was opened with.
struct ScriptedColorDialog
{
    std::optional<RgbColor> answer;
    int shown = 0;
    std::optional<RgbColor> preset;

    ColorChooser chooser()
    {
        return [this](const std::optional<RgbColor> &p) {
            ++shown;
            preset = p;
            return answer;
        };
    }
};
