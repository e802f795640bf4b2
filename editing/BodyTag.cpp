#include "editing/BodyTag.h"

#include "editing/AsciiCase.h"
#include "editing/EditContext.h"
#include "editing/HtmlColor.h"
#include "editing/IEditBox.h"
#include "editing/RangeEdit.h"
#include "editing/TagAttributes.h"
#include "editing/TagInserter.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const QString BodyOpen = QStringLiteral("<BODY");

// A colour value the rewrite can replace: "#" and six digits between matching quotes.
std::optional<RgbColor> editableColor(QStringView line, const TagAttributes::Attribute &a)
{
    if (a.quote.isNull() || !a.closed || a.valueEnd - a.valueStart != 7 || line[a.valueStart] != QLatin1Char('#'))
        return std::nullopt;
    return HtmlColor::fromDigits(line.mid(a.valueStart + 1, 6));
}

} // namespace

int BodyTag::findBodyLine(const IEditBox &box)
{
    const QStringList lines = box.lines();
    for (int i = 0; i < lines.size(); ++i) {
        if (AsciiCase::contains(lines[i], BodyOpen))
            return i;
    }
    return -1;
}

std::optional<RgbColor> BodyTag::backgroundColorOf(const IEditBox &box)
{
    const int index = findBodyLine(box);
    if (index < 0)
        return std::nullopt;
    const QString line = box.line(index);
    const qsizetype open = AsciiCase::indexOf(line, BodyOpen);
    const QList<TagAttributes::Attribute> attributes = TagAttributes::parse(line, open + BodyOpen.size());
    const TagAttributes::Attribute *bg = TagAttributes::find(attributes, u"BGCOLOR");
    return bg ? editableColor(line, *bg) : std::nullopt;
}

std::optional<QString> BodyTag::withBackgroundColor(const QString &line, const QString &htmlColor)
{
    const qsizetype open = AsciiCase::indexOf(line, BodyOpen);
    if (open < 0)
        return std::nullopt;
    const qsizetype afterName = open + BodyOpen.size();
    const QList<TagAttributes::Attribute> attributes = TagAttributes::parse(line, afterName);
    const TagAttributes::Attribute *bg = TagAttributes::find(attributes, u"BGCOLOR");
    const TagAttributes::Attribute *picture = TagAttributes::find(attributes, u"BACKGROUND");

    QString result = line;
    if (!bg && !picture)
        return result.insert(afterName, QStringLiteral(" BGCOLOR=\"") + htmlColor + QLatin1Char('"'));
    if (bg && !editableColor(line, *bg))
        return std::nullopt;
    if (picture && (picture->quote.isNull() || !picture->closed))
        return std::nullopt;
    // The later one first, so that the earlier one's positions still hold.
    auto replaceColor = [&] { result.replace(bg->valueStart, 7, htmlColor); };
    auto replacePicture = [&] {
        result.replace(picture->nameStart, picture->valueEnd + 1 - picture->nameStart,
                       QStringLiteral("BGCOLOR=\"") + htmlColor + QLatin1Char('"'));
    };
    if (bg && picture && bg->nameStart < picture->nameStart) {
        replacePicture();
        replaceColor();
    } else {
        if (bg)
            replaceColor();
        if (picture)
            replacePicture();
    }
    return result;
}

BodyTag::Result BodyTag::SetBodyBackgroundColor(const EditContext &context, const RgbColor &color)
{
    const QString html = HtmlColor::ColorToHtml(color);
    IEditBox &box = context.box;
    const int index = findBodyLine(box);
    if (index < 0) {
        TagInserter(context).InsertTagText(QStringLiteral("<BODY BGCOLOR=\"") + html + QStringLiteral("\">"), false);
        return Result::Inserted;
    }
    const QString line = box.line(index);
    const std::optional<QString> changed = withBackgroundColor(line, html);
    if (!changed)
        return Result::Unchanged;
    if (*changed != line) {
        EditBoxUpdateGuard guard(box);
        const int lineStart = box.posFromLine(index);
        const int lineEnd = lineStart + int(line.size());
        const int newEnd = lineStart + int(changed->size());
        // The selection keeps its place in the text around the rewritten line.
        auto map = [&](int p) { return p <= lineStart ? p : p >= lineEnd ? p + newEnd - lineEnd : std::min(p, newEnd); };
        const int selFrom = map(box.selStart());
        const int selTo = map(box.selStart() + box.selLength());
        RangeEdit::replace(box, lineStart, line, *changed);
        box.setSelection(selFrom, selTo - selFrom);
    }
    return Result::Rewritten;
}

void BodyTag::insertBackgroundPicture(const EditContext &context, const QString &filePath)
{
    // File names are case-sensitive here: only the tag follows the tag case.
    const bool lower = !AsciiCase::isUpper(context.tagCase);
    const QString head = QStringLiteral("<BODY BACKGROUND=\"");
    const QString foot = QStringLiteral("\">");
    TagInserter(context).InsertTagText((lower ? AsciiCase::lower(head) : head) + QFileInfo(filePath).fileName()
                                           + (lower ? AsciiCase::lower(foot) : foot),
                                       true);
}
