#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file so that a crash or a full disk never leaves it half written:
// a temporary file in the same folder, flushed, then renamed over the old one.
// The old file keeps its permissions; a file the user may not write is not replaced.
// Where the folder takes no new file but the file itself is writable, the old contents
// are first copied into the user's cache folder, then the file is written in place and
// synced, and the copy removed; if that write fails, the error names the copy.
class AtomicFile
{
public:
    // On failure the old file is untouched and error (when given) says why, in words for the user.
    static bool write(const QString &path, const QByteArray &data, QString *error = nullptr);
    // Reads a regular file only (see RegularFile).
    static bool readAll(const QString &path, QByteArray &data, QString *error = nullptr);
    // Where the copies of old contents wait while a file is written in place.
    static QString originalsFolder();

private:
    static bool writeInPlace(const QString &path, const QByteArray &data, QString *error);
};
