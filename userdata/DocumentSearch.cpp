#include "userdata/DocumentSearch.h"

#include "editing/AsciiCase.h"

#include <algorithm>

namespace {
bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator;
}

// The text upper-cased one window at a time: a copy of a whole long document would take
// as much memory again, and fresh memory costs a page fault every 4 KiB.
class FoldedText
{
public:
    FoldedText(QStringView text, QStringView upperKey) : text_(text), key_(upperKey) {}

    // Where the key starts in the folded text at or after from; -1 when nowhere.
    qsizetype indexOf(qsizetype from)
    {
        constexpr qsizetype Window = DocumentSearch::FoldWindow;
        while (from < text_.size()) {
            const qsizetype start = from - from % Window;
            if (start != start_)
                fill(start);
            // The window holds the key's length less one beyond its end, so a find that
            // starts inside the window is never cut; one starting after it is the next
            // window's.
            const qsizetype p = QStringView(buffer_).indexOf(key_, from - start);
            if (p >= 0 && p < Window)
                return start + p;
            from = start + Window;
        }
        return -1;
    }

private:
    void fill(qsizetype start)
    {
        start_ = start;
        const QStringView part = text_.mid(start, std::min(text_.size() - start, DocumentSearch::FoldWindow + key_.size() - 1));
        buffer_.resize(part.size());
        QChar *out = buffer_.data();
        for (QChar c : part) {
            const char16_t u = c.unicode();
            *out++ = u >= u'a' && u <= u'z' ? QChar(char16_t(u - (u'a' - u'A'))) : c;
        }
    }

    QStringView text_;
    QStringView key_;
    QString buffer_;
    qsizetype start_ = -1;
};
} // namespace

QList<SearchHit> DocumentSearch::findAll(QStringView text, const QString &keyword, bool caseSensitive)
{
    QList<SearchHit> hits;
    if (keyword.isEmpty() || std::any_of(keyword.begin(), keyword.end(), isLineBreak))
        return hits;

    const QString key = caseSensitive ? keyword : AsciiCase::upper(keyword);
    FoldedText folded(text, key);
    const auto next = [&](qsizetype from) { return caseSensitive ? text.indexOf(key, from) : folded.indexOf(from); };

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
        hit.text = text.mid(shownFrom, std::min<qsizetype>(lineEnd - shownFrom, RowTextLimit)).toString();
        hits.append(std::move(hit));
        previousEnd = pos + key.size();
        from = previousEnd;
    }
    return hits;
}

QString DocumentSearch::keywordFromSelection(const QString &selection)
{
    const auto end = std::find_if(selection.begin(), selection.end(), isLineBreak);
    return selection.left(end - selection.begin());
}
