#include "wizards/links/LinkBox.h"

#include "ui_LinkBox.h"

#include "wizards/shared/ListColumnFit.h"


TLinkBox::TLinkBox(QWidget *parent) : QDialog(parent), ui(new Ui::TLinkBox)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(ui->OpenBtn, &QPushButton::clicked, this, &TLinkBox::OpenBtnClick);
    connect(ui->CloseBtn, &QPushButton::clicked, this, &TLinkBox::CloseBtnClick);
    connect(ui->FileList, &QTreeWidget::itemDoubleClicked, this, &TLinkBox::OpenBtnClick);
}

TLinkBox::~TLinkBox()
{
    delete ui;
}

QString TLinkBox::stateText(LinkRow::State state)
{
    switch (state) {
    case LinkRow::State::Present: return Present;
    case LinkRow::State::Absent: return Absent;
    case LinkRow::State::Unknown: return Unknown;
    case LinkRow::State::Pending: break;
    }
    return Pending;
}

void TLinkBox::showRows(const QList<LinkRow> &rows)
{
    ui->FileList->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.size());
    for (const LinkRow &row : rows) {
        auto *item = new QTreeWidgetItem({QString::number(row.line), row.target, stateText(row.state), row.fullPath});
        item->setTextAlignment(2, Qt::AlignCenter);
        items.append(item);
    }
    ui->FileList->addTopLevelItems(items);
    // Targets and paths are known before any look-up: show them whole from the start.
    if (!rows.isEmpty()) {
        for (int column = 0; column < 4; ++column)
            ListColumnFit::fit(ui->FileList, column);
    }
}

void TLinkBox::updateRows(const QList<LinkRow> &rows, const QList<int> &indexes)
{
    for (int index : indexes) {
        if (QTreeWidgetItem *item = ui->FileList->topLevelItem(index))
            item->setText(2, stateText(rows.at(index).state));
    }
}

void TLinkBox::finish()
{
    complete_ = true;
    setWindowTitle(QStringLiteral("リンクファイル - %1 Files").arg(rowCount()));
    if (rowCount() == 0)
        return;
    // Fitting to the contents never leaves a column narrower than its header, and the
    // header alone would cut "あり" in the list's own font.
    for (int column = 0; column < 4; ++column)
        ListColumnFit::fit(ui->FileList, column);
}

int TLinkBox::rowCount() const
{
    return ui->FileList->topLevelItemCount();
}

QTreeWidget *TLinkBox::fileList() const
{
    return ui->FileList;
}

QStringList TLinkBox::chosenFiles() const
{
    QStringList paths;
    for (int i = 0; i < rowCount(); ++i) {
        const QTreeWidgetItem *item = ui->FileList->topLevelItem(i);
        if (item->isSelected() && item->text(2) == Present)
            paths << item->text(3);
    }
    return paths;
}

void TLinkBox::OpenBtnClick()
{
    const QStringList paths = chosenFiles();
    if (!paths.isEmpty())
        Q_EMIT openRequested(paths);
}

void TLinkBox::CloseBtnClick()
{
    close();
}

void TLinkBox::done(int result)
{
    // Every way of closing ends here: the Close button, Esc and the title bar.
    Q_EMIT sizeToKeep(size());
    QDialog::done(result);
}
