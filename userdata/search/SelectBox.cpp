#include "userdata/search/SelectBox.h"

#include "ui_SelectBox.h"

#include "wizards/shared/ListColumnFit.h"

#include <QHeaderView>

TSelectBox::TSelectBox(QWidget *parent) : QDialog(parent), ui(new Ui::TSelectBox)
{
    ui->setupUi(this);
    connect(ui->JumpBtn, &QPushButton::clicked, this, &TSelectBox::JumpBtnClick);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->ListView, &QTreeWidget::itemDoubleClicked, this, &TSelectBox::JumpBtnClick);
}

TSelectBox::~TSelectBox()
{
    delete ui;
}

void TSelectBox::setRows(const QList<JumpRow> &rows, int mode)
{
    rows_ = rows;
    mode_ = mode;
    const bool links = mode == JumpScan::Links;
    setWindowTitle(links ? QStringLiteral("リンクへジャンプ") : QStringLiteral("コメントへジャンプ"));
    ui->ListView->headerItem()->setText(1, links ? QStringLiteral("見つかったリンク先") : QStringLiteral("見つかったコメント"));
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        auto *item = new QTreeWidgetItem({QString::number(rows[i].line + 1), rows[i].text});
        item->setData(0, Qt::UserRole, int(i));
        items.append(item);
    }
    ui->ListView->clear();
    ui->ListView->addTopLevelItems(items);
    QHeaderView *header = ui->ListView->header();
    ListColumnFit::fit(ui->ListView, 0);
    if (links)
        ListColumnFit::fit(ui->ListView, 1);
    else
        ui->ListView->setColumnWidth(1, header->sectionSizeHint(1));
}

int TSelectBox::rowCount() const
{
    return ui->ListView->topLevelItemCount();
}

QTreeWidget *TSelectBox::listView() const
{
    return ui->ListView;
}

void TSelectBox::JumpBtnClick()
{
    const QList<QTreeWidgetItem *> selected = ui->ListView->selectedItems();
    if (selected.size() != 1)
        return;
    chosen_ = rows_.value(selected.first()->data(0, Qt::UserRole).toInt());
    accept();
}

void TSelectBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ui->ListView->setFocus();
    QTreeWidgetItem *top = ui->ListView->itemAt(QPoint(1, 1));
    if (!top)
        top = ui->ListView->topLevelItem(0);
    if (top)
        ui->ListView->setCurrentItem(top);
}
