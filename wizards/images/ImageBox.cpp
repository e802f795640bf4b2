#include "wizards/images/ImageBox.h"

#include "platform/HelpTopic.h"
#include "platform/FileSizeText.h"
#include "platform/Platform.h"
#include "wizards/images/ImageSize.h"
#include "wizards/shared/RelativePath.h"

#include "ui_ImageBox.h"

#include <QFileInfo>

TImageBox::TImageBox(const QString &activeDocument, QWidget *parent)
    : QDialog(parent), ui(new Ui::TImageBox), activeDocument_(activeDocument)
{
    ui->setupUi(this);
    const std::pair<QCheckBox *, QSpinBox *> spins[] = {
        {ui->HSCheck, ui->HSpaceSpin}, {ui->VSCheck, ui->VSpaceSpin}, {ui->BorderCheck, ui->BorderSpin}};
    for (const auto &[check, spin] : spins) {
        connect(check, &QCheckBox::toggled, this, [spin = spin](bool on) {
            spin->setEnabled(on);
            if (on)
                spin->setFocus();
        });
    }
    connect(ui->OptionChk, &QCheckBox::toggled, this, [this] { OptionChkClick(); });
    connect(ui->Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(ui->PathRadio, &QRadioButton::clicked, this, [this] { PathRadioClick(); });
    connect(ui->NameRadio, &QRadioButton::clicked, this, [this] { NameRadioClick(); });
    connect(ui->AltFileBtn, &QPushButton::clicked, this, [this] { AltFileBtnClick(); });
    connect(ui->AltSizeBtn, &QPushButton::clicked, this, [this] { AltSizeBtnClick(); });
    connect(ui->AltClearBtn, &QPushButton::clicked, this, [this] { AltClearBtnClick(); });
    connect(ui->OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
    ui->ImageFile->setFocus();
}

TImageBox::~TImageBox()
{
    delete ui;
}

void TImageBox::startWithOptionsOnly()
{
    ui->OptionChk->setChecked(true);
    ui->AltEdit->setFocus();
}

ImageMarkup::Fields TImageBox::fields() const
{
    ImageMarkup::Fields f;
    f.alt = ui->AltEdit->text();
    f.width = ui->WidthEdit->text();
    f.height = ui->HeightEdit->text();
    f.hspace = ui->HSCheck->isChecked();
    f.hspaceValue = ui->HSpaceSpin->value();
    f.vspace = ui->VSCheck->isChecked();
    f.vspaceValue = ui->VSpaceSpin->value();
    f.border = ui->BorderCheck->isChecked();
    f.borderValue = ui->BorderSpin->value();
    return f;
}

QString TImageBox::insertion(int tagCase) const
{
    if (ui->OptionChk->isChecked())
        return ImageMarkup::attributes(fields(), tagCase);
    return ImageMarkup::tag(ui->ImageFile->text(), fields(), tagCase);
}

void TImageBox::Button1Click()
{
    Platform::FileRequest request;
    request.title = QStringLiteral("画像ファイルの選択");
    request.filters = {QStringLiteral("画像ファイル (*.gif *.jpg *.jpeg *.png)"), QStringLiteral("GIFファイルのみ (*.gif)"),
                       QStringLiteral("JPEGファイルのみ (*.jpg *.jpeg)"), QStringLiteral("PNGファイルのみ (*.png)"),
                       QStringLiteral("その他 (*)")};
    request.filterIndex = 0;
    const Platform::FileAnswer answer = Platform::instance().openFiles(this, request, false);
    if (!answer.files.isEmpty())
        useFile(answer.files.first());
}

bool TImageBox::useFile(const QString &path)
{
    const ImageSize::Result size = ImageSize::readFile(path);
    if (size.status == ImageSize::Status::Failed) {
        Platform::instance().message(this, Platform::MessageKind::Warning, Messages::AppTitle,
                                     QStringLiteral("\"") + path + QStringLiteral("\" から画像の大きさを読み取れませんでした。\r\n") +
                                         size.error,
                                     Platform::Buttons::Ok);
        return false;
    }
    if (size.status == ImageSize::Status::Read) {
        ui->WidthEdit->setText(QString::number(size.width));
        ui->HeightEdit->setText(QString::number(size.height));
    }
    chosenFile_ = QFileInfo(path).absoluteFilePath();
    if (ui->PathRadio->isChecked())
        PathRadioClick();
    else
        NameRadioClick();
    return true;
}

void TImageBox::PathRadioClick()
{
    if (!chosenFile_.isEmpty())
        ui->ImageFile->setText(RelativePath::of(chosenFile_, activeDocument_));
}

void TImageBox::NameRadioClick()
{
    if (!chosenFile_.isEmpty())
        ui->ImageFile->setText(QFileInfo(chosenFile_).fileName());
}

void TImageBox::appendToAlt(const QString &text)
{
    const QString alt = ui->AltEdit->text();
    ui->AltEdit->setText(alt.isEmpty() ? text : alt + QLatin1Char(' ') + text);
}

void TImageBox::AltFileBtnClick()
{
    // Without a picked file there is no name to add.
    if (!chosenFile_.isEmpty())
        appendToAlt(QFileInfo(chosenFile_).fileName());
}

void TImageBox::AltSizeBtnClick()
{
    appendToAlt(FileSizeText(chosenFile_));
}

void TImageBox::AltClearBtnClick()
{
    ui->AltEdit->clear();
}

void TImageBox::OptionChkClick()
{
    const bool fileWanted = !ui->OptionChk->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(ui->FileGroup), static_cast<QWidget *>(ui->ImageFile),
                       static_cast<QWidget *>(ui->PathRadio), static_cast<QWidget *>(ui->NameRadio),
                       static_cast<QWidget *>(ui->Button1)})
        w->setEnabled(fileWanted);
    if (fileWanted)
        ui->ImageFile->setFocus();
}

void TImageBox::HelpBtnClick()
{
    HelpTopic::ShowHelpTopic(this, QStringLiteral("Tips.html"), QStringLiteral("#Image"));
}
