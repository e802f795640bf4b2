#include "wizards/fonts/HeaderBox.h"

#include "ui_HeaderBox.h"

#include <QButtonGroup>

THeaderBox::THeaderBox(QWidget *parent)
    : QDialog(parent), ui(new Ui::THeaderBox), levels_(new QButtonGroup(this)), aligns_(new QButtonGroup(this))
{
    ui->setupUi(this);
    QRadioButton *levels[] = {ui->Size1, ui->Size2, ui->Size3, ui->Size4, ui->Size5, ui->Size6};
    for (int i = 0; i < 6; ++i)
        levels_->addButton(levels[i], i + 1);
    aligns_->addButton(ui->AlignNone, int(FontMarkup::Align::None));
    aligns_->addButton(ui->AlignLeft, int(FontMarkup::Align::Left));
    aligns_->addButton(ui->AlignCenter, int(FontMarkup::Align::Center));
    aligns_->addButton(ui->AlignRight, int(FontMarkup::Align::Right));
    connect(ui->OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

THeaderBox::~THeaderBox()
{
    delete ui;
}

int THeaderBox::level() const
{
    return levels_->checkedId();
}

FontMarkup::Align THeaderBox::alignment() const
{
    return FontMarkup::Align(aligns_->checkedId());
}
