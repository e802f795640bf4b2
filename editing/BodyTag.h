#pragma once

#include "editing/RgbColor.h"

#include <QString>
#include <QStringView>

#include <optional>

class IEditBox;
struct EditContext;

// The page's BODY start tag, for the background colour and picture commands and the page
// information dialog. It is the first "<BODY" start tag (the name followed by a blank,
// ">" or the text's end, any letter case) outside comments and outside the contents of
// TITLE, SCRIPT and STYLE; a comment or one of those elements that is never closed is
// not skipped, so that a typo does not hide the page's BODY tag. The tag may go on over
// several lines: it ends after its ">", before a "<" that starts another tag, or at the
// end of the line where a quoted value is left open.
class BodyTag
{
public:
    enum class Result {
        Rewritten, // the BODY tag was changed in place
        Inserted,  // there was no BODY tag: a new one went in at the caret
        Unchanged, // the BODY tag's colour or picture value is not in a form this edits
    };

    // Where the tag stands in a text: "<BODY" at start, end just after the tag.
    struct Span
    {
        qsizetype start = 0;
        qsizetype end = 0;
    };
    static std::optional<Span> find(QStringView text);

    // Index of the line the BODY tag starts on, or -1.
    static int findBodyLine(const IEditBox &box);
    // The BODY tag's BGCOLOR, when written as a quote, "#", six hexadecimal digits
    // and the quote; the colour dialog opens preset to it.
    static std::optional<RgbColor> backgroundColorOf(const IEditBox &box);

    // Sets the background colour: the BODY tag is rewritten in place (no undo snapshot,
    // not undoable by the box's own undo); without a BODY tag a new one is inserted at
    // the caret in the tag case.
    static Result SetBodyBackgroundColor(const EditContext &context, const RgbColor &color);
    // The BODY tag (its text from "<BODY" to its end) with the colour (as "#RRGGBB") set:
    // the BGCOLOR value replaced, a BACKGROUND picture replaced by the colour, or BGCOLOR
    // added after "<BODY". No value when a BGCOLOR or BACKGROUND value found there is not
    // in the form described above (a colour name, three digits, no quotes, no closing quote).
    static std::optional<QString> withBackgroundColor(const QString &tag, const QString &htmlColor);

    // A new BODY tag with the picture's file name (its folder left out) at the
    // caret; the tag follows the tag case, the file name keeps its own.
    // An existing BODY tag is not looked at.
    static void insertBackgroundPicture(const EditContext &context, const QString &filePath);
};
