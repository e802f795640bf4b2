// The build installed into a temporary prefix: the layout packagers and desktops expect, the
// desktop entry and metainfo (checked by their validators where installed), and the
// installed program started offscreen in a home folder of its own.
#include "app/CommandLine.h"
#include "app/EditBox.h"
#include "app/MainForm.h"
#include "app/SingleInstance.h"
#include "platform/ScriptedPlatform.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {
QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(bytes);
}

// "Key=value" lines of the [Desktop Entry] group.
QHash<QString, QString> desktopEntry(const QString &path)
{
    QHash<QString, QString> keys;
    bool inGroup = false;
    for (const QString &line : QString::fromUtf8(contents(path)).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.contains(QLatin1Char('=')))
            keys.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return keys;
}

bool waitUntil(const std::function<bool()> &done, int ms)
{
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QTest::qWait(50);
    return done();
}
} // namespace

class TestInstall : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir root_;
    QString prefix_;
    QString home_;

    QString userFolder() const { return home_ + QStringLiteral("/.local/share/tagwell/"); }
    QString installed() const { return prefix_ + QStringLiteral("/bin/tagwell"); }

    // The installed program as a desktop starts it: a home of its own, nothing of this build.
    QProcessEnvironment desktopEnvironment() const
    {
        QProcessEnvironment env;
        env.insert(QStringLiteral("HOME"), home_);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root_.path() + QStringLiteral("/run"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
        for (const char *name : {"ASAN_OPTIONS", "UBSAN_OPTIONS"}) {
            if (qEnvironmentVariableIsSet(name))
                env.insert(QString::fromLatin1(name), qEnvironmentVariable(name));
        }
        return env;
    }

    // A validator's verdict; empty when it passed or is not installed.
    static QString validate(const QString &tool, const QStringList &arguments)
    {
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty()) {
            qInfo("%s is not installed: not validated (scripts/deps installs it)", qPrintable(tool));
            return QString();
        }
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(program, arguments);
        if (!p.waitForFinished(60000))
            return tool + QStringLiteral(" did not finish");
        const QString out = QString::fromUtf8(p.readAll());
        return p.exitCode() == 0 ? QString() : tool + QStringLiteral(": ") + out;
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString build = qEnvironmentVariable("TAGWELL_BUILD_DIR");
        const QString cmake = qEnvironmentVariable("TAGWELL_CMAKE");
        if (build.isEmpty() || cmake.isEmpty())
            QSKIP("TAGWELL_BUILD_DIR and TAGWELL_CMAKE are not set (CTest sets them)");
        QVERIFY(root_.isValid());
        prefix_ = root_.path() + QStringLiteral("/prefix");
        home_ = root_.path() + QStringLiteral("/home");
        QVERIFY(QDir().mkpath(home_));
        QVERIFY(QDir().mkpath(root_.path() + QStringLiteral("/run")));
        QFile(root_.path() + QStringLiteral("/run")).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        // Stripped: the copy only has to run, and a debug build's symbols would fill the disk.
        install.start(cmake, {QStringLiteral("--install"), build, QStringLiteral("--prefix"), prefix_, QStringLiteral("--strip")});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
    }

    void layout()
    {
        QVERIFY(QFileInfo(installed()).isExecutable());
        for (const char *file : {"share/tagwell/Template.tag", "share/tagwell/Help/Help.html", "share/tagwell/Help/Tips.html",
                                 "share/tagwell/Help/TagTemplate.html", "share/applications/io.github.tagwell.Tagwell.desktop",
                                 "share/metainfo/io.github.tagwell.Tagwell.metainfo.xml", "share/icons/hicolor/scalable/apps/tagwell.svg"})
            QVERIFY2(QFileInfo(prefix_ + QLatin1Char('/') + QLatin1String(file)).isFile(), file);
        for (const int size : {16, 32, 48, 64, 128, 256}) {
            const QString png = prefix_ + QStringLiteral("/share/icons/hicolor/%1x%1/apps/tagwell.png").arg(size);
            QCOMPARE(QImage(png).size(), QSize(size, size));
        }
        // Nothing of the build's own (tests, settings written by a run in place) goes along.
        QVERIFY(!QFileInfo::exists(prefix_ + QStringLiteral("/share/tagwell/TW.ini")));
        QCOMPARE(QDir(prefix_ + QStringLiteral("/bin")).entryList(QDir::Files), QStringList{QStringLiteral("tagwell")});
    }

    void desktopEntryAndMetainfo()
    {
        const QString desktop = prefix_ + QStringLiteral("/share/applications/io.github.tagwell.Tagwell.desktop");
        const QHash<QString, QString> entry = desktopEntry(desktop);
        QCOMPARE(entry.value(QStringLiteral("Name")), QStringLiteral("Tagwell"));
        QVERIFY(!entry.value(QStringLiteral("Comment")).isEmpty());
        QVERIFY(entry.value(QStringLiteral("Comment[ja]")).contains(QStringLiteral("エディタ")));
        QCOMPARE(entry.value(QStringLiteral("Categories")), QStringLiteral("Development;WebDevelopment;TextEditor;"));
        QCOMPARE(entry.value(QStringLiteral("MimeType")), QStringLiteral("text/html;application/xhtml+xml;text/plain;"));
        QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("tagwell %F"));
        QCOMPARE(entry.value(QStringLiteral("Icon")), QStringLiteral("tagwell"));

        const QString metainfo = prefix_ + QStringLiteral("/share/metainfo/io.github.tagwell.Tagwell.metainfo.xml");
        QXmlStreamReader xml(contents(metainfo));
        QStringList launchables, images, releases;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("launchable"))
                launchables << xml.readElementText();
            else if (xml.name() == QLatin1String("image"))
                images << xml.readElementText();
            else if (xml.name() == QLatin1String("release"))
                releases << xml.attributes().value(QLatin1String("version")).toString();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(launchables, QStringList{QStringLiteral("io.github.tagwell.Tagwell.desktop")});
        QCOMPARE(images.size(), 1);
        QVERIFY(images.first().startsWith(QLatin1String("https://")));
        QVERIFY(!releases.isEmpty());
        QCOMPARE(QStringLiteral("Tagwell ") + releases.first() + QLatin1Char('\n'), CommandLine::versionText());

        QCOMPARE(validate(QStringLiteral("desktop-file-validate"), {desktop}), QString());
        QCOMPARE(validate(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo}),
                 QString());
    }

    void installedCopyKeepsUserDataAtHome()
    {
        // An older installation's dictionary, carried over by the user.
        put(userFolder() + QStringLiteral("Template.tag"), "my own dictionary");
        const QString page = home_ + QStringLiteral("/page.html");
        put(page, "<P>page");

        QProcess first;
        first.setProcessEnvironment(desktopEnvironment());
        first.setProcessChannelMode(QProcess::ForwardedChannels);
        first.start(installed(), {});
        QVERIFY(first.waitForStarted(10000));
        // The window is made once its folder is seeded and Temp/ made.
        const bool up = waitUntil([&] {
            return QFileInfo::exists(userFolder() + QStringLiteral("Help/Help.html")) &&
                   QFileInfo(userFolder() + QStringLiteral("Temp")).isDir();
        }, 30000);
        QVERIFY2(up, "the installed program did not fill its folder");
        QTest::qWait(500);
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(contents(userFolder() + QStringLiteral("Template.tag")), QByteArray("my own dictionary"));
        QCOMPARE(contents(userFolder() + QStringLiteral("Help/Help.html")),
                 contents(prefix_ + QStringLiteral("/share/tagwell/Help/Help.html")));
        // Nothing was written into the installed files.
        QVERIFY(!QFileInfo::exists(prefix_ + QStringLiteral("/share/tagwell/Temp")));

        // A second start hands its file over and ends; one that took nothing over would stay.
        QProcess second;
        second.setProcessEnvironment(desktopEnvironment());
        second.start(installed(), {page});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        first.terminate();
        if (!first.waitForFinished(10000)) {
            first.kill();
            first.waitForFinished();
        }
    }

    // The window here stands for the running program; the installed one, started with a file,
    // finds it through the same per-user folder and the file opens in a tab.
    void handedFileOpensInATab()
    {
        qputenv("XDG_RUNTIME_DIR", (root_.path() + QStringLiteral("/run")).toLocal8Bit());
        qputenv("TAGWELL_PROGRAM_DIR", userFolder().toLocal8Bit());
        ScriptedPlatform platform;
        TMainForm form;
        SingleInstance instance(userFolder());
        QVERIFY(instance.listen());
        connect(&instance, &SingleInstance::handedOver, &form, &TMainForm::openHandedOver);
        form.show();

        const QString page = home_ + QStringLiteral("/日本語のページ.html");
        put(page, "<P>handed over");
        QProcess second;
        second.setProcessEnvironment(desktopEnvironment());
        second.start(installed(), {page});
        QVERIFY(second.waitForStarted(10000));
        QVERIFY(waitUntil([&] { return second.state() == QProcess::NotRunning; }, 20000));
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE(form.documentNames(), QStringList{page});
        QCOMPARE(form.EditBoxOfTab(0)->toPlainText(), QStringLiteral("<P>handed over"));
        QCOMPARE(platform.unscripted, 0);
        qunsetenv("TAGWELL_PROGRAM_DIR");
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
