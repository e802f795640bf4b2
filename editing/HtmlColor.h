#pragma once

#include "editing/RgbColor.h"

#include <QString>
#include <QStringView>

#include <optional>

// Colour values as HTML text: "#" and six upper-case hexadecimal digits, red first.
class HtmlColor
{
public:
    static QString ColorToHtml(const RgbColor &color);

    // Six hexadecimal digits (either case) read as red, green and blue; anything else gives none.
    static std::optional<RgbColor> fromDigits(QStringView sixDigits);

    // An attribute value written the one way the colour commands edit: after the
    // attribute name, optional blanks, "=", optional blanks, a quote, "#", six
    // hexadecimal digits and the same quote. nameEnd is the index just after the
    // name in text; the scan never passes the end of text.
    struct Value
    {
        int hashPos = -1; // index of the "#" in text
        RgbColor color;
    };
    static std::optional<Value> quotedValueAfter(QStringView text, qsizetype nameEnd);
};
