#include "userdata/FindB.h"

#include "ui_FindBox.h"


namespace {
constexpr int LineRole = Qt::UserRole;
constexpr int ColumnRole = Qt::UserRole + 1;
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
    for (const SearchHit &hit : hits) {
        auto *item = new QTreeWidgetItem({QString::number(hit.line + 1), hit.text});
        item->setData(0, LineRole, hit.line);
        item->setData(0, ColumnRole, hit.column);
        items.append(item);
    }
    ui->ListView->clear();
    ui->ListView->addTopLevelItems(items);
    // Long documents have line numbers wider than the header.
    ui->ListView->resizeColumnToContents(0);
    ui->ListView->resizeColumnToContents(1);
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
    const QTreeWidgetItem *item = selected.first();
    Q_EMIT jumpRequested(item->data(0, LineRole).toInt(), item->data(0, ColumnRole).toInt(), keywordLength_);
}

void TFindBox::CloseBtnClick()
{
    Q_EMIT sizeToKeep(size());
    close();
}
