// Which folder holds settings and user data, where dialogs start, and how an installed
// copy's own folder is filled without touching what the user already has.
#include "platform/ProgramFolder.h"
#include "platform/UserFolderSeed.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
void put(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(bytes);
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

class TestProgramFolder : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir root_;
    QString prefix() const { return root_.path() + QStringLiteral("/usr"); }
    QString dataHome() const { return root_.path() + QStringLiteral("/home/.local/share"); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(root_.isValid());
        QVERIFY(QDir().mkpath(prefix() + QStringLiteral("/bin")));
        QVERIFY(QDir().mkpath(prefix() + QStringLiteral("/share/tagwell/Help")));
        QVERIFY(QDir().mkpath(root_.path() + QStringLiteral("/build")));
        QVERIFY(QDir().mkpath(root_.path() + QStringLiteral("/unpacked/bin")));
    }

    void whichFolder()
    {
        using Kind = ProgramFolder::Kind;
        // The variable wins, also over an installed copy.
        ProgramFolder::Location l = ProgramFolder::locate(root_.path() + QStringLiteral("/mine"),
                                                          prefix() + QStringLiteral("/bin"), dataHome());
        QCOMPARE(l.kind, Kind::Named);
        QCOMPARE(l.folder, root_.path() + QStringLiteral("/mine/"));

        l = ProgramFolder::locate(QString(), prefix() + QStringLiteral("/bin"), dataHome());
        QCOMPARE(l.kind, Kind::Installed);
        QCOMPARE(l.folder, dataHome() + QStringLiteral("/tagwell/"));
        QCOMPARE(l.sharedFolder, prefix() + QStringLiteral("/share/tagwell/"));

        // A build folder, and a bin/ folder with no share/tagwell/ beside it, run in place.
        l = ProgramFolder::locate(QString(), root_.path() + QStringLiteral("/build"), dataHome());
        QCOMPARE(l.kind, Kind::InPlace);
        QCOMPARE(l.folder, root_.path() + QStringLiteral("/build/"));
        l = ProgramFolder::locate(QString(), root_.path() + QStringLiteral("/unpacked/bin"), dataHome());
        QCOMPARE(l.kind, Kind::InPlace);
        QCOMPARE(l.folder, root_.path() + QStringLiteral("/unpacked/bin/"));
    }

    void dialogsStartInDocumentsWhenInstalled()
    {
        const QString documents = root_.path() + QStringLiteral("/home/Documents");
        const QString home = root_.path() + QStringLiteral("/home");
        QVERIFY(QDir().mkpath(home));
        const ProgramFolder::Location installed =
            ProgramFolder::locate(QString(), prefix() + QStringLiteral("/bin"), dataHome());
        // No documents folder yet: the home folder.
        QCOMPARE(ProgramFolder::dialogFolder(installed, documents, home), home + QLatin1Char('/'));
        QVERIFY(QDir().mkpath(documents));
        QCOMPARE(ProgramFolder::dialogFolder(installed, documents, home), documents + QLatin1Char('/'));
        QVERIFY(!ProgramFolder::dialogFolder(installed, documents, home).startsWith(installed.folder));
        // A copy in place keeps starting in its own folder, as it always did.
        const ProgramFolder::Location inPlace =
            ProgramFolder::locate(QString(), root_.path() + QStringLiteral("/build"), dataHome());
        QCOMPARE(ProgramFolder::dialogFolder(inPlace, documents, home), inPlace.folder);
    }

    void seedCopiesOnlyWhatIsMissing()
    {
        QTemporaryDir dir;
        const QString shared = dir.path() + QStringLiteral("/share/");
        const QString user = dir.path() + QStringLiteral("/user/tagwell/");
        put(shared + QStringLiteral("Template.tag"), "default dictionary");
        put(shared + QStringLiteral("Help/Help.html"), "help");
        put(shared + QStringLiteral("Help/Tips.html"), "tips");
        // The user's own dictionary, and a help page they edited.
        put(user + QStringLiteral("Template.tag"), "mine");
        put(user + QStringLiteral("Help/Tips.html"), "my tips");

        UserFolderSeed::Result r = UserFolderSeed::seed(shared, user);
        QCOMPARE(r.error, QString());
        QCOMPARE(r.copied, QStringList{QStringLiteral("Help/Help.html")});
        QCOMPARE(contents(user + QStringLiteral("Template.tag")), QByteArray("mine"));
        QCOMPARE(contents(user + QStringLiteral("Help/Tips.html")), QByteArray("my tips"));
        QCOMPARE(contents(user + QStringLiteral("Help/Help.html")), QByteArray("help"));

        // A first start into a folder that does not exist yet; a second start copies nothing.
        const QString fresh = dir.path() + QStringLiteral("/fresh/a/b/");
        r = UserFolderSeed::seed(shared, fresh);
        QCOMPARE(r.error, QString());
        QCOMPARE(r.copied.size(), 3);
        QCOMPARE(contents(fresh + QStringLiteral("Template.tag")), QByteArray("default dictionary"));
        QCOMPARE(UserFolderSeed::seed(shared, fresh).copied, QStringList());
    }

    void seedReportsWhatItCouldNotDo()
    {
        QTemporaryDir dir;
        const QString shared = dir.path() + QStringLiteral("/share/");
        put(shared + QStringLiteral("Help/Help.html"), "help");
        // A file where the folder should be.
        put(dir.path() + QStringLiteral("/blocked"), "x");
        UserFolderSeed::Result r = UserFolderSeed::seed(shared, dir.path() + QStringLiteral("/blocked/tagwell/"));
        QVERIFY(!r.error.isEmpty());
        QVERIFY(r.copied.isEmpty());

        const QString user = dir.path() + QStringLiteral("/user/");
        put(user + QStringLiteral("Help"), "a file named like the folder");
        r = UserFolderSeed::seed(shared, user);
        QVERIFY2(r.error.contains(QStringLiteral("Help")), qPrintable(r.error));
        QCOMPARE(contents(user + QStringLiteral("Help")), QByteArray("a file named like the folder"));
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
