// Where the caret is, line numbers and undo of many steps, as the user turns them on.
#include "Controls.h"
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "app/LineNumberGutter.h"
#include "app/StatusPanels.h"
#include "editing/UndoHistory.h"
#include "platform/ProfileStore.h"

#include "ui_MainForm.h"

#include <QAction>
#include <QMenu>
#include <QTest>

namespace {
bool activate(TMainForm &f)
{
    f.show();
    f.activateWindow();
    return QTest::qWaitForWindowActive(&f);
}

// Options, then an entry by its access key (Enter when the key is shared).
void optionsMenu(TMainForm &f, Qt::Key key, bool shared = false)
{
    QMenu *menu = f.form()->MenuOption;
    menu->popup(f.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    QTest::keyClick(menu, key);
    if (shared)
        QTest::keyClick(menu, Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([menu] { return !menu->isVisible(); }));
}

int stored(ShellFixture &fx, const char *key)
{
    return ProfileStore(fx.path(QStringLiteral("TW.ini"))).readInteger(QStringLiteral("Memo"), QLatin1String(key), -1);
}
} // namespace

class TestEditingComfort : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void caretPanelFollowsTheCaret()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        QVERIFY(activate(f));
        QCOMPARE(f.statusText(StatusPanels::Caret), QString());
        // No line break after the last line.
        f.OpenDocument(fx.writeFile(QStringLiteral("a.htm"), "<P>\r\nab\xE6\x97\xA5"));
        EditBox *box = f.activeBox();
        QCOMPARE(f.statusText(StatusPanels::Caret), QStringLiteral("1 行 : 1 桁"));
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(f.statusText(StatusPanels::Caret), StatusPanels::caretText(2, int(box->line(1).size()) + 1));
        QTest::keyClick(box, Qt::Key_Home);
        QCOMPARE(f.statusText(StatusPanels::Caret), QStringLiteral("2 行 : 1 桁"));
        QTest::keyClicks(box, QStringLiteral("xyz"));
        QCOMPARE(f.statusText(StatusPanels::Caret), QStringLiteral("2 行 : 4 桁"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(f.statusText(StatusPanels::Caret), QStringLiteral("3 行 : 1 桁"));
        // The encoding keeps its panel; another tab shows its own caret.
        QCOMPARE(f.statusText(StatusPanels::Encoding), QStringLiteral("UTF-8  CRLF"));
        f.FileNewClick();
        QCOMPARE(f.statusText(StatusPanels::Caret), QStringLiteral("1 行 : 1 桁"));
        f.selectTab(0);
        QCOMPARE(f.statusText(StatusPanels::Caret), QStringLiteral("3 行 : 1 桁"));
        for (int i = 0; i < f.tabCount(); ++i)
            f.EditBoxOfTab(i)->setModified(false);
        f.FileAllCloseClick();
        QCOMPARE(f.tabCount(), 0);
        QCOMPARE(f.statusText(StatusPanels::Caret), QString());
    }

    void lineNumbersAreAnOptionKeptInTheSettings()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        QVERIFY(activate(f));
        f.OpenDocument(fx.writeFile(QStringLiteral("a.htm"), QByteArray("line\r\n").repeated(120)));
        EditBox *box = f.activeBox();
        const int textLeft = box->viewport()->geometry().left();
        QVERIFY(!LineNumberGutter::of(box));
        optionsMenu(f, Qt::Key_N, true);
        QVERIFY(child<QAction>(&f, "OptLineNumbers")->isChecked());
        QCOMPARE(stored(fx, "LineNumbers"), 1);
        LineNumberGutter *gutter = LineNumberGutter::of(box);
        QVERIFY(gutter);
        QVERIFY(gutter->isVisible());
        // Three digits for 121 lines, and the text moved right by the gutter.
        QVERIFY(gutter->width() >= 3 * box->fontMetrics().horizontalAdvance(QLatin1Char('9')));
        QCOMPARE(box->viewport()->geometry().left(), textLeft + gutter->width());
        QVERIFY(!gutter->grab().isNull());
        // Boxes made later have one too, and the setting outlives the window.
        f.FileNewClick();
        QVERIFY(LineNumberGutter::of(f.activeBox()));
        f.FileCloseClick();
        box->setModified(false);
        fx.restart();
        TMainForm &g = fx.form();
        QVERIFY(child<QAction>(&g, "OptLineNumbers")->isChecked());
        g.FileNewClick();
        QVERIFY(LineNumberGutter::of(g.activeBox()));
        QVERIFY(activate(g));
        optionsMenu(g, Qt::Key_N, true);
        QVERIFY(!LineNumberGutter::of(g.activeBox()));
        QCOMPARE(g.activeBox()->gutterWidth(), 0);
        QCOMPARE(stored(fx, "LineNumbers"), 0);
    }

    void undoGoesBackThroughTypingAndInsertionsWhenOn()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        QVERIFY(activate(f));
        QVERIFY(!child<QAction>(&f, "EditRedo")->isVisible());
        optionsMenu(f, Qt::Key_U);
        QCOMPARE(stored(fx, "MultiUndo"), 1);
        QVERIFY(child<QAction>(&f, "EditRedo")->isVisible());
        f.FileNewClick();
        EditBox *box = f.activeBox();
        QVERIFY(box->multiLevelUndo());
        QTest::keyClicks(box, QStringLiteral("ab"));
        QTest::keyClick(box, Qt::Key_B, Qt::ControlModifier); // bold tags at the caret
        QTest::keyClicks(box, QStringLiteral("c"));
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, QStringLiteral("d"));
        const QString full = box->text();
        QCOMPARE(full, QStringLiteral("ab<B>c\nd</B>"));
        const QStringList back{QStringLiteral("ab<B>c\n</B>"), QStringLiteral("ab<B></B>"), QStringLiteral("ab"),
                               QString()};
        for (const QString &expected : back) {
            QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(box->text(), expected);
        }
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier); // nothing further back
        QCOMPARE(box->text(), QString());
        for (int i = back.size() - 2; i >= 0; --i) {
            QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier);
            QCOMPARE(box->text(), back.at(i));
        }
        QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(box->text(), full);
        // The caret goes back to where the insertion was made.
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->selStart(), 2);

        // Off again: the one-step swap, as before.
        optionsMenu(f, Qt::Key_U);
        QCOMPARE(stored(fx, "MultiUndo"), 0);
        QVERIFY(!box->multiLevelUndo());
        QVERIFY(!child<QAction>(&f, "EditRedo")->isVisible());
        QTest::keyClick(box, Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("ab<B></B>"));
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("ab"));
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("ab<B></B>"));
        box->setModified(false);
    }

    void aLoadedPageStartsAHistoryOfItsOwn()
    {
        ShellFixture fx("[Memo]\r\nMultiUndo=1\r\n");
        TMainForm &f = fx.form();
        QVERIFY(child<QAction>(&f, "OptMultiUndo")->isChecked());
        f.OpenDocument(fx.writeFile(QStringLiteral("a.htm"), "<P>page</P>"));
        EditBox *box = f.activeBox();
        QVERIFY(!box->canUndo());
        QVERIFY(!box->isModified());
        // A whole-page command is one step and holds one copy of what it changed.
        box->setSelection(0, box->length());
        child<QAction>(&f, "ToolLower")->trigger();
        QCOMPARE(box->text(), QStringLiteral("<p>page</p>"));
        QCOMPARE(box->undoHistory()->undoSteps(), 1);
        QVERIFY(box->undoHistory()->heldBytes() <= qint64(sizeof(QChar)) * box->length());
        child<QAction>(&f, "EditUndo")->trigger();
        QCOMPARE(box->text(), QStringLiteral("<P>page</P>"));
        QVERIFY(!box->canUndo());
        box->setModified(false);
    }
};

QTEST_MAIN(TestEditingComfort)
#include "tst_editingcomfort.moc"
