#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;
class CommandHost;

// The history of recently opened files (File menu, TW.ini section Opened) and the
// command that opens files from the home folder.
class RecentFiles : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxShown = 9;

    explicit RecentFiles(CommandHost &host);

    // Rebuilds the submenu from TW.ini; runs each time the File menu opens.
    void BuildHistoryMenu();
    // Puts name at the top (moving it if listed), saves and rebuilds.
    void AddToHistory(const QString &name);
    // Writes the submenu's entries to TW.ini; false when the file could not be written.
    bool SaveHistory();
    // Opens the entry's file, or removes it from the history when it is gone.
    void HistoryItemClick(QAction *item);
    void OpenHomeClick();

    // The file names the submenu lists, top first.
    QStringList entries() const;
    // The caption of entry number (1-based) as the menu shows it.
    static QString caption(int number, const QString &name);

private:
    QAction *newEntry(const QString &caption, const QString &name, int position);
    void clearMenu();
    static QString nameOf(const QAction *item);

    CommandHost &host_;
    QMenu *menu_;
    QAction *blank_; // "(なし)", part of the window's layout and reused
};
