#include "editing/ColorAttribute.h"

#include "editing/AsciiCase.h"
#include "editing/EditContext.h"
#include "editing/HtmlColor.h"
#include "editing/IEditBox.h"
#include "editing/RangeEdit.h"
#include "editing/TagInserter.h"

#include <algorithm>

namespace {

const QString ColorName = QStringLiteral("COLOR");

ColorAttribute::Result insertNew(const EditContext &context, const ColorChooser &choose)
{
    const std::optional<RgbColor> color = choose(std::nullopt);
    if (!color)
        return ColorAttribute::Result::Unchanged;
    TagInserter(context).InsertTagText(QStringLiteral("COLOR=\"") + HtmlColor::ColorToHtml(*color) + QLatin1Char('"'),
                                       false);
    return ColorAttribute::Result::Inserted;
}

} // namespace

ColorAttribute::Piece ColorAttribute::cutPiece(QStringView line, int column)
{
    const qsizetype n = line.size();
    if (n == 0)
        return {};
    column = std::clamp(column, 0, int(n));
    // The character just before the caret opens the right-hand part.
    const qsizetype rightFrom = std::max(column - 1, 0);
    qsizetype end = rightFrom;
    while (end < n - 1 && line[end] != QLatin1Char(' ') && line[end] != QLatin1Char('>'))
        ++end;
    qsizetype start = rightFrom;
    if (rightFrom > 0) {
        start = rightFrom - 1;
        while (start > 0 && line[start] != QLatin1Char(' ') && line[start] != QLatin1Char('<'))
            --start;
    }
    return {int(start), int(end - start + 1)};
}

std::optional<QString> ColorAttribute::EditColorValue(const QString &piece, const ColorChooser &choose, int tagCase)
{
    const qsizetype name = AsciiCase::indexOf(piece, ColorName);
    if (name < 0)
        return std::nullopt;
    const std::optional<HtmlColor::Value> value = HtmlColor::quotedValueAfter(piece, name + ColorName.size());
    if (!value)
        return std::nullopt;
    const std::optional<RgbColor> chosen = choose(value->color);
    if (!chosen)
        return std::nullopt;
    const QString digits = AsciiCase::forSetting(HtmlColor::ColorToHtml(*chosen).mid(1), tagCase);
    return QString(piece).replace(value->hashPos + 1, 6, digits);
}

ColorAttribute::Result ColorAttribute::run(const EditContext &context, const ColorChooser &choose)
{
    IEditBox &box = context.box;
    const int caret = box.selStart();
    const int index = box.lineFromPos(caret);
    const int lineStart = box.posFromLine(index);
    const QString line = box.line(index);
    if (line.size() < 7)
        return insertNew(context, choose);

    const Piece piece = cutPiece(line, caret - lineStart);
    const QString text = line.mid(piece.start, piece.length);
    if (!AsciiCase::contains(text, ColorName))
        return insertNew(context, choose);

    const std::optional<QString> edited = EditColorValue(text, choose, context.tagCase);
    if (!edited)
        return Result::Unchanged;
    EditBoxUpdateGuard guard(box);
    RangeEdit::replace(box, lineStart + piece.start, text, *edited);
    box.setSelection(lineStart + piece.start + int(edited->size()), 0);
    return Result::Edited;
}
