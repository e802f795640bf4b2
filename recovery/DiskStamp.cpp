#include "recovery/DiskStamp.h"

#include <QDateTime>
#include <QFileInfo>

DiskStamp DiskStamp::of(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return {};
    return {true, info.size(), info.lastModified().toMSecsSinceEpoch()};
}
