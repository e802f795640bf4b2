// Tool bar, HTML tool bar and its place, word wrap and tab width.
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "app/ViewOptions.h"
#include "platform/ProfileStore.h"

#include "ui_MainForm.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTabBar>
#include <QTimer>
#include <QDir>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {
QAction *action(TMainForm &f, const QString &name)
{
    return f.findChild<QAction *>(name);
}

int storedInt(const ShellFixture &fx, const char *section, const char *key)
{
    return ProfileStore(fx.path(QStringLiteral("TW.ini"))).readInteger(QLatin1String(section), QLatin1String(key), -99);
}

bool barAtBottom(TMainForm &f)
{
    return f.findChild<ViewOptions *>()->htmlBarAtBottom();
}
} // namespace

class TestViewOptions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void toolBarToggles()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        action(f, QStringLiteral("OptToolBar"))->trigger();
        QVERIFY(f.form()->ToolBar->isHidden());
        QVERIFY(!action(f, QStringLiteral("OptToolBar"))->isChecked());
        QVERIFY(f.close());
        QCOMPARE(storedInt(fx, "Form", "ToolBar"), 0);
        fx.restart();
        action(fx.form(), QStringLiteral("OptToolBar"))->trigger();
        QVERIFY(!fx.form().form()->ToolBar->isHidden());
        QVERIFY(action(fx.form(), QStringLiteral("OptToolBar"))->isChecked());
    }

    void htmlToolBarOffSurvivesARestart()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        QVERIFY(!f.form()->ToolPanel->isHidden());
        QVERIFY(f.form()->HtmlBarSpd->isEnabled());
        f.form()->HtmlBarSpd->click();
        QVERIFY(f.form()->ToolPanel->isHidden());
        QVERIFY(!f.form()->HtmlBarSpd->isChecked());
        QVERIFY(!action(f, QStringLiteral("HtmlBar"))->isChecked());
        QCOMPARE(f.htmlBarTag(), 0);
        f.activeBox()->setModified(false);
        QVERIFY(f.close());
        QCOMPARE(storedInt(fx, "Form", "HtmlBar"), 0);

        fx.restart();
        TMainForm &g = fx.form();
        QVERIFY(!action(g, QStringLiteral("HtmlBar"))->isChecked());
        QVERIFY(!g.form()->HtmlBarSpd->isChecked());
        g.FileNewClick();
        QVERIFY(g.form()->ToolPanel->isHidden());
        action(g, QStringLiteral("HtmlBar"))->trigger();
        QVERIFY(!g.form()->ToolPanel->isHidden());
        QVERIFY(g.form()->HtmlBarSpd->isChecked());
        QCOMPARE(g.htmlBarTag(), 1);
    }

    // Its buttons act on the active page: without one the wish is only recorded.
    void htmlToolBarWithoutAPage()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        QVERIFY(!f.form()->HtmlBarSpd->isEnabled());
        f.findChild<ViewOptions *>()->HtmlBarSpdClick();
        QCOMPARE(f.htmlBarTag(), 1);
        action(f, QStringLiteral("HtmlBar"))->trigger();
        QCOMPARE(f.htmlBarTag(), 0);
        QVERIFY(!action(f, QStringLiteral("HtmlBar"))->isChecked());
        action(f, QStringLiteral("HtmlBar"))->trigger();
        QCOMPARE(f.htmlBarTag(), 1);
        QVERIFY(action(f, QStringLiteral("HtmlBar"))->isChecked());
        QVERIFY(f.form()->ToolPanel->isHidden());
        f.FileNewClick();
        QVERIFY(!f.form()->ToolPanel->isHidden());
    }

    void positions_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("bottom");
        QTest::addColumn<bool>("tabsBelow");
        QTest::newRow("HTBPos1") << 0 << false << false;
        QTest::newRow("HTBPos2") << 1 << false << true;
        QTest::newRow("HTBPos3") << 2 << true << false;
        QTest::newRow("HTBPos4") << 3 << true << true;
    }
    void positions()
    {
        QFETCH(int, position);
        QFETCH(bool, bottom);
        QFETCH(bool, tabsBelow);
        ShellFixture fx;
        TMainForm &f = fx.form();
        // Start from the opposite corner so every placement has to move.
        action(f, QStringLiteral("HTBPos%1").arg(4 - position))->trigger();
        action(f, QStringLiteral("HTBPos%1").arg(position + 1))->trigger();
        auto check = [&](TMainForm &w) {
            QCOMPARE(w.htmlPagePosition(), position);
            QCOMPARE(barAtBottom(w), bottom);
            QCOMPARE(w.form()->HtmlPage->tabPosition(), tabsBelow ? QTabWidget::South : QTabWidget::North);
            for (int i = 1; i <= 4; ++i)
                QCOMPARE(action(w, QStringLiteral("HTBPos%1").arg(i))->isChecked(), i == position + 1);
        };
        check(f);
        QVERIFY(f.close());
        QCOMPARE(storedInt(fx, "HtmlBar", "Position"), position);
        fx.restart();
        check(fx.form());
        // At the bottom it sits right above the status bar, under the documents.
        TMainForm &g = fx.form();
        g.FileNewClick();
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        const int panelTop = g.form()->ToolPanel->mapTo(&g, QPoint()).y();
        const int pagesTop = g.form()->PageControl->mapTo(&g, QPoint()).y();
        QCOMPARE(panelTop > pagesTop, bottom);
    }

    void theTabsPopUpTheirPositionMenu()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QWidget *tabs = f.form()->HtmlPage->tabBar();
        bool popped = false;
        QTimer::singleShot(0, &f, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            popped = menu == f.form()->HTBPopup;
            if (menu) {
                menu->close();
                // What the user picks from it.
                f.form()->HTBPos4->trigger();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), tabs->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(tabs, &event);
        QVERIFY(popped);
        QCOMPARE(f.htmlPagePosition(), 3);
        QVERIFY(barAtBottom(f));
    }

    void anUnknownStoredPositionIsKept()
    {
        ShellFixture fx("[HtmlBar]\r\nPosition=7\r\n");
        TMainForm &f = fx.form();
        QCOMPARE(f.htmlPagePosition(), 7);
        QVERIFY(!barAtBottom(f));
        QCOMPARE(f.form()->HtmlPage->tabPosition(), QTabWidget::North);
        QVERIFY(f.close());
        QCOMPARE(storedInt(fx, "HtmlBar", "Position"), 7);
    }

    void wordWrapAppliesToEveryBoxAndIsWrittenAtOnce()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        QVERIFY(!action(f, QStringLiteral("OptWordWrap"))->isChecked());
        QVERIFY(!action(f, QStringLiteral("OptWordWrap"))->isEnabled()); // no page open
        for (int i = 0; i < 3; ++i)
            f.FileNewClick();
        f.MenuOptionClick();
        QVERIFY(action(f, QStringLiteral("OptWordWrap"))->isEnabled());
        action(f, QStringLiteral("OptWordWrap"))->trigger();
        QCOMPARE(storedInt(fx, "Memo", "WordWrap"), 1);
        QCOMPARE(f.wordWrap(), 1);
        QVERIFY(action(f, QStringLiteral("OptWordWrap"))->isChecked());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f.EditBoxOfTab(i)->lineWrapMode(), QPlainTextEdit::WidgetWidth);
            QCOMPARE(f.EditBoxOfTab(i)->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        }
        f.FileNewClick();
        QCOMPARE(f.activeBox()->lineWrapMode(), QPlainTextEdit::WidgetWidth);

        action(f, QStringLiteral("OptWordWrap"))->trigger();
        QCOMPARE(storedInt(fx, "Memo", "WordWrap"), 0);
        QVERIFY(!action(f, QStringLiteral("OptWordWrap"))->isChecked());
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(f.EditBoxOfTab(i)->lineWrapMode(), QPlainTextEdit::NoWrap);
            QCOMPARE(f.EditBoxOfTab(i)->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        }
        fx.restart();
        QVERIFY(!action(fx.form(), QStringLiteral("OptWordWrap"))->isChecked());
    }

    void aWordWrapThatCannotBeWrittenIsReportedOnce()
    {
        ShellFixture fx;
        QVERIFY(QDir(fx.folder()).mkdir(QStringLiteral("TW.ini"))); // no file can be written there
        TMainForm &f = fx.form();
        f.FileNewClick();
        action(f, QStringLiteral("OptWordWrap"))->trigger();
        action(f, QStringLiteral("OptWordWrap"))->trigger();
        QCOMPARE(fx.platform().messages.size(), 1);
        QCOMPARE(fx.platform().messages.first().kind, Platform::MessageKind::Warning);
        QCOMPARE(f.activeBox()->lineWrapMode(), QPlainTextEdit::NoWrap); // the command itself still works
    }

    void tabWidthItems()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QString before = fx.writeFile(QStringLiteral("before.html"), "\tx");
        f.OpenDocument(before);
        action(f, QStringLiteral("Width8"))->trigger();
        QCOMPARE(f.tabSpaces(), QString(8, QLatin1Char(' ')));
        QCOMPARE(f.tabWidthIndex(), 6);
        for (int i = 2; i <= 8; ++i)
            QCOMPARE(action(f, QStringLiteral("Width%1").arg(i))->isChecked(), i == 8);
        QCOMPARE(f.activeBox()->text(), QStringLiteral("  x")); // loaded at width 2, left alone
        QTest::keyClick(f.activeBox(), Qt::Key_Tab);
        QCOMPARE(f.activeBox()->text(), QString(8, QLatin1Char(' ')) + QStringLiteral("  x"));
        const QString after = fx.writeFile(QStringLiteral("after.html"), "\tx");
        f.OpenDocument(after);
        QCOMPARE(f.activeBox()->text(), QString(8, QLatin1Char(' ')) + QStringLiteral("x"));

        action(f, QStringLiteral("Width5"))->trigger();
        QCOMPARE(f.tabSpaces(), QString(5, QLatin1Char(' ')));
        // Nothing is written until shutdown.
        QCOMPARE(storedInt(fx, "Memo", "Tab"), -99);
    }
};

QTEST_MAIN(TestViewOptions)
#include "tst_viewoptions.moc"
