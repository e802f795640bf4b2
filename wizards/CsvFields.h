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
};
