#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file so that a crash or a full disk never leaves it half written:
// a temporary file in the same folder, flushed, then renamed over the old one.
// The old file keeps its permissions; a file the user may not write is not replaced.
class AtomicFile
{
public:
    // On failure the old file is untouched and error (when given) says why, in words for the user.
    static bool write(const QString &path, const QByteArray &data, QString *error = nullptr);
    static bool readAll(const QString &path, QByteArray &data, QString *error = nullptr);
};
