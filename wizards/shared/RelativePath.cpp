#include "wizards/shared/RelativePath.h"

#include <QStringList>

namespace {
const QChar Slash = QLatin1Char('/');

// Folder names of a path, without its file name; empty names (a leading "/" or
// a doubled separator) mean nothing here and are left out.
QStringList foldersOf(const QString &path)
{
    return path.left(path.lastIndexOf(Slash)).split(Slash, Qt::SkipEmptyParts);
}
} // namespace

QString RelativePath::of(const QString &target, const QString &activeDocument)
{
    // A name without a folder has no place on any drive, and absolute and relative
    // names share no root: in both cases only the full name can be given.
    if (!activeDocument.contains(Slash) || !target.contains(Slash))
        return target;
    if (activeDocument.startsWith(Slash) != target.startsWith(Slash))
        return target;

    const QStringList from = foldersOf(activeDocument);
    const QStringList to = foldersOf(target);
    // File names are case-sensitive here, so folders are equal only when spelt alike.
    qsizetype common = 0;
    while (common < from.size() && common < to.size() && from.at(common) == to.at(common))
        ++common;

    QString result;
    for (qsizetype i = common; i < from.size(); ++i)
        result += QStringLiteral("../");
    for (qsizetype i = common; i < to.size(); ++i)
        result += to.at(i) + Slash;
    return result + target.mid(target.lastIndexOf(Slash) + 1);
}
