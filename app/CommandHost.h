#pragma once

#include "editing/EditContext.h"
#include "platform/Platform.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>

class IEditBox;
class ProfileStore;
class QAction;
class QMenu;

// What a command needs before it can run; the host keeps its item enabled exactly then.
// Commands with an irregular rule bind with Nothing and keep their rule in the host.
enum class CommandNeed {
    Nothing,
    Document,      // a document tab is open
    Selection,     // a document is open and text is selected
    ClipboardText, // a document is open and the clipboard holds text
};

// Where a dialog goes: the main window's four placements, or an offset from the
// window's top-left corner ("left + 200, top + 100").
enum class Placement { AtCursor, UpperThird, Centered, BottomRight, FromWindow };

// The user's own data files; a change makes the host's submenus rebuild.
enum class UserData { CustomTags, Templates, FileSets, TagDictionary };

// How the editing boxes, the document tabs and the status bar look.
struct EditorAppearance
{
    QFont editor;
    QColor text;
    QColor memo; // the editing boxes' background
    QFont pageTab;
    QFont status;
};

// Signals the host raises for command groups.
class HostEvents : public QObject
{
    Q_OBJECT
Q_SIGNALS:
    // A user data file was written; menus built from it are stale.
    void userDataChanged(UserData kind);
    // A document the user chose is about to open (the history records it).
    void openingChecked(const QString &name);
    // A document's editing box is about to go; windows that point into it let go.
    void documentClosing(IEditBox *box);
    // A new editing box exists (drop targets, key handling).
    void editBoxCreated(QWidget *box);
    // Settings that command groups keep are written at shutdown.
    void shuttingDown(ProfileStore &ini);
    // The window's short-cut keys changed (the preview keys were read again).
    void shortcutsChanged();
};

// The narrow view of the main window that command groups use, and nothing else does:
// binding commands, the active and open documents, settings, dialog placement and
// messages. TMainForm implements it; tests may implement it without a window.
class CommandHost
{
public:
    virtual ~CommandHost() = default;

    // ---- commands
    // Connects the menu item, tool button or pop-up item named to one operation. The item
    // is enabled while its need is met (and only once bound).
    virtual void bind(const QString &name, std::function<void()> operation, CommandNeed need = CommandNeed::Nothing) = 0;
    // The same for an item a command group made itself (entries of a rebuilt submenu).
    virtual void bindAction(QAction *action, std::function<void()> operation, CommandNeed need = CommandNeed::Nothing) = 0;
    // A submenu of the form by name, for groups that rebuild it; nullptr if there is none.
    virtual QMenu *menu(const QString &name) const = 0;
    virtual void setItemEnabled(const QString &name, bool on) = 0;
    virtual void setItemChecked(const QString &name, bool on) = 0;
    // Applies every enabling rule to the current state.
    virtual void refreshEnabling() = 0;

    // ---- documents
    // Parent for dialogs and messages.
    virtual QWidget *window() = 0;
    virtual bool hasDocument() const = 0;
    // The active document as the editing engine sees it; only while hasDocument().
    virtual EditContext editContext() = 0;
    virtual QString activeDocumentName() const = 0;
    // Every open document's name in tab order; an untitled one as untitledName().
    virtual QStringList documentNames() const = 0;
    virtual int activeDocumentIndex() const = 0;
    // The active document is written in UTF-8 (with or without a BOM), not Shift-JIS.
    virtual bool activeDocumentIsUtf8() const = 0;
    virtual IEditBox *documentBox(int index) const = 0;
    // Makes the tab of the document shown; false when no such document is open.
    virtual bool activateDocument(const IEditBox *box) = 0;
    virtual void openDocument(const QString &name) = 0;
    // True when name is not open yet; otherwise tells the user so.
    virtual bool checkNotOpen(const QString &name) = 0;
    virtual void openChecked(const QString &name) = 0;
    // Saves the active document when modified, without the save notice; an untitled one
    // through Save as. False when it stays unsaved (cancelled or failed).
    virtual bool saveIfModified() = 0;
    // The active document's folder while its first Browse or Open is still to come, else
    // empty; the Open command and every Browse button share it.
    virtual QString firstBrowseFolder() const = 0;
    virtual void setFirstBrowseUsed() = 0;
    // Selects length characters at line and column of the active box and scrolls them into view.
    virtual void selectAndShow(int line, int column, int length) = 0;
    static QString untitledName() { return QStringLiteral("NewPage"); }

    // ---- settings
    virtual QString programFolder() const = 0;
    // Where file dialogs start while no home folder is set (ProgramFolder::dialogFolder).
    virtual QString dialogFolder() const = 0;
    // TW.ini.
    virtual QString settingsPath() const = 0;
    // Every settings write reports here; the first failure of a run is shown to the user.
    virtual bool settingsWritten(bool ok, const ProfileStore &ini) = 0;
    virtual int tagCase() const = 0;
    virtual int styleCase() const = 0;
    // The case settings; the caller stores them.
    virtual void setTagCase(int value) = 0;
    virtual void setStyleCase(int value) = 0;
    virtual QString tabSpaces() const = 0;
    virtual EditorAppearance editorAppearance() const = 0;
    // Applies to every open tab and to the boxes made later; re-lays the status bar.
    virtual void applyEditorAppearance(const EditorAppearance &look) = 0;
    // Reads the preview short-cuts from TW.ini again.
    virtual void loadPreviewKeys() = 0;
    // Where the shared open dialog starts next.
    virtual void setOpenDialogFolder(const QString &folder) = 0;
    // The shared colour dialog's 16 custom colours for the run.
    virtual QStringList &customColors() = 0;

    // ---- dialogs and messages
    virtual void place(QWidget *dialog, Placement placement, QPoint offset = QPoint()) = 0;
    virtual void showInfo(const QString &text) = 0;
    virtual void showNotYetNotice() = 0;
    // A short note in the status bar that goes by itself.
    virtual void showStatusNote(const QString &text) = 0;
    // The shared colour dialog (its 16 custom colours kept for the run and in TW.ini),
    // opening at initial.
    virtual std::optional<QColor> chooseColor(const QColor &initial) = 0;
    // The same dialog opening at the colour last chosen in it by any command.
    virtual std::optional<QColor> chooseColorFromLast() = 0;
    // The shared open dialog (several files, the shell's filters), reset after each use.
    virtual Platform::FileAnswer runOpenDialog(const QString &folder) = 0;

    virtual HostEvents &events() = 0;
};
