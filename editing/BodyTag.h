#pragma once

#include "editing/RgbColor.h"

#include <QString>
#include <QStringView>

#include <optional>

class IEditBox;
struct EditContext;

// The page's background colour and picture, set on the BODY tag. The BODY line
// is the first line that contains "<BODY" in any letter case; only the tag
// written on that line is read or changed.
class BodyTag
{
public:
    enum class Result {
        Rewritten, // the BODY line was changed in place
        Inserted,  // there was no BODY line: a new BODY tag went in at the caret
        Unchanged, // the BODY tag's colour or picture value is not in a form this edits
    };

    // Index of the BODY line, or -1.
    static int findBodyLine(const IEditBox &box);
    // The BODY tag's BGCOLOR, when written as a quote, "#", six hexadecimal digits
    // and the quote; the colour dialog opens preset to it.
    static std::optional<RgbColor> backgroundColorOf(const IEditBox &box);

    // Sets the background colour: the BODY line is rewritten in place (no undo
    // snapshot, not undoable by the box's own undo); without a BODY line a new
    // BODY tag is inserted at the caret in the tag case.
    static Result SetBodyBackgroundColor(const EditContext &context, const RgbColor &color);
    // The BODY line with the colour (as "#RRGGBB") set: the BGCOLOR value replaced,
    // a BACKGROUND picture replaced by the colour, or BGCOLOR added after "<BODY".
    // No value when a BGCOLOR or BACKGROUND value found there is not in the form
    // described above (a colour name, three digits, no quotes, no closing quote).
    static std::optional<QString> withBackgroundColor(const QString &line, const QString &htmlColor);

    // A new BODY tag with the picture's file name (its folder left out) at the
    // caret; the tag follows the tag case, the file name keeps its own.
    // An existing BODY tag is not looked at.
    static void insertBackgroundPicture(const EditContext &context, const QString &filePath);
};
