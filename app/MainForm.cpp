#include "app/MainForm.h"

#include "app/AboutBox.h"
#include "app/AppIcon.h"
#include "app/CommandGroups.h"
#include "app/CommandRegistry.h"
#include "app/DialogPlacement.h"
#include "app/DocumentManager.h"
#include "app/DocumentRecovery.h"
#include "app/SettingsKeys.h"
#include "app/StatusPanels.h"
#include "app/EditBox.h"
#include "app/FileCommands.h"
#include "app/MenuStates.h"
#include "app/FontFallback.h"
#include "app/ResultDlg.h"
#include "platform/FileSizeText.h"
#include "platform/ProfileStore.h"
#include "platform/ProgramFolder.h"
#include "platform/TabKeys.h"

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
#include <QTextCursor>
#include <QToolButton>

#include <algorithm>

namespace {
const QString ModifiedMark = QStringLiteral("変更あり");
// The editing boxes' space around the text: 6 pixels at the sides, 4 above and below.
constexpr int InnerMarginX = 6;
constexpr int InnerMarginY = 4;

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

} // namespace

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent), ui(new Ui::TMainForm)
{
    // The tool button images live in the library, which the linker would otherwise drop.
    Q_INIT_RESOURCE(images);
    ui->setupUi(this);
    setWindowTitle(AppTitle);
    setWindowIconText(AppTitle);
    setWindowIcon(AppIcon::icon());

    programFolder_ = ProgramFolder::path();
    dialogFolder_ = ProgramFolder::dialogFolder();
    docs_ = new DocumentManager(this, [this](const QString &text) { ShowInfo(text); });
    connect(docs_, &DocumentManager::formatChanged, this, [this](int index) {
        if (index == activeIndex())
            UpdateTitle();
    });
    commands_ = new CommandRegistry(this, [this](CommandNeed need) { return needMet(need); });
    menus_ = std::make_unique<MenuStates>(*commands_);
    // The page template folder; the templates themselves are the user's.
    QDir().mkpath(programFolder_ + QStringLiteral("Temp"));

    status_ = new StatusPanels(statusBar());

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

    // Each menu applies its own rules as it opens, then the commands' needs.
    const std::pair<QMenu *, void (TMainForm::*)()> menuRules[] = {
        {ui->MenuFile, &TMainForm::MenuFileClick},     {ui->MenuEdit, &TMainForm::MenuEditClick},
        {ui->MenuHtml, &TMainForm::MenuHtmlClick},     {ui->MenuCSS, &TMainForm::MenuCSSClick},
        {ui->MenuSearch, &TMainForm::MenuSearchClick}, {ui->MenuOption, &TMainForm::MenuOptionClick},
        {ui->MenuTool, &TMainForm::MenuToolClick}};
    for (const auto &[menu, rule] : menuRules) {
        connect(menu, &QMenu::aboutToShow, this, [this, rule = rule] {
            (this->*rule)();
            commands_->applyNeeds();
        });
    }
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TMainForm::refreshEnabling);

    bindCommands();
    LoadSettings();
    LayoutStatusBar();
    CommandGroups::installAll(*this);
    recovery_ = new DocumentRecovery(*this, *this);
    commands_->disableUnbuilt();
    qApp->installEventFilter(this);
    UpdateTitle();
    UpdateModifiedMark();
    UpdateToolButtons();
}

TMainForm::~TMainForm()
{
    // While the editing boxes are still there to bring the journals up to date.
    delete recovery_;
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

void TMainForm::bind(const QString &name, std::function<void()> operation, CommandNeed need) { commands_->bind(name, std::move(operation), need); }
void TMainForm::bindAction(QAction *action, std::function<void()> operation, CommandNeed need) { commands_->bindAction(action, std::move(operation), need); }
QMenu *TMainForm::menu(const QString &name) const { return commands_->menu(name); }
QObject *TMainForm::item(const QString &name) const { return commands_->item(name); }
bool TMainForm::isBuilt(QObject *item) const { return commands_->isBuilt(item); }
void TMainForm::setItemChecked(const QString &name, bool on) { commands_->setItemChecked(name, on); }
void TMainForm::setItemEnabled(QObject *item, bool on) { commands_->setItemEnabled(item, on); }
void TMainForm::setItemEnabled(const QString &name, bool on) { commands_->setItemEnabled(name, on); }

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
    const std::optional<QColor> chosen = Platform::instance().chooseColor(this, initial, customColors_);
    // Every colour command shares one dialog, which remembers what was chosen in it.
    if (chosen)
        lastColor_ = *chosen;
    return chosen;
}

std::optional<QColor> TMainForm::chooseColorFromLast()
{
    return chooseColor(lastColor_);
}

void TMainForm::bindCommands()
{
    files_ = new FileCommands(*this, *this);
    bind(QStringLiteral("FileExit"), [this] { FileExitClick(); });
    bind(QStringLiteral("ExitSpd"), [this] { FileExitClick(); });
    bind(QStringLiteral("HelpAbout"), [this] { HelpAboutClick(); });
}

void TMainForm::refreshEnabling()
{
    // Keeps every item's state current, so a short-cut acts on the state as it is now
    // even when its menu has not been opened since the state changed.
    menus_->all(menuState());
    commands_->applyNeeds();
}

MenuStates::State TMainForm::menuState() const
{
    MenuStates::State s;
    s.tabCount = tabCount();
    s.activePage = activeBox_ != nullptr;
    s.selLength = activeBox_ ? activeBox_->selLength() : 0;
    s.clipboardText = Platform::instance().clipboardHasText();
    s.saveButton = ui->FileSaveSpeed->isEnabled();
    s.toolBarShown = !ui->ToolBar->isHidden();
    s.tabWidthIndex = tabWidthIndex_;
    return s;
}

void TMainForm::MenuFileClick() { menus_->fileMenu(menuState()); }
void TMainForm::MenuEditClick() { menus_->editMenu(menuState()); }
void TMainForm::MemoPopupPopup() { menus_->memoPopup(menuState()); }
void TMainForm::MenuHtmlClick() { menus_->htmlMenu(menuState()); }
void TMainForm::MenuCSSClick() { menus_->cssMenu(menuState()); }
void TMainForm::MenuSearchClick() { menus_->searchMenu(menuState()); }
void TMainForm::MenuToolClick() { menus_->toolMenu(menuState()); }
void TMainForm::MenuOptionClick() { menus_->optionMenu(menuState()); }
void TMainForm::PagePopupPopup() { menus_->pagePopup(menuState()); }

void TMainForm::UpdateToolButtons()
{
    if (tabCount() == 0)
        ui->ToolPanel->hide();
    menus_->toolButtons(menuState());
    refreshEnabling();
}

// ---------------------------------------------------------------- settings

void TMainForm::LoadSettings()
{
    ProfileStore ini(iniPath());
    const StartupSettings s = StartupSettings::load(ini, dialogFolder_);
    files_->setOpenDialogFolder(s.homeFolder);
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
    status_->setFont(statusFont_);
    ui->PageControl->tabBar()->setFont(pageTabFont_);
}

void TMainForm::LoadPreviewKeys()
{
    const ProfileStore ini(iniPath());
    const int mainKey = StartupSettings::previewKeyCode(SettingsKeys::read(ini, SettingsKeys::PreviewMainKey));
    const int subKey = StartupSettings::previewKeyCode(SettingsKeys::read(ini, SettingsKeys::PreviewSubKey));
    ui->HtmlPrevMain->setShortcut(mainKey ? QKeySequence(mainKey) : QKeySequence());
    ui->HtmlPrevSub->setShortcut(subKey ? QKeySequence(subKey) : QKeySequence());
    Q_EMIT events_.shortcutsChanged();
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
    status_->layout(statusFont_);
}

bool TMainForm::activeDocumentIsUtf8() const
{
    return tabCount() > 0 && docs_->format(activeIndex()).encoding != DocumentEncoding::Encoding::ShiftJis;
}

QString TMainForm::statusText(int panel) const
{
    return status_->text(panel);
}

bool TMainForm::FormCloseQuery()
{
    if (!files_->closeAllForShutdown())
        return false;
    StartupSettings window;
    window.maximized = isMaximized();
    window.height = height();
    window.width = width();
    window.top = y();
    window.left = x();
    window.htmlBar = htmlBarTag_;
    window.htmlBarPosition = htmlPagePosition_;
    window.tabWidth = tabWidthIndex_;
    window.toolBar = !ui->ToolBar->isHidden();
    window.customColors = customColors_;
    ProfileStore ini(iniPath());
    bool ok = window.saveWindow(ini);
    Q_EMIT events_.shuttingDown(ini);
    ok = window.saveCustomColors(ini) && ok;
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
    activeBox_->setInnerMargin(InnerMarginX, InnerMarginY);
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
    const int step = TabKeys::step(*event);
    if (step == 0)
        return false;
    const int n = tabCount();
    selectPageQuietly((activeIndex() + step + n) % n);
    PageControlChange();
    return true;
}

// ---------------------------------------------------------------- documents

void TMainForm::openStartupFiles(const QStringList &arguments) { files_->openStartupFiles(arguments); }

void TMainForm::openHandedOver(const QStringList &files)
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    if (QWidget *modal = QApplication::activeModalWidget())
        modal->raise();
    openWhenNoDialog(files);
}

void TMainForm::openWhenNoDialog(const QStringList &files)
{
    // A dialog open over the window works on the active page: the files wait until it closes.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        QTimer::singleShot(250, this, [this, files] { openWhenNoDialog(files); });
        return;
    }
    files_->openHandedOver(files);
}
void TMainForm::offerRecovery() { recovery_->offerAtStart(); }
void TMainForm::OpenDocument(const QString &name) { files_->openDocument(name); }
bool TMainForm::CheckNotOpen(const QString &name) { return files_->checkNotOpen(name); }
void TMainForm::OpenChecked(const QString &name) { files_->openChecked(name); }
void TMainForm::FileNewClick() { files_->newDocument(); }
void TMainForm::FileOpenClick() { files_->openWithDialog(); }
void TMainForm::FileSaveClick() { files_->save(true); }
void TMainForm::FileSaveAsClick() { files_->saveAs(); }
void TMainForm::FileCloseClick() { files_->closeActive(); }
void TMainForm::FileAllCloseClick() { files_->closeAll(); }
bool TMainForm::SaveIfModified() { return files_->saveIfModified(); }
void TMainForm::CloseWithPrompt() { closeContinue_ = files_->closeWithPrompt(); }
Platform::FileAnswer TMainForm::runOpenDialog(const QString &folder) { return files_->runOpenDialog(folder); }
void TMainForm::setOpenDialogFolder(const QString &folder) { files_->setOpenDialogFolder(folder); }
QString TMainForm::firstBrowseFolder() const { return files_->firstBrowseFolder(); }
void TMainForm::setFirstBrowseUsed() { files_->setFirstBrowseUsed(); }
void TMainForm::setShortcutFileHandler(std::function<void(const QString &)> handler) { files_->setShortcutFileHandler(std::move(handler)); }
void TMainForm::setStartupSetOpener(std::function<void()> opener) { files_->setStartupSetOpener(std::move(opener)); }

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

void TMainForm::selectPageQuietly(int index)
{
    tabSignalsQuiet_ = true;
    ui->PageControl->setCurrentIndex(index);
    tabSignalsQuiet_ = false;
    activeBox_ = EditBoxOfTab(index);
}

EditBox *TMainForm::insertPage(int index, const QString &caption)
{
    auto *box = new EditBox;
    box->setBoxColor(memoColor_, editorTextColor_);
    box->setFont(editorFont_);
    box->setTabSpaces(tabSpaces_);
    // Margins set while the box is empty: set after a long text is in, they would lay it out again.
    box->setInnerMargin(InnerMarginX, InnerMarginY);
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
    connect(box, &QPlainTextEdit::cursorPositionChanged, this, [this, box] {
        if (box == activeBox_)
            UpdateCaretPanel();
    });
    connect(box, &QPlainTextEdit::copyAvailable, this, [this, box](bool yes) {
        if (box != activeBox_)
            return;
        setItemEnabled(QStringLiteral("EditCutSpd"), yes);
        setItemEnabled(QStringLiteral("EditCopySpd"), yes);
        refreshEnabling();
    });
    Q_EMIT events_.editBoxCreated(box);
    tabSignalsQuiet_ = true;
    ui->PageControl->insertTab(index, box, caption);
    tabSignalsQuiet_ = false;
    // The first tab of an empty window becomes current by itself.
    activeBox_ = EditBoxOfTab(activeIndex());
    return box;
}

void TMainForm::removePage(int index)
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

void TMainForm::setPageCaption(int index, const QString &caption)
{
    ui->PageControl->setTabText(index, caption);
}

void TMainForm::documentOpened()
{
    setItemEnabled(QStringLiteral("HtmlBarSpd"), true);
    const bool shown = htmlBarTag_ == 1;
    ui->ToolPanel->setVisible(shown);
    ui->HtmlBar->setChecked(shown);
    ui->HtmlBarSpd->setChecked(shown);
    documentsChanged();
}

void TMainForm::documentsChanged()
{
    undo_.invalidate();
    UpdateModifiedMark();
    UpdateToolButtons();
    UpdateTitle();
    FormResize();
}

void TMainForm::refreshMarks()
{
    UpdateModifiedMark();
    UpdateTitle();
}

QPoint TMainForm::promptCentre() const
{
    return QPoint(width() / 2, height() / 2);
}

void TMainForm::showSavedNotice()
{
    auto *notice = new TResultDlg(this);
    PlaceCentered(notice);
    notice->show();
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
        status_->setText(StatusPanels::Modified, modified ? ModifiedMark : QString());
    } else {
        setItemEnabled(QStringLiteral("FileSaveSpeed"), false);
        status_->setText(StatusPanels::Modified, QString());
    }
    refreshEnabling();
}

void TMainForm::UpdateTitle()
{
    if (tabCount() > 0) {
        status_->setText(StatusPanels::Position, QString::number(activeIndex() + 1) + QLatin1Char('/') + QString::number(tabCount()));
        const DocumentFile::Format format = docs_->format(activeIndex());
        status_->setText(StatusPanels::Encoding, DocumentEncoding::encodingName(format.encoding) + QStringLiteral("  ") +
                                                     DocumentEncoding::lineBreakName(format.lineBreak));
        UpdateCaretPanel();
        const QString name = ActiveDocumentName();
        setWindowTitle(AppTitle + QStringLiteral(" - ") + name);
        applicationTitle_ = DocumentManager::fileNamePart(name) + QStringLiteral(" - ") + AppTitle;
    } else {
        applicationTitle_ = AppTitle;
        setWindowTitle(applicationTitle_);
        ui->ToolPanel->hide();
        setItemEnabled(QStringLiteral("FileSaveSpeed"), false);
        status_->setText(StatusPanels::Position, QString());
        status_->setText(StatusPanels::Encoding, QString());
        status_->setText(StatusPanels::Caret, QString());
    }
    // The task bar shows the icon text.
    setWindowIconText(applicationTitle_);
}

void TMainForm::UpdateCaretPanel()
{
    if (!activeBox_)
        return;
    // Block number and offset in the block: no pass over the text, however long.
    const QTextCursor caret = activeBox_->textCursor();
    status_->setText(StatusPanels::Caret, StatusPanels::caretText(caret.blockNumber() + 1, caret.positionInBlock() + 1));
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

namespace {
// Sized first: where a dialog goes depends on its size.
template <typename Where>
void placeDialog(QWidget *dialog, Where where)
{
    dialog->adjustSize();
    dialog->move(where(dialog->frameGeometry().size()));
}
} // namespace

void TMainForm::PlaceAtCursor(QWidget *dialog) const
{
    placeDialog(dialog, [this](QSize size) { return DialogPlacement::atCursor(frameGeometry(), size, QCursor::pos()); });
}

void TMainForm::PlaceUpperThird(QWidget *dialog) const
{
    placeDialog(dialog, [this](QSize size) { return DialogPlacement::upperThird(frameGeometry(), size); });
}

void TMainForm::PlaceCentered(QWidget *dialog) const
{
    placeDialog(dialog, [this](QSize size) { return DialogPlacement::centered(frameGeometry(), size); });
}

void TMainForm::PlaceBottomRight(QWidget *dialog) const
{
    placeDialog(dialog, [this](QSize size) { return DialogPlacement::bottomRight(frameGeometry(), size); });
}

void TMainForm::ShowInfo(const QString &text)
{
    Platform::instance().message(this, Platform::MessageKind::Information, Messages::InfoTitle, text,
                                 Platform::Buttons::Ok, QPoint(x() + 180, y() + 150));
}

void TMainForm::showStatusNote(const QString &text)
{
    status_->showNote(text);
}

void TMainForm::ShowNotYetNotice()
{
    Messages::ShowNotYetNotice(this);
}
