#include "SourceTree.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace SourceTree {

QString root()
{
    const QString named = qEnvironmentVariable("TAGWELL_SOURCE_DIR");
    if (!named.isEmpty())
        return named;
    // Run by hand from a build folder inside the tree.
    QDir dir(QCoreApplication::applicationDirPath());
    do {
        if (QFileInfo::exists(dir.filePath(QStringLiteral("scripts/check-layers"))))
            return dir.absolutePath();
    } while (dir.cdUp());
    return {};
}

QString path(QStringView relative)
{
    return root() + u'/' + relative;
}

}
