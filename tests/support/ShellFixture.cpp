#include "ShellFixture.h"

#include <QFile>

ShellFixture::ShellFixture(const QByteArray &iniBytes, bool createIni)
{
    qputenv("TAGWELL_PROGRAM_DIR", dir_.path().toLocal8Bit());
    // Recovery journals stay in the fixture's folder, not the user's.
    stateHome_ = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", (dir_.path() + QStringLiteral("/state")).toLocal8Bit());
    if (createIni || !iniBytes.isEmpty())
        writeFile(QStringLiteral("TW.ini"), iniBytes);
    form_ = std::make_unique<TMainForm>();
}

ShellFixture::~ShellFixture()
{
    form_.reset();
    qunsetenv("TAGWELL_PROGRAM_DIR");
    if (stateHome_.isEmpty())
        qunsetenv("XDG_STATE_HOME");
    else
        qputenv("XDG_STATE_HOME", stateHome_);
}

QString ShellFixture::writeFile(const QString &name, const QByteArray &bytes) const
{
    const QString p = path(name);
    QFile f(p);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write test file %s", qPrintable(p));
    f.write(bytes);
    return p;
}

QByteArray ShellFixture::readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void ShellFixture::restart()
{
    form_.reset();
    form_ = std::make_unique<TMainForm>();
}
