#include "userdata/search/JumpScan.h"

#include "editing/AsciiCase.h"

#include <algorithm>

QString JumpScan::startMarker(int mode)
{
    return mode == Links ? QStringLiteral("<A ") : QStringLiteral("<!--");
}

QString JumpScan::endMarker(int mode)
{
    return mode == Links ? QStringLiteral(">") : QStringLiteral("-->");
}

QList<JumpRow> JumpScan::scan(QStringView text, int mode)
{
    const QString start = startMarker(mode);
    const QString end = endMarker(mode);
    QList<JumpRow> rows;
    int line = 0;
    qsizetype lineStart = 0;
    while (lineStart <= text.size()) {
        qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        const QStringView lineText = text.mid(lineStart, lineEnd - lineStart);
        qsizetype from = 0;
        for (;;) {
            const qsizetype p = AsciiCase::indexOf(lineText, start, from);
            if (p < 0)
                break;
            const qsizetype e = lineText.indexOf(end, p + start.size());
            const qsizetype rowEnd = e < 0 ? lineText.size() : e + end.size();
            JumpRow row;
            row.line = line;
            row.column = int(p);
            row.text = lineText.mid(p, std::min<qsizetype>(rowEnd - p, RowTextLimit)).toString();
            rows.append(std::move(row));
            from = rowEnd;
        }
        lineStart = lineEnd + 1;
        ++line;
    }
    return rows;
}
