#include "editing/StringEditBox.h"

#include <algorithm>

StringEditBox::StringEditBox(const QString &text) : text_(text) {}

void StringEditBox::setSelection(int start, int length)
{
    start = std::clamp(start, 0, int(text_.size()));
    length = std::clamp(length, 0, int(text_.size()) - start);
    selStart_ = start;
    selLength_ = length;
}

void StringEditBox::replaceRange(int start, int length, const QString &replacement)
{
    start = std::clamp(start, 0, int(text_.size()));
    length = std::clamp(length, 0, int(text_.size()) - start);
    ++changes_.replaceCalls;
    changes_.removedChars += length;
    changes_.insertedChars += int(replacement.size());
    if (updateDepth_ <= 0)
        ++changes_.callsOutsideUpdate;
    text_.replace(start, length, replacement);
    hasOwnUndo_ = false;
    modified_ = true;
    setSelection(start + int(replacement.size()), 0);
}

void StringEditBox::setWholeText(const QString &text)
{
    ++changes_.wholeTextCalls;
    if (updateDepth_ <= 0)
        ++changes_.callsOutsideUpdate;
    text_ = text;
    hasOwnUndo_ = false;
    setSelection(0, 0);
}

int StringEditBox::lineCount() const
{
    return int(text_.count(QLatin1Char('\n'))) + 1;
}

QString StringEditBox::line(int index) const
{
    if (index < 0 || index >= lineCount())
        return QString();
    const int from = posFromLine(index);
    int to = int(text_.indexOf(QLatin1Char('\n'), from));
    if (to < 0)
        to = int(text_.size());
    return text_.mid(from, to - from);
}

int StringEditBox::lineFromPos(int pos) const
{
    pos = std::clamp(pos, 0, int(text_.size()));
    return int(QStringView(text_).left(pos).count(QLatin1Char('\n')));
}

int StringEditBox::posFromLine(int index) const
{
    if (index <= 0)
        return 0;
    int pos = 0;
    for (int i = 0; i < index; ++i) {
        const qsizetype next = text_.indexOf(QLatin1Char('\n'), pos);
        if (next < 0)
            return -1;
        pos = int(next) + 1;
    }
    return pos;
}

void StringEditBox::undo()
{
    if (!hasOwnUndo_)
        return;
    text_ = ownUndo_;
    hasOwnUndo_ = false;
    modified_ = true;
    setSelection(selStart_, 0);
}

void StringEditBox::type(const QString &typed)
{
    ownUndo_ = text_;
    hasOwnUndo_ = true;
    text_.replace(selStart_, selLength_, typed);
    modified_ = true;
    setSelection(selStart_ + int(typed.size()), 0);
}
