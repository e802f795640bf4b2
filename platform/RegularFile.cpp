#include "platform/RegularFile.h"

#include <QFile>

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

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

// Empty when the file is a regular file, the reason otherwise.
QString refusal(const struct stat &st)
{
    if (S_ISREG(st.st_mode))
        return QString();
    if (S_ISDIR(st.st_mode))
        return systemReason(EISDIR);
    return RegularFile::notRegularReason();
}
} // namespace

QString RegularFile::notRegularReason()
{
    return QStringLiteral("通常のファイルではありません。");
}

bool RegularFile::open(QFile &file, const QString &path, QString *error)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    // Checked before the open: opening some devices already does something.
    if (::stat(name.constData(), &st) != 0)
        return fail(error, systemReason(errno));
    if (const QString why = refusal(st); !why.isEmpty())
        return fail(error, why);
    // Non-blocking, so that a pipe put in the file's place since the check cannot hang the open.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fail(error, systemReason(errno));
    if (::fstat(fd, &st) != 0 || !refusal(st).isEmpty()) {
        const QString why = refusal(st).isEmpty() ? systemReason(errno) : refusal(st);
        ::close(fd);
        return fail(error, why);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(error, file.errorString());
    }
    return true;
}

bool RegularFile::readAll(const QString &path, QByteArray &data, QString *error)
{
    QFile file;
    if (!open(file, path, error))
        return false;
    data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(error, file.errorString());
    return true;
}
