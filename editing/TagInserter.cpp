#include "editing/TagInserter.h"

#include "editing/AsciiCase.h"
#include "editing/EditContext.h"
#include "editing/IEditBox.h"
#include "editing/RangeEdit.h"
#include "editing/UndoSnapshot.h"

namespace {

bool isBlank(QChar c) { return c.unicode() <= 32; }

} // namespace

void TagInserter::InsertTagPair(const QString &head, const QString &foot)
{
    ctx_.snapshot.take(ctx_.box);
    const bool lower = !AsciiCase::isUpper(ctx_.tagCase);
    wrapSelection(lower ? AsciiCase::lower(head) : head, lower ? AsciiCase::lower(foot) : foot);
}

void TagInserter::InsertTagPairWithText(const QString &head, const QString &text, const QString &foot)
{
    ctx_.snapshot.take(ctx_.box);
    const bool lower = !AsciiCase::isUpper(ctx_.tagCase);
    wrapSelection((lower ? AsciiCase::lower(head) : head) + text, lower ? AsciiCase::lower(foot) : foot);
}

void TagInserter::InsertTagText(const QString &text, bool keepCase)
{
    QString t = trimTrailing(text);
    ctx_.snapshot.take(ctx_.box);
    if (!keepCase && !AsciiCase::isUpper(ctx_.tagCase))
        t = AsciiCase::lower(t);
    replaceSelection(t);
}

void TagInserter::InsertCasedText(const QString &text)
{
    ctx_.snapshot.take(ctx_.box);
    replaceSelection(TagCase(text));
}

void TagInserter::RewriteSelection(const QString &result)
{
    const QString t = trimLastLineBlanks(result);
    ctx_.snapshot.take(ctx_.box);
    replaceSelection(t);
}

QString TagInserter::TagCase(QStringView text) const
{
    return AsciiCase::forSetting(text, ctx_.tagCase);
}

QString TagInserter::StyleCase(QStringView text) const
{
    return AsciiCase::forSetting(text, ctx_.styleCase);
}

QString TagInserter::trimTrailing(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && isBlank(text[end - 1]))
        --end;
    return text.left(end).toString();
}

QString TagInserter::trimLastLineBlanks(QStringView text)
{
    const bool endsInBreak = text.endsWith(QLatin1Char('\n'));
    QStringView body = endsInBreak ? text.chopped(1) : text;
    qsizetype end = body.size();
    while (end > 0 && isBlank(body[end - 1]) && body[end - 1] != QLatin1Char('\n'))
        --end;
    QString result = body.left(end).toString();
    if (endsInBreak)
        result += QLatin1Char('\n');
    return result;
}

void TagInserter::replaceSelection(const QString &replacement)
{
    IEditBox &box = ctx_.box;
    EditBoxUpdateGuard guard(box);
    const int start = box.selStart();
    RangeEdit::replace(box, start, box.selectedText(), replacement);
    box.setSelection(start + int(replacement.size()), 0);
}

void TagInserter::wrapSelection(const QString &head, const QString &foot)
{
    IEditBox &box = ctx_.box;
    EditBoxUpdateGuard guard(box);
    const int start = box.selStart();
    const int length = box.selLength();
    if (length > 0) {
        // The selected text stays where it is: only the two tags go in.
        box.replaceRange(start + length, 0, foot);
        box.replaceRange(start, 0, head);
        box.setSelection(start + int(head.size()) + length + int(foot.size()), 0);
    } else {
        box.replaceRange(start, 0, head + foot);
        box.setSelection(start + int(head.size()), 0);
    }
}
