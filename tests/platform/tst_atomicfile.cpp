// Saving where the folder takes no new file but the file itself may be written.
#include "SmallDisk.h"
#include "UnprivilegedUser.h"

#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

namespace {
QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void put(const QString &path, const QByteArray &bytes, QFile::Permissions permissions)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
    f.close();
    QVERIFY(f.setPermissions(permissions));
}

constexpr QFile::Permissions Everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup |
                                        QFile::ReadOther | QFile::WriteOther;
constexpr QFile::Permissions OpenFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                          QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
                                          QFile::ExeOther;
constexpr QFile::Permissions ClosedFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                            QFile::ReadOther | QFile::ExeOther;
} // namespace

class TestAtomicFile : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir root_;
    QString cache_;

    // A folder under root_ that "nobody" may enter but not add files to.
    QString closedFolderWith(const QString &name, const QByteArray &bytes, QFile::Permissions filePermissions,
                             const QString &folder)
    {
        QDir().mkpath(folder);
        put(folder + QLatin1Char('/') + name, bytes, filePermissions);
        QFile(folder).setPermissions(ClosedFolder);
        return folder + QLatin1Char('/') + name;
    }

    QStringList copiesLeft() const
    {
        return QDir(AtomicFile::originalsFolder()).entryList(QDir::Files);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(root_.isValid());
        QFile(root_.path()).setPermissions(OpenFolder);
        cache_ = root_.filePath(QStringLiteral("cache"));
        QDir().mkpath(cache_);
        QFile(cache_).setPermissions(OpenFolder);
        qputenv("XDG_CACHE_HOME", cache_.toLocal8Bit());
        QVERIFY(AtomicFile::originalsFolder().startsWith(cache_));
    }

    void cleanup()
    {
        // Let the temporary folder go away.
        const auto dirs = QDir(root_.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &d : dirs)
            QFile(root_.filePath(d)).setPermissions(OpenFolder);
        QDir(AtomicFile::originalsFolder()).removeRecursively();
    }

    void writesInPlaceWhereNoTemporaryFileCanBeMade()
    {
        const QString folder = root_.filePath(QStringLiteral("shared"));
        const QString file = closedFolderWith(QStringLiteral("page.html"), "old contents\r\n", Everyone, folder);
        UnprivilegedUser nobody;
        if (!nobody.ok())
            QSKIP("cannot act as an unprivileged user here");
        QString error;
        QVERIFY2(AtomicFile::write(file, "new\r\n", &error), qPrintable(error));
        QCOMPARE(contents(file), QByteArray("new\r\n")); // shorter: the rest is cut off
        QVERIFY2(AtomicFile::write(file, "a longer text than before\r\n", &error), qPrintable(error));
        QCOMPARE(contents(file), QByteArray("a longer text than before\r\n"));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("page.html")});
        QCOMPARE(copiesLeft(), QStringList()); // the copy of the old contents went after the write
        QCOMPARE(QFile(file).permissions() & Everyone, Everyone);
    }

    void aFileNobodyMayWriteIsNotTouched()
    {
        const QString folder = root_.filePath(QStringLiteral("locked"));
        const QString file = closedFolderWith(QStringLiteral("page.html"), "old", QFile::ReadOwner | QFile::ReadOther,
                                              folder);
        UnprivilegedUser nobody;
        if (!nobody.ok())
            QSKIP("cannot act as an unprivileged user here");
        QString error;
        QVERIFY(!AtomicFile::write(file, "new", &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(contents(file), QByteArray("old"));
        QCOMPARE(copiesLeft(), QStringList());
    }

    void aWriteThatFailsHalfWayKeepsTheOldText()
    {
        const QString mountPoint = root_.filePath(QStringLiteral("disk"));
        SmallDisk disk(mountPoint, QStringLiteral("64k"));
        if (!disk.mounted())
            QSKIP("mounting a small tmpfs is not permitted here; the write that fails half way is not checked");
        QFile(mountPoint).setPermissions(OpenFolder);
        const QString folder = mountPoint + QStringLiteral("/shared");
        const QByteArray old(3000, 'o');
        const QString file = closedFolderWith(QStringLiteral("page.html"), old, Everyone, folder);
        // Fill the disk to the last block.
        {
            QFile filler(mountPoint + QStringLiteral("/filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(1024, 'f');
            while (filler.write(block) == block.size()) {
            }
        }
        UnprivilegedUser nobody;
        if (!nobody.ok())
            QSKIP("cannot act as an unprivileged user here");
        const QByteArray big(100 * 1024, 'n');
        QString error;
        QVERIFY(!AtomicFile::write(file, big, &error));
        QCOMPARE(contents(file), old); // put back: it fitted in the blocks the file held
        const QStringList copies = copiesLeft();
        QCOMPARE(copies.size(), 1);
        const QString copy = AtomicFile::originalsFolder() + QLatin1Char('/') + copies.first();
        QCOMPARE(contents(copy), old);
        QVERIFY2(error.contains(copy), qPrintable(error));
        QVERIFY2(error.contains(QString::fromLocal8Bit(strerror(ENOSPC))), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
