#include "platform/AtomicFile.h"

#include "platform/RegularFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString systemReason(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

bool writeFully(int fd, const char *data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(fd, data + done, size_t(size - done), off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

// The file's new contents written over the old ones, the length set and synced.
bool overwrite(int fd, const QByteArray &data)
{
    return writeFully(fd, data.constData(), data.size()) && ::ftruncate(fd, off_t(data.size())) == 0 &&
           ::fsync(fd) == 0;
}

// Asked with the effective ids, which decide what the process may do.
bool mayWrite(const QString &path)
{
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
}

QString copyFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/saved-originals");
}
} // namespace

QString AtomicFile::originalsFolder()
{
    return copyFolder();
}

bool AtomicFile::writeInPlace(const QString &path, const QByteArray &data, QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    // The old contents first go somewhere safe: a write over the file itself can fail half way.
    QByteArray old;
    QString why;
    if (!RegularFile::readAll(path, old, &why))
        return fail(why);
    const QString folder = copyFolder();
    QDir().mkpath(folder);
    const QString copy = folder + QLatin1Char('/') + QFileInfo(path).fileName() + QLatin1Char('.') +
                         QString::number(QDateTime::currentMSecsSinceEpoch()) + QLatin1Char('.') +
                         QString::number(::getpid());
    if (!write(copy, old, &why))
        return fail(QStringLiteral("フォルダーに一時ファイルを作れず、元の内容の控えも作れませんでした（") + copy +
                    QStringLiteral("）。\r\n") + why);

    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        why = fd < 0 ? systemReason(errno) : RegularFile::notRegularReason();
        if (fd >= 0)
            ::close(fd);
        QFile::remove(copy); // nothing was touched
        return fail(why);
    }
    if (!overwrite(fd, data)) {
        why = systemReason(errno);
        // The old contents still fit in the blocks the file held: put them back.
        const bool restored = overwrite(fd, old);
        ::close(fd);
        return fail(why + QStringLiteral("\r\n") +
                    (restored ? QStringLiteral("ファイルは元の内容に戻しました。") : QStringLiteral("ファイルは途中まで書き換えられています。")) +
                    QStringLiteral("\r\n元の内容のコピー: ") + copy);
    }
    ::close(fd);
    QFile::remove(copy);
    return true;
}

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
    if (!file.open(QIODevice::WriteOnly)) {
        // A folder that takes no new file may still hold a file its user may write
        // (pages in a shared web folder): then the file itself is written over.
        if (info.exists() && !mayWrite(info.absolutePath()) && mayWrite(path))
            return writeInPlace(path, data, error);
        return fail(file.errorString());
    }
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
    return RegularFile::readAll(path, data, error);
}
