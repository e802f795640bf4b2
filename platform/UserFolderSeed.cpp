#include "platform/UserFolderSeed.h"

#include "platform/AtomicFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

UserFolderSeed::Result UserFolderSeed::seed(const QString &sharedFolder, const QString &userFolder)
{
    Result result;
    const QDir from(sharedFolder);
    const QDir to(userFolder);
    if (!QDir().mkpath(to.absolutePath())) {
        result.error = QStringLiteral("フォルダ %1 を作れませんでした。").arg(QDir::toNativeSeparators(to.absolutePath()));
        return result;
    }
    QStringList files;
    QDirIterator it(from.absolutePath(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << from.relativeFilePath(it.next());
    std::sort(files.begin(), files.end());
    for (const QString &relative : files) {
        const QString target = to.absoluteFilePath(relative);
        // A dangling link or anything else in the way counts as the user's own too.
        if (QFileInfo(target).exists() || QFileInfo(target).isSymLink())
            continue;
        QByteArray bytes;
        QString why;
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !AtomicFile::readAll(from.absoluteFilePath(relative), bytes, &why) ||
            !AtomicFile::write(target, bytes, &why)) {
            if (why.isEmpty())
                why = QStringLiteral("フォルダ %1 を作れませんでした。").arg(QDir::toNativeSeparators(QFileInfo(target).absolutePath()));
            result.error = QDir::toNativeSeparators(target) + QStringLiteral("\r\n") + why;
            return result;
        }
        result.copied << relative;
    }
    return result;
}
