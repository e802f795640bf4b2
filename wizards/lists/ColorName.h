#pragma once

#include "editing/RgbColor.h"

#include <QString>
#include <QStringView>

#include <optional>

// Colours as the settings file of the other platform stores them: a standard colour name
// ("clWhite") where the colour has one, otherwise "$" and eight hexadecimal digits of the
// value 00BBGGRR. Files written here stay readable there and the other way round.
class ColorName
{
public:
    static QString toName(const RgbColor &color);
    // A standard name or "$" and one to eight hexadecimal digits of a plain colour, in any
    // case; anything else gives none.
    static std::optional<RgbColor> fromName(QStringView text);
};
