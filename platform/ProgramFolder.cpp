#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ProgramFolder::path()
{
    QString dir = qEnvironmentVariable("TAGWELL_PROGRAM_DIR");
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath();
    dir = QFileInfo(dir).absoluteFilePath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QString ProgramFolder::file(const QString &relative)
{
    return path() + relative;
}
