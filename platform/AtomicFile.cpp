#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
QString systemReason(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}
} // namespace

bool AtomicFile::write(const QString &path, const QByteArray &data, QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QFileInfo info(path);
    if (info.isDir())
        return fail(systemReason(EISDIR));
    // A file without any write permission is read-only for everyone, root included.
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (info.exists() && (!info.isWritable() || !(info.permissions() & anyWrite)))
        return fail(systemReason(EACCES));
    if (!info.absoluteDir().exists())
        return fail(systemReason(ENOENT));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(data) != data.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(why);
    }
    if (!file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(why);
    }
    // The data must be on the disk before the rename makes it the file.
    if (::fsync(int(file.handle())) != 0 && errno != EINVAL) {
        const QString why = systemReason(errno);
        file.cancelWriting();
        return fail(why);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

bool AtomicFile::readAll(const QString &path, QByteArray &data, QString *error)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        if (error)
            *error = systemReason(EISDIR);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
