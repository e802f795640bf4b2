// A shared access key walks through the items that share it; Enter opens the one chosen.
// A key held by one item acts at once.
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "app/MenuAccessKeys.h"

#include "ui_MainForm.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

namespace {
QMenu *popUp(QMenu *menu)
{
    menu->popup(QPoint(10, 10));
    if (!QTest::qWaitForWindowExposed(menu))
        qWarning("menu not exposed");
    return menu;
}
} // namespace

class TestMenuAccessKeys : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        MenuAccessKeys::install(*qApp);
    }

    void sharedKeyCyclesAndEnterOpensTheChosenSubmenu()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QMenu *html = f.form()->MenuHtml;
        QMenu *list = f.form()->HtmlList;
        QMenu *link = f.form()->HtmlLink;
        f.activateWindow();
        if (QTest::qWaitForWindowActive(&f)) {
            // Alt+M from the editing box opens the HTML menu.
            f.activeBox()->setFocus();
            QTest::keyClick(f.activeBox(), Qt::Key_M, Qt::AltModifier);
            QTRY_VERIFY(html->isVisible());
            QCOMPARE(f.activeBox()->text(), QString());
        } else {
            popUp(html);
        }
        QTest::keyClick(html, Qt::Key_L);
        QCOMPARE(html->activeAction(), list->menuAction());
        QVERIFY(!list->isVisible());
        QTest::keyClick(html, Qt::Key_L);
        QCOMPARE(html->activeAction(), link->menuAction());
        QVERIFY(!link->isVisible());
        QTest::keyClick(html, Qt::Key_L); // round again
        QCOMPARE(html->activeAction(), list->menuAction());
        QTest::keyClick(html, Qt::Key_L);
        QTest::keyClick(html, Qt::Key_Return);
        QTRY_VERIFY(link->isVisible());
        QVERIFY(!list->isVisible());
        link->close();
        html->close();
    }

    void aKeyOfOneItemActsAtOnce()
    {
        QMenu menu;
        QAction *form = menu.addAction(QStringLiteral("フォーム(&F)"));
        QAction *list = menu.addAction(QStringLiteral("リスト(&L)"));
        QAction *link = menu.addAction(QStringLiteral("リンク(&L)"));
        QVERIFY(MenuAccessKeys::nextSharing(&menu, QLatin1Char('f')) == nullptr);
        QCOMPARE(MenuAccessKeys::nextSharing(&menu, QLatin1Char('l')), list);
        // A disabled item does not share the key: the other one acts at once.
        link->setEnabled(false);
        QVERIFY(MenuAccessKeys::nextSharing(&menu, QLatin1Char('l')) == nullptr);
        QSignalSpy formTriggered(form, &QAction::triggered);
        QSignalSpy listTriggered(list, &QAction::triggered);
        popUp(&menu);
        QTest::keyClick(&menu, Qt::Key_F);
        QCOMPARE(formTriggered.size(), 1);
        popUp(&menu);
        QTest::keyClick(&menu, Qt::Key_L);
        QCOMPARE(listTriggered.size(), 1);
    }
};

QTEST_MAIN(TestMenuAccessKeys)
#include "tst_menuaccesskeys.moc"
