#pragma once

#include "editing/RgbColor.h"

#include <QString>
#include <QStringView>

#include <optional>

struct EditContext;

// The colour attribute command: edits the colour value of the COLOR attribute
// at the caret in place, or inserts a new COLOR attribute at the caret.
class ColorAttribute
{
public:
    enum class Result {
        Edited,    // the six digits of the value at the caret were replaced
        Inserted,  // a new COLOR attribute went in at the caret
        Unchanged, // cancelled, or the value at the caret is not a quoted "#" and six digits
    };

    // The stretch of tag text around the caret's column: from the nearest space
    // or "<" before the caret to the nearest space or ">" from the character just
    // before the caret on, both included, the line's ends where there is none.
    struct Piece
    {
        int start = 0;
        int length = 0;
    };
    static Piece cutPiece(QStringView line, int column);

    // The piece with the value after its COLOR (any letter case) set to the colour
    // the user chooses, the dialog preset to the current value; the digits follow
    // the tag case. No value when the user cancels or when the value is not a
    // quote, "#", six hexadecimal digits and the quote (then no dialog is shown).
    static std::optional<QString> EditColorValue(const QString &piece, const ColorChooser &choose, int tagCase);

    static Result run(const EditContext &context, const ColorChooser &choose);
};
