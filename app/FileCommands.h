#pragma once

#include "app/DocumentFile.h"
#include "platform/Platform.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class CommandHost;
class DocumentTabs;

// The File menu's document commands: new, open, save, save as, close and close all, the
// files named at start-up, and the shared open dialog.
class FileCommands : public QObject
{
    Q_OBJECT
public:
    FileCommands(CommandHost &host, DocumentTabs &tabs);

    void newDocument();
    void openWithDialog();
    // showNotice: the short notice after a save by the user's own command.
    bool save(bool showNotice);
    bool saveAs();
    void closeActive();
    void closeAll();
    // Closes the active page, asking first when it is modified; false when the user
    // cancelled or the save failed, and the page stays.
    bool closeWithPrompt();
    // Closes every page for the end of the program; false when one stays.
    bool closeAllForShutdown();
    // Writes the active page when modified (an untitled one through save as); true when
    // nothing is left unsaved.
    bool saveIfModified();

    // Opens a tab for the file (or an untitled page for "NewPage"); an unreadable file
    // leaves no tab behind.
    void openDocument(const QString &name);
    bool checkNotOpen(const QString &name);
    void openChecked(const QString &name);
    void openStartupFiles(const QStringList &arguments);
    // Files a later start of the program handed over (absolute paths): opened as the
    // command line opens them, except that a file already open is only brought forward;
    // the last of them ends up the active page.
    void openHandedOver(const QStringList &files);

    Platform::FileAnswer runOpenDialog(const QString &folder);
    void setOpenDialogFolder(const QString &folder) { openFolder_ = folder; }
    QString firstBrowseFolder() const;
    void setFirstBrowseUsed();

    // Hooks of other groups: internet shortcuts on the command line, start-up file sets.
    void setShortcutFileHandler(std::function<void(const QString &)> handler) { shortcutFileHandler_ = std::move(handler); }
    void setStartupSetOpener(std::function<void()> opener) { startupSetOpener_ = std::move(opener); }

private:
    void closePage(int index);
    // The active document's changes asked about ("save the changes?"): false when the user
    // cancels or the save fails, so the caller keeps the text as it is.
    bool changesSettled();
    bool hasPage() const;
    QString activeName() const;
    // TW.ini's choices: how files are read, and what a new document is written in.
    DocumentFile::Reading reading() const;
    DocumentFile::Format newDocumentFormat() const;
    // The encoding submenu: read the active file again in another encoding, or choose what
    // the next save writes.
    void reopenAs(DocumentFile::Reading reading);
    void chooseEncoding(DocumentEncoding::Encoding encoding);
    void chooseLineBreak(DocumentEncoding::LineBreak lineBreak);
    void changeFormat(const DocumentFile::Format &format);
    // A charset declared in the page's head that no longer says its encoding: offered to be
    // brought along, as one undoable step.
    void offerCharsetUpdate(bool utf8);
    void refreshEncodingMenu();

    CommandHost &host_;
    DocumentTabs &tabs_;
    QString openFolder_;
    bool openFilterUsed_ = false;
    std::function<void(const QString &)> shortcutFileHandler_;
    std::function<void()> startupSetOpener_;
};
