#include "userdata/settings/HomeSet.h"

#include "platform/Platform.h"
#include "userdata/settings/SettingsText.h"

#include "ui_HomeSet.h"

#include <QFileInfo>

THomeSet::THomeSet(const QString &defaultFolder, const QString &stored, QWidget *parent)
    : QDialog(parent), ui(new Ui::THomeSet), defaultFolder_(defaultFolder)
{
    ui->setupUi(this);
    const bool none = stored.isEmpty() || stored == QStringLiteral("No");
    ui->PathEdit->setText(none ? defaultFolder : stored);
    connect(ui->HomeChk, &QCheckBox::clicked, this, &THomeSet::HomeChkClick);
    connect(ui->FindBtn, &QPushButton::clicked, this, &THomeSet::FindBtnClick);
    connect(ui->OkBtn, &QPushButton::clicked, this, &THomeSet::OkBtnClick);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, &THomeSet::HelpBtnClick);
}

THomeSet::~THomeSet()
{
    delete ui;
}

void THomeSet::HomeChkClick()
{
    const bool none = ui->HomeChk->isChecked();
    if (none)
        ui->PathEdit->setText(defaultFolder_);
    ui->PathEdit->setEnabled(!none);
    ui->FindBtn->setEnabled(!none);
    if (!none)
        ui->PathEdit->setFocus();
}

void THomeSet::FindBtnClick()
{
    const QString folder = Platform::instance().chooseFolder(this, QStringLiteral("ホームフォルダの設定"), QStringLiteral("/"));
    if (!folder.isEmpty())
        ui->PathEdit->setText(folder);
}

void THomeSet::OkBtnClick()
{
    const QString path = ui->PathEdit->text();
    if (path.isEmpty() || !QFileInfo(path).isDir()) {
        Platform::instance().message(this, Platform::MessageKind::Plain, windowTitle(),
                                     QStringLiteral("指定したフォルダは存在しません。\r\nもう一度指定して下さい。"),
                                     Platform::Buttons::Ok);
        ui->PathEdit->setText(defaultFolder_);
        ui->PathEdit->setFocus();
        return;
    }
    chosen_ = SettingsText::sameFolder(path, defaultFolder_) ? QString() : path;
    accept();
}

void THomeSet::HelpBtnClick()
{
    const QPoint at = mapToGlobal(ui->HelpBtn->geometry().topLeft());
    Platform::instance().message(this, Platform::MessageKind::Information, Messages::InfoTitle,
                                 QStringLiteral("ホームフォルダを指定すると\r\nとっても便利です。(笑)"),
                                 Platform::Buttons::Ok, at);
}
