#include "userdata/search/SearchBox.h"

#include "userdata/search/DocumentSearch.h"

#include "ui_SearchBox.h"

TSearchBox::TSearchBox(QWidget *parent) : QDialog(parent), ui(new Ui::TSearchBox)
{
    ui->setupUi(this);
    connect(ui->StartBtn, &QPushButton::clicked, this, &TSearchBox::StartBtnClick);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TSearchBox::~TSearchBox()
{
    delete ui;
}

void TSearchBox::setKeyword(const QString &keyword)
{
    ui->KeywordCombo->setEditText(keyword);
}

QString TSearchBox::keyword() const
{
    // Text pasted into the field may hold several lines; the search is line by line.
    return DocumentSearch::firstLine(ui->KeywordCombo->currentText());
}

void TSearchBox::setHistory(const QStringList &entries)
{
    const QString typed = keyword();
    ui->KeywordCombo->clear();
    ui->KeywordCombo->addItems(entries);
    ui->KeywordCombo->setEditText(typed);
}

QStringList TSearchBox::history() const
{
    QStringList entries;
    for (int i = 0; i < ui->KeywordCombo->count(); ++i)
        entries << ui->KeywordCombo->itemText(i);
    return entries;
}

bool TSearchBox::caseSensitive() const
{
    return ui->CaseCheck->isChecked();
}

QComboBox *TSearchBox::keywordCombo() const
{
    return ui->KeywordCombo;
}

void TSearchBox::StartBtnClick()
{
    // The field shows what is searched for.
    if (keyword() != ui->KeywordCombo->currentText())
        ui->KeywordCombo->setEditText(keyword());
    if (search_ && search_(*this))
        accept();
}
