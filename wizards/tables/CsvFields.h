#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The table wizard's reading of comma-separated text. A field is either quoted ("" inside
// stands for one quote) or runs up to the next comma or blank, so an unquoted blank also
// ends a field. Blanks (codes 1 to 32) around fields and commas are skipped.
class CsvFields
{
public:
    // The fields of one line. Two commas in a row give an empty field between them; a comma
    // at the end adds none. A NUL character ends the line.
    static QStringList split(QStringView line);

    // CR LF, CR and LF each end a line; a break at the very end starts no further line.
    static QStringList lines(QStringView text);

    // The grid a file fills: one row per line, as many columns as the first line has fields
    // (at least one). Every row has exactly that many cells: extra fields are dropped, missing
    // ones are empty. Empty text gives no rows.
    static QList<QStringList> grid(QStringView text);

    // The grid as the wizard takes it in: at most maxRows rows of at most maxColumns cells,
    // and at least minRows rows (empty ones added below). What did not fit is counted, not
    // kept, so no text makes more than the capped grid. Empty text gives no rows.
    struct Capped
    {
        QList<QStringList> rows;
        qsizetype rowsLeftOut = 0;
        qsizetype columnsLeftOut = 0;
    };
    static Capped cappedGrid(QStringView text, int maxRows, int maxColumns, int minRows);

    // The fields of one line, at most maxFields of them; total (when given) counts them all.
    static QStringList split(QStringView line, qsizetype maxFields, qsizetype *total);
};
