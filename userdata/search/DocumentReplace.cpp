#include "userdata/search/DocumentReplace.h"

#include "editing/EditContext.h"
#include "editing/IEditBox.h"
#include "editing/LineSeparators.h"
#include "editing/RangeEdit.h"
#include "editing/UndoSnapshot.h"
#include "userdata/search/TextReplace.h"

#include <algorithm>

namespace {
struct Bounds
{
    int start;
    int end;
};

Bounds boundsOf(const DocumentReplace::Scope &scope, int length)
{
    if (scope.whole())
        return {0, length};
    const int start = std::clamp(scope.start, 0, length);
    return {start, std::clamp(scope.end, start, length)};
}
} // namespace

DocumentReplace::Outcome DocumentReplace::find(IEditBox &box, const QString &key, bool caseSensitive, bool backwards,
                                               const Scope &scope)
{
    if (key.isEmpty())
        return Outcome::NotFound;
    // The box's own text: no pass over it for line breaks, which the key never holds.
    const QString text = box.storedText();
    const Bounds b = boundsOf(scope, int(text.size()));
    const int selStart = box.selStart();
    const int selEnd = selStart + box.selLength();
    qsizetype at = -1;
    bool wrapped = false;
    if (backwards) {
        // Before the selection's start; one that starts there and overlaps it counts too.
        const qsizetype before = std::clamp<qsizetype>(qsizetype(selStart) + key.size() - 1, b.start, b.end);
        at = TextReplace::findPrevious(text, key, b.start, before, caseSensitive);
        if (at < 0) {
            at = TextReplace::findPrevious(text, key, b.start, b.end, caseSensitive);
            wrapped = at >= 0;
        }
    } else {
        const int from = std::clamp(selEnd, b.start, b.end);
        at = TextReplace::findNext(text, key, from, b.end, caseSensitive);
        if (at < 0) {
            at = TextReplace::findNext(text, key, b.start, b.end, caseSensitive);
            wrapped = at >= 0;
        }
    }
    if (at < 0)
        return Outcome::NotFound;
    // Going round to the one already selected is still going round.
    box.setSelection(int(at), int(key.size()));
    return wrapped ? Outcome::Wrapped : Outcome::Found;
}

DocumentReplace::Outcome DocumentReplace::find(IEditBox &box, const QString &key, bool caseSensitive, bool backwards)
{
    return find(box, key, caseSensitive, backwards, Scope());
}

DocumentReplace::Outcome DocumentReplace::replace(const EditContext &context, const Request &request, Scope &scope)
{
    IEditBox &box = context.box;
    const QString replacement = LineSeparators::plainLines(request.replacement);
    const int start = box.selStart();
    const Bounds b = boundsOf(scope, box.length());
    if (box.selLength() == request.find.size() && start >= b.start && start + box.selLength() <= b.end &&
        TextReplace::matchesAt(box.selectedText(), request.find, 0, request.caseSensitive)) {
        context.snapshot.take(box);
        {
            EditBoxUpdateGuard guard(box);
            box.replaceRange(start, box.selLength(), replacement);
            box.setSelection(start + int(replacement.size()), 0);
        }
        if (!scope.whole())
            scope.end += int(replacement.size() - request.find.size());
    }
    return find(box, request.find, request.caseSensitive, false, scope);
}

int DocumentReplace::replaceAll(const EditContext &context, const Request &request, Scope &scope)
{
    IEditBox &box = context.box;
    if (request.find.isEmpty())
        return 0;
    const QString text = box.storedText();
    const Bounds b = boundsOf(scope, int(text.size()));
    const QStringView range = QStringView(text).mid(b.start, b.end - b.start);
    const int caret = box.selStart();
    qsizetype kept = std::clamp(caret - b.start, 0, b.end - b.start);
    const TextReplace::Result result =
        TextReplace::replaceAll(range, request.find, LineSeparators::plainLines(request.replacement),
                                request.caseSensitive, &kept);
    if (result.count == 0)
        return 0;
    const IEditBox::View view = box.view();
    context.snapshot.take(box);
    {
        EditBoxUpdateGuard guard(box);
        RangeEdit::replace(box, b.start, range, result.text);
        const int grown = int(result.text.size() - range.size());
        if (!scope.whole()) {
            scope.end = b.end + grown;
            box.setSelection(b.start, scope.end - b.start);
        } else if (caret < b.start) {
            box.setSelection(caret, 0);
        } else if (caret >= b.end) {
            box.setSelection(caret + grown, 0);
        } else {
            box.setSelection(b.start + int(kept), 0);
        }
    }
    box.setView(view);
    return result.count;
}
