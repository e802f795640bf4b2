// Saving into a disk that says no: the old file stays, the edit stays, the user is told why.
#include "ShellFixture.h"
#include "SmallDisk.h"
#include "UnprivilegedUser.h"

#include "app/EditBox.h"
#include "platform/AtomicFile.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTest>

#include <cerrno>
#include <cstring>

namespace {
void typeInto(EditBox *box, const QString &text)
{
    QTextCursor c = box->textCursor();
    c.insertText(text);
    box->setTextCursor(c);
}
} // namespace

class TestSaveFaults : public QObject
{
    Q_OBJECT
private:
    // The save failed as it should: old bytes, edit kept, marked modified, reason shown.
    void verifyRefused(ShellFixture &fx, const QString &file, const QByteArray &oldBytes, const QString &expectedText)
    {
        TMainForm &f = fx.form();
        QVERIFY(!fx.platform().messages.isEmpty());
        const auto &m = fx.platform().messages.last();
        QCOMPARE(m.kind, Platform::MessageKind::Warning);
        QVERIFY2(m.text.contains(file), qPrintable(m.text));
        QVERIFY2(m.text.section(QLatin1String("\r\n"), 1).size() > 0, "the message gives a reason");
        QCOMPARE(ShellFixture::readFile(file), oldBytes);
        QVERIFY(f.activeBox()->isModified());
        QCOMPARE(f.statusText(1), QStringLiteral("変更あり"));
        QCOMPARE(f.activeBox()->text(), expectedText);
        QVERIFY(!f.findChild<QDialog *>(QStringLiteral("TResultDlg"))); // no save notice
    }

private Q_SLOTS:
    void fullDiskThenRoomAgain()
    {
        ShellFixture fx;
        SmallDisk disk(fx.path(QStringLiteral("disk")), QStringLiteral("64k"));
        if (!disk.mounted())
            QSKIP("mounting a small tmpfs is not permitted here; the full-disk case is not checked");
        const QString file = fx.writeFile(QStringLiteral("disk/a.html"), "old");
        TMainForm &f = fx.form();
        f.OpenDocument(file);
        const QString big(100 * 1024, QLatin1Char('x'));
        typeInto(f.activeBox(), big);
        f.FileSaveClick();
        verifyRefused(fx, file, "old", big + QStringLiteral("old"));
        QCOMPARE(QDir(fx.path(QStringLiteral("disk"))).entryList(QDir::Files), QStringList{QStringLiteral("a.html")});
        QVERIFY(disk.remount(QStringLiteral("size=1m")));
        f.FileSaveClick();
        QCOMPARE(ShellFixture::readFile(file), (big + QStringLiteral("old")).toLatin1());
        QVERIFY(!f.activeBox()->isModified());
    }

    void readOnlyFolder()
    {
        ShellFixture fx;
        SmallDisk disk(fx.path(QStringLiteral("ro")), QStringLiteral("64k"));
        if (!disk.mounted())
            QSKIP("mounting a small tmpfs is not permitted here; the read-only folder case is not checked");
        const QString file = fx.writeFile(QStringLiteral("ro/a.html"), "old");
        TMainForm &f = fx.form();
        f.OpenDocument(file);
        typeInto(f.activeBox(), QStringLiteral("new "));
        QVERIFY(disk.remount(QStringLiteral("ro")));
        f.FileSaveClick();
        verifyRefused(fx, file, "old", QStringLiteral("new old"));
        // Close, yes: the failed save keeps the tab.
        fx.platform().messageAnswers.push_back(Platform::Answer::Yes);
        f.FileCloseClick();
        QCOMPARE(f.tabCount(), 1);
        QVERIFY(disk.remount(QStringLiteral("rw")));
        f.FileSaveClick();
        QCOMPARE(ShellFixture::readFile(file), QByteArray("new old"));
    }

    void readOnlyFileKeepsItsBytes()
    {
        ShellFixture fx;
        const QString file = fx.writeFile(QStringLiteral("a.html"), "old");
        TMainForm &f = fx.form();
        f.OpenDocument(file);
        typeInto(f.activeBox(), QStringLiteral("new "));
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        f.FileSaveClick();
        verifyRefused(fx, file, "old", QStringLiteral("new old"));
    }

    void vanishedFolderAndNameNowAFolder()
    {
        ShellFixture fx;
        QDir().mkpath(fx.path(QStringLiteral("sub")));
        const QString inSub = fx.writeFile(QStringLiteral("sub/a.html"), "a");
        const QString plain = fx.writeFile(QStringLiteral("b.html"), "b");
        TMainForm &f = fx.form();
        f.OpenDocument(inSub);
        typeInto(f.activeBox(), QStringLiteral("1"));
        QVERIFY(QDir(fx.path(QStringLiteral("sub"))).removeRecursively());
        f.FileSaveClick();
        verifyRefused(fx, inSub, QByteArray(), QStringLiteral("1a"));

        f.OpenDocument(plain);
        typeInto(f.activeBox(), QStringLiteral("2"));
        QVERIFY(QFile::remove(plain));
        QVERIFY(QDir().mkdir(plain));
        f.FileSaveClick();
        QVERIFY(fx.platform().messages.last().text.contains(plain));
        QVERIFY(f.activeBox()->isModified());
        QVERIFY(QFileInfo(plain).isDir());
    }

    void saveKeepsPermissions()
    {
        ShellFixture fx;
        const QString file = fx.writeFile(QStringLiteral("p.html"), "p");
        const auto perms = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ExeOwner | QFile::ExeUser;
        QVERIFY(QFile::setPermissions(file, perms));
        TMainForm &f = fx.form();
        f.OpenDocument(file);
        typeInto(f.activeBox(), QStringLiteral("q"));
        f.FileSaveClick();
        QCOMPARE(ShellFixture::readFile(file), QByteArray("qp"));
        QCOMPARE(QFile::permissions(file) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                 perms & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser));
    }

    // A page in a shared web folder: the folder takes no new file, the page may be written.
    void folderWithoutRoomForATemporaryFile()
    {
        ShellFixture fx;
        const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        const auto closed = open & ~(QFile::WriteOwner | QFile::WriteOther);
        QVERIFY(QFile::setPermissions(fx.folder(), open));
        QDir().mkpath(fx.path(QStringLiteral("cache")));
        QVERIFY(QFile::setPermissions(fx.path(QStringLiteral("cache")), open));
        qputenv("XDG_CACHE_HOME", fx.path(QStringLiteral("cache")).toLocal8Bit());
        SmallDisk disk(fx.path(QStringLiteral("disk")), QStringLiteral("64k"));
        const bool small = disk.mounted();
        QVERIFY(QFile::setPermissions(fx.path(QStringLiteral("disk")), open));
        QDir().mkpath(fx.path(QStringLiteral("disk/web")));
        const QString file = fx.writeFile(QStringLiteral("disk/web/a.html"), "old");
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther));
        QVERIFY(QFile::setPermissions(fx.path(QStringLiteral("disk/web")), closed));
        TMainForm &f = fx.form();
        f.OpenDocument(file);
        typeInto(f.activeBox(), QStringLiteral("new "));
        {
            UnprivilegedUser nobody;
            if (!nobody.ok())
                QSKIP("cannot act as an unprivileged user here");
            f.FileSaveClick();
        }
        QCOMPARE(fx.platform().messages.size(), 0);
        QCOMPARE(ShellFixture::readFile(file), QByteArray("new old"));
        QVERIFY(!f.activeBox()->isModified());
        QCOMPARE(QDir(fx.path(QStringLiteral("disk/web"))).entryList(QDir::Files), QStringList{QStringLiteral("a.html")});
        QCOMPARE(QDir(AtomicFile::originalsFolder()).entryList(QDir::Files), QStringList());
        if (!small)
            QSKIP("mounting a small tmpfs is not permitted here; the in-place write that fails half way is not checked");

        // The disk fills up: the write over the file fails half way.
        QFile filler(fx.path(QStringLiteral("disk/filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(1024, 'f')) == 1024) {
        }
        filler.close();
        typeInto(f.activeBox(), QString(100 * 1024, QLatin1Char('x')));
        const QString edited = f.activeBox()->text();
        {
            UnprivilegedUser nobody;
            f.FileSaveClick();
        }
        QCOMPARE(fx.platform().messages.size(), 1);
        const QString text = fx.platform().messages.first().text;
        const QStringList copies = QDir(AtomicFile::originalsFolder()).entryList(QDir::Files);
        QCOMPARE(copies.size(), 1);
        const QString copy = AtomicFile::originalsFolder() + QLatin1Char('/') + copies.first();
        QVERIFY2(text.contains(file) && text.contains(copy) && text.contains(QString::fromLocal8Bit(strerror(ENOSPC))),
                 qPrintable(text));
        QCOMPARE(ShellFixture::readFile(copy), QByteArray("new old"));
        QCOMPARE(ShellFixture::readFile(file), QByteArray("new old"));
        QVERIFY(f.activeBox()->isModified());
        QCOMPARE(f.activeBox()->text(), edited);
        QVERIFY(QFile::setPermissions(fx.path(QStringLiteral("disk/web")), open));
        qunsetenv("XDG_CACHE_HOME");
    }
};

QTEST_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
