#include "wizards/fonts/SampleText.h"

#include <QFontMetrics>
#include <QSize>

#include <algorithm>

namespace {
bool endsLine(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator
           || c == QChar::LineSeparator;
}
} // namespace

SampleText::Lines SampleText::firstLines(const QString &text, int maxLines)
{
    Lines result;
    maxLines = std::max(1, maxLines);
    const qsizetype n = text.size();
    qsizetype start = 0;
    while (true) {
        qsizetype end = start;
        while (end < n && !endsLine(text.at(end)))
            ++end;
        result.lines.append(text.mid(start, end - start));
        if (end >= n)
            return result;
        // Past the line end; CR LF counts as one.
        start = end + 1;
        if (text.at(end) == QLatin1Char('\r') && start < n && text.at(start) == QLatin1Char('\n'))
            ++start;
        if (result.lines.size() == maxLines) {
            result.more = start < n;
            return result;
        }
    }
}

QString SampleText::fit(const QString &text, const QFontMetrics &metrics, const QSize &box)
{
    const int lineHeight = std::max(1, metrics.lineSpacing());
    const int width = std::max(1, box.width());
    Lines shown = firstLines(text, box.height() / lineHeight);
    for (QString &line : shown.lines)
        line = metrics.elidedText(line, Qt::ElideRight, width);
    if (shown.more) {
        QString &last = shown.lines.last();
        if (!last.endsWith(Ellipsis)) {
            const int room = width - metrics.horizontalAdvance(Ellipsis);
            last = metrics.elidedText(last, Qt::ElideRight, std::max(0, room));
            if (!last.endsWith(Ellipsis))
                last += Ellipsis;
        }
    }
    return shown.lines.join(QLatin1Char('\n'));
}
