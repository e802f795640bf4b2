#include "userdata/search/FindBox.h"

#include "ui_FindBox.h"

#include "wizards/shared/ListColumnFit.h"

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
    ListColumnFit::fit(ui->ListView, 0, [&hits](int row) {
        qsizetype digits = 1;
        for (int number = hits[row].line + 1; number >= 10; number /= 10)
            ++digits;
        return digits;
    });
    ListColumnFit::fit(ui->ListView, 1, [&hits](int row) { return hits[row].text.size(); });
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
