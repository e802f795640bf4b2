#include "userdata/FindB.h"

#include "ui_FindBox.h"

#include <QHeaderView>

#include <algorithm>
#include <numeric>

namespace {
// Rows measured for the text column's width, besides those at the top.
constexpr int LongestRowsMeasured = 32;
constexpr int TopRowsMeasured = 32;
} // namespace

TFindBox::TFindBox(QWidget *parent) : QDialog(parent), ui(new Ui::TFindBox)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(ui->OkBtn, &QPushButton::clicked, this, &TFindBox::OkBtnClick);
    connect(ui->CloseBtn, &QPushButton::clicked, this, &TFindBox::CloseBtnClick);
    connect(ui->HelpBtn, &QPushButton::clicked, this, &TFindBox::helpRequested);
    connect(ui->ListView, &QTreeWidget::itemDoubleClicked, this, &TFindBox::OkBtnClick);
}

TFindBox::~TFindBox()
{
    delete ui;
}

void TFindBox::setResults(const QList<SearchHit> &hits, int keywordLength)
{
    keywordLength_ = keywordLength;
    QList<QTreeWidgetItem *> items;
    items.reserve(hits.size());
    places_.clear();
    places_.reserve(hits.size());
    for (const SearchHit &hit : hits) {
        items.append(new QTreeWidgetItem({QString::number(hit.line + 1), hit.text}));
        places_.append({hit.line, hit.column});
    }
    ui->ListView->clear();
    ui->ListView->addTopLevelItems(items);
    // Long documents have line numbers wider than the header.
    ui->ListView->resizeColumnToContents(0);
    fitTextColumn(hits);
}

void TFindBox::fitTextColumn(const QList<SearchHit> &hits)
{
    // Qt's own fit lays out the text of up to a thousand rows near the top, which for a
    // long list costs more than filling it, and misses a long row further down. The
    // widest rows are the ones with the most characters, so those and the rows in view
    // at the top are measured.
    QTreeWidget *list = ui->ListView;
    const int rows = int(hits.size());
    QList<int> measured(rows);
    std::iota(measured.begin(), measured.end(), 0);
    const auto longer = [&hits](int a, int b) { return hits[a].text.size() > hits[b].text.size(); };
    const qsizetype longest = std::min<qsizetype>(rows, LongestRowsMeasured);
    std::partial_sort(measured.begin(), measured.begin() + longest, measured.end(), longer);
    measured.resize(longest);
    for (int row = 0; row < std::min(rows, TopRowsMeasured); ++row)
        measured.append(row);
    list->ensurePolished();
    int width = list->header()->isHidden() ? 0 : list->header()->sectionSizeHint(1);
    for (int row : std::as_const(measured))
        width = std::max(width, list->sizeHintForIndex(list->model()->index(row, 1)).width());
    list->header()->resizeSection(1, width);
}

int TFindBox::rowCount() const
{
    return ui->ListView->topLevelItemCount();
}

QTreeWidget *TFindBox::listView() const
{
    return ui->ListView;
}

void TFindBox::OkBtnClick()
{
    const QList<QTreeWidgetItem *> selected = ui->ListView->selectedItems();
    if (selected.size() != 1)
        return;
    const int row = ui->ListView->indexOfTopLevelItem(selected.first());
    if (row < 0 || row >= places_.size())
        return;
    Q_EMIT jumpRequested(places_[row].first, places_[row].second, keywordLength_);
}

void TFindBox::CloseBtnClick()
{
    Q_EMIT sizeToKeep(size());
    close();
}
