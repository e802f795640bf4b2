#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A scratch folder for targets whose readers take file names; emptied for every input.
class FuzzFolder
{
public:
    static QString path()
    {
        static QTemporaryDir dir;
        return dir.path() + QLatin1Char('/');
    }
    static void clear()
    {
        QDir(path()).removeRecursively();
        QDir().mkpath(path());
    }
    static QString put(const QString &name, const QByteArray &bytes)
    {
        QFile f(path() + name);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return f.fileName();
    }
};
