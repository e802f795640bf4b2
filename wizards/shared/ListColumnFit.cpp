#include "wizards/shared/ListColumnFit.h"

#include <QHeaderView>
#include <QTreeWidget>

#include <algorithm>
#include <numeric>

void ListColumnFit::fit(QTreeView *list, int column, const std::function<qsizetype(int row)> &length)
{
    const QAbstractItemModel *model = list->model();
    const int rows = model->rowCount();
    QList<int> measured(rows);
    std::iota(measured.begin(), measured.end(), 0);
    QList<qsizetype> lengths(rows);
    for (int row = 0; row < rows; ++row)
        lengths[row] = length(row);
    const int longest = std::min(rows, LongestRowsMeasured);
    std::partial_sort(measured.begin(), measured.begin() + longest, measured.end(),
                      [&lengths](int a, int b) { return lengths[a] > lengths[b]; });
    measured.resize(longest);
    for (int row = 0; row < std::min(rows, TopRowsMeasured); ++row)
        measured.append(row);

    list->ensurePolished();
    QHeaderView *header = list->header();
    int width = header->isHidden() ? 0 : header->sectionSizeHint(column);
    // The first column also holds the branch indicators' room when the list shows them.
    const int indent = column == 0 && list->rootIsDecorated() ? list->indentation() : 0;
    for (int row : std::as_const(measured))
        width = std::max(width, list->sizeHintForIndex(model->index(row, column)).width() + indent);
    header->resizeSection(column, width);
}

void ListColumnFit::fit(QTreeWidget *list, int column)
{
    fit(list, column, [list, column](int row) { return list->topLevelItem(row)->text(column).size(); });
}
