#include "userdata/listmanager/slListBox.h"

#include "ui_slListBox.h"

TslListBox::TslListBox(Mode mode, const QStringList &items, QWidget *parent)
    : QDialog(parent), ui(new Ui::TslListBox), mode_(mode)
{
    ui->setupUi(this);
    switch (mode) {
    case FileSets: setWindowTitle(QStringLiteral("ファイルセットを開く")); break;
    case CustomTags: setWindowTitle(QStringLiteral("カスタムタグの入力")); break;
    case Templates: setWindowTitle(QStringLiteral("テンプレートの入力")); break;
    }
    ui->ListBox->addItems(items);
    connect(ui->ListBox, &QListWidget::itemDoubleClicked, this, &TslListBox::OkBtnClick);
    connect(ui->OkBtn, &QPushButton::clicked, this, &TslListBox::OkBtnClick);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TslListBox::~TslListBox()
{
    delete ui;
}

int TslListBox::selectedIndex() const
{
    const QList<QListWidgetItem *> chosen = ui->ListBox->selectedItems();
    return chosen.isEmpty() ? -1 : ui->ListBox->row(chosen.first());
}

QString TslListBox::selectedText() const
{
    const int k = selectedIndex();
    return k < 0 ? QString() : ui->ListBox->item(k)->text();
}

void TslListBox::OkBtnClick()
{
    // A file set must be chosen; the other pickers close and do nothing.
    if (mode_ == FileSets && selectedIndex() < 0)
        return;
    accept();
}
