#include "userdata/search/TextReplace.h"

#include "editing/AsciiCase.h"

#include <algorithm>

namespace {
bool startsInsidePair(QStringView text, qsizetype pos)
{
    return pos > 0 && pos < text.size() && text[pos].isLowSurrogate() && text[pos - 1].isHighSurrogate();
}

bool sameBlind(QStringView a, QStringView b)
{
    return a.size() == b.size() && AsciiCase::indexOf(a, b) == 0;
}
} // namespace

bool TextReplace::matchesAt(QStringView text, QStringView key, qsizetype pos, bool caseSensitive)
{
    if (key.isEmpty() || pos < 0 || pos + key.size() > text.size() || startsInsidePair(text, pos))
        return false;
    const QStringView here = text.mid(pos, key.size());
    return caseSensitive ? here == key : sameBlind(here, key);
}

qsizetype TextReplace::findNext(QStringView text, QStringView key, qsizetype from, qsizetype end, bool caseSensitive)
{
    end = std::min(end, text.size());
    from = std::max<qsizetype>(from, 0);
    if (key.isEmpty())
        return -1;
    // Qt's blind search folds every letter, so it finds each of ours and perhaps more (a
    // Kelvin sign for a K); those are passed over.
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QStringView range = text.left(end);
    while (from + key.size() <= end) {
        const qsizetype p = range.indexOf(key, from, cs);
        if (p < 0)
            return -1;
        if (matchesAt(text, key, p, caseSensitive))
            return p;
        from = p + 1;
    }
    return -1;
}

qsizetype TextReplace::findPrevious(QStringView text, QStringView key, qsizetype begin, qsizetype before,
                                    bool caseSensitive)
{
    before = std::min(before, text.size());
    begin = std::max<qsizetype>(begin, 0);
    if (key.isEmpty())
        return -1;
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QStringView range = text.left(before);
    qsizetype from = before - key.size();
    while (from >= begin) {
        const qsizetype p = range.lastIndexOf(key, from, cs);
        if (p < begin)
            return -1;
        if (matchesAt(text, key, p, caseSensitive))
            return p;
        from = p - 1;
    }
    return -1;
}

int TextReplace::count(QStringView text, QStringView key, bool caseSensitive)
{
    int n = 0;
    for (qsizetype p = findNext(text, key, 0, text.size(), caseSensitive); p >= 0;
         p = findNext(text, key, p + key.size(), text.size(), caseSensitive))
        ++n;
    return n;
}

TextReplace::Result TextReplace::replaceAll(QStringView text, QStringView key, QStringView replacement,
                                            bool caseSensitive, qsizetype *position)
{
    Result result;
    qsizetype p = findNext(text, key, 0, text.size(), caseSensitive);
    if (p < 0) {
        result.text = text.toString();
        return result;
    }
    const qsizetype tracked = position ? *position : -1;
    qsizetype moved = tracked;
    const qsizetype delta = replacement.size() - key.size();
    result.text.reserve(text.size() + std::max<qsizetype>(delta, 0) * 64);
    qsizetype copied = 0;
    for (; p >= 0; p = findNext(text, key, copied, text.size(), caseSensitive)) {
        result.text += text.mid(copied, p - copied);
        result.text += replacement;
        copied = p + key.size();
        ++result.count;
        if (tracked >= copied)
            moved += delta;
        else if (tracked > p)
            moved = result.text.size(); // the end of this replacement
    }
    result.text += text.mid(copied);
    if (position)
        *position = moved;
    return result;
}
