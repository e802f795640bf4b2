// The editing box under the user's keys, pastes, drops and input methods: the Tab key stays
// in the text, keypad Enter is Return, no paste reaches Qt's own handler, and no line
// separator ever sits inside a line.
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "editing/EditContext.h"
#include "editing/LineTools.h"
#include "editing/UndoSnapshot.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QTest>

namespace {
bool activate(TMainForm &f)
{
    f.show();
    f.activateWindow();
    return QTest::qWaitForWindowActive(&f);
}

bool holdsSeparator(const EditBox *box)
{
    return box->toPlainText().contains(QChar::LineSeparator) || box->document()->toRawText().contains(QChar::LineSeparator);
}
} // namespace

class TestEditBox : public QObject
{
    Q_OBJECT
private:
    // A saved document of the box's text, as lines the way the file holds them.
    static int savedLineCount(ShellFixture &fx, const QString &name)
    {
        fx.form().FileSaveClick();
        return int(ShellFixture::readFile(fx.path(name)).count("\r\n")) + 1;
    }

    EditBox *openPage(ShellFixture &fx, const QByteArray &bytes)
    {
        fx.form().OpenDocument(fx.writeFile(QStringLiteral("page.html"), bytes));
        return fx.form().activeBox();
    }

private Q_SLOTS:
    void shiftTabTypesTheTabSpaces()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openPage(fx, "ab");
        if (!activate(f))
            QSKIP("the window cannot be activated on this platform, so keys cannot be pressed");
        box->setFocus();
        box->setSelection(1, 0);
        QTest::keyClick(box, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(box->text(), QStringLiteral("a  b"));
        QVERIFY(box->hasFocus());
        // Tab with a modifier the program does not bind does the same; the focus stays.
        QTest::keyClick(box, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(box->text(), QStringLiteral("a    b"));
        QVERIFY(box->hasFocus());
        // The next arrow key moves the caret, not the document tabs.
        f.FileNewClick();
        f.selectTab(0);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_Right);
        QCOMPARE(f.activeIndex(), 0);
        QVERIFY(box->hasFocus());
    }

    void keypadEnterIsReturn()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openPage(fx, "a\r\nb");
        if (!activate(f))
            QSKIP("the window cannot be activated on this platform, so keys cannot be pressed");
        box->setFocus();
        box->setSelection(0, 1);
        // Shift with the keypad's Enter runs the line break command, as Shift+Return does.
        QTest::keyClick(box, Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
        QCOMPARE(box->text(), QStringLiteral("a<BR>\nb"));
        QVERIFY(!holdsSeparator(box));
        // Plain keypad Enter breaks the line as Return does.
        box->setSelection(box->length(), 0);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(box->text(), QStringLiteral("a<BR>\nb\n"));
        QCOMPARE(box->lineCount(), 3);
        // With the line break command unavailable, Shift+Return still gives an ordinary break.
        f.findChild<QAction *>(QStringLiteral("aBR"))->setEnabled(false);
        QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
        QVERIFY(!holdsSeparator(box));
        QCOMPARE(box->lineCount(), 5);
        QCOMPARE(savedLineCount(fx, QStringLiteral("page.html")), 5);
    }

    void pasteKeysReadTheClipboardThroughTheSeam()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openPage(fx, "x");
        if (!activate(f))
            QSKIP("the window cannot be activated on this platform, so keys cannot be pressed");
        // The desktop's clipboard holds something, but the seam reports no text: Qt's own
        // paste would take it, the program's Paste does nothing.
        QApplication::clipboard()->setText(QStringLiteral("from Qt"));
        fx.platform().clipboardHoldsText = false;
        f.refreshEnabling();
        box->setFocus();
        box->setSelection(1, 0);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(box->text(), QStringLiteral("x"));
        QVERIFY(!box->isModified());
        // With text, the same keys paste it, every kind of line break as one break.
        fx.platform().clipboard = QStringLiteral("1\u20282\r\n3");
        fx.platform().clipboardHoldsText = true;
        f.refreshEnabling();
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(box->text(), QStringLiteral("x1\n2\n3"));
        QVERIFY(!holdsSeparator(box));
        QCOMPARE(box->lineCount(), 3);
        QCOMPARE(savedLineCount(fx, QStringLiteral("page.html")), 3);
        QApplication::clipboard()->clear();
    }

    void middleClickPastesTheSelectionTextOnly()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openPage(fx, "ab");
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QPoint end = box->cursorRect(box->textCursor()).center();
        fx.platform().selectionHoldsText = false;
        QTest::mouseClick(box->viewport(), Qt::MiddleButton, {}, end);
        QCOMPARE(box->text(), QStringLiteral("ab"));
        fx.platform().selection = QStringLiteral("p\u2028q\u2029r");
        fx.platform().selectionHoldsText = true;
        box->setSelection(2, 0);
        QTest::mouseClick(box->viewport(), Qt::MiddleButton, {}, box->cursorRect(box->textCursor()).center());
        QCOMPARE(box->text(), QStringLiteral("abp\nq\nr"));
        QVERIFY(!holdsSeparator(box));
    }

    void droppedAndComposedTextGoesInAsLines()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openPage(fx, "");
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QMimeData data;
        data.setText(QStringLiteral("one\u2028two"));
        data.setHtml(QStringLiteral("<b>rich</b>")); // never taken
        const QPoint at = box->viewport()->rect().topLeft() + QPoint(2, 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box->viewport(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box->viewport(), &move);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box->viewport(), &drop);
        QCOMPARE(box->text(), QStringLiteral("one\ntwo"));

        box->setSelection(box->length(), 0);
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("\u2028三"));
        QApplication::sendEvent(box, &composed);
        QCOMPARE(box->text(), QStringLiteral("one\ntwo\n三"));
        QVERIFY(!holdsSeparator(box));

        // A command's text goes in the same way: the line tools see the lines the file gets.
        box->replaceRange(0, 0, QStringLiteral("z\u2028"));
        QCOMPARE(box->lineCount(), 4);
        UndoSnapshot snapshot;
        box->setSelection(0, 0);
        LineTools::deleteLine(EditContext{*box, snapshot});
        QCOMPARE(box->text(), QStringLiteral("one\ntwo\n三"));
        QCOMPARE(savedLineCount(fx, QStringLiteral("page.html")), box->lineCount());
    }
};

QTEST_MAIN(TestEditBox)
#include "tst_editbox.moc"
