// The editing engine on any document text, caret and selection: each command ends, resumes
// redrawing, and changes nothing outside the lines it edits.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "app/DocumentFile.h"
#include "editing/BodyTag.h"
#include "editing/ColorAttribute.h"
#include "editing/ColorCommands.h"
#include "editing/EditContext.h"
#include "editing/EditTools.h"
#include "editing/FixedTags.h"
#include "editing/LineTools.h"
#include "editing/StringEditBox.h"
#include "editing/StyleBlock.h"
#include "editing/UndoSnapshot.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace {

struct Setup
{
    QString text;
    int start = 0;
    int length = 0;
    int tagCase = 1;
    std::optional<RgbColor> colour; // the colour dialog's answer; none for cancel
};

// One command's world: a box with the setup's text and selection, and the window's undo.
struct Run
{
    explicit Run(const Setup &s) : box(s.text), context{box, snapshot, s.tagCase, 0, QStringLiteral("  ")}
    {
        box.setSelection(s.start, s.length);
    }
    QString text() const { return box.text(); }

    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext context;
};

QString asciiLower(QStringView s)
{
    QString out = s.toString();
    for (QChar &c : out) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    }
    return out;
}

QString asciiUpper(QStringView s)
{
    QString out = s.toString();
    for (QChar &c : out) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    }
    return out;
}

QString inTagCase(const QString &s, int tagCase)
{
    return tagCase == 0 ? asciiLower(s) : s;
}

QString htmlOf(const RgbColor &c)
{
    return QString::asprintf("#%02X%02X%02X", c.red, c.green, c.blue);
}

int lineOf(const QString &text, int pos)
{
    return int(QStringView(text).left(pos).count(QLatin1Char('\n')));
}

// Line breaks inside a selection, one that ends it not counted: each adds a covered line.
QList<int> innerBreaks(QStringView selection)
{
    QList<int> breaks;
    for (qsizetype i = 0; i + 1 < selection.size(); ++i) {
        if (selection[i] == QLatin1Char('\n'))
            breaks.append(int(i));
    }
    return breaks;
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Every command leaves the box drawing again, with a selection inside the text.
void settled(const Run &r)
{
    FUZZ_CHECK(r.box.updateDepth() == 0);
    FUZZ_CHECK(r.box.changes().callsOutsideUpdate == 0);
    FUZZ_CHECK(r.box.selStart() >= 0 && r.box.selLength() >= 0);
    FUZZ_CHECK(r.box.selStart() + r.box.selLength() <= r.box.length());
}

// Nothing before or after the selection changed; gives what now stands in its place.
QString middle(const Setup &s, const QString &after)
{
    const qsizetype tail = s.text.size() - s.start - s.length;
    FUZZ_CHECK(after.size() >= s.start + tail);
    FUZZ_CHECK(QStringView(after).left(s.start) == QStringView(s.text).left(s.start));
    FUZZ_CHECK(QStringView(after).right(tail) == QStringView(s.text).right(tail));
    return after.mid(s.start, after.size() - s.start - tail);
}

// Nothing before line first or after line last changed, and no line came or went.
void onlyLinesChanged(const QString &before, const QString &after, int first, int last)
{
    const QStringList a = before.split(QLatin1Char('\n'));
    const QStringList b = after.split(QLatin1Char('\n'));
    FUZZ_CHECK(a.size() == b.size());
    for (int i = 0; i < a.size(); ++i) {
        if (i < first || i > last)
            FUZZ_CHECK(a[i] == b[i]);
    }
}

// A command that took the undo snapshot is undone by the Undo command, exactly.
void undoRestores(Run &r, const QString &before)
{
    if (r.text() == before)
        return;
    FUZZ_CHECK(r.snapshot.isHeld());
    EditTools::run(EditTools::Command::Undo, r.context);
    FUZZ_CHECK(r.text() == before);
}

void caseConversion(const Setup &s, bool upper)
{
    Run r(s);
    EditTools::run(upper ? EditTools::Command::UpperCase : EditTools::Command::LowerCase, r.context);
    settled(r);
    if (s.length == 0) {
        FUZZ_CHECK(r.text() == s.text);
        return;
    }
    const QString selection = s.text.mid(s.start, s.length);
    const QString now = middle(s, r.text());
    // The same letters in the other case. A selection that ends in line breaks keeps exactly
    // one: every blank and break after its last text went. Otherwise only the blanks at the
    // end of the last line went (all of them).
    const bool endsInBreak = selection.endsWith(QLatin1Char('\n'));
    FUZZ_CHECK(!endsInBreak || now.endsWith(QLatin1Char('\n')));
    const QStringView body = endsInBreak ? QStringView(now).chopped(1) : QStringView(now);
    const QStringView oldBody = endsInBreak ? QStringView(selection).chopped(1) : QStringView(selection);
    FUZZ_CHECK(body.size() <= oldBody.size());
    FUZZ_CHECK(asciiLower(body) == asciiLower(oldBody.left(body.size())));
    for (QChar c : oldBody.mid(body.size()))
        FUZZ_CHECK(c.unicode() <= 32 && (endsInBreak || c != QLatin1Char('\n')));
    if (endsInBreak)
        FUZZ_CHECK(body.isEmpty() || body.back().unicode() > 32);
    else
        FUZZ_CHECK(body.isEmpty() || body.back().unicode() > 32 || body.back() == QLatin1Char('\n'));
    FUZZ_CHECK(body == (upper ? asciiUpper(body) : asciiLower(body)));
    undoRestores(r, s.text);
}

void tagRemoval(const Setup &s)
{
    Run r(s);
    EditTools::run(EditTools::Command::TagCut, r.context);
    settled(r);
    if (r.text() == s.text)
        return;
    const QString selection = s.text.mid(s.start, s.length);
    FUZZ_CHECK(selection.contains(QStringLiteral("</")));
    const QString now = middle(s, r.text());
    FUZZ_CHECK(now.size() < selection.size());
    // The inner text is a piece of the selection; only line breaks of its end follow it.
    QStringView inner = now;
    while (inner.endsWith(QLatin1Char('\n')))
        inner.chop(1);
    FUZZ_CHECK(QStringView(selection).contains(inner));
    FUZZ_CHECK(now.count(QLatin1Char('\n')) <= selection.count(QLatin1Char('\n')));
    undoRestores(r, s.text);
}

void perLineRule(const Setup &s, const QString &name)
{
    const FixedTags::Command *command = FixedTags::find(name);
    FUZZ_CHECK(command);
    const QString tag = inTagCase(command->head, s.tagCase);
    Run r(s);
    FUZZ_CHECK(FixedTags::run(name, r.context) == FixedTags::Outcome::Done);
    settled(r);
    const QString now = middle(s, r.text());
    if (s.length == 0) {
        FUZZ_CHECK(now == tag);
    } else {
        const QString selection = s.text.mid(s.start, s.length);
        const bool endsInBreak = selection.endsWith(QLatin1Char('\n'));
        const qsizetype lines = selection.count(QLatin1Char('\n')) + (endsInBreak ? 0 : 1);
        FUZZ_CHECK(now.count(tag) == selection.count(tag) + lines);
        FUZZ_CHECK(now.count(QLatin1Char('\n')) == selection.count(QLatin1Char('\n')));
        FUZZ_CHECK(now.endsWith(QLatin1Char('\n')) == endsInBreak);
    }
    undoRestores(r, s.text);
}

void indentThenUnindent(const Setup &s)
{
    const QString selection = s.text.mid(s.start, s.length);
    const QList<int> breaks = innerBreaks(selection);
    const int first = lineOf(s.text, s.start);
    const int last = first + int(breaks.size());

    Run r(s);
    EditTools::run(EditTools::Command::Indent, r.context);
    settled(r);
    FUZZ_CHECK(!r.snapshot.isHeld());
    const QStringList a = s.text.split(QLatin1Char('\n'));
    const QStringList b = r.text().split(QLatin1Char('\n'));
    FUZZ_CHECK(a.size() == b.size());
    for (int i = 0; i < a.size(); ++i)
        FUZZ_CHECK(b[i] == (i >= first && i <= last ? QLatin1Char(' ') + a[i] : a[i]));
    // The same text stays selected, with the new spaces inside it.
    QString selected = selection;
    for (qsizetype i = breaks.size() - 1; i >= 0; --i)
        selected.insert(breaks[i] + 1, QLatin1Char(' '));
    FUZZ_CHECK(r.box.selStart() == s.start + 1);
    FUZZ_CHECK(r.box.selectedText() == selected);

    EditTools::run(EditTools::Command::Unindent, r.context);
    settled(r);
    FUZZ_CHECK(r.text() == s.text);
    FUZZ_CHECK(r.box.selStart() == s.start && r.box.selLength() == s.length);
}

void unindent(const Setup &s)
{
    const QString selection = s.text.mid(s.start, s.length);
    const QList<int> breaks = innerBreaks(selection);
    const int first = lineOf(s.text, s.start);
    const int last = first + int(breaks.size());

    Run r(s);
    const bool changed = LineTools::unindent(r.context);
    settled(r);
    FUZZ_CHECK(!r.snapshot.isHeld());
    const QStringList a = s.text.split(QLatin1Char('\n'));
    const QStringList b = r.text().split(QLatin1Char('\n'));
    FUZZ_CHECK(a.size() == b.size());
    bool any = false;
    for (int i = 0; i < a.size(); ++i) {
        const bool drops = i >= first && i <= last && a[i].startsWith(QLatin1Char(' '));
        any = any || drops;
        FUZZ_CHECK(b[i] == (drops ? a[i].mid(1) : a[i]));
    }
    FUZZ_CHECK(changed == any);
    if (!changed) {
        FUZZ_CHECK(r.box.selStart() == s.start && r.box.selLength() == s.length);
        return;
    }
    // The same text stays selected, less the spaces that went.
    QString selected;
    for (qsizetype i = 0; i < selection.size(); ++i) {
        const int pos = s.start + int(i);
        const bool lineStart = pos == 0 || s.text[pos - 1] == QLatin1Char('\n');
        const int line = lineOf(s.text, pos);
        if (lineStart && line >= first && line <= last && selection[i] == QLatin1Char(' '))
            continue;
        selected += selection[i];
    }
    FUZZ_CHECK(r.box.selectedText() == selected);
}

// Whether pos lies inside a comment that is closed after it; only asked of texts without
// TITLE, SCRIPT or STYLE and without quotes before pos, which would hide a comment's start.
bool insideComment(const QString &text, qsizetype pos)
{
    const qsizetype open = text.lastIndexOf(QStringLiteral("<!--"), pos);
    if (open < 0 || open + 4 > pos)
        return false;
    const qsizetype close = text.indexOf(QStringLiteral("-->"), open + 4);
    return close >= 0 && close + 3 > pos;
}

void backgroundColour(const Setup &s)
{
    bool asked = false;
    const ColorChooser choose = [&](const std::optional<RgbColor> &) {
        asked = true;
        return s.colour;
    };
    const ColorCommands::FileChooser noPicture = [] { return QString(); };
    Run r(s);
    FUZZ_CHECK(ColorCommands::run(u"imgBGColor", r.context, choose, noPicture));
    settled(r);
    FUZZ_CHECK(asked);
    if (!s.colour) {
        FUZZ_CHECK(r.text() == s.text);
        return;
    }
    const QString html = htmlOf(*s.colour);
    const std::optional<BodyTag::Span> span = BodyTag::find(s.text);
    if (!span) {
        FUZZ_CHECK(middle(s, r.text()) == inTagCase(QStringLiteral("<BODY BGCOLOR=\"") + html + QStringLiteral("\">"), s.tagCase));
        undoRestores(r, s.text);
        return;
    }
    // A start tag, outside comments.
    const QString upper = asciiUpper(s.text);
    FUZZ_CHECK(QStringView(upper).mid(span->start, 5) == u"<BODY");
    FUZZ_CHECK(span->start + 5 == upper.size() || upper[span->start + 5].unicode() <= 32 || upper[span->start + 5] == u'>');
    FUZZ_CHECK(span->end >= span->start + 5 && span->end <= s.text.size());
    const QStringView before = QStringView(upper).left(span->start);
    if (!upper.contains(QStringLiteral("<TITLE")) && !upper.contains(QStringLiteral("<SCRIPT"))
        && !upper.contains(QStringLiteral("<STYLE")) && !before.contains(u'"') && !before.contains(u'\''))
        FUZZ_CHECK(!insideComment(s.text, span->start));
    // The BODY tag is rewritten in place, outside the undo snapshot; the rest stays.
    FUZZ_CHECK(!r.snapshot.isHeld());
    const QString now = r.text();
    const qsizetype tail = s.text.size() - span->end;
    FUZZ_CHECK(QStringView(now).left(span->start) == QStringView(s.text).left(span->start));
    FUZZ_CHECK(now.size() >= span->start + tail && QStringView(now).right(tail) == QStringView(s.text).right(tail));
    if (now == s.text)
        return;
    const QString rewritten = now.mid(span->start, now.size() - span->start - tail);
    FUZZ_CHECK(asciiUpper(rewritten).startsWith(QStringLiteral("<BODY")));
    FUZZ_CHECK(rewritten.contains(html));
    // Once no picture is left, the same colour again changes nothing more.
    if (asciiUpper(rewritten).contains(QStringLiteral("BACKGROUND")))
        return;
    const QString once = r.text();
    FUZZ_CHECK(ColorCommands::run(u"imgBGColor", r.context, choose, noPicture));
    settled(r);
    FUZZ_CHECK(r.text() == once);
}

void colourAttribute(const Setup &s)
{
    bool preset = false;
    const ColorChooser choose = [&](const std::optional<RgbColor> &p) {
        preset = p.has_value();
        return s.colour;
    };
    Run r(s);
    const ColorAttribute::Result result = ColorAttribute::run(r.context, choose);
    settled(r);
    switch (result) {
    case ColorAttribute::Result::Unchanged:
        FUZZ_CHECK(r.text() == s.text);
        break;
    case ColorAttribute::Result::Inserted:
        FUZZ_CHECK(s.colour);
        FUZZ_CHECK(middle(s, r.text()) == inTagCase(QStringLiteral("COLOR=\"") + htmlOf(*s.colour) + QLatin1Char('"'), s.tagCase));
        undoRestores(r, s.text);
        break;
    case ColorAttribute::Result::Edited: {
        FUZZ_CHECK(s.colour && preset);
        FUZZ_CHECK(!r.snapshot.isHeld());
        const QString now = r.text();
        const int line = lineOf(s.text, s.start);
        onlyLinesChanged(s.text, now, line, line);
        // Only the six digits of one value changed.
        FUZZ_CHECK(now.size() == s.text.size());
        qsizetype from = 0;
        while (from < now.size() && now[from] == s.text[from])
            ++from;
        qsizetype to = now.size();
        while (to > from && now[to - 1] == s.text[to - 1])
            --to;
        FUZZ_CHECK(to - from <= 6);
        for (qsizetype i = from; i < to; ++i)
            FUZZ_CHECK(isHexDigit(now[i]) && isHexDigit(s.text[i]));
        FUZZ_CHECK(now.contains(QLatin1Char('#') + inTagCase(htmlOf(*s.colour).mid(1), s.tagCase)));
        break;
    }
    }
}

// The document text as it reaches the box: from CP932 bytes as a file holds them, or from
// UTF-8 for what a user may type (characters outside CP932 and surrogate pairs included).
QString documentText(const QByteArray &bytes, bool typed)
{
    if (!typed)
        return DocumentFile::prepare(bytes, QStringLiteral("  "), DocumentFile::Reading::AsShiftJis).text;
    QString text = QString::fromUtf8(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\t'), QStringLiteral("  "));
    return text;
}

// The STYLE block goes in whole, as lines of their own, above the first head end; without
// one a document is left alone.
void styleBlock(const Setup &s)
{
    Run r(s);
    const bool added = StyleBlock::Declare(r.context);
    settled(r);
    const QStringList before = s.text.split(QLatin1Char('\n'));
    const QStringList block = StyleBlock::lines(s.tagCase);
    qsizetype at = -1;
    for (qsizetype i = 0; i < before.size() && at < 0; ++i) {
        if (asciiUpper(before.at(i)).contains(QLatin1String("</HEAD>")))
            at = i;
    }
    if (s.text.isEmpty()) {
        FUZZ_CHECK(added);
        FUZZ_CHECK(r.text() == block.join(QLatin1Char('\n')));
    } else if (at < 0) {
        FUZZ_CHECK(!added);
        FUZZ_CHECK(r.text() == s.text);
        return;
    } else {
        FUZZ_CHECK(added);
        QStringList expected = before;
        for (qsizetype k = block.size(); k-- > 0;)
            expected.insert(at, block.at(k));
        FUZZ_CHECK(r.text() == expected.join(QLatin1Char('\n')));
    }
    undoRestores(r, s.text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const uint8_t flags = input.byte();
    const uint32_t startSeed = input.number(2);
    const uint32_t lengthSeed = input.number(2);
    const RgbColor colour{input.byte(), input.byte(), input.byte()};

    Setup s;
    s.text = documentText(input.rest(), flags & 2);
    const int n = int(s.text.size());
    s.start = int(startSeed % uint32_t(n + 1));
    s.length = int(lengthSeed % uint32_t(n - s.start + 1));
    s.tagCase = flags & 1;
    if (!(flags & 4))
        s.colour = colour;

    tagRemoval(s);
    perLineRule(s, QStringLiteral("aBR"));
    perLineRule(s, QStringLiteral("lstLI"));
    caseConversion(s, true);
    caseConversion(s, false);
    indentThenUnindent(s);
    unindent(s);
    backgroundColour(s);
    colourAttribute(s);
    styleBlock(s);
    return 0;
}
