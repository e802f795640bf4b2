#include "userdata/settings/BrowserSetBox.h"

#include "platform/Platform.h"

#include "ui_BrowserSetBox.h"

#include <QFileInfo>

namespace {
bool isFile(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}
} // namespace

TBrowserSetBox::TBrowserSetBox(QWidget *parent) : QDialog(parent), ui(new Ui::TBrowserSetBox)
{
    ui->setupUi(this);
    for (int f = 2; f <= 12; ++f) {
        ui->mainShortCutCombo->addItem(QStringLiteral("F%1").arg(f));
        ui->subShortCutCombo->addItem(QStringLiteral("F%1").arg(f));
    }
    ui->mainShortCutCombo->setCurrentIndex(mainKey_);
    ui->subShortCutCombo->setCurrentIndex(subKey_);
    SubUseChkClick();
    connect(ui->SubUseChk, &QCheckBox::clicked, this, &TBrowserSetBox::SubUseChkClick);
    connect(ui->mainShortCutCombo, &QComboBox::activated, this, &TBrowserSetBox::mainShortCutComboChange);
    connect(ui->subShortCutCombo, &QComboBox::activated, this, &TBrowserSetBox::subShortCutComboChange);
    connect(ui->mainBrowseBtn, &QPushButton::clicked, this, [this] { browse(ui->mainPathEdit); });
    connect(ui->subBrowseBtn, &QPushButton::clicked, this, [this] { browse(ui->subPathEdit); });
    connect(ui->OkBtn, &QPushButton::clicked, this, &TBrowserSetBox::OkBtnClick);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, &TBrowserSetBox::helpRequested);
}

TBrowserSetBox::~TBrowserSetBox()
{
    delete ui;
}

void TBrowserSetBox::setStored(const QString &mainPath, int mainKey, const QString &subPath, int subKey)
{
    if (isFile(mainPath))
        ui->mainPathEdit->setText(mainPath);
    // A hand-edited index outside the list keeps the default key.
    if (mainKey >= 0 && mainKey <= 10)
        mainKey_ = mainKey;
    ui->mainShortCutCombo->setCurrentIndex(mainKey_);
    if (subPath != QStringLiteral("No Use") && isFile(subPath)) {
        ui->SubUseChk->setChecked(true);
        ui->subPathEdit->setText(subPath);
        SubUseChkClick();
        if (subKey >= 0 && subKey <= 10)
            subKey_ = subKey;
        ui->subShortCutCombo->setCurrentIndex(subKey_);
        subShortCutComboChange(subKey_);
    }
    ui->mainPathEdit->setFocus();
}

QString TBrowserSetBox::mainPath() const
{
    return ui->mainPathEdit->text();
}

bool TBrowserSetBox::subUsed() const
{
    return ui->SubUseChk->isChecked();
}

QString TBrowserSetBox::subPath() const
{
    return ui->subPathEdit->text();
}

void TBrowserSetBox::SubUseChkClick()
{
    const bool on = ui->SubUseChk->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(ui->subPathEdit), static_cast<QWidget *>(ui->subShortCutCombo),
                       static_cast<QWidget *>(ui->subBrowseBtn), static_cast<QWidget *>(ui->subPathLabel),
                       static_cast<QWidget *>(ui->subKeyLabel)})
        w->setEnabled(on);
    if (on)
        ui->subPathEdit->setFocus();
}

void TBrowserSetBox::mainShortCutComboChange(int index)
{
    mainKey_ = index;
}

void TBrowserSetBox::subShortCutComboChange(int index)
{
    subKey_ = index;
    if (ui->subShortCutCombo->currentText() == ui->mainShortCutCombo->currentText())
        Platform::instance().messageOnScreenCentre(this, Platform::MessageKind::Warning, windowTitle(),
                                                   QStringLiteral("選択したショートカットキーが重複しています。\r他のキーを選択して下さい。"),
                                                   Platform::Buttons::Ok);
}

void TBrowserSetBox::browse(QLineEdit *edit)
{
    Platform::FileRequest request;
    request.title = QStringLiteral("プレビューブラウザのパス設定");
    request.filters = {QStringLiteral("WWWブラウザ (*)"), QStringLiteral("その他 (*)")};
    request.programsFilter = 0;
    const Platform::FileAnswer answer = Platform::instance().openFiles(this, request, false);
    if (!answer.files.isEmpty())
        edit->setText(answer.files.first());
}

void TBrowserSetBox::OkBtnClick()
{
    if (ui->mainPathEdit->text().isEmpty()) {
        Platform::instance().message(this, Platform::MessageKind::Warning, windowTitle(),
                                     QStringLiteral("ブラウザのパスが設定されていません。\r必ず設定して下さい。"),
                                     Platform::Buttons::Ok);
        ui->mainPathEdit->setFocus();
        return;
    }
    accept();
}
