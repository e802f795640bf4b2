#pragma once

#include <QString>
#include <QtGlobal>

// What a document's file looked like when the editor last read or wrote it: enough to tell
// later whether someone changed it since, without reading it.
struct DiskStamp
{
    bool exists = false;
    qint64 size = -1;
    qint64 modifiedMs = -1; // ms since the epoch, UTC

    static DiskStamp of(const QString &path);
    bool operator==(const DiskStamp &) const = default;
};
