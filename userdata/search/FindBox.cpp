#include "userdata/search/FindBox.h"

#include "ui_FindBox.h"

#include "userdata/search/SearchResults.h"
#include "wizards/shared/ListColumnFit.h"

TFindBox::TFindBox(QWidget *parent) : QDialog(parent), ui(new Ui::TFindBox), results_(new SearchResults(this))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->ListView->setModel(results_);
    connect(ui->OkBtn, &QPushButton::clicked, this, &TFindBox::OkBtnClick);
    connect(ui->CloseBtn, &QPushButton::clicked, this, &TFindBox::CloseBtnClick);
    connect(ui->HelpBtn, &QPushButton::clicked, this, &TFindBox::helpRequested);
    connect(ui->ListView, &QTreeView::doubleClicked, this, &TFindBox::OkBtnClick);
}

TFindBox::~TFindBox()
{
    delete ui;
}

void TFindBox::setResults(const QString &text, QList<SearchHit> hits, int keywordLength)
{
    keywordLength_ = keywordLength;
    results_->setResults(text, std::move(hits));
    // Long documents have line numbers wider than the header.
    for (int column : {0, 1})
        ListColumnFit::fit(ui->ListView, column, [this, column](int row) { return results_->shownLength(row, column); });
}

int TFindBox::rowCount() const
{
    return results_->rowCount();
}

QTreeView *TFindBox::listView() const
{
    return ui->ListView;
}

void TFindBox::OkBtnClick()
{
    const QModelIndexList selected = ui->ListView->selectionModel()->selectedRows();
    if (selected.size() != 1)
        return;
    const SearchHit &hit = results_->hit(selected.first().row());
    Q_EMIT jumpRequested(hit.line, hit.column, keywordLength_);
}

void TFindBox::CloseBtnClick()
{
    Q_EMIT sizeToKeep(size());
    close();
}
