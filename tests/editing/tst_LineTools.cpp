#include "BoxNotation.h"

#include "editing/EditContext.h"
#include "editing/EditTools.h"
#include "editing/LineTools.h"
#include "editing/StringEditBox.h"
#include "editing/UndoSnapshot.h"

#include <QRegularExpression>
#include <QTest>

using BoxNotation::load;
using BoxNotation::show;

class TestLineTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void indent_data();
    void indent();
    void unindent_data();
    void unindent();
    void indentOfManyLinesIsOneChange();
    void lineDelete_data();
    void lineDelete();
    void lineCopy_data();
    void lineCopy();
    void emptyDocumentIsLeftAlone();
};

void TestLineTools::indent_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("middle of line 3 to middle of line 5") << "l1\nl2\nab[cd\nl4\nef]gh\nl6"
                                                           << "l1\nl2\n ab[cd\n l4\n ef]gh\nl6";
    QTest::newRow("selection ending after a line break") << "[a\n]b" << " [a\n]b";
    QTest::newRow("selection from a line start") << "x\n[ab\ncd]" << "x\n [ab\n cd]";
    QTest::newRow("caret only: its line, the caret moves along") << "x\nab|c\ny" << "x\n ab|c\ny";
    QTest::newRow("caret at the line start") << "|abc" << " |abc";
    QTest::newRow("empty lines are indented too") << "[a\n\nb]" << " [a\n \n b]";
    QTest::newRow("last empty line") << "a\n|" << "a\n |";
}

void TestLineTools::indent()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot};
    load(box, before);
    QVERIFY(EditTools::run(u"EditIndent", ctx));
    QCOMPARE(show(box), after);
    QVERIFY(!snapshot.isHeld());
    QCOMPARE(box.changes().callsOutsideUpdate, 0);
}

void TestLineTools::unindent_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("only lines that begin with a space") << "[  a\nb\n c]" << "[ a\nb\nc]";
    QTest::newRow("selection after the removed space") << "  a[b\n c]d" << " a[b\nc]d";
    QTest::newRow("caret in the leading spaces") << "  |a" << " |a";
    QTest::newRow("caret before the space") << "| a" << "|a";
    QTest::newRow("selection of the space alone") << "[ ]a" << "|a";
    QTest::newRow("selection ending after a line break") << "[ a\n] b" << "[a\n] b";
    QTest::newRow("tabs and full-width spaces stay") << "[\ta\n　b]" << "[\ta\n　b]";
    QTest::newRow("no line changes: selection kept") << "a[b\nc]d" << "a[b\nc]d";
}

void TestLineTools::unindent()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot};
    load(box, before);
    QVERIFY(EditTools::run(u"EditUnIndent", ctx));
    QCOMPARE(show(box), after);
    QVERIFY(!snapshot.isHeld());
    if (before == after)
        QCOMPARE(box.changes().replaceCalls, 0);
}

void TestLineTools::indentOfManyLinesIsOneChange()
{
    // Thousands of lines in one replacement that stays inside the covered lines.
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot};
    QStringList lines;
    for (int i = 0; i < 3000; ++i)
        lines.append(QStringLiteral("<LI>item %1").arg(i));
    const QString text = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    box.setWholeText(text);
    const int first = box.posFromLine(1000);
    const int end = box.posFromLine(2000) + 3; // into line 2000
    box.setSelection(first + 2, end - first - 2);
    box.resetChanges();
    LineTools::indent(ctx);
    QStringList want = lines;
    for (int i = 1000; i <= 2000; ++i)
        want[i].prepend(QLatin1Char(' '));
    QCOMPARE(box.text(), want.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    QCOMPARE(box.changes().replaceCalls, 1);
    QCOMPARE(box.changes().callsOutsideUpdate, 0);
    QCOMPARE(box.changes().insertedChars - box.changes().removedChars, 1001);
    QVERIFY(box.changes().removedChars <= box.posFromLine(2001) - first);
    QCOMPARE(box.selStart(), first + 3);
    QCOMPARE(box.selLength(), end - first - 2 + 1000);
    QCOMPARE(box.selectedText().left(3), QStringLiteral("I>i"));

    box.resetChanges();
    LineTools::unindent(ctx);
    QCOMPARE(box.text(), text);
    QCOMPARE(box.changes().replaceCalls, 1);
    QCOMPARE(box.selStart(), first + 2);
    QCOMPARE(box.selLength(), end - first - 2);
}

void TestLineTools::lineDelete_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("middle line") << "a\nb|b\nc" << "a\n|c";
    QTest::newRow("first line") << "[a]a\nb" << "|b";
    QTest::newRow("last line: only its text") << "a\nb|b" << "a\n|";
    QTest::newRow("only line") << "ab|c" << "|";
    QTest::newRow("empty last line") << "a\n|" << "a\n|";
    QTest::newRow("selection over lines: the start's line") << "a\nb[b\ncc]\nd" << "a\n|cc\nd";
}

void TestLineTools::lineDelete()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot};
    load(box, before);
    QVERIFY(EditTools::run(u"EditLineDel", ctx));
    QCOMPARE(show(box), after);
    QVERIFY(snapshot.isHeld());
    snapshot.undo(box);
    QCOMPARE(box.text(), QString(before).remove(QRegularExpression(QStringLiteral("[\\[\\]|]"))));
}

void TestLineTools::lineCopy_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("one line without a line break") << "ab|c" << "abc\n|abc";
    QTest::newRow("middle line") << "a\nb|\nc" << "a\nb\n|b\nc";
    QTest::newRow("empty line") << "a\n|\nc" << "a\n\n|\nc";
    QTest::newRow("selection: the start's line") << "[ab\nc]d" << "ab\n|ab\ncd";
}

void TestLineTools::lineCopy()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot};
    load(box, before);
    QVERIFY(EditTools::run(u"EditLineCopy", ctx));
    QCOMPARE(show(box), after);
    QVERIFY(snapshot.isHeld());
    QCOMPARE(box.changes().removedChars, 0);
}

void TestLineTools::emptyDocumentIsLeftAlone()
{
    for (const char16_t *name : {u"EditLineDel", u"EditLineCopy"}) {
        StringEditBox box;
        UndoSnapshot snapshot;
        EditContext ctx{box, snapshot};
        box.setModified(false);
        QVERIFY(EditTools::run(QStringView(name), ctx));
        QCOMPARE(box.text(), QString());
        QVERIFY(!box.isModified());
        QVERIFY(!snapshot.isHeld());
        QCOMPARE(box.changes().replaceCalls, 0);
    }
}

QTEST_GUILESS_MAIN(TestLineTools)
#include "tst_LineTools.moc"
