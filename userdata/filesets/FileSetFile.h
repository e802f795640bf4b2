#pragma once

#include <QString>
#include <QStringList>

// FS.ini: [FileSet] Count and keys "0".. with the sets' titles in list order; each set's
// files in a section named by its title (Count and keys "0".. with full paths). The
// start-up list is TW.ini [FileSet] in the same shape. Read afresh through the INI store;
// a damaged Count reads no more entries than the section has keys.
class FileSetFile
{
public:
    static QString fileName() { return QStringLiteral("FS.ini"); }
    static inline const QString ListSection = QStringLiteral("FileSet");

    explicit FileSetFile(const QString &path) : path_(path) {}

    QStringList titles() const;
    bool hasSet(const QString &title) const;
    QStringList files(const QString &title) const;

    // A new set: its section written and its title added after the others, as Count and one
    // key, leaving the lines of the list before it as they were.
    bool addSet(const QString &title, const QStringList &files, QString *error) const;
    // The set listed under oldTitle takes the new title and files; its old section goes.
    // The list key is found by the old title, so unsaved reordering cannot hit another set.
    bool changeSet(const QString &oldTitle, const QString &title, const QStringList &files, QString *error) const;
    // [FileSet] written afresh with exactly these titles, Count 0 too (sections of sets
    // left out stay).
    bool writeTitles(const QStringList &titles, QString *error) const;

    // The titles of a [FileSet]-shaped list in any INI file (the start-up list of TW.ini).
    static QStringList readList(const QString &iniPath);
    // [FileSet] erased, then written unless there are no titles.
    static bool writeList(const QString &iniPath, const QStringList &titles, QString *error);

    // Why a title cannot be a set's section name, or empty when it can. others: the titles
    // of the other sets, compared as the INI store compares section names.
    static QString titleProblem(const QString &title, const QStringList &others);

private:
    QString path_;
};
