#pragma once

#include "userdata/listmanager/RegistSource.h"

#include <QStringList>

// The set editor: the list manager over one file set of FS.ini, entries being the set's
// file paths and title the set's title. A new set is added to FS.ini at OK; a changed set
// replaces the set it was loaded from, also one stored with an empty title.
class FileSetSource : public RegistSource
{
public:
    // others: the titles the file set dialog holds now.
    static FileSetSource newSet(const QString &iniPath, const QStringList &others)
    {
        return FileSetSource(iniPath, true, QString(), others);
    }
    static FileSetSource changedSet(const QString &iniPath, const QString &oldTitle, const QStringList &others)
    {
        return FileSetSource(iniPath, false, oldTitle, others);
    }

    bool isNew() const { return isNew_; }
    QString caption() const override;
    QString groupCaption() const override { return QStringLiteral("ファイル"); }
    RegistLayout layout() const override;
    void load() override;
    RegistVerdict accept() override;

    // Appends, in sorted order, the paths not yet listed; returns the index of the last
    // entry added, or -1 when none was new.
    int addFiles(QStringList paths);

private:
    FileSetSource(const QString &iniPath, bool isNew, const QString &oldTitle, const QStringList &others)
        : path_(iniPath), isNew_(isNew), oldTitle_(oldTitle), others_(others)
    {
    }

    QString path_;
    bool isNew_;
    QString oldTitle_;
    QStringList others_;
};
