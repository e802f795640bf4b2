// The program's arguments: the two options, answered without a display, and files.
#include "app/AboutBox.h"
#include "app/CommandLine.h"

#include "ui_AboutBox.h"

#include <QLabel>
#include <QProcess>
#include <QTest>

using Action = CommandLine::Action;

class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parse()
    {
        CommandLine::Parsed p = CommandLine::parse({});
        QCOMPARE(p.action, Action::Run);
        QVERIFY(p.files.isEmpty());
        QCOMPARE(CommandLine::parse({QStringLiteral("--version")}).action, Action::PrintVersion);
        QCOMPARE(CommandLine::parse({QStringLiteral("a.html"), QStringLiteral("--help")}).action, Action::PrintHelp);
        // Anything else is a file, dashes and all; after "--" even the options are.
        p = CommandLine::parse({QStringLiteral("-x.html"), QStringLiteral("--"), QStringLiteral("--help"),
                                QStringLiteral("--"), QStringLiteral("ページ.htm")});
        QCOMPARE(p.action, Action::Run);
        QCOMPARE(p.files, (QStringList{QStringLiteral("-x.html"), QStringLiteral("--help"), QStringLiteral("--"),
                                       QStringLiteral("ページ.htm")}));
    }

    void versionMatchesAboutBox()
    {
        TAboutBox box;
        const QString shown = box.findChild<QLabel *>(QStringLiteral("Version"))->text();
        QCOMPARE(shown, QStringLiteral("Ver.0.93a"));
        QCOMPARE(CommandLine::versionText(), QStringLiteral("Tagwell ") + shown.mid(4) + QLatin1Char('\n'));
    }

    // The real program, with no display, no platform named and nothing else in its environment.
    void printsWithoutDisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("expected");
        QTest::newRow("version") << QStringLiteral("--version") << CommandLine::versionText();
        QTest::newRow("help") << QStringLiteral("--help") << CommandLine::helpText();
    }
    void printsWithoutDisplay()
    {
        QFETCH(QString, option);
        QFETCH(QString, expected);
        const QString program = qEnvironmentVariable("TAGWELL_EXECUTABLE");
        if (program.isEmpty())
            QSKIP("TAGWELL_EXECUTABLE is not set (CTest sets it)");
        QProcess p;
        QProcessEnvironment env;
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        // The sanitizer build's settings, which are not a display.
        for (const char *name : {"ASAN_OPTIONS", "UBSAN_OPTIONS"}) {
            if (qEnvironmentVariableIsSet(name))
                env.insert(QString::fromLatin1(name), qEnvironmentVariable(name));
        }
        p.setProcessEnvironment(env);
        p.start(program, {option});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), expected);
        QCOMPARE(p.readAllStandardError(), QByteArray());
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
