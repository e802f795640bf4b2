#pragma once

#include "app/CommandHost.h"
#include "app/DocumentTabs.h"
#include "app/MenuStates.h"
#include "app/StartupSettings.h"
#include "editing/EditContext.h"
#include "editing/UndoSnapshot.h"
#include "platform/Platform.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class CommandRegistry;
class DocumentManager;
class DocumentRecovery;
class EditBox;
class FileCommands;
class ProfileStore;
class StatusPanels;
class QAbstractButton;
class QAction;
class QKeyEvent;
class QLabel;
class QMenu;

namespace Ui {
class TMainForm;
}

// The main window: documents in tabs, menus, tool bars, status bar and settings.
class TMainForm : public QMainWindow, public CommandHost, public DocumentTabs
{
    Q_OBJECT
public:
    static inline const QString NewPage = QStringLiteral("NewPage");
    static inline const QString AppTitle = QStringLiteral("Tagwell");

    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    // The start-up steps that follow the window's creation: the files of the command
    // line, or the start-up file sets when there are none.
    void openStartupFiles(const QStringList &arguments);
    // Files a later start of the program handed over: opened as tabs, and the window
    // brought to the front (also when there are none).
    void openHandedOver(const QStringList &files);
    // Offers back the unsaved work of a run that did not end cleanly.
    void offerRecovery();
    DocumentRecovery &recovery() { return *recovery_; }

    // Documents
    void OpenDocument(const QString &name);
    bool CheckNotOpen(const QString &name);
    void OpenChecked(const QString &name);
    QString ActiveDocumentName() const;
    EditBox *EditBoxOfTab(int index) const;
    QString TabCaptionOf(int index) const;
    EditBox *activeBox() const override { return activeBox_; }
    int tabCount() const override;
    int activeIndex() const override;
    void SelectAndShow(int line, int column, int length);
    static QString FileSizeText(const QString &name);

    // Commands
    void FileNewClick();
    void FileOpenClick();
    void FileSaveClick();
    void FileSaveAsClick();
    void FileCloseClick();
    void FileAllCloseClick();
    void FileExitClick();
    void HelpAboutClick();
    void PageControlChange();
    // What a click on tab index does.
    void selectTab(int index);
    // The window sees keys first: Ctrl+Tab and Ctrl+Shift+Tab; true when consumed.
    bool FormKeyDown(QKeyEvent *event);
    bool SaveIfModified();
    // The shared open dialog (several files, the shell's filters), reset after each use.
    Platform::FileAnswer runOpenDialog(const QString &folder) override;
    void CloseWithPrompt();

    void UpdateModifiedMark();
    void UpdateTitle();
    // The caret's line and column in the status bar.
    void UpdateCaretPanel();
    void UpdateToolButtons();
    void FormResize();
    void LayoutStatusBar();
    void LoadPreviewKeys();
    void SetTabWidth(int index);

    // Menu enabling, run when each menu opens (and kept current for the short-cuts).
    void MenuFileClick();
    void MenuEditClick();
    void MenuHtmlClick();
    void MenuCSSClick();
    void MenuSearchClick();
    void MenuOptionClick();
    void MenuToolClick();
    void PagePopupPopup();
    void MemoPopupPopup();

    // Placement of dialogs and the shared messages.
    void PlaceAtCursor(QWidget *dialog) const;
    void PlaceUpperThird(QWidget *dialog) const;
    void PlaceCentered(QWidget *dialog) const;
    void PlaceBottomRight(QWidget *dialog) const;
    void ShowInfo(const QString &text);
    void ShowNotYetNotice();

    // State that menu items and controls carry.
    int wordWrap() const { return wordWrap_; }
    int tabWidthIndex() const { return tabWidthIndex_; }
    int htmlBarTag() const { return htmlBarTag_; }
    int htmlPagePosition() const { return htmlPagePosition_; }
    void setWordWrapSetting(int value) { wordWrap_ = value; }
    void setHtmlBarTag(int value) { htmlBarTag_ = value; }
    void setHtmlPagePosition(int value) { htmlPagePosition_ = value; }
    void setTagCase(int value) override { tagCase_ = value; }
    void setStyleCase(int value) override { styleCase_ = value; }
    bool closeContinue() const { return closeContinue_; }
    UndoSnapshot &undoSnapshot() { return undo_; }
    QStringList &customColors() override { return customColors_; }
    QString iniPath() const;
    QString applicationTitle() const { return applicationTitle_; }
    QString statusText(int panel) const;
    Ui::TMainForm *form() const { return ui; }

    // A command whose handler is connected; every other item stays disabled.
    bool isBuilt(QObject *item) const;
    // CommandHost
    void bind(const QString &name, std::function<void()> operation, CommandNeed need = CommandNeed::Nothing) override;
    void bindAction(QAction *action, std::function<void()> operation, CommandNeed need = CommandNeed::Nothing) override;
    QMenu *menu(const QString &name) const override;
    void setItemChecked(const QString &name, bool on) override;
    CommandRegistry &commands() const { return *commands_; }
    QWidget *window() override { return this; }
    bool hasDocument() const override { return tabCount() > 0 && activeBox_; }
    QString activeDocumentName() const override { return ActiveDocumentName(); }
    QStringList documentNames() const override;
    int activeDocumentIndex() const override { return activeIndex(); }
    bool activeDocumentIsUtf8() const override;
    IEditBox *documentBox(int index) const override;
    bool activateDocument(const IEditBox *box) override;
    void openDocument(const QString &name) override { OpenDocument(name); }
    bool checkNotOpen(const QString &name) override { return CheckNotOpen(name); }
    void openChecked(const QString &name) override { OpenChecked(name); }
    void selectAndShow(int line, int column, int length) override { SelectAndShow(line, column, length); }
    QString firstBrowseFolder() const override;
    void setFirstBrowseUsed() override;
    bool saveIfModified() override { return SaveIfModified(); }
    QString programFolder() const override { return programFolder_; }
    QString dialogFolder() const override { return dialogFolder_; }
    QString settingsPath() const override { return iniPath(); }
    int tagCase() const override { return tagCase_; }
    int styleCase() const override { return styleCase_; }
    QString tabSpaces() const override { return tabSpaces_; }
    EditorAppearance editorAppearance() const override { return {editorFont_, editorTextColor_, memoColor_, pageTabFont_, statusFont_}; }
    void applyEditorAppearance(const EditorAppearance &look) override;
    void loadPreviewKeys() override { LoadPreviewKeys(); }
    void setOpenDialogFolder(const QString &folder) override;
    void place(QWidget *dialog, Placement placement, QPoint offset = QPoint()) override;
    void showInfo(const QString &text) override { ShowInfo(text); }
    void showNotYetNotice() override { ShowNotYetNotice(); }
    void showStatusNote(const QString &text) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;
    std::optional<QColor> chooseColorFromLast() override;
    HostEvents &events() override { return events_; }
    void setItemEnabled(QObject *item, bool on);
    // Applies every enabling rule to the current state.
    void refreshEnabling() override;
    void setItemEnabled(const QString &name, bool on) override;
    QObject *item(const QString &name) const;

    // Every settings write reports here: the first failure of a run is shown to the user,
    // later ones are not (the program keeps working without its settings).
    bool settingsWritten(bool ok, const ProfileStore &ini) override;

    // The active document as the editing commands see it; only while a tab is open.
    EditContext editContext() override;
    // Command groups of their own subsystems hook in here.
    void setShortcutFileHandler(std::function<void(const QString &)> handler);
    void setStartupSetOpener(std::function<void()> opener);

    // DocumentTabs: the pages as the file commands drive them.
    DocumentManager &documentManager() override { return *docs_; }
    EditBox *insertPage(int index, const QString &caption) override;
    void removePage(int index) override;
    void setPageCaption(int index, const QString &caption) override;
    void selectPageQuietly(int index) override;
    void pageChanged() override { PageControlChange(); }
    void documentOpened() override;
    void documentsChanged() override;
    void refreshMarks() override;
    void invalidateUndo() override { undo_.invalidate(); }
    QPoint promptCentre() const override;
    void showSavedNotice() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openWhenNoDialog(const QStringList &files);
    bool FormCloseQuery();
    void LoadSettings();
    void applyFonts(const StartupSettings &s);
    void applyFonts();
    void bindCommands();
    bool needMet(CommandNeed need) const;
    MenuStates::State menuState() const;

    Ui::TMainForm *ui;
    DocumentManager *docs_ = nullptr;
    FileCommands *files_ = nullptr;
    DocumentRecovery *recovery_ = nullptr;
    std::unique_ptr<MenuStates> menus_;
    UndoSnapshot undo_;
    EditBox *activeBox_ = nullptr;
    QString programFolder_;
    QString dialogFolder_;
    QColor memoColor_ = Qt::white;
    QColor editorTextColor_ = Qt::black;
    QFont editorFont_;
    QFont statusFont_;
    QFont pageTabFont_;
    bool closeContinue_ = true;
    int tagCase_ = 1;
    int styleCase_ = 0;
    int wordWrap_ = 0;
    int tabWidthIndex_ = 0;
    QString tabSpaces_ = QStringLiteral("  ");
    int htmlBarTag_ = 1;
    int htmlPagePosition_ = 0;
    QStringList customColors_;
    QColor lastColor_ = Qt::black; // the shared colour dialog's last choice
    QString applicationTitle_ = AppTitle;
    StatusPanels *status_ = nullptr;
    bool tabSignalsQuiet_ = false;
    bool settingsFailureShown_ = false;
    CommandRegistry *commands_ = nullptr;
    HostEvents events_;
};
