#include "bench/Checks.h"

#include <QCoreApplication>
#include <QFile>
#include <QWidget>

#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>

void check(bool ok, const QString &what)
{
    if (!ok)
        throw std::runtime_error(what.toStdString());
}

void settle(QWidget *w)
{
    QCoreApplication::processEvents();
    w->repaint();
}

void flushToDisk(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    const bool ok = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    check(ok, QStringLiteral("could not flush ") + path);
}

void writeChecked(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    check(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size(),
          QStringLiteral("cannot write %1: %2").arg(path, f.errorString()));
}
