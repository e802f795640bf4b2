#include "userdata/search/DocumentSearch.h"

#include "editing/AsciiCase.h"

#include <algorithm>

namespace {
bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator;
}

// Where key starts at or after from, blind to the case of the single-byte letters only.
// Qt's own blind search folds every letter, so it finds each of these and perhaps more (a
// Kelvin sign for a K, say); those are passed over. No copy of the text is made.
qsizetype indexOfAsciiBlind(QStringView text, QStringView key, qsizetype from)
{
    for (;;) {
        const qsizetype p = text.indexOf(key, from, Qt::CaseInsensitive);
        if (p < 0 || AsciiCase::indexOf(text.mid(p, key.size()), key) == 0)
            return p;
        from = p + 1;
    }
}
} // namespace

QList<SearchHit> DocumentSearch::findAll(QStringView text, const QString &keyword, bool caseSensitive)
{
    QList<SearchHit> hits;
    if (keyword.isEmpty() || std::any_of(keyword.begin(), keyword.end(), isLineBreak))
        return hits;

    const QString &key = keyword;
    const auto next = [&](qsizetype from) {
        return caseSensitive ? text.indexOf(key, from) : indexOfAsciiBlind(text, key, from);
    };

    const qsizetype size = text.size();
    int line = 0;
    qsizetype lineStart = 0;
    qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    if (lineEnd < 0)
        lineEnd = size;
    qsizetype previousEnd = 0; // end of the previous occurrence on this line, or the line start
    qsizetype from = 0;
    while (from <= size) {
        const qsizetype pos = next(from);
        if (pos < 0)
            break;
        if (pos > lineEnd) {
            while (pos > lineEnd) {
                lineStart = lineEnd + 1;
                ++line;
                lineEnd = text.indexOf(QLatin1Char('\n'), lineStart);
                if (lineEnd < 0)
                    lineEnd = size;
            }
            previousEnd = lineStart;
        }
        // Never inside a character: the second half of a surrogate pair starts nothing.
        if (text[pos].isLowSurrogate() && pos > lineStart && text[pos - 1].isHighSurrogate()) {
            from = pos + 1;
            continue;
        }
        const qsizetype shownFrom = std::max(pos - 2, previousEnd);
        SearchHit hit;
        hit.line = line;
        hit.column = int(pos - lineStart);
        hit.from = shownFrom;
        hit.length = int(std::min<qsizetype>(lineEnd - shownFrom, RowTextLimit));
        hits.append(hit);
        previousEnd = pos + key.size();
        from = previousEnd;
    }
    return hits;
}

QString DocumentSearch::firstLine(const QString &text)
{
    const auto end = std::find_if(text.begin(), text.end(), isLineBreak);
    return text.left(end - text.begin());
}
