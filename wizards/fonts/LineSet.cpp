#include "wizards/fonts/LineSet.h"

#include "ui_LineSet.h"

TLineSet::TLineSet(QWidget *parent) : QDialog(parent), ui(new Ui::TLineSet)
{
    ui->setupUi(this);
    connect(ui->NumRadio, &QRadioButton::clicked, this, [this] { NumRadioClick(); });
    connect(ui->PerRadio, &QRadioButton::clicked, this, [this] { PerRadioClick(); });
    connect(ui->OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TLineSet::~TLineSet()
{
    delete ui;
}

void TLineSet::NumRadioClick()
{
    ui->WidthSpin->setMaximum(1000);
}

void TLineSet::PerRadioClick()
{
    // Lowered first: a wrapping spin field would wrap a value above its new maximum round.
    if (ui->WidthSpin->value() > 100)
        ui->WidthSpin->setValue(100);
    ui->WidthSpin->setMaximum(100);
}

QString TLineSet::tag() const
{
    FontMarkup::Align align = FontMarkup::Align::Center;
    if (ui->LeftRadio->isChecked())
        align = FontMarkup::Align::Left;
    else if (ui->RightRadio->isChecked())
        align = FontMarkup::Align::Right;
    return FontMarkup::rule(ui->SizeSpin->value(), ui->WidthSpin->value(), ui->PerRadio->isChecked(), align,
                            ui->ShadeCheck->isChecked());
}
