#include "editing/UndoHistory.h"

#include <algorithm>

void UndoHistory::beginGroup(int caret)
{
    if (groupDepth_++ == 0) {
        groupCaret_ = caret;
        groupStarted_ = false;
    }
}

void UndoHistory::endGroup()
{
    if (groupDepth_ > 0 && --groupDepth_ == 0) {
        if (groupStarted_ && done_ > 0)
            steps_[done_ - 1].open = false;
        groupStarted_ = false;
        trim();
    }
}

void UndoHistory::close()
{
    if (done_ > 0)
        steps_[done_ - 1].open = false;
}

bool UndoHistory::joinsTyping(const Step &top, int position, int removed, int added)
{
    if (!top.open || top.kind != Kind::Typing)
        return false;
    const int end = top.position + top.shownLength;
    if (removed == 0)
        return top.typed && position == end;
    if (added != 0)
        return false;
    if (top.typed)
        return position >= top.position && position + removed <= end;
    // Backspace or Delete again where the last one was.
    return position + removed == top.position || position == top.position;
}

void UndoHistory::record(QStringView before, int position, int removed, QStringView added, Kind kind)
{
    position = std::clamp(position, 0, int(before.size()));
    removed = std::clamp(removed, 0, int(before.size()) - position);
    if (done_ < steps_.size()) {
        // A change after Undo drops what could have been redone.
        for (qsizetype i = done_; i < steps_.size(); ++i)
            held_ -= bytes(steps_[i].held);
        steps_.resize(done_);
    }
    const bool inGroup = groupDepth_ > 0;
    Step *top = done_ > 0 ? &steps_[done_ - 1] : nullptr;
    const bool join = top && (inGroup ? groupStarted_
                                      : kind == Kind::Typing && joinsTyping(*top, position, removed, int(added.size())));
    if (join) {
        // One step over the union of both stretches, in the text as it stood before.
        const int oldStart = top->position;
        const int oldEnd = top->position + top->shownLength;
        const int start = std::min(oldStart, position);
        const int end = std::max(oldEnd, position + removed);
        QString held;
        held.reserve((oldStart - start) + top->held.size() + (end - oldEnd));
        held += before.mid(start, oldStart - start);
        held += top->held;
        held += before.mid(oldEnd, end - oldEnd);
        held_ += bytes(held) - bytes(top->held);
        top->held = std::move(held);
        top->position = start;
        top->shownLength = end - start + int(added.size()) - removed;
    } else {
        if (top)
            top->open = false;
        Step step;
        step.position = position;
        step.held = before.mid(position, removed).toString();
        step.shownLength = int(added.size());
        step.kind = inGroup ? Kind::Command : kind;
        step.caretBefore = inGroup ? groupCaret_ : -1;
        step.open = true;
        step.typed = !added.isEmpty();
        held_ += bytes(step.held);
        steps_.append(std::move(step));
        ++done_;
        if (inGroup)
            groupStarted_ = true;
    }
    Step &now = steps_[done_ - 1];
    if (!inGroup && (now.kind == Kind::Command || added.contains(QLatin1Char('\n')) ||
                     added.contains(QChar::ParagraphSeparator)))
        now.open = false;
    if (!inGroup)
        trim();
}

int UndoHistory::undo(const Apply &apply)
{
    if (!canUndo())
        return -1;
    Step &step = steps_[--done_];
    step.open = false;
    const QString shown = apply(step.position, step.shownLength, step.held);
    held_ += bytes(shown) - bytes(step.held);
    const int restored = int(step.held.size());
    step.held = shown;
    step.shownLength = restored;
    return step.caretBefore >= 0 ? step.caretBefore : step.position + restored;
}

int UndoHistory::redo(const Apply &apply)
{
    if (!canRedo())
        return -1;
    Step &step = steps_[done_++];
    const QString shown = apply(step.position, step.shownLength, step.held);
    held_ += bytes(shown) - bytes(step.held);
    const int restored = int(step.held.size());
    step.held = shown;
    step.shownLength = restored;
    trim();
    return step.position + restored;
}

void UndoHistory::clear()
{
    steps_.clear();
    done_ = 0;
    held_ = 0;
    groupStarted_ = false;
}

void UndoHistory::setLimit(qint64 bytes)
{
    limit_ = bytes;
    trim();
}

void UndoHistory::trim()
{
    // The oldest first; the step just made (or just redone) stays whatever it holds.
    qsizetype drop = 0;
    while (held_ > limit_ && drop < steps_.size() - 1 && drop < done_ - 1) {
        held_ -= bytes(steps_[drop].held);
        ++drop;
    }
    if (drop > 0) {
        steps_.remove(0, drop);
        done_ -= int(drop);
    }
}
