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

bool isBlank(QChar c) { return c.unicode() <= 32; }

// A start tag of that name ("BODY") at lt: "<", the name, then a blank, ">" or the end.
bool startTagAt(QStringView text, qsizetype lt, QStringView name, bool slashEnds = false)
{
    const qsizetype after = lt + 1 + name.size();
    if (after > text.size() || AsciiCase::indexOf(text.mid(lt + 1, name.size()), name) != 0)
        return false;
    return after == text.size() || isBlank(text[after]) || text[after] == u'>' || (slashEnds && text[after] == u'/');
}

// The end of the line around a position, remembered, so that a scan going forward over
// a long line does not look for its end again and again.
class LineEnds
{
public:
    explicit LineEnds(QStringView text) : text_(text) {}
    qsizetype after(qsizetype i)
    {
        if (i > known_) {
            known_ = text_.indexOf(u'\n', i);
            if (known_ < 0)
                known_ = text_.size();
        }
        return known_;
    }

private:
    QStringView text_;
    qsizetype known_ = -1;
};

// Where the start tag whose attributes begin at from ends: after its ">", at the end of
// the line where a quoted value is left open, or else after its last non-blank before a
// "<" outside quotes (another tag) or the text's end.
qsizetype tagEnd(QStringView text, qsizetype from, LineEnds &lineEnds)
{
    const qsizetype n = text.size();
    auto lastNonBlank = [&](qsizetype i) {
        while (i > from && isBlank(text[i - 1]))
            --i;
        return i;
    };
    for (qsizetype i = from; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'>')
            return i + 1;
        if (c == u'<')
            return lastNonBlank(i);
        if (c == u'"' || c == u'\'') {
            const qsizetype lineEnd = lineEnds.after(i + 1);
            const qsizetype close = text.left(lineEnd).indexOf(c, i + 1);
            if (close < 0)
                return lineEnd;
            i = close;
        }
    }
    return lastNonBlank(n);
}

// A colour value the rewrite can replace: "#" and six digits between matching quotes.
std::optional<RgbColor> editableColor(QStringView tag, const TagAttributes::Attribute &a)
{
    if (a.quote.isNull() || !a.closed || a.valueEnd - a.valueStart != 7 || tag[a.valueStart] != QLatin1Char('#'))
        return std::nullopt;
    return HtmlColor::fromDigits(tag.mid(a.valueStart + 1, 6));
}

} // namespace

std::optional<BodyTag::Span> BodyTag::find(QStringView text)
{
    static const QString rawText[] = {QStringLiteral("TITLE"), QStringLiteral("SCRIPT"), QStringLiteral("STYLE")};
    // Once an end is missing after some point it is missing after every later one: each
    // search runs to the text's end at most once.
    qsizetype noCommentEndFrom = text.size() + 1;
    qsizetype noEndTagFrom[3] = {text.size() + 1, text.size() + 1, text.size() + 1};
    LineEnds lineEnds(text);
    qsizetype pos = 0;
    for (;;) {
        const qsizetype lt = text.indexOf(u'<', pos);
        if (lt < 0)
            return std::nullopt;
        pos = lt + 1;
        if (text.mid(lt, 4) == u"<!--") {
            const qsizetype close = lt + 4 >= noCommentEndFrom ? -1 : text.indexOf(u"-->", lt + 4);
            if (close < 0)
                noCommentEndFrom = std::min(noCommentEndFrom, lt + 4);
            else
                pos = close + 3;
            continue;
        }
        if (startTagAt(text, lt, u"BODY"))
            return Span{lt, tagEnd(text, lt + BodyOpen.size(), lineEnds)};
        bool skipped = false;
        for (int k = 0; k < 3 && !skipped; ++k) {
            if (!startTagAt(text, lt, rawText[k], true))
                continue;
            const QString endTag = QStringLiteral("</") + rawText[k];
            const qsizetype from = lt + 1 + rawText[k].size();
            const qsizetype close = from >= noEndTagFrom[k] ? -1 : AsciiCase::indexOf(text, endTag, from);
            if (close < 0)
                noEndTagFrom[k] = std::min(noEndTagFrom[k], from);
            else
                pos = close + endTag.size();
            skipped = true;
        }
        // Another start tag is passed over whole: its quoted values are no markup.
        if (!skipped && lt + 1 < text.size() && text[lt + 1].isLetter() && text[lt + 1].unicode() < 128)
            pos = std::max(pos, tagEnd(text, lt + 1, lineEnds));
    }
}

int BodyTag::findBodyLine(const IEditBox &box)
{
    const QString text = box.text();
    const std::optional<Span> span = find(text);
    return span ? int(QStringView(text).left(span->start).count(u'\n')) : -1;
}

std::optional<RgbColor> BodyTag::backgroundColorOf(const IEditBox &box)
{
    const QString text = box.text();
    const std::optional<Span> span = find(text);
    if (!span)
        return std::nullopt;
    const QStringView tag = QStringView(text).mid(span->start, span->end - span->start);
    const QList<TagAttributes::Attribute> attributes = TagAttributes::parse(tag, BodyOpen.size());
    const TagAttributes::Attribute *bg = TagAttributes::find(attributes, u"BGCOLOR");
    return bg ? editableColor(tag, *bg) : std::nullopt;
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
    const QString text = box.text();
    const std::optional<Span> span = find(text);
    if (!span) {
        TagInserter(context).InsertTagText(QStringLiteral("<BODY BGCOLOR=\"") + html + QStringLiteral("\">"), false);
        return Result::Inserted;
    }
    const QString tag = text.mid(span->start, span->end - span->start);
    const std::optional<QString> changed = withBackgroundColor(tag, html);
    if (!changed)
        return Result::Unchanged;
    if (*changed != tag) {
        EditBoxUpdateGuard guard(box);
        const int tagStart = int(span->start);
        const int tagEnd = int(span->end);
        const int newEnd = tagStart + int(changed->size());
        // The selection keeps its place in the text around the rewritten tag.
        auto map = [&](int p) { return p <= tagStart ? p : p >= tagEnd ? p + newEnd - tagEnd : std::min(p, newEnd); };
        const int selFrom = map(box.selStart());
        const int selTo = map(box.selStart() + box.selLength());
        RangeEdit::replace(box, tagStart, tag, *changed);
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
