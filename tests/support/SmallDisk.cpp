#include "SmallDisk.h"

#include <QDir>
#include <QProcess>

namespace {
bool run(const QStringList &args)
{
    QProcess p;
    p.start(args.first(), args.mid(1));
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}
} // namespace

SmallDisk::SmallDisk(const QString &where, const QString &size) : where_(where)
{
    QDir().mkpath(where_);
    mounted_ = run({QStringLiteral("mount"), QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                    QStringLiteral("size=") + size, QStringLiteral("tmpfs"), where_});
}

SmallDisk::~SmallDisk()
{
    if (mounted_)
        run({QStringLiteral("umount"), QStringLiteral("-l"), where_});
}

bool SmallDisk::remount(const QString &options)
{
    return run({QStringLiteral("mount"), QStringLiteral("-o"), QStringLiteral("remount,") + options, where_});
}
