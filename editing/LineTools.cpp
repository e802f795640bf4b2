#include "editing/LineTools.h"

#include "editing/EditContext.h"
#include "editing/IEditBox.h"
#include "editing/RangeEdit.h"
#include "editing/UndoSnapshot.h"

#include <QList>
#include <QStringList>

#include <algorithm>

namespace {

// The lines a selection covers, read from the box line by line (not a copy of the
// whole document), with the text they make up together.
struct CoveredLines
{
    int firstLine = 0;
    int start = 0;      // offset of the first covered line
    QStringList lines;
    QString joined;     // the covered lines with their breaks between them
};

CoveredLines coveredLines(const IEditBox &box)
{
    CoveredLines covered;
    const QString selected = box.selectedText();
    // One line more for every break inside the selection; a break that ends it does not count.
    const qsizetype breaks = selected.left(std::max<qsizetype>(0, selected.size() - 1)).count(QLatin1Char('\n'));
    covered.firstLine = box.lineFromPos(box.selStart());
    covered.start = box.posFromLine(covered.firstLine);
    for (qsizetype i = 0; i <= breaks; ++i)
        covered.lines.append(box.line(covered.firstLine + int(i)));
    covered.joined = covered.lines.join(QLatin1Char('\n'));
    return covered;
}

} // namespace

// Both commands put the covered lines back in one replacement: a text widget lays
// the document out again for every change, so ten thousand single-space edits would
// take ten thousand times as long.
void LineTools::indent(const EditContext &context)
{
    IEditBox &box = context.box;
    const int start = box.selStart();
    const int length = box.selLength();
    const CoveredLines covered = coveredLines(box);
    QString indented;
    indented.reserve(covered.joined.size() + covered.lines.size());
    for (qsizetype i = 0; i < covered.lines.size(); ++i) {
        if (i > 0)
            indented += QLatin1Char('\n');
        indented += QLatin1Char(' ');
        indented += covered.lines[i];
    }
    EditBoxUpdateGuard guard(box);
    RangeEdit::replace(box, covered.start, covered.joined, indented);
    box.setSelection(start + 1, length + int(covered.lines.size()) - 1);
}

bool LineTools::unindent(const EditContext &context)
{
    IEditBox &box = context.box;
    const int start = box.selStart();
    const int end = start + box.selLength();
    const CoveredLines covered = coveredLines(box);
    // Offsets of the removed spaces, in order.
    QList<int> removed;
    QString unindented;
    unindented.reserve(covered.joined.size());
    int lineStart = covered.start;
    for (qsizetype i = 0; i < covered.lines.size(); ++i) {
        const QString &line = covered.lines[i];
        if (i > 0)
            unindented += QLatin1Char('\n');
        const bool space = line.startsWith(QLatin1Char(' '));
        if (space)
            removed.append(lineStart);
        unindented += QStringView(line).mid(space ? 1 : 0);
        lineStart += int(line.size()) + 1;
    }
    if (removed.isEmpty())
        return false;
    auto shifted = [&removed](int p) {
        // Spaces removed before p; the list is sorted.
        return p - int(std::lower_bound(removed.cbegin(), removed.cend(), p) - removed.cbegin());
    };
    const int newStart = shifted(start);
    const int newEnd = shifted(end);
    EditBoxUpdateGuard guard(box);
    RangeEdit::replace(box, covered.start, covered.joined, unindented);
    box.setSelection(newStart, newEnd - newStart);
    return true;
}

void LineTools::deleteLine(const EditContext &context)
{
    IEditBox &box = context.box;
    if (box.length() == 0)
        return; // an empty document has no line to act on
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
    if (box.length() == 0)
        return; // an empty document has no line to act on
    context.snapshot.take(box);
    const int index = box.lineFromPos(box.selStart());
    const int lineStart = box.posFromLine(index);
    const QString line = box.line(index);
    EditBoxUpdateGuard guard(box);
    box.replaceRange(lineStart, 0, line + QLatin1Char('\n'));
    box.setSelection(lineStart + int(line.size()) + 1, 0);
}
