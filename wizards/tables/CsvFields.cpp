#include "wizards/tables/CsvFields.h"

#include <algorithm>

namespace {
bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}
} // namespace

QStringList CsvFields::split(QStringView line)
{
    return split(line, -1, nullptr);
}

QStringList CsvFields::split(QStringView line, qsizetype maxFields, qsizetype *total)
{
    qsizetype count = 0;
    // Nothing after a NUL can be read as a field.
    const qsizetype nul = line.indexOf(QChar(0));
    if (nul >= 0)
        line = line.left(nul);
    const qsizetype n = line.size();
    QStringList fields;
    qsizetype i = 0;
    while (i < n && isBlank(line[i]))
        ++i;
    while (i < n) {
        QString field;
        if (line[i] == QLatin1Char('"')) {
            ++i;
            while (i < n) {
                if (line[i] == QLatin1Char('"')) {
                    if (i + 1 < n && line[i + 1] == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i; // the closing quote
                    break;
                }
                field += line[i++];
            }
        } else {
            const qsizetype start = i;
            while (i < n && line[i].unicode() > 32 && line[i] != QLatin1Char(','))
                ++i;
            field = line.mid(start, i - start).toString();
        }
        if (maxFields < 0 || count < maxFields)
            fields << field;
        ++count;
        while (i < n && isBlank(line[i]))
            ++i;
        if (i < n && line[i] == QLatin1Char(',')) {
            ++i;
            while (i < n && isBlank(line[i]))
                ++i;
        }
    }
    if (total)
        *total = count;
    return fields;
}

QStringList CsvFields::lines(QStringView text)
{
    QStringList out;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] != QLatin1Char('\r') && text[i] != QLatin1Char('\n'))
            continue;
        out << text.mid(start, i - start).toString();
        if (text[i] == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        out << text.mid(start).toString();
    return out;
}

QList<QStringList> CsvFields::grid(QStringView text)
{
    const QStringList all = lines(text);
    QList<QStringList> rows;
    if (all.isEmpty())
        return rows;
    // A grid has at least one column, even when the first line holds no field.
    const qsizetype columns = std::max<qsizetype>(split(all.first()).size(), 1);
    rows.reserve(all.size());
    for (const QString &line : all) {
        QStringList cells = split(line);
        if (cells.size() > columns)
            cells.resize(columns);
        while (cells.size() < columns)
            cells << QString();
        rows << cells;
    }
    return rows;
}

CsvFields::Capped CsvFields::cappedGrid(QStringView text, int maxRows, int maxColumns, int minRows)
{
    Capped capped;
    maxRows = std::max(maxRows, 1);
    maxColumns = std::max(maxColumns, 1);
    qsizetype columns = 0;
    qsizetype lineCount = 0;
    qsizetype start = 0;
    const qsizetype n = text.size();
    // The lines are walked here rather than through lines(): only the kept ones become strings.
    auto takeLine = [&](QStringView line) {
        if (lineCount < maxRows) {
            qsizetype total = 0;
            QStringList cells = split(line, maxColumns, &total);
            if (lineCount == 0) {
                // The first line decides the columns, as in grid().
                columns = std::clamp<qsizetype>(total, 1, maxColumns);
                capped.columnsLeftOut = std::max<qsizetype>(total - maxColumns, 0);
            }
            if (cells.size() > columns)
                cells.resize(columns);
            while (cells.size() < columns)
                cells << QString();
            capped.rows << cells;
        }
        ++lineCount;
    };
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] != QLatin1Char('\r') && text[i] != QLatin1Char('\n'))
            continue;
        takeLine(text.mid(start, i - start));
        if (text[i] == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        takeLine(text.mid(start));
    capped.rowsLeftOut = std::max<qsizetype>(lineCount - maxRows, 0);
    if (capped.rows.isEmpty())
        return capped;
    while (capped.rows.size() < std::min(minRows, maxRows))
        capped.rows << QStringList(columns, QString());
    return capped;
}
