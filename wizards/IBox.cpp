#include "wizards/IBox.h"

#include "app/EditBox.h"
#include "app/HelpTopic.h"
#include "app/MainForm.h"
#include "platform/Platform.h"
#include "platform/ProfileStore.h"
#include "wizards/AddressHistory.h"
#include "wizards/LinkMarkup.h"
#include "wizards/RelativePath.h"

#include "ui_InputBox.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QLineEdit>

namespace {
const int DefaultWidth = 345;
const int DialogHeight = 104;
const int Margin = 8;
const int ButtonWidth = 75;
const int ButtonGap = 5;

const QString StyleSheetSection = QStringLiteral("StyleSheet");
const QString FamilyKey = QStringLiteral("Family");

QString folderOf(const QString &name)
{
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : name.left(slash + 1);
}
} // namespace

TInputBox::TInputBox(TMainForm &form) : QDialog(&form), ui(new Ui::TInputBox), form_(form)
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

QRect TInputBox::browseGeometry(int mode)
{
    switch (mode) {
    case LinkMarkup::FileLink: return QRect(340, 31, 60, 25);
    case LinkMarkup::FrameSource: return QRect(340, 32, 60, 25);
    case LinkMarkup::BackgroundImage: return QRect(344, 31, 60, 25);
    default: return QRect();
    }
}

void TInputBox::setMode(int mode)
{
    mode_ = mode;
    setWindowTitle(captionOf(mode));
    ui->TitleLabel->setText(labelOf(mode));
    setSimpleEdit(mode == LinkMarkup::Comment || mode == LinkMarkup::Mark || mode == LinkMarkup::BackgroundImage);
    applyLayout();
    loadContents();
}

void TInputBox::setSimpleEdit(bool simple)
{
    simpleEdit_ = simple;
    // A field without a list shows no drop-down button.
    ui->InputCombo->setStyleSheet(simple ? QStringLiteral("QComboBox { border: 1px solid palette(mid); background: palette(base); }"
                                                        "QComboBox::drop-down { width: 0px; border: none; }")
                                         : QString());
}

void TInputBox::applyLayout()
{
    const int width = widthOf(mode_);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setFixedSize(width, DialogHeight);

    const QRect combo = ui->InputCombo->geometry();
    if (hasBrowse(mode_)) {
        const QRect browse = browseGeometry(mode_);
        // Level with the combo box and as high as it.
        ui->InputCombo->setGeometry(Margin, browse.top(), browse.left() - 2 * Margin, browse.height());
        ui->FindBtn->setGeometry(browse);
        ui->FindBtn->show();
    } else {
        ui->InputCombo->setGeometry(Margin, 31, width - 2 * Margin, combo.height());
        ui->FindBtn->hide();
    }
    ui->TitleLabel->setGeometry(Margin, Margin, width - 2 * Margin, ui->TitleLabel->height());

    // The buttons keep to the right edge, Help left of OK.
    const int top = ui->OKBtn->y();
    const int cancelLeft = width - Margin - ButtonWidth;
    ui->CancelBtn->move(cancelLeft, top);
    ui->OKBtn->move(cancelLeft - ButtonGap - ButtonWidth, top);
    ui->HelpBtn->move(cancelLeft - 2 * (ButtonGap + ButtonWidth), top);
}

void TInputBox::loadContents()
{
    QComboBox *combo = ui->InputCombo;
    combo->clear();
    switch (mode_) {
    case LinkMarkup::HomePage:
    case LinkMarkup::Mail:
    case LinkMarkup::Ftp:
        combo->addItems(AddressHistory::load(ProfileStore(form_.iniPath()), AddressHistory::sectionOf(mode_)));
        break;
    case LinkMarkup::JumpMark:
        if (EditBox *box = form_.activeBox())
            combo->addItems(LinkMarkup::marksIn(box->lines()));
        break;
    case LinkMarkup::JumpFile:
        combo->addItems(marksOfOtherDocuments());
        break;
    case LinkMarkup::FileLink:
    case LinkMarkup::FrameSource:
        combo->addItems(otherDocumentsRelative());
        break;
    case LinkMarkup::FontFamily:
        combo->addItems(LinkMarkup::familyNames(QFontDatabase::families()));
        break;
    default:
        break;
    }

    // Only the mark lists and the font list start with an entry chosen.
    int chosen = -1;
    if (mode_ == LinkMarkup::JumpMark || mode_ == LinkMarkup::JumpFile) {
        chosen = combo->count() > 0 ? 0 : -1;
    } else if (mode_ == LinkMarkup::FontFamily) {
        const int stored = ProfileStore(form_.iniPath()).readInteger(StyleSheetSection, FamilyKey, 0);
        chosen = stored >= 0 && stored < combo->count() ? stored : -1;
    }
    combo->setCurrentIndex(chosen);
    if (chosen < 0)
        combo->clearEditText();
}

QStringList TInputBox::marksOfOtherDocuments() const
{
    QStringList entries;
    const int active = form_.activeIndex();
    for (int i = 0; i < form_.tabCount(); ++i) {
        if (i == active)
            continue;
        EditBox *box = form_.EditBoxOfTab(i);
        if (!box)
            continue;
        const QString caption = form_.TabCaptionOf(i);
        const QStringList marks = LinkMarkup::marksIn(box->lines());
        for (const QString &mark : marks)
            entries << LinkMarkup::markInDocument(caption, mark);
    }
    return entries;
}

QStringList TInputBox::otherDocumentsRelative() const
{
    QStringList names = form_.documentNames();
    const int active = form_.activeIndex();
    if (active >= 0 && active < names.size())
        names.removeAt(active);
    const QString base = form_.ActiveDocumentName();
    QStringList entries;
    for (const QString &name : names)
        entries << RelativePath::of(name, base);
    return entries;
}

void TInputBox::OkBtnClick()
{
    if (!form_.activeBox())
        return reject();
    const QString input = ui->InputCombo->currentText();
    LinkMarkup::apply(LinkMarkup::forMode(mode_, input, form_.styleCase()), form_.editContext());

    const QString section = AddressHistory::sectionOf(mode_);
    if (!section.isEmpty()) {
        QStringList entries;
        for (int i = 0; i < ui->InputCombo->count(); ++i)
            entries << ui->InputCombo->itemText(i);
        entries = AddressHistory::withNewest(input, entries);
        ui->InputCombo->clear();
        ui->InputCombo->addItems(entries);
        ProfileStore ini(form_.iniPath());
        form_.settingsWritten(AddressHistory::save(ini, section, entries), ini);
    } else if (mode_ == LinkMarkup::FontFamily) {
        // A typed name that is not an installed font chooses no entry.
        const int index = ui->InputCombo->findText(input, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ProfileStore ini(form_.iniPath());
        form_.settingsWritten(ini.writeInteger(StyleSheetSection, FamilyKey, index), ini);
    }
    accept();
}

void TInputBox::HelpBtnClick()
{
    const QString anchor = helpAnchor(mode_);
    if (anchor.isEmpty())
        form_.ShowNotYetNotice();
    else
        HelpTopic::ShowHelpTopic(this, QStringLiteral("Tips.html"), anchor);
}

void TInputBox::FindBtnClick()
{
    if (!hasBrowse(mode_))
        return;
    EditBox *box = form_.activeBox();
    const QString active = form_.ActiveDocumentName();
    Platform::FileRequest request;
    // The first Browse or Open of a document starts in its folder; later ones where
    // the user last was. The flag is the tab's, shared with the Open command.
    if (box && box->property("browseFlag").toInt() == 0) {
        request.folder = folderOf(active);
        box->setProperty("browseFlag", 1);
    }
    request.title = browseTitle(mode_);
    request.filters = browseFilters(mode_);
    const Platform::FileAnswer answer = Platform::instance().openFiles(this, request, false);
    if (answer.files.isEmpty())
        return;
    const QString chosen = QFileInfo(answer.files.first()).absoluteFilePath();
    ui->InputCombo->setEditText(RelativePath::of(chosen, active));
}
