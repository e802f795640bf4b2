#include "app/AboutBox.h"

#include "ui_AboutBox.h"

#include <QPushButton>

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent), ui(new Ui::TAboutBox)
{
    ui->setupUi(this);
    // The dialog button box would translate "OK"; keep the program's own caption.
    if (QPushButton *ok = ui->OKButton->button(QDialogButtonBox::Ok))
        ok->setText(QStringLiteral("OK"));
}

TAboutBox::~TAboutBox()
{
    delete ui;
}
