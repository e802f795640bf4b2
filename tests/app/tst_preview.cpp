// Preview in the browsers, the saving before it, and help.
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "platform/HelpTopic.h"
#include "app/ResultDlg.h"

#include "ui_MainForm.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QToolButton>

namespace {
void typeInto(EditBox *box, const QString &text)
{
    QTextCursor c = box->textCursor();
    c.insertText(text);
    box->setTextCursor(c);
}

QAction *action(TMainForm &f, const char *name)
{
    return f.findChild<QAction *>(QLatin1String(name));
}

Platform::FileAnswer files(const QStringList &names)
{
    Platform::FileAnswer a;
    a.files = names;
    return a;
}
} // namespace

class TestPreview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void aModifiedPageIsSavedWithoutTheNotice()
    {
        ShellFixture fx("[Browser]\r\nSubPath=/usr/bin/sub browser\r\n");
        TMainForm &f = fx.form();
        QVERIFY(QDir(fx.folder()).mkdir(QStringLiteral("my site")));
        const QString page = fx.writeFile(QStringLiteral("my site/a page.html"), "old");
        f.OpenDocument(page);
        typeInto(f.activeBox(), QStringLiteral("new "));
        QVERIFY(f.form()->FileSaveSpeed->isEnabled());
        action(f, "HtmlPrevSub")->trigger();
        QCOMPARE(ShellFixture::readFile(page), QByteArray("new old"));
        QVERIFY(!f.activeBox()->isModified());
        QCOMPARE(f.statusText(1), QString());
        QVERIFY(!f.form()->FileSaveSpeed->isEnabled());
        QVERIFY(f.findChildren<TResultDlg *>().isEmpty());
        // The path with its spaces is the one argument.
        QCOMPARE(fx.platform().programsStarted.size(), 1);
        QCOMPARE(fx.platform().programsStarted.first().first, QStringLiteral("/usr/bin/sub browser"));
        QCOMPARE(fx.platform().programsStarted.first().second, page);
        QVERIFY(fx.platform().shellOpened.isEmpty());
    }

    void anUnmodifiedPageIsShownAsItIs()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        // A tab in the file would become spaces if the page were written again.
        const QString page = fx.writeFile(QStringLiteral("a.html"), "a\tb");
        f.OpenDocument(page);
        action(f, "HtmlPrevMain")->trigger();
        QCOMPARE(fx.platform().shellOpened, QStringList({page}));
        QCOMPARE(ShellFixture::readFile(page), QByteArray("a\tb"));
        QVERIFY(fx.platform().programsStarted.isEmpty());
    }

    void everyPreviewItemRunsItsCommand()
    {
        ShellFixture fx("[Browser]\r\nSubPath=sub\r\n");
        TMainForm &f = fx.form();
        const QString page = fx.writeFile(QStringLiteral("a.html"), "a");
        f.OpenDocument(page);
        action(f, "HtmlPrevMain")->trigger();
        f.form()->PreviewSpd->click();
        action(f, "HtmlPrevMain1")->trigger();
        QCOMPARE(fx.platform().shellOpened, QStringList({page, page, page}));
        action(f, "HtmlPrevSub")->trigger();
        f.form()->Preview2Spd->click();
        action(f, "HtmlPrevSub1")->trigger();
        QCOMPARE(fx.platform().programsStarted.size(), 3);
        QCOMPARE(action(f, "HtmlPrevMain")->shortcut(), QKeySequence(Qt::Key_F9));
    }

    void withoutASubBrowserNothingHappens()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.OpenDocument(fx.writeFile(QStringLiteral("a.html"), "a"));
        action(f, "HtmlPrevSub")->trigger();
        QVERIFY(fx.platform().programsStarted.isEmpty());
        QVERIFY(fx.platform().shellOpened.isEmpty());
        QVERIFY(fx.platform().messages.isEmpty());
    }

    void anUntitledPageIsSavedAsFirst()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        typeInto(f.activeBox(), QStringLiteral("x"));
        const QString target = fx.path(QStringLiteral("new.html"));
        fx.platform().fileAnswers.push_back(files({target}));
        action(f, "HtmlPrevMain")->trigger();
        QCOMPARE(ShellFixture::readFile(target), QByteArray("x"));
        QCOMPARE(fx.platform().shellOpened, QStringList({target}));
    }

    // There is no file behind an untitled page: no browser is sent looking for "NewPage".
    void anUntitledPageThatStaysUntitledIsNotShown()
    {
        ShellFixture fx("[Browser]\r\nSubPath=sub\r\n");
        TMainForm &f = fx.form();
        f.FileNewClick();
        action(f, "HtmlPrevMain")->trigger(); // unmodified: nothing to save
        typeInto(f.activeBox(), QStringLiteral("x"));
        fx.platform().fileAnswers.push_back(files({})); // Save as cancelled
        action(f, "HtmlPrevSub")->trigger();
        QCOMPARE(fx.platform().fileCalls.size(), 1);
        QVERIFY(fx.platform().shellOpened.isEmpty());
        QVERIFY(fx.platform().programsStarted.isEmpty());
        QVERIFY(f.activeBox()->isModified());
    }

    void aFailedSaveStopsThePreview()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        QVERIFY(QDir(fx.folder()).mkdir(QStringLiteral("sub")));
        const QString page = fx.writeFile(QStringLiteral("sub/a.html"), "a");
        f.OpenDocument(page);
        QVERIFY(QDir(fx.path(QStringLiteral("sub"))).removeRecursively());
        typeInto(f.activeBox(), QStringLiteral("x"));
        action(f, "HtmlPrevMain")->trigger();
        QCOMPARE(fx.platform().messages.size(), 1);
        QVERIFY(fx.platform().shellOpened.isEmpty());
        QVERIFY(f.activeBox()->isModified());
    }

    void withoutAPageAShortCutDoesNothing()
    {
        ShellFixture fx("[Browser]\r\nSubPath=sub\r\n");
        TMainForm &f = fx.form();
        QVERIFY(!action(f, "HtmlPrevMain")->isEnabled());
        // The commands guard themselves too: a key may still arrive.
        f.form()->PreviewSpd->setEnabled(true);
        f.form()->PreviewSpd->click();
        f.form()->Preview2Spd->setEnabled(true);
        f.form()->Preview2Spd->click();
        QVERIFY(fx.platform().shellOpened.isEmpty());
        QVERIFY(fx.platform().programsStarted.isEmpty());
        QCOMPARE(fx.platform().unscripted, 0);
        QCOMPARE(f.tabCount(), 0);
    }

    void helpContents()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        action(f, "HelpContents")->trigger();
        f.form()->HelpSpd->click();
        const QString page = fx.path(QStringLiteral("Help/Help.html"));
        QCOMPARE(fx.platform().shellOpened, QStringList({page, page}));
        QCOMPARE(action(f, "HelpContents")->shortcut(), QKeySequence(Qt::Key_F1));
    }

    // On a desktop without a handler for the file, the main browser shows it; help too.
    void withoutAHandlerTheMainBrowserShowsThePage()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QString browser = fx.writeFile(QStringLiteral("browser"), "#!/bin/sh\n");
        QVERIFY(QFile::setPermissions(browser, QFile::permissions(browser) | QFile::ExeOwner));
        fx.writeFile(QStringLiteral("TW.ini"), "[Browser]\r\nMainPath=" + browser.toLocal8Bit() + "\r\n");
        const QString page = fx.writeFile(QStringLiteral("a page.html"), "a");
        f.OpenDocument(page);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        fx.platform().shellSucceeds = false;
        QTest::mouseClick(f.form()->PreviewSpd, Qt::LeftButton);
        QCOMPARE(fx.platform().shellOpened, QStringList({page}));
        QCOMPARE(fx.platform().programsStarted.size(), 1);
        QCOMPARE(fx.platform().programsStarted[0].first, browser);
        QCOMPARE(fx.platform().programsStarted[0].second, page);
        QTest::mouseClick(f.form()->HelpSpd, Qt::LeftButton);
        QCOMPARE(fx.platform().programsStarted.size(), 2);
        QCOMPARE(fx.platform().programsStarted[1].second, fx.path(QStringLiteral("Help/Help.html")));
        QVERIFY(fx.platform().messages.isEmpty());
    }

    // When neither way starts, a warning names the page, what was tried and where a
    // browser is set.
    void whenNothingStartsAWarningSaysWhatWasTried()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QString page = fx.writeFile(QStringLiteral("a.html"), "a");
        f.OpenDocument(page);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        fx.platform().shellSucceeds = false;
        QTest::mouseClick(f.form()->PreviewSpd, Qt::LeftButton);
        QCOMPARE(fx.platform().messages.size(), 1);
        const ScriptedPlatform::Message first = fx.platform().messages[0];
        QCOMPARE(first.kind, Platform::MessageKind::Warning);
        QCOMPARE(first.text, HelpTopic::failureText(page, QString(), false, false));
        QVERIFY(first.text.contains(page));
        QVERIFY(first.text.contains(QStringLiteral("メインブラウザ（設定されていません）")));
        QVERIFY(first.text.contains(QStringLiteral("「プレビューブラウザ...」")));
        QVERIFY(fx.platform().programsStarted.isEmpty());

        // A browser that is set but does not start is named.
        const QString browser = fx.writeFile(QStringLiteral("browser"), "#!/bin/sh\n");
        QVERIFY(QFile::setPermissions(browser, QFile::permissions(browser) | QFile::ExeOwner));
        fx.writeFile(QStringLiteral("TW.ini"), "[Browser]\r\nMainPath=" + browser.toLocal8Bit() + "\r\n");
        fx.platform().programsStart = false;
        QTest::mouseClick(f.form()->HelpSpd, Qt::LeftButton);
        QCOMPARE(fx.platform().programsStarted.size(), 1);
        QCOMPARE(fx.platform().messages.size(), 2);
        const QString help = fx.path(QStringLiteral("Help/Help.html"));
        QCOMPARE(fx.platform().messages[1].text, HelpTopic::failureText(help, browser, true, false));
        QVERIFY(fx.platform().messages[1].text.contains(QStringLiteral("メインブラウザ「%1」").arg(browser)));

        // A help topic tries the browser first and says the same.
        HelpTopic::ShowHelpTopic(&f, QStringLiteral("Tips.html"), QStringLiteral("#Image"));
        QCOMPARE(fx.platform().messages.size(), 3);
        QVERIFY(fx.platform().messages[2].text.contains(fx.path(QStringLiteral("Help/Tips.html"))));
        QVERIFY(fx.platform().messages[2].text.indexOf(browser) < fx.platform().messages[2].text.indexOf(QStringLiteral("デスクトップ")));
    }

    void helpTopicAddress_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("anchor");
        QTest::addColumn<QString>("address");
        QTest::newRow("image") << "/opt/tagwell/" << "#Image" << "file:///opt/tagwell/Help/Tips.html#Image";
        QTest::newRow("no anchor") << "/opt/tagwell/" << "" << "file:///opt/tagwell/Help/Tips.html";
        QTest::newRow("spaces") << "/opt/my tagwell/" << "#PageInfo" << "file:///opt/my%20tagwell/Help/Tips.html#PageInfo";
        QTest::newRow("japanese") << "/home/u/編集/" << "#Comment"
                                  << "file:///home/u/%E7%B7%A8%E9%9B%86/Help/Tips.html#Comment";
    }
    void helpTopicAddress()
    {
        QFETCH(QString, folder);
        QFETCH(QString, anchor);
        QFETCH(QString, address);
        QCOMPARE(HelpTopic::address(folder, QStringLiteral("Tips.html"), anchor), address);
    }

    void helpTopicUsesTheMainBrowserWhenThereIsOne_data()
    {
        QTest::addColumn<QString>("mainPath");
        QTest::addColumn<bool>("started");
        QTest::newRow("not set") << "" << false;
        QTest::newRow("another platform's") << "C:\\Program Files\\Internet Explorer\\Iexplore.exe" << false;
        QTest::newRow("missing program") << "%1no-such-browser" << false;
        QTest::newRow("not a program") << "%1plain.txt" << false;
        QTest::newRow("program") << "%1browser" << true;
    }
    void helpTopicUsesTheMainBrowserWhenThereIsOne()
    {
        QFETCH(QString, mainPath);
        QFETCH(bool, started);
        ShellFixture fx;
        fx.writeFile(QStringLiteral("plain.txt"), "x");
        const QString program = fx.writeFile(QStringLiteral("browser"), "#!/bin/sh\n");
        QVERIFY(QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner));
        if (mainPath.contains(QLatin1String("%1")))
            mainPath = mainPath.arg(fx.folder());
        fx.writeFile(QStringLiteral("TW.ini"), "[Browser]\r\nMainPath=" + mainPath.toLocal8Bit() + "\r\n");
        HelpTopic::ShowHelpTopic(&fx.form(), QStringLiteral("Tips.html"), QStringLiteral("#Image"));
        const QString address = QStringLiteral("file://") + fx.folder() + QStringLiteral("Help/Tips.html#Image");
        if (started) {
            QCOMPARE(fx.platform().programsStarted.size(), 1);
            QCOMPARE(fx.platform().programsStarted.first().first, program);
            QCOMPARE(fx.platform().programsStarted.first().second, address);
            QVERIFY(fx.platform().shellOpened.isEmpty());
        } else {
            QCOMPARE(fx.platform().shellOpened, QStringList({address}));
            QVERIFY(fx.platform().programsStarted.isEmpty());
        }
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
