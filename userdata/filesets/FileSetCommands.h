#pragma once

#include <QObject>
#include <QString>

#include <optional>

class CommandHost;

// The file set commands: the file set dialog (FileSet) with its set editor, the File
// submenu built from FS.ini, the picker (FileSetSpd, FileSet2Spd), and the sets opened
// at start-up.
class FileSetCommands : public QObject
{
    Q_OBJECT
public:
    explicit FileSetCommands(CommandHost &host);

    void FileSetClick();
    void FileSetSpdClick();
    void RebuildFileSetMenu();
    // Opens every file of the set that exists and is not open yet.
    void OpenFileSet(const QString &title);
    // The sets marked for start-up, in order.
    void openStartupSets();

private:
    QString iniPath() const;
    // Runs the set editor over the set stored as oldTitle, or a new one without it; the
    // set's title after OK, empty after Cancel.
    QString editSet(QWidget *over, std::optional<QString> oldTitle, const QStringList &others);

    CommandHost &host_;
};
