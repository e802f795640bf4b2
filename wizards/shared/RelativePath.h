#pragma once

#include <QString>

// The path by which a page refers to another file: relative to the page's folder,
// with "/" separators. Used by every dialog that links to a chosen file.
class RelativePath
{
public:
    // target's path relative to the folder of activeDocument, with "/" separators.
    // An activeDocument without a folder (the untitled "NewPage") counts as another drive: the full target path.
    static QString of(const QString &target, const QString &activeDocument);
};
