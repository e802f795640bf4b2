#include "app/AboutBox.h"

#include "app/AppIcon.h"
#include "ProgramVersion.h"

#include "ui_AboutBox.h"

#include <QPushButton>

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent), ui(new Ui::TAboutBox)
{
    ui->setupUi(this);
    ui->ProgramIcon->setPixmap(AppIcon::icon().pixmap(QSize(64, 64), devicePixelRatio()));
    ui->Version->setText(QStringLiteral("Ver." TAGWELL_VERSION_TEXT));
    // The dialog button box would translate "OK"; keep the program's own caption.
    if (QPushButton *ok = ui->OKButton->button(QDialogButtonBox::Ok))
        ok->setText(QStringLiteral("OK"));
}

TAboutBox::~TAboutBox()
{
    delete ui;
}
