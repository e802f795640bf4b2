// Readers take regular files only: a pipe, a device or a folder is refused at once, never read.
#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestRegularFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void regularFilesAndLinksToThemAreRead()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("a.html"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<P>\r\n");
        f.close();
        QVERIFY(QFile::link(file, dir.filePath(QStringLiteral("link.html"))));
        for (const QString &name : {file, dir.filePath(QStringLiteral("link.html"))}) {
            QByteArray bytes;
            QString error;
            QVERIFY2(RegularFile::readAll(name, bytes, &error), qPrintable(error));
            QCOMPARE(bytes, QByteArray("<P>\r\n"));
        }
    }

    void pipesDevicesAndFoldersAreRefusedWithoutBlocking()
    {
        QTemporaryDir dir;
        const QString pipe = dir.filePath(QStringLiteral("pipe.html"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
        const QString pipeLink = dir.filePath(QStringLiteral("pipe-link.html"));
        QVERIFY(QFile::link(pipe, pipeLink));
        // A pipe nobody writes to would block a read for ever; /dev/zero would never end.
        for (const QString &name : {pipe, pipeLink, QStringLiteral("/dev/zero"), QStringLiteral("/dev/null")}) {
            QByteArray bytes = "kept";
            QString error;
            QVERIFY2(!RegularFile::readAll(name, bytes, &error), qPrintable(name));
            QCOMPARE(error, RegularFile::notRegularReason());
            QCOMPARE(bytes, QByteArray("kept"));
            QVERIFY(!AtomicFile::readAll(name, bytes, &error));
        }
        QString error;
        QByteArray bytes;
        QVERIFY(!RegularFile::readAll(dir.path(), bytes, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(error != RegularFile::notRegularReason());
        QVERIFY(!RegularFile::readAll(dir.filePath(QStringLiteral("missing.html")), bytes, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRegularFile)
#include "tst_regularfile.moc"
