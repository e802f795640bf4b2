#include "editing/LineTools.h"

#include "editing/EditContext.h"
#include "editing/IEditBox.h"
#include "editing/UndoSnapshot.h"

#include <QList>

namespace {

// Start offsets of the covered lines, first to last.
QList<int> coveredLineStarts(const IEditBox &box)
{
    const int start = box.selStart();
    const QString selected = box.selectedText();
    QList<int> starts{box.posFromLine(box.lineFromPos(start))};
    const qsizetype lastCounted = selected.size() - 1; // a break there ends the selection
    for (qsizetype i = selected.indexOf(QLatin1Char('\n')); i >= 0 && i < lastCounted;
         i = selected.indexOf(QLatin1Char('\n'), i + 1))
        starts.append(start + int(i) + 1);
    return starts;
}

} // namespace

void LineTools::indent(const EditContext &context)
{
    IEditBox &box = context.box;
    const int start = box.selStart();
    const int length = box.selLength();
    const QList<int> starts = coveredLineStarts(box);
    EditBoxUpdateGuard guard(box);
    // Bottom up, so that the offsets above stay valid.
    for (qsizetype i = starts.size() - 1; i >= 0; --i)
        box.replaceRange(starts[i], 0, QStringLiteral(" "));
    box.setSelection(start + 1, length + int(starts.size()) - 1);
}

bool LineTools::unindent(const EditContext &context)
{
    IEditBox &box = context.box;
    const int start = box.selStart();
    const int end = start + box.selLength();
    const QString text = box.text();
    QList<int> removed;
    for (int pos : coveredLineStarts(box)) {
        if (pos < text.size() && text[pos] == QLatin1Char(' '))
            removed.append(pos);
    }
    if (removed.isEmpty())
        return false;
    auto shifted = [&removed](int p) {
        int before = 0;
        for (int r : removed)
            before += r < p ? 1 : 0;
        return p - before;
    };
    const int newStart = shifted(start);
    const int newEnd = shifted(end);
    EditBoxUpdateGuard guard(box);
    for (qsizetype i = removed.size() - 1; i >= 0; --i)
        box.replaceRange(removed[i], 1, QString());
    box.setSelection(newStart, newEnd - newStart);
    return true;
}

void LineTools::deleteLine(const EditContext &context)
{
    IEditBox &box = context.box;
    context.snapshot.take(box);
    const int index = box.lineFromPos(box.selStart());
    const int lineStart = box.posFromLine(index);
    const int length = int(box.line(index).size());
    const bool last = index >= box.lineCount() - 1;
    EditBoxUpdateGuard guard(box);
    box.replaceRange(lineStart, last ? length : length + 1, QString());
    box.setSelection(lineStart, 0);
}

void LineTools::copyLine(const EditContext &context)
{
    IEditBox &box = context.box;
    context.snapshot.take(box);
    const int index = box.lineFromPos(box.selStart());
    const int lineStart = box.posFromLine(index);
    const QString line = box.line(index);
    EditBoxUpdateGuard guard(box);
    box.replaceRange(lineStart, 0, line + QLatin1Char('\n'));
    box.setSelection(lineStart + int(line.size()) + 1, 0);
}
