#include "wizards/lists/ListOption.h"

#include "wizards/lists/ListMarkup.h"

#include "ui_ListOption.h"

TListOption::TListOption(QWidget *parent) : QDialog(parent), ui(new Ui::TListOption)
{
    ui->setupUi(this);
    connect(ui->TargetButtons, &QButtonGroup::buttonToggled, this, [this] { TargetClick(); });
    connect(ui->OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TListOption::~TListOption()
{
    delete ui;
}

void TListOption::TargetClick()
{
    ui->ValueEdit->setEnabled(ui->LIRadio->isChecked());
    ui->StartEdit->setEnabled(ui->OLRadio->isChecked());
}

QString TListOption::insertion(int tagCase) const
{
    const QString letter = ui->LowerRadio->isChecked()        ? QStringLiteral("a")
                           : ui->UpperRadio->isChecked()      ? QStringLiteral("A")
                           : ui->SmallRomanRadio->isChecked() ? QStringLiteral("i")
                           : ui->LargeRomanRadio->isChecked() ? QStringLiteral("I")
                                                              : QStringLiteral("1");
    const bool ol = ui->OLRadio->isChecked();
    return ListMarkup::option(ol ? ListMarkup::ForOL : ListMarkup::ForLI, letter,
                              ol ? ui->StartEdit->value() : ui->ValueEdit->value(), tagCase);
}
