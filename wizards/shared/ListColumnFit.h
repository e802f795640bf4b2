#pragma once

#include <QtGlobal>

#include <functional>

class QTreeView;
class QTreeWidget;

// Fits a list's column to its widest row without laying out every row. Qt's own fit lays
// out the text of up to a thousand rows near the top, which for a long list costs more than
// filling it, and misses a long row further down. The widest rows are taken to be those
// with the most characters, so those and the rows in view at the top are measured; the
// column is never narrower than its header.
class ListColumnFit
{
public:
    static constexpr int LongestRowsMeasured = 32;
    static constexpr int TopRowsMeasured = 32;

    // length(row) is the number of characters the row shows in the column.
    static void fit(QTreeView *list, int column, const std::function<qsizetype(int row)> &length);
    // The lengths read from the list's own items.
    static void fit(QTreeWidget *list, int column);
};
