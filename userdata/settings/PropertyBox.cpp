#include "userdata/settings/PropertyBox.h"

#include "userdata/settings/SettingsText.h"

#include "ui_PropertyBox.h"

TPropertyBox::TPropertyBox(QWidget *parent) : QDialog(parent), ui(new Ui::TPropertyBox)
{
    ui->setupUi(this);
    connect(ui->CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
    // The help button has no page to show.
}

TPropertyBox::~TPropertyBox()
{
    delete ui;
}

void TPropertyBox::showDocument(const QString &name, const QString &diskSize, const QStringList &lines)
{
    const SettingsText::SplitName split = SettingsText::splitName(name);
    ui->FileNameLabel->setText(split.first);
    ui->MoreFileNameLabel->setText(split.more);
    ui->DiskSizeLabel->setText(diskSize);
    ui->LineLabel->setText(QString::number(lines.size()));
    if (const std::optional<QString> title = SettingsText::title(lines))
        ui->TitleLabel->setText(*title);
    ui->LinkLabel->setText(QString::number(SettingsText::linkCount(lines)));
}
