#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString withSlash(const QString &dir)
{
    QString path = QFileInfo(dir).absoluteFilePath();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}
} // namespace

ProgramFolder::Location ProgramFolder::locate(const QString &named, const QString &executableFolder,
                                              const QString &dataHome)
{
    if (!named.isEmpty())
        return {Kind::Named, withSlash(named), QString()};
    const QDir exe(executableFolder);
    // The build folder and an unpacked folder hold no share/tagwell/ beside them.
    const QString shared = QDir::cleanPath(exe.absoluteFilePath(QStringLiteral("../share/tagwell")));
    if (exe.dirName() == QLatin1String("bin") && QFileInfo(shared).isDir() && !dataHome.isEmpty())
        return {Kind::Installed, withSlash(dataHome + QStringLiteral("/tagwell")), withSlash(shared)};
    return {Kind::InPlace, withSlash(executableFolder), QString()};
}

ProgramFolder::Location ProgramFolder::current()
{
    // GenericDataLocation follows XDG_DATA_HOME, else ~/.local/share.
    return locate(qEnvironmentVariable("TAGWELL_PROGRAM_DIR"), QCoreApplication::applicationDirPath(),
                  QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString ProgramFolder::path()
{
    return current().folder;
}

QString ProgramFolder::file(const QString &relative)
{
    return path() + relative;
}

QString ProgramFolder::dialogFolder()
{
    return dialogFolder(current(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                        QDir::homePath());
}

QString ProgramFolder::dialogFolder(const Location &location, const QString &documents, const QString &home)
{
    if (location.kind != Kind::Installed)
        return location.folder;
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return withSlash(documents);
    return withSlash(home);
}
