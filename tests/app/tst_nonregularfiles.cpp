// Names that are no regular file (a named pipe, a device) wherever a document is named:
// the command line, the Open dialog, the history. Each is refused with the unreadable-file
// message at once, nothing blocks, and the other files of the same command still open.
#include "ShellFixture.h"

#include "app/StartupSequence.h"
#include "platform/ProfileStore.h"
#include "platform/RegularFile.h"

#include "ui_MainForm.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <sys/stat.h>

namespace {
QString makePipe(const ShellFixture &fx, const QString &name)
{
    const QString path = fx.path(name);
    if (::mkfifo(QFile::encodeName(path).constData(), 0644) != 0)
        qFatal("cannot make a named pipe");
    return path;
}

QStringList refusedNames(const ScriptedPlatform &p)
{
    QStringList out;
    for (const auto &m : p.messages) {
        if (m.kind == Platform::MessageKind::Warning && m.text.contains(RegularFile::notRegularReason()))
            out << m.text.section(QLatin1Char('"'), 1, 1);
    }
    return out;
}
} // namespace

class TestNonRegularFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void commandLineRefusesThemOverTheShownWindow()
    {
        ShellFixture fx;
        const QString pipe = makePipe(fx, QStringLiteral("pipe.html"));
        const QString page = fx.writeFile(QStringLiteral("page.html"), "<P>\r\n");
        // A file with the duplicate characters, so the notice comes up as well.
        const QString twice = fx.writeFile(QStringLiteral("twice.html"), "\x87\x90");
        TMainForm &f = fx.form();
        StartupSequence::showThenOpen(f, {pipe, QStringLiteral("/dev/zero"), page, twice});
        QVERIFY(f.isVisible());
        QTRY_COMPARE(f.tabCount(), 2);
        QCOMPARE(f.documentNames(), QStringList({page, twice}));
        QCOMPARE(refusedNames(fx.platform()), QStringList({pipe, QStringLiteral("/dev/zero")}));
        QCOMPARE(fx.platform().messages.size(), 3);
        for (const auto &m : std::as_const(fx.platform().messages))
            QVERIFY2(m.overShownWindow, qPrintable(m.text));
    }

    void openDialogRefusesThemAndOpensTheRest()
    {
        ShellFixture fx;
        const QString pipe = makePipe(fx, QStringLiteral("b-pipe.html"));
        const QString a = fx.writeFile(QStringLiteral("a.html"), "a");
        const QString c = fx.writeFile(QStringLiteral("c.html"), "c");
        TMainForm &f = fx.form();
        fx.platform().fileAnswers.push_back({{c, QStringLiteral("/dev/null"), pipe, a}, 0});
        f.FileOpenClick();
        QCOMPARE(f.documentNames(), QStringList({a, c}));
        // The dialog's files open in name order.
        QCOMPARE(refusedNames(fx.platform()), QStringList({QStringLiteral("/dev/null"), pipe}));
    }

    void anUnreadableHistoryEntryStaysWhereItWas()
    {
        ShellFixture fx;
        const QString a = fx.writeFile(QStringLiteral("a.html"), "a");
        const QString pipe = makePipe(fx, QStringLiteral("pipe.html"));
        fx.writeFile(QStringLiteral("TW.ini"), "[Opened]\r\nCount=2\r\n1=" + a.toLocal8Bit() + "\r\n2=" +
                                                   pipe.toLocal8Bit() + "\r\n");
        TMainForm &f = fx.form();
        Q_EMIT f.form()->MenuFile->aboutToShow();
        f.form()->FileHistory->actions().at(1)->trigger();
        QCOMPARE(f.tabCount(), 0);
        QCOMPARE(refusedNames(fx.platform()), QStringList({pipe}));
        const ProfileStore ini(fx.path(QStringLiteral("TW.ini")));
        QCOMPARE(ini.readString(QStringLiteral("Opened"), QStringLiteral("1")), a);
        QCOMPARE(ini.readString(QStringLiteral("Opened"), QStringLiteral("2")), pipe);
    }
};

QTEST_MAIN(TestNonRegularFiles)
#include "tst_nonregularfiles.moc"
