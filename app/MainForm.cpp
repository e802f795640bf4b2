#include "app/MainForm.h"

#include "app/About.h"
#include "app/CommandGroups.h"
#include "app/CommandRegistry.h"
#include "app/DialogPlacement.h"
#include "app/DocumentManager.h"
#include "app/SettingsKeys.h"
#include "app/EditBox.h"
#include "app/FontFallback.h"
#include "app/Result.h"
#include "editing/MenuEnabling.h"
#include "platform/FileSizeText.h"
#include "platform/ProfileStore.h"
#include "platform/ProgramFolder.h"

#include "ui_MainForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QToolButton>

#include <algorithm>

namespace {
const QString ModifiedMark = QStringLiteral("変更あり");

// TW.ini keeps colours as the other platform's BGR integers; negative values name
// its system colours, which have no meaning here, so they give the default.
QColor colorFromStored(int value, const QColor &fallback)
{
    if (value < 0 || value > 0xFFFFFF)
        return fallback;
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QFont fontFromStored(const StoredFont &stored, bool monospaceFallback)
{
    return FontFallback::fromStored(stored, monospaceFallback ? FontFallback::Kind::Monospace : FontFallback::Kind::Proportional);
}

QStringList openFilters(bool afterFirstUse)
{
    return {QStringLiteral("HTMLファイル (*.htm *.html)"),
            afterFirstUse ? QStringLiteral("テキストファイル (*.txt *.doc)") : QStringLiteral("テキストファイル (*.txt)"),
            QStringLiteral("その他 (*)")};
}

} // namespace

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent), ui(new Ui::TMainForm)
{
    // The tool button images live in the library, which the linker would otherwise drop.
    Q_INIT_RESOURCE(images);
    ui->setupUi(this);
    setWindowTitle(AppTitle);
    setWindowIconText(AppTitle);

    programFolder_ = ProgramFolder::path();
    docs_ = new DocumentManager(this, [this](const QString &text) { ShowInfo(text); });
    commands_ = new CommandRegistry(this, [this](CommandNeed need) { return needMet(need); });
    // The page template folder; the templates themselves are the user's.
    QDir().mkpath(programFolder_ + QStringLiteral("Temp"));

    for (int i = 0; i < 4; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        panels_[i]->setAlignment(i < 3 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        statusBar()->addWidget(panels_[i]);
    }
    timer_.setInterval(30000);
    connect(&timer_, &QTimer::timeout, this, &TMainForm::refreshDate);

    ui->PageControl->tabBar()->setContextMenuPolicy(Qt::CustomContextMenu);
    ui->PageControl->setContextMenuPolicy(Qt::CustomContextMenu);
    auto pagePopup = [this](const QPoint &) {
        PagePopupPopup();
        ui->PagePopup->exec(QCursor::pos());
    };
    connect(ui->PageControl->tabBar(), &QWidget::customContextMenuRequested, this, pagePopup);
    connect(ui->PageControl, &QWidget::customContextMenuRequested, this, pagePopup);
    connect(ui->PageControl, &QTabWidget::currentChanged, this, [this](int) {
        if (!tabSignalsQuiet_)
            PageControlChange();
    });

    connect(ui->MenuFile, &QMenu::aboutToShow, this, [this] {
        MenuFileClick();
        commands_->applyNeeds();
    });
    connect(ui->MenuEdit, &QMenu::aboutToShow, this, [this] {
        MenuEditClick();
        commands_->applyNeeds();
    });
    connect(ui->MenuHtml, &QMenu::aboutToShow, this, [this] {
        MenuHtmlClick();
        commands_->applyNeeds();
    });
    connect(ui->MenuCSS, &QMenu::aboutToShow, this, [this] {
        MenuCSSClick();
        commands_->applyNeeds();
    });
    connect(ui->MenuSearch, &QMenu::aboutToShow, this, [this] {
        MenuSearchClick();
        commands_->applyNeeds();
    });
    connect(ui->MenuOption, &QMenu::aboutToShow, this, [this] {
        MenuOptionClick();
        commands_->applyNeeds();
    });
    connect(ui->MenuTool, &QMenu::aboutToShow, this, [this] {
        MenuToolClick();
        commands_->applyNeeds();
    });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TMainForm::refreshEnabling);

    bindCommands();
    LoadSettings();
    LayoutStatusBar();
    CommandGroups::installAll(*this);
    commands_->disableUnbuilt();
    qApp->installEventFilter(this);
    UpdateTitle();
    UpdateModifiedMark();
    UpdateToolButtons();
}

TMainForm::~TMainForm()
{
    qApp->removeEventFilter(this);
    delete ui;
}

bool TMainForm::settingsWritten(bool ok, const ProfileStore &ini)
{
    if (ok || settingsFailureShown_)
        return ok;
    settingsFailureShown_ = true;
    Platform::instance().message(this, Platform::MessageKind::Warning, AppTitle,
                                 QStringLiteral("設定を保存できませんでした。このまま使えますが、設定の変更は保存されません。\r\n") +
                                     ini.lastError(),
                                 Platform::Buttons::Ok);
    return ok;
}

EditContext TMainForm::editContext()
{
    Q_ASSERT(activeBox_);
    return EditContext{*activeBox_, undo_, tagCase_, styleCase_, tabSpaces_};
}

QString TMainForm::iniPath() const
{
    return programFolder_ + QStringLiteral("TW.ini");
}

// ---------------------------------------------------------------- commands and enabling

void TMainForm::bind(const QString &name, std::function<void()> operation, CommandNeed need)
{
    commands_->bind(name, std::move(operation), need);
}

void TMainForm::bindAction(QAction *action, std::function<void()> operation, CommandNeed need)
{
    commands_->bindAction(action, std::move(operation), need);
}

QMenu *TMainForm::menu(const QString &name) const
{
    return commands_->menu(name);
}

QObject *TMainForm::item(const QString &name) const
{
    return commands_->item(name);
}

bool TMainForm::isBuilt(QObject *item) const
{
    return commands_->isBuilt(item);
}

void TMainForm::setItemChecked(const QString &name, bool on)
{
    commands_->setItemChecked(name, on);
}

void TMainForm::setItemEnabled(QObject *item, bool on)
{
    commands_->setItemEnabled(item, on);
}

void TMainForm::setItemEnabled(const QString &name, bool on)
{
    commands_->setItemEnabled(name, on);
}

bool TMainForm::needMet(CommandNeed need) const
{
    switch (need) {
    case CommandNeed::Nothing: return true;
    case CommandNeed::Document: return hasDocument();
    case CommandNeed::Selection: return hasDocument() && activeBox_->selLength() > 0;
    case CommandNeed::ClipboardText: return hasDocument() && Platform::instance().clipboardHasText();
    }
    return false;
}

QStringList TMainForm::documentNames() const
{
    return docs_->names();
}

IEditBox *TMainForm::documentBox(int index) const
{
    return EditBoxOfTab(index);
}

bool TMainForm::activateDocument(const IEditBox *box)
{
    for (int i = 0; i < tabCount(); ++i) {
        if (static_cast<const IEditBox *>(EditBoxOfTab(i)) == box) {
            selectTab(i);
            return true;
        }
    }
    return false;
}

void TMainForm::place(QWidget *dialog, Placement placement, QPoint offset)
{
    switch (placement) {
    case Placement::AtCursor: PlaceAtCursor(dialog); break;
    case Placement::UpperThird: PlaceUpperThird(dialog); break;
    case Placement::Centered: PlaceCentered(dialog); break;
    case Placement::BottomRight: PlaceBottomRight(dialog); break;
    case Placement::FromWindow:
        // The dialog keeps the size its form gives it.
        dialog->move(pos() + offset);
        break;
    }
}

std::optional<QColor> TMainForm::chooseColor(const QColor &initial)
{
    return Platform::instance().chooseColor(this, initial, customColors_);
}

void TMainForm::bindCommands()
{
    bind(QStringLiteral("FileNew"), [this] { FileNewClick(); });
    bind(QStringLiteral("FileNewSpeed"), [this] { FileNewClick(); });
    bind(QStringLiteral("PopNew"), [this] { FileNewClick(); });
    bind(QStringLiteral("FileOpen"), [this] { FileOpenClick(); });
    bind(QStringLiteral("FileOpenSpeed"), [this] { FileOpenClick(); });
    bind(QStringLiteral("PopOpen"), [this] { FileOpenClick(); });
    bind(QStringLiteral("FileSave"), [this] { FileSaveClick(); });
    bind(QStringLiteral("FileSaveSpeed"), [this] { FileSaveClick(); });
    bind(QStringLiteral("PopSave"), [this] { FileSaveClick(); });
    bind(QStringLiteral("FileSaveAs"), [this] { FileSaveAsClick(); });
    bind(QStringLiteral("PopSaveAs"), [this] { FileSaveAsClick(); });
    bind(QStringLiteral("FileClose"), [this] { FileCloseClick(); });
    bind(QStringLiteral("PopClose"), [this] { FileCloseClick(); });
    bind(QStringLiteral("FileAllClose"), [this] { FileAllCloseClick(); });
    bind(QStringLiteral("PopCloseAll"), [this] { FileAllCloseClick(); });
    bind(QStringLiteral("FileExit"), [this] { FileExitClick(); });
    bind(QStringLiteral("ExitSpd"), [this] { FileExitClick(); });
    bind(QStringLiteral("HelpAbout"), [this] { HelpAboutClick(); });
}

void TMainForm::refreshEnabling()
{
    // Keeps every item's state current, so a short-cut acts on the state as it is now
    // even when its menu has not been opened since the state changed.
    const int n = tabCount();
    for (const char *name : {"FileProperty", "FileClose", "FileSaveAs"})
        setItemEnabled(QLatin1String(name), n > 0);
    setItemEnabled(QStringLiteral("FileSave"), n > 0 && ui->FileSaveSpeed->isEnabled());
    setItemEnabled(QStringLiteral("FileAllClose"), n >= 2);
    MenuEditClick();
    MenuHtmlClick();
    MenuCSSClick();
    MenuSearchClick();
    MenuOptionClick();
    MenuToolClick();
    MemoPopupPopup();
    PagePopupPopup();
    commands_->applyNeeds();
}

void TMainForm::MenuFileClick()
{
    // The file set and history sub-menus are rebuilt here once their lists exist.
    const int n = tabCount();
    for (const char *name : {"FileProperty", "FileClose", "FileSaveAs"})
        setItemEnabled(QLatin1String(name), n > 0);
    setItemEnabled(QStringLiteral("FileSave"), n > 0 && ui->FileSaveSpeed->isEnabled());
    setItemEnabled(QStringLiteral("FileAllClose"), n >= 2);
}

void TMainForm::MenuEditClick()
{
    const bool open = tabCount() > 0 && activeBox_;
    const MenuEnabling::EditMenu e =
        MenuEnabling::editMenu(tabCount(), open ? activeBox_->selLength() : 0, open && Platform::instance().clipboardHasText());
    setItemEnabled(QStringLiteral("EditUndo"), e.undo);
    setItemEnabled(QStringLiteral("EditCut"), e.cut);
    setItemEnabled(QStringLiteral("EditCopy"), e.copy);
    setItemEnabled(QStringLiteral("EditPaste"), e.paste);
    setItemEnabled(QStringLiteral("EditDel"), e.del);
    setItemEnabled(QStringLiteral("EditLineCopy"), e.lineCopy);
    setItemEnabled(QStringLiteral("EditLineDel"), e.lineDelete);
    setItemEnabled(QStringLiteral("EditIndent"), e.indent);
    setItemEnabled(QStringLiteral("EditUnIndent"), e.unindent);
    setItemEnabled(QStringLiteral("EditSelectAll"), e.selectAll);
    // The paste button follows the Paste menu item.
    setItemEnabled(QStringLiteral("EditPasteSpeed"), e.paste);
}

void TMainForm::MemoPopupPopup()
{
    const bool open = tabCount() > 0 && activeBox_;
    const MenuEnabling::MemoPopup m =
        MenuEnabling::memoPopup(open ? activeBox_->selLength() : 0, open && Platform::instance().clipboardHasText());
    setItemEnabled(QStringLiteral("PopPaste"), m.paste);
    setItemEnabled(QStringLiteral("PopCut"), m.cut);
    setItemEnabled(QStringLiteral("PopCopy"), m.copy);
    setItemEnabled(QStringLiteral("PopAddTemp"), m.addTemp);
    setItemEnabled(QStringLiteral("PopTagCut"), m.tagCut);
    setItemEnabled(QStringLiteral("PopUpperCase"), m.upperCase);
    setItemEnabled(QStringLiteral("PopLowerCase"), m.lowerCase);
}

namespace {
void enableDirectItems(TMainForm *form, QMenu *menu, bool on)
{
    const auto actions = menu->actions();
    for (QAction *a : actions) {
        if (!a->isSeparator())
            form->setItemEnabled(a, on);
    }
}
} // namespace

void TMainForm::MenuHtmlClick()
{
    enableDirectItems(this, ui->MenuHtml, tabCount() > 0);
}

void TMainForm::MenuCSSClick()
{
    enableDirectItems(this, ui->MenuCSS, tabCount() > 0);
}

void TMainForm::MenuSearchClick()
{
    enableDirectItems(this, ui->MenuSearch, tabCount() > 0);
}

void TMainForm::MenuToolClick()
{
    const bool open = tabCount() > 0 && activeBox_;
    const MenuEnabling::ToolMenu t = MenuEnabling::toolMenu(tabCount(), open ? activeBox_->selLength() : 0);
    setItemEnabled(QStringLiteral("AddTemp"), t.addTemp);
    setItemEnabled(QStringLiteral("ToolUpper"), t.toolUpper);
    setItemEnabled(QStringLiteral("ToolLower"), t.toolLower);
    setItemEnabled(QStringLiteral("ToolTagCut"), t.toolTagCut);
    setItemEnabled(QStringLiteral("ToolDate"), t.toolDate);
    setItemEnabled(QStringLiteral("ToolTagTemplate"), t.toolTagTemplate);
    for (QMenu *sub : {ui->ToolTag, ui->ToolTemp}) {
        const auto entries = sub->actions();
        for (int i = 1; i < entries.size(); ++i)
            setItemEnabled(entries.at(i), t.subMenuEntries);
    }
}

void TMainForm::MenuOptionClick()
{
    ui->OptToolBar->setChecked(!ui->ToolBar->isHidden());
    const auto widths = ui->OptTabWidth->actions();
    for (int i = 0; i < widths.size(); ++i)
        widths.at(i)->setChecked(i == tabWidthIndex_);
    const bool open = tabCount() > 0;
    for (const char *name : {"OptFont", "OptColor", "OptWordWrap"})
        setItemEnabled(QLatin1String(name), open);
}

void TMainForm::PagePopupPopup()
{
    setItemEnabled(QStringLiteral("PopSave"), ui->FileSaveSpeed->isEnabled());
    setItemEnabled(QStringLiteral("PopCloseAll"), tabCount() >= 2);
    for (const char *name : {"PopNew", "PopOpen", "PopSaveAs", "PopClose", "PopProperty"})
        setItemEnabled(QLatin1String(name), true);
}

void TMainForm::UpdateToolButtons()
{
    if (tabCount() > 0) {
        for (const char *name : {"ViewFontSpeed", "ViewColorSpeed", "EditUndoSpeed"})
            setItemEnabled(QLatin1String(name), true);
    } else {
        ui->ToolPanel->hide();
        for (const char *name : {"HtmlBarSpd", "EditUndoSpeed", "EditCutSpd", "EditCopySpd", "EditPasteSpeed",
                                 "ViewFontSpeed", "ViewColorSpeed"})
            setItemEnabled(QLatin1String(name), false);
    }
    refreshEnabling();
}

// ---------------------------------------------------------------- settings

void TMainForm::LoadSettings()
{
    ProfileStore ini(iniPath());
    const StartupSettings s = StartupSettings::load(ini, programFolder_);
    homeFolder_ = s.homeFolder;
    openFolder_ = s.homeFolder;
    tagCase_ = s.tagCase;
    ui->TagUpper->setChecked(tagCase_ == 1);
    ui->TagLower->setChecked(tagCase_ == 0);
    styleCase_ = s.styleCase;
    ui->StyleUpper->setChecked(styleCase_ == 1);
    ui->StyleLower->setChecked(styleCase_ == 0);
    wordWrap_ = s.wordWrap;
    applyFonts(s);
    memoColor_ = colorFromStored(s.memoColor, Qt::white);
    editorTextColor_ = colorFromStored(s.editorColor, Qt::black);
    if (s.maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        resize(std::max(s.width, 100), std::max(s.height, 100));
        move(s.left, s.top);
    }
    ui->ToolBar->setVisible(s.toolBar);
    ui->OptToolBar->setChecked(s.toolBar);
    htmlBarTag_ = s.htmlBar;
    htmlPagePosition_ = s.htmlBarPosition;
    SetTabWidth(s.tabWidth);
    LoadPreviewKeys();
    customColors_ = s.customColors;
}

void TMainForm::applyFonts(const StartupSettings &s)
{
    statusFont_ = fontFromStored(s.statusFont, false);
    pageTabFont_ = fontFromStored(s.pageTabFont, false);
    editorFont_ = fontFromStored(s.editorFont, true);
    applyFonts();
}

void TMainForm::applyEditorAppearance(const EditorAppearance &look)
{
    editorFont_ = look.editor;
    editorTextColor_ = look.text;
    memoColor_ = look.memo;
    pageTabFont_ = look.pageTab;
    statusFont_ = look.status;
    applyFonts();
    LayoutStatusBar();
    for (int i = 0; i < tabCount(); ++i) {
        EditBox *box = EditBoxOfTab(i);
        box->beginUpdate();
        box->setBoxColor(memoColor_, editorTextColor_);
        box->setFont(editorFont_);
        box->endUpdate();
    }
    FormResize();
}

void TMainForm::applyFonts()
{
    statusBar()->setFont(statusFont_);
    for (QLabel *panel : panels_)
        panel->setFont(statusFont_);
    ui->PageControl->tabBar()->setFont(pageTabFont_);
}

void TMainForm::LoadPreviewKeys()
{
    const ProfileStore ini(iniPath());
    const int mainKey = StartupSettings::previewKeyCode(SettingsKeys::read(ini, SettingsKeys::PreviewMainKey));
    const int subKey = StartupSettings::previewKeyCode(SettingsKeys::read(ini, SettingsKeys::PreviewSubKey));
    ui->HtmlPrevMain->setShortcut(mainKey ? QKeySequence(mainKey) : QKeySequence());
    ui->HtmlPrevSub->setShortcut(subKey ? QKeySequence(subKey) : QKeySequence());
}

void TMainForm::SetTabWidth(int index)
{
    // A hand-edited value outside the menu's range gives the narrowest width.
    if (index < 0 || index > 6)
        index = 0;
    tabWidthIndex_ = index;
    tabSpaces_ = QString(index + 2, QLatin1Char(' '));
    const auto widths = ui->OptTabWidth->actions();
    for (int i = 0; i < widths.size(); ++i)
        widths.at(i)->setChecked(i == index);
    for (int i = 0; i < tabCount(); ++i)
        EditBoxOfTab(i)->setTabSpaces(tabSpaces_);
}

void TMainForm::LayoutStatusBar()
{
    timer_.stop();
    statusBar()->setUpdatesEnabled(false);
    int h = std::abs(QFontInfo(statusFont_).pixelSize());
    h = h + h / 2;
    statusBar()->setFixedHeight(h);
    refreshDate();
    panels_[0]->setFixedWidth(5 * h);
    panels_[1]->setFixedWidth(3 * h);
    panels_[2]->setFixedWidth(3 * h);
    panels_[3]->setFixedWidth(50);
    statusBar()->setUpdatesEnabled(true);
    timer_.start();
}

void TMainForm::refreshDate()
{
    panels_[0]->setText(QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
}

QString TMainForm::statusText(int panel) const
{
    return panel >= 0 && panel < 4 ? panels_[panel]->text() : QString();
}

bool TMainForm::FormCloseQuery()
{
    if (tabCount() > 0) {
        const int n = tabCount();
        for (int i = 0; i < n; ++i) {
            CloseWithPrompt();
            if (!closeContinue_)
                return false;
        }
    }
    namespace K = SettingsKeys;
    ProfileStore ini(iniPath());
    bool ok = K::write(ini, K::Version, QString::fromUtf16(K::CurrentVersion));
    if (isMaximized()) {
        ok = K::write(ini, K::FormTop, -1) && ok;
    } else {
        ok = K::write(ini, K::FormHeight, height()) && ok;
        ok = K::write(ini, K::FormWidth, width()) && ok;
        ok = K::write(ini, K::FormTop, y()) && ok;
        ok = K::write(ini, K::FormLeft, x()) && ok;
    }
    ok = K::write(ini, K::FormHtmlBar, htmlBarTag_) && ok;
    ok = K::write(ini, K::HtmlBarPosition, htmlPagePosition_) && ok;
    ok = K::write(ini, K::TabWidth, tabWidthIndex_) && ok;
    ok = K::write(ini, K::FormToolBar, ui->ToolBar->isHidden() ? 0 : 1) && ok;
    Q_EMIT events_.shuttingDown(ini);
    const QString custom = QString::fromUtf16(K::CustomColorSection);
    ok = ini.eraseSection(custom) && ok;
    for (int i = 0; i < 16; ++i)
        ok = ini.writeString(custom, K::customColorKey(i), customColors_.value(i)) && ok;
    settingsWritten(ok, ini);
    return true;
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TMainForm::FormResize()
{
    if (tabCount() == 0 || !activeBox_)
        return;
    activeBox_->beginUpdate();
    activeBox_->setInnerMargin(6, 4);
    activeBox_->endUpdate();
    activeBox_->setFocus();
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && w->window() == this && FormKeyDown(static_cast<QKeyEvent *>(event)))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TMainForm::FormKeyDown(QKeyEvent *event)
{
    // Ctrl+Tab and Ctrl+Shift+Tab walk the document tabs, wrapping around.
    if (tabCount() < 2)
        return false;
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    int step = 0;
    if (event->key() == Qt::Key_Tab && mods == Qt::ControlModifier)
        step = 1;
    else if ((event->key() == Qt::Key_Backtab || event->key() == Qt::Key_Tab)
             && mods == (Qt::ControlModifier | Qt::ShiftModifier))
        step = -1;
    if (step == 0)
        return false;
    const int n = tabCount();
    selectTabQuietly((activeIndex() + step + n) % n);
    PageControlChange();
    return true;
}

// ---------------------------------------------------------------- start-up

void TMainForm::openStartupFiles(const QStringList &arguments)
{
    if (arguments.isEmpty()) {
        if (startupSetOpener_)
            startupSetOpener_();
        return;
    }
    for (const QString &argument : arguments) {
        // Made absolute now: a later command may change the current folder.
        const QString path = QFileInfo(argument).absoluteFilePath();
        if (shortcutFileHandler_ && path.endsWith(QLatin1String(".url")))
            shortcutFileHandler_(path);
        else
            OpenDocument(path);
    }
    if (tabCount() > 0) {
        selectTabQuietly((activeIndex() + 1) % tabCount());
        PageControlChange();
    }
}

// ---------------------------------------------------------------- documents

int TMainForm::tabCount() const
{
    return ui->PageControl->count();
}

int TMainForm::activeIndex() const
{
    return ui->PageControl->currentIndex();
}

QString TMainForm::ActiveDocumentName() const
{
    return docs_->nameAt(activeIndex());
}

EditBox *TMainForm::EditBoxOfTab(int index) const
{
    return qobject_cast<EditBox *>(ui->PageControl->widget(index));
}

QString TMainForm::TabCaptionOf(int index) const
{
    return ui->PageControl->tabText(index);
}

void TMainForm::selectTabQuietly(int index)
{
    tabSignalsQuiet_ = true;
    ui->PageControl->setCurrentIndex(index);
    tabSignalsQuiet_ = false;
    activeBox_ = EditBoxOfTab(index);
}

EditBox *TMainForm::CreateEditBox()
{
    auto *box = new EditBox;
    box->setBoxColor(memoColor_, editorTextColor_);
    box->setFont(editorFont_);
    box->setTabSpaces(tabSpaces_);
    box->setModified(false);
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, this, [this](const QPoint &) {
        MemoPopupPopup();
        ui->MemoPopup->exec(QCursor::pos());
    });
    box->setWindowShortcutTest([this](const QKeySequence &keys) { return commands_->hasEnabledShortcut(keys); });
    const bool wrap = wordWrap_ == 1;
    ui->OptWordWrap->setChecked(wrap);
    box->setWordWrap(wrap);
    connect(box->document(), &QTextDocument::modificationChanged, this, [this](bool) { UpdateModifiedMark(); });
    connect(box, &QPlainTextEdit::copyAvailable, this, [this, box](bool yes) {
        if (box != activeBox_)
            return;
        setItemEnabled(QStringLiteral("EditCutSpd"), yes);
        setItemEnabled(QStringLiteral("EditCopySpd"), yes);
        refreshEnabling();
    });
    Q_EMIT events_.editBoxCreated(box);
    return box;
}

void TMainForm::OpenDocument(const QString &name)
{
    EditBox *box = CreateEditBox();
    const bool titled = name != NewPage;
    tabSignalsQuiet_ = true;
    const int index = ui->PageControl->addTab(box, titled ? DocumentManager::fileNamePart(name) : NewPage);
    ui->PageControl->setCurrentIndex(index);
    tabSignalsQuiet_ = false;
    activeBox_ = box;
    docs_->insert(docs_->count(), name, box);

    if (titled && !docs_->load(box, name, tabSpaces_)) {
        // Nothing of an unreadable file stays behind.
        removeTab(index);
        if (tabCount() > 0)
            selectTabQuietly(std::min(index, tabCount() - 1));
        else
            activeBox_ = nullptr;
        undo_.invalidate();
        UpdateModifiedMark();
        UpdateToolButtons();
        UpdateTitle();
        FormResize();
        return;
    }

    setItemEnabled(QStringLiteral("HtmlBarSpd"), true);
    const bool shown = htmlBarTag_ == 1;
    ui->ToolPanel->setVisible(shown);
    ui->HtmlBar->setChecked(shown);
    ui->HtmlBarSpd->setChecked(shown);
    undo_.invalidate();
    UpdateModifiedMark();
    UpdateToolButtons();
    UpdateTitle();
    FormResize();
}

void TMainForm::removeTab(int index)
{
    QWidget *page = ui->PageControl->widget(index);
    if (auto *box = qobject_cast<EditBox *>(page))
        Q_EMIT events_.documentClosing(box);
    tabSignalsQuiet_ = true;
    ui->PageControl->removeTab(index);
    tabSignalsQuiet_ = false;
    docs_->removeAt(index);
    if (page == activeBox_)
        activeBox_ = nullptr;
    delete page;
}

bool TMainForm::CheckNotOpen(const QString &name)
{
    return docs_->checkNotOpen(name);
}

void TMainForm::OpenChecked(const QString &name)
{
    if (!CheckNotOpen(name))
        return;
    Q_EMIT events_.openingChecked(name);
    OpenDocument(name);
}

void TMainForm::selectTab(int index)
{
    if (index >= 0 && index < tabCount() && index != activeIndex())
        ui->PageControl->setCurrentIndex(index); // runs the tab change handler
}

void TMainForm::PageControlChange()
{
    activeBox_ = EditBoxOfTab(activeIndex());
    UpdateTitle();
    FormResize();
    UpdateModifiedMark();
    undo_.invalidate();
}

void TMainForm::UpdateModifiedMark()
{
    if (tabCount() > 0 && activeBox_) {
        const bool modified = activeBox_->isModified();
        setItemEnabled(QStringLiteral("FileSaveSpeed"), modified);
        panels_[1]->setText(modified ? ModifiedMark : QString());
    } else {
        setItemEnabled(QStringLiteral("FileSaveSpeed"), false);
        panels_[1]->setText(QString());
    }
    refreshEnabling();
}

void TMainForm::UpdateTitle()
{
    if (tabCount() > 0) {
        panels_[2]->setText(QString::number(activeIndex() + 1) + QLatin1Char('/') + QString::number(tabCount()));
        const QString name = ActiveDocumentName();
        setWindowTitle(AppTitle + QStringLiteral(" - ") + name);
        applicationTitle_ = DocumentManager::fileNamePart(name) + QStringLiteral(" - ") + AppTitle;
    } else {
        applicationTitle_ = AppTitle;
        setWindowTitle(applicationTitle_);
        ui->ToolPanel->hide();
        setItemEnabled(QStringLiteral("FileSaveSpeed"), false);
        panels_[2]->setText(QString());
    }
    // The task bar shows the icon text.
    setWindowIconText(applicationTitle_);
}

void TMainForm::FileNewClick()
{
    OpenDocument(NewPage);
}

QString TMainForm::firstBrowseFolder() const
{
    if (!hasDocument() || docs_->browsed(activeIndex()))
        return QString();
    return DocumentManager::folderPart(ActiveDocumentName());
}

void TMainForm::setFirstBrowseUsed()
{
    if (hasDocument())
        docs_->setBrowsed(activeIndex());
}

void TMainForm::FileOpenClick()
{
    if (hasDocument() && !docs_->browsed(activeIndex())) {
        openFolder_ = DocumentManager::folderPart(ActiveDocumentName());
        setFirstBrowseUsed();
    }
    const Platform::FileAnswer answer = runOpenDialog(openFolder_);
    if (answer.files.isEmpty())
        return;
    QStringList files;
    for (const QString &f : answer.files)
        files << QFileInfo(f).absoluteFilePath();
    std::sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    for (const QString &f : files)
        OpenChecked(f);
}

Platform::FileAnswer TMainForm::runOpenDialog(const QString &folder)
{
    Platform::FileRequest request;
    request.title = QStringLiteral("ファイルを開く");
    request.folder = folder;
    request.filters = openFilters(openFilterUsed_);
    request.defaultSuffix = QStringLiteral("txt");
    const Platform::FileAnswer answer = Platform::instance().openFiles(this, request, true);
    // After every use the dialog opens where the user last was.
    openFilterUsed_ = true;
    openFolder_.clear();
    return answer;
}

bool TMainForm::saveActive(bool showNotice)
{
    if (tabCount() == 0 || !activeBox_)
        return false;
    const QString name = ActiveDocumentName();
    if (name == NewPage)
        return saveAsActive();
    if (!docs_->write(activeBox_, name))
        return false;
    if (showNotice) {
        auto *notice = new TResultDlg(this);
        PlaceCentered(notice);
        notice->show();
    }
    activeBox_->setModified(false);
    UpdateModifiedMark();
    UpdateTitle();
    return true;
}

void TMainForm::FileSaveClick()
{
    saveActive(true);
}

bool TMainForm::saveAsActive()
{
    if (tabCount() == 0 || !activeBox_)
        return false;
    const QString name = ActiveDocumentName();
    const bool untitled = name == NewPage;
    const QString home = SettingsKeys::readHomeFolder(ProfileStore(iniPath()), programFolder_);
    const std::optional<QString> chosen = docs_->askSaveAsName(name, home);
    if (!chosen)
        return false;
    const QString newName = *chosen;
    if (!docs_->write(activeBox_, newName))
        return false;
    const int index = activeIndex();
    if (untitled) {
        docs_->rename(index, newName);
        activeBox_->setModified(false);
        UpdateTitle();
        ui->PageControl->setTabText(index, DocumentManager::fileNamePart(newName));
        UpdateModifiedMark();
        undo_.invalidate();
        return true;
    }
    EditBox *box = CreateEditBox();
    tabSignalsQuiet_ = true;
    ui->PageControl->insertTab(index + 1, box, DocumentManager::fileNamePart(newName));
    tabSignalsQuiet_ = false;
    docs_->insert(index + 1, newName, box);
    if (!docs_->load(box, newName, tabSpaces_)) {
        removeTab(index + 1);
        PageControlChange();
        return true; // the file itself was written
    }
    selectTabQuietly(index + 1);
    PageControlChange();
    return true;
}

void TMainForm::FileSaveAsClick()
{
    saveAsActive();
}

Platform::Answer TMainForm::askModified(bool crOnly)
{
    return docs_->askModified(ActiveDocumentName(), crOnly, QPoint(width() / 2, height() / 2));
}

void TMainForm::closeActiveTab(int index)
{
    if (tabCount() == 1) {
        removeTab(index);
        activeBox_ = nullptr;
        UpdateTitle();
        UpdateModifiedMark();
        undo_.invalidate();
        UpdateToolButtons();
        return;
    }
    const int next = (index + 1) % tabCount();
    selectTabQuietly(next);
    removeTab(index);
    PageControlChange();
}

void TMainForm::FileCloseClick()
{
    if (tabCount() == 0 || !activeBox_)
        return;
    const int index = activeIndex();
    if (activeBox_->isModified()) {
        const Platform::Answer a = askModified(false);
        if (a == Platform::Answer::Cancel)
            return;
        // A cancelled or failed save keeps the tab and its text.
        if (a == Platform::Answer::Yes && !saveActive(true))
            return;
    }
    closeActiveTab(index);
}

bool TMainForm::SaveIfModified()
{
    if (!activeBox_ || !activeBox_->isModified())
        return true;
    const QString name = ActiveDocumentName();
    if (name == NewPage)
        return saveAsActive();
    if (!docs_->write(activeBox_, name))
        return false;
    activeBox_->setModified(false);
    UpdateModifiedMark();
    return true;
}

void TMainForm::CloseWithPrompt()
{
    closeContinue_ = true;
    if (tabCount() == 0 || !activeBox_)
        return;
    const int index = activeIndex();
    if (activeBox_->isModified()) {
        const Platform::Answer a = askModified(true);
        if (a == Platform::Answer::Cancel) {
            closeContinue_ = false;
            return;
        }
        if (a == Platform::Answer::Yes && !SaveIfModified()) {
            closeContinue_ = false;
            return;
        }
    }
    closeActiveTab(index);
}

void TMainForm::FileAllCloseClick()
{
    const int n = tabCount();
    for (int i = 0; i < n; ++i) {
        CloseWithPrompt();
        if (!closeContinue_)
            break;
    }
    UpdateTitle();
}

void TMainForm::FileExitClick()
{
    close();
}

void TMainForm::HelpAboutClick()
{
    TAboutBox about(this);
    PlaceUpperThird(&about);
    Platform::instance().execDialog(&about);
}

void TMainForm::SelectAndShow(int line, int column, int length)
{
    if (!activeBox_)
        return;
    const int start = activeBox_->posFromLine(line);
    if (start < 0)
        return;
    activeBox_->setSelection(start + column, length);
    activeBox_->ensureCursorVisible();
    const int first = activeBox_->firstVisibleLine();
    activeBox_->horizontalScrollBar()->setValue(0);
    int v = (line - first) / 2;
    if (v == 0)
        v = -5;
    activeBox_->scrollBy(std::max(column - 5, 0), v);
}

QString TMainForm::FileSizeText(const QString &name)
{
    return ::FileSizeText(name);
}

// ---------------------------------------------------------------- placement and messages

void TMainForm::PlaceAtCursor(QWidget *dialog) const
{
    dialog->adjustSize();
    dialog->move(DialogPlacement::atCursor(frameGeometry(), dialog->frameGeometry().size(), QCursor::pos()));
}

void TMainForm::PlaceUpperThird(QWidget *dialog) const
{
    dialog->adjustSize();
    dialog->move(DialogPlacement::upperThird(frameGeometry(), dialog->frameGeometry().size()));
}

void TMainForm::PlaceCentered(QWidget *dialog) const
{
    dialog->adjustSize();
    dialog->move(DialogPlacement::centered(frameGeometry(), dialog->frameGeometry().size()));
}

void TMainForm::PlaceBottomRight(QWidget *dialog) const
{
    dialog->adjustSize();
    dialog->move(DialogPlacement::bottomRight(frameGeometry(), dialog->frameGeometry().size()));
}

void TMainForm::ShowInfo(const QString &text)
{
    Platform::instance().message(this, Platform::MessageKind::Information, Messages::InfoTitle, text,
                                 Platform::Buttons::Ok, QPoint(x() + 180, y() + 150));
}

void TMainForm::ShowNotYetNotice()
{
    Messages::ShowNotYetNotice(this);
}
