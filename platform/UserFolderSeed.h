#pragma once

#include <QString>
#include <QStringList>

// Fills an installed copy's per-user program folder with the companion files it lacks
// (the help pages, the default tag dictionary, ...), copied from the installed, read-only
// share/tagwell/. A file already there is the user's own and is never replaced.
class UserFolderSeed
{
public:
    struct Result
    {
        QStringList copied; // relative paths, in the order copied
        QString error;      // empty when every missing file was copied
    };
    static Result seed(const QString &sharedFolder, const QString &userFolder);
};
