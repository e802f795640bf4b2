#include "wizards/lists/ListSet.h"

#include "ui_ListSet.h"

TListSet::TListSet(QWidget *parent) : QDialog(parent), ui(new Ui::TListSet)
{
    ui->setupUi(this);
    connect(ui->TypeButtons, &QButtonGroup::buttonToggled, this, [this] { TypeGroupClick(); });
    connect(ui->OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    ui->ListCntEdit->setFocus();
}

TListSet::~TListSet()
{
    delete ui;
}

void TListSet::TypeGroupClick()
{
    const int kind = options().kind;
    ui->StartNumEdit->setEnabled(kind == ListMarkup::Numbered);
    for (QAbstractButton *b : ui->LetterButtons->buttons())
        b->setEnabled(kind == ListMarkup::Lettered);
    ui->DTEdit->setEnabled(kind == ListMarkup::Definition);
}

ListMarkup::Options TListSet::options() const
{
    ListMarkup::Options o;
    o.kind = ui->OLRadio->isChecked()       ? ListMarkup::Numbered
             : ui->LetterRadio->isChecked() ? ListMarkup::Lettered
             : ui->DLRadio->isChecked()     ? ListMarkup::Definition
                                            : ListMarkup::Bulleted;
    o.items = ui->ListCntEdit->value();
    o.start = ui->StartNumEdit->value();
    o.letterStyle = ui->ELRadio->isChecked() ? 1 : ui->RSRadio->isChecked() ? 2 : ui->RLRadio->isChecked() ? 3 : 0;
    o.definitions = ui->DTEdit->value();
    return o;
}
