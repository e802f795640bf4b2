#include "wizards/links/InputBox.h"

#include "platform/HelpTopic.h"
#include "platform/Platform.h"
#include "wizards/links/LinkMarkup.h"
#include "wizards/shared/RelativePath.h"

#include "ui_InputBox.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QLineEdit>

namespace {
const int DefaultWidth = 345;
const int DialogHeight = 104;
} // namespace

TInputBox::TInputBox(QWidget *parent) : QDialog(parent), ui(new Ui::TInputBox)
{
    ui->setupUi(this);
    // Entries are inserted as typed: no completion may change what the user wrote.
    ui->InputCombo->setCompleter(nullptr);
    connect(ui->OKBtn, &QPushButton::clicked, this, &TInputBox::OkBtnClick);
    connect(ui->HelpBtn, &QPushButton::clicked, this, &TInputBox::HelpBtnClick);
    connect(ui->FindBtn, &QPushButton::clicked, this, &TInputBox::FindBtnClick);
    setMode(LinkMarkup::Comment);
}

TInputBox::~TInputBox()
{
    delete ui;
}

QComboBox *TInputBox::inputCombo() const
{
    return ui->InputCombo;
}

QString TInputBox::captionOf(int mode)
{
    switch (mode) {
    case LinkMarkup::Comment: return QStringLiteral("コメントの入力");
    case LinkMarkup::HomePage: return QStringLiteral("ホームページへのリンク");
    case LinkMarkup::Mail: return QStringLiteral("メールへのリンク");
    case LinkMarkup::Ftp: return QStringLiteral("FTPへのリンク");
    case LinkMarkup::Mark: return QStringLiteral("マークを入れる");
    case LinkMarkup::JumpMark: return QStringLiteral("このファイルのマーカーへリンク");
    case LinkMarkup::JumpFile: return QStringLiteral("他のファイルのマーカーへリンク");
    case LinkMarkup::FileLink:
    case LinkMarkup::FrameSource: return QStringLiteral("ファイルの選択");
    case LinkMarkup::BackgroundImage: return QStringLiteral("画像ファイルの指定");
    case LinkMarkup::FontFamily: return QStringLiteral("フォントファミリーの選択");
    default: return QString();
    }
}

QString TInputBox::labelOf(int mode)
{
    switch (mode) {
    case LinkMarkup::Comment: return QStringLiteral("入力するコメント");
    case LinkMarkup::HomePage: return QStringLiteral("リンク先ホームページのアドレス");
    case LinkMarkup::Mail: return QStringLiteral("メール受信者のアドレス");
    case LinkMarkup::Ftp: return QStringLiteral("FTP先のアドレス");
    case LinkMarkup::Mark: return QStringLiteral("マーク名");
    case LinkMarkup::JumpMark:
    case LinkMarkup::JumpFile: return QStringLiteral("リンク先マーカー");
    case LinkMarkup::FileLink: return QStringLiteral("リンク用のファイルを選んで下さい。");
    case LinkMarkup::FrameSource: return QStringLiteral("フレーム用のファイルを選んで下さい。");
    case LinkMarkup::BackgroundImage: return QStringLiteral("背景用の画像ファイルを選んで下さい。");
    case LinkMarkup::FontFamily: return QStringLiteral("フォント名を選んで下さい。");
    default: return QString();
    }
}

bool TInputBox::hasBrowse(int mode)
{
    return mode == LinkMarkup::FileLink || mode == LinkMarkup::FrameSource || mode == LinkMarkup::BackgroundImage;
}

QString TInputBox::browseTitle(int mode)
{
    switch (mode) {
    case LinkMarkup::FileLink: return QStringLiteral("リンク先ファイルの選択");
    case LinkMarkup::FrameSource: return QStringLiteral("フレームソースの選択");
    case LinkMarkup::BackgroundImage: return QStringLiteral("画像ファイルの選択");
    default: return QString();
    }
}

QStringList TInputBox::browseFilters(int mode)
{
    const QString html = QStringLiteral("HTMLファイル (*.htm *.html)");
    const QString images = QStringLiteral("画像ファイル (*.gif *.jpg *.jpeg *.png)");
    const QString other = QStringLiteral("その他 (*)");
    switch (mode) {
    case LinkMarkup::FileLink:
        return {html, images, QStringLiteral("アーカイブ (*.lzh *.zip)"), other};
    case LinkMarkup::FrameSource:
        return {html, QStringLiteral("テキストファイル (*.txt *.doc)"), other};
    case LinkMarkup::BackgroundImage:
        return {images, QStringLiteral("GIFファイルのみ (*.gif)"), QStringLiteral("JPEGファイルのみ (*.jpg *.jpeg)"),
                QStringLiteral("PNGファイルのみ (*.png)"), other};
    default:
        return {};
    }
}

QString TInputBox::helpAnchor(int mode)
{
    switch (mode) {
    case LinkMarkup::Comment: return QStringLiteral("#Comment");
    case LinkMarkup::Mark: return QStringLiteral("#LinkMark");
    case LinkMarkup::FrameSource: return QStringLiteral("#FrameSrc");
    default: return QString();
    }
}

int TInputBox::widthOf(int mode)
{
    switch (mode) {
    case LinkMarkup::FileLink:
    case LinkMarkup::BackgroundImage: return 418;
    case LinkMarkup::FrameSource: return 410;
    default: return DefaultWidth;
    }
}

void TInputBox::setMode(int mode)
{
    mode_ = mode;
    setWindowTitle(captionOf(mode));
    ui->TitleLabel->setText(labelOf(mode));
    setSimpleEdit(mode == LinkMarkup::Comment || mode == LinkMarkup::Mark || mode == LinkMarkup::BackgroundImage);
    ui->FindBtn->setVisible(hasBrowse(mode));
    // Level with the field and as high as it.
    ui->FindBtn->setFixedHeight(ui->InputCombo->sizeHint().height());
    setEntries({});
    // The modes' widths are where the dialog starts; the layout may need more.
    adjustSize();
    resize(std::max(widthOf(mode), minimumSizeHint().width()), std::max(DialogHeight, minimumSizeHint().height()));
}

void TInputBox::setSimpleEdit(bool simple)
{
    simpleEdit_ = simple;
    // A field without a list shows no drop-down button.
    ui->InputCombo->setStyleSheet(simple ? QStringLiteral("QComboBox { border: 1px solid palette(mid); background: palette(base); }"
                                                        "QComboBox::drop-down { width: 0px; border: none; }")
                                         : QString());
}

void TInputBox::setEntries(const QStringList &entries, int chosen)
{
    QComboBox *combo = ui->InputCombo;
    combo->clear();
    combo->addItems(entries);
    combo->setCurrentIndex(chosen >= 0 && chosen < combo->count() ? chosen : -1);
    if (combo->currentIndex() < 0)
        combo->clearEditText();
}

QStringList TInputBox::entries() const
{
    QStringList out;
    for (int i = 0; i < ui->InputCombo->count(); ++i)
        out << ui->InputCombo->itemText(i);
    return out;
}

void TInputBox::setBrowseBase(const QString &baseName, const QString &firstFolder)
{
    browseBase_ = baseName;
    firstFolder_ = firstFolder;
}

QString TInputBox::input() const
{
    return ui->InputCombo->currentText();
}

int TInputBox::chosenIndex() const
{
    return ui->InputCombo->findText(input(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void TInputBox::OkBtnClick()
{
    accept();
}

void TInputBox::HelpBtnClick()
{
    const QString anchor = helpAnchor(mode_);
    if (anchor.isEmpty())
        Messages::ShowNotYetNotice(this);
    else
        HelpTopic::ShowHelpTopic(this, QStringLiteral("Tips.html"), anchor);
}

void TInputBox::FindBtnClick()
{
    if (!hasBrowse(mode_))
        return;
    Platform::FileRequest request;
    // The first Browse or Open of a document starts in its folder; later ones where
    // the user last was.
    if (!firstFolder_.isEmpty()) {
        request.folder = firstFolder_;
        firstFolder_.clear();
        Q_EMIT firstBrowseUsed();
    }
    request.title = browseTitle(mode_);
    request.filters = browseFilters(mode_);
    const Platform::FileAnswer answer = Platform::instance().openFiles(this, request, false);
    if (answer.files.isEmpty())
        return;
    const QString chosen = QFileInfo(answer.files.first()).absoluteFilePath();
    ui->InputCombo->setEditText(RelativePath::of(chosen, browseBase_));
}
