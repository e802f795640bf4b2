// The editing engine as the user reaches it: menu items, keys, the colour dialog, settings.
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "app/EditingCommands.h"
#include "platform/ProfileStore.h"

#include "ui_MainForm.h"

#include <QAction>
#include <QDialog>
#include <QTest>
#include <QToolButton>

namespace {
QAction *action(TMainForm &f, const char *name)
{
    QAction *a = f.findChild<QAction *>(QLatin1String(name));
    if (!a)
        qFatal("no action %s", name);
    return a;
}

EditBox *openText(ShellFixture &fx, const QString &text)
{
    fx.form().FileNewClick();
    EditBox *box = fx.form().activeBox();
    box->setPlainText(text);
    return box;
}

bool activate(TMainForm &f)
{
    f.show();
    f.activateWindow();
    return QTest::qWaitForWindowActive(&f);
}
} // namespace

class TestEditingCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void boldUndoAndRedoThroughTheMenu()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openText(fx, QStringLiteral("one word here"));
        box->setSelection(4, 4);
        QVERIFY(action(f, "fBold")->isEnabled());
        action(f, "fBold")->trigger();
        QCOMPARE(box->text(), QStringLiteral("one <B>word</B> here"));
        QCOMPARE(box->selStart(), 15);
        QCOMPARE(f.statusText(1), QStringLiteral("変更あり"));
        action(f, "EditUndo")->trigger();
        QCOMPARE(box->text(), QStringLiteral("one word here"));
        QCOMPARE(box->selStart(), 4);
        f.findChild<QToolButton *>(QStringLiteral("EditUndoSpeed"))->click(); // the same operation: redo
        QCOMPARE(box->text(), QStringLiteral("one <B>word</B> here"));
        // Another tab in between: the snapshot belongs to the other document.
        f.FileNewClick();
        f.selectTab(0);
        action(f, "EditUndo")->trigger();
        QCOMPARE(box->text(), QStringLiteral("one <B>word</B> here"));
    }

    void keysReachTheCommands()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openText(fx, QStringLiteral("a\nb\nc"));
        if (!activate(f))
            QSKIP("the window cannot be activated on this platform, so short-cuts cannot be pressed");
        box->setFocus();
        box->setSelection(0, 4); // "a\nb\n": two whole lines
        QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(box->text(), QStringLiteral("a<BR>\nb<BR>\nc"));
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier); // the program's Undo, not the box's
        QCOMPARE(box->text(), QStringLiteral("a\nb\nc"));
        box->setSelection(2, 0);
        QTest::keyClick(box, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("a\nb\nb\nc"));
        QTest::keyClick(box, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("a\nb\nc"));
        // Typing, then Ctrl+Z: the box's own undo takes the typing back first.
        box->setSelection(box->length(), 0);
        QTest::keyClicks(box, QStringLiteral("xy"));
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!box->text().endsWith(QLatin1String("xy")));
        // Ctrl+S saves straight after typing, without the menu being opened.
        QTest::keyClicks(box, QStringLiteral("z"));
        fx.platform().fileAnswers.push_back({{fx.path(QStringLiteral("k.html"))}, 0});
        QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!box->isModified());
        QCOMPARE(f.ActiveDocumentName(), fx.path(QStringLiteral("k.html")));
    }

    void tagCaseSettingIsWrittenAtOnce()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openText(fx, QString());
        action(f, "TagLower")->trigger();
        QVERIFY(action(f, "TagLower")->isChecked());
        QVERIFY(!action(f, "TagUpper")->isChecked());
        QCOMPARE(ProfileStore(f.iniPath()).readInteger(QStringLiteral("Memo"), QStringLiteral("Case"), 9), 0);
        action(f, "fItalic")->trigger();
        QCOMPARE(box->text(), QStringLiteral("<i></i>"));
        QCOMPARE(box->selStart(), 3);
        action(f, "StyleUpper")->trigger();
        QCOMPARE(ProfileStore(f.iniPath()).readInteger(QStringLiteral("Memo"), QStringLiteral("StyleCase"), 9), 1);
        QCOMPARE(f.styleCase(), 1);
    }

    void toolsAndPopupRunTheSameOperation()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openText(fx, QStringLiteral("x <B>bold</B> y"));
        box->setSelection(2, 11);
        f.MenuToolClick();
        QVERIFY(action(f, "ToolTagCut")->isEnabled());
        action(f, "ToolTagCut")->trigger();
        QCOMPARE(box->text(), QStringLiteral("x bold y"));
        box->setSelection(0, 1);
        action(f, "PopUpperCase")->trigger();
        QCOMPARE(box->text(), QStringLiteral("X bold y"));
        box->setSelection(0, 0);
        f.MenuToolClick();
        QVERIFY(!action(f, "ToolUpper")->isEnabled());
    }

    void backgroundColourThroughTheDialog()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openText(fx, QStringLiteral("<HTML>\n<BODY BGCOLOR=\"#000000\">\ntext"));
        fx.platform().colorAnswers.push_back(QColor(255, 0, 16));
        action(f, "imgBGColor")->trigger();
        QCOMPARE(box->text(), QStringLiteral("<HTML>\n<BODY BGCOLOR=\"#FF0010\">\ntext"));
        fx.platform().colorAnswers.push_back(std::nullopt); // cancelled: nothing changes
        f.findChild<QToolButton *>(QStringLiteral("imgBGColorSpd"))->click();
        QCOMPARE(box->text(), QStringLiteral("<HTML>\n<BODY BGCOLOR=\"#FF0010\">\ntext"));
        QCOMPARE(fx.platform().unscripted, 0);
    }

    void clipboardCommandsAndTheirEnabling()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openText(fx, QStringLiteral("abc"));
        box->setSelection(0, 0);
        f.MenuEditClick();
        QVERIFY(!action(f, "EditCut")->isEnabled());
        QVERIFY(!action(f, "EditPaste")->isEnabled());
        QVERIFY(action(f, "EditUndo")->isEnabled());
        box->setSelection(1, 1);
        f.MenuEditClick();
        QVERIFY(action(f, "EditCut")->isEnabled());
        action(f, "EditCut")->trigger();
        QCOMPARE(box->text(), QStringLiteral("ac"));
        QCOMPARE(fx.platform().clipboard, QStringLiteral("b"));
        f.MenuEditClick();
        QVERIFY(action(f, "EditPaste")->isEnabled());
        fx.platform().setClipboardText(QStringLiteral("1\r\n2"));
        action(f, "PopPaste")->trigger();
        QCOMPARE(box->text(), QStringLiteral("a1\n2c"));
        action(f, "EditUndo")->trigger(); // the box's own undo covers a paste
        QCOMPARE(box->text(), QStringLiteral("ac"));
        action(f, "EditSelectAll")->trigger();
        QCOMPARE(box->selLength(), 2);
        action(f, "EditDel")->trigger();
        QCOMPARE(box->text(), QString());
        f.FileCloseClick();
        fx.platform().messageAnswers.push_back(Platform::Answer::No);
        f.MenuEditClick();
        QVERIFY(!action(f, "EditUndo")->isEnabled() || f.tabCount() > 0);
    }

    void commentWrapsOrAsksForTheText()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openText(fx, QStringLiteral("note"));
        box->setSelection(0, 4);
        action(f, "aComment")->trigger();
        QVERIFY(box->text().startsWith(QLatin1String("<!--")));
        QCOMPARE(fx.platform().unscripted, 0);
        const QString before = box->text();
        box->setSelection(0, 0);
        bool asked = false;
        fx.platform().dialogScripts.push_back([&asked](QDialog *) {
            asked = true;
            return int(QDialog::Rejected);
        });
        action(f, "aComment")->trigger(); // no selection: the comment input box asks
        QVERIFY(asked);
        QCOMPARE(box->text(), before);
    }
};

QTEST_MAIN(TestEditingCommands)
#include "tst_editingcommands.moc"
