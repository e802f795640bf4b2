#include "BoxNotation.h"

#include "editing/EditContext.h"
#include "editing/EditTools.h"
#include "editing/LineTools.h"
#include "editing/StringEditBox.h"
#include "editing/TagInserter.h"
#include "editing/UndoSnapshot.h"

#include <QTest>

using BoxNotation::load;
using BoxNotation::show;

class TestUndoSnapshot : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void undoThenRedoSwapsWithTheCaretAtTheOldSelectionStart();
    void restoresTheTextExactly_data();
    void restoresTheTextExactly();
    void typingAfterAnInsertionIsUndoneByTheBoxFirst();
    void tabChangeInvalidatesTheSnapshot();
    void nothingToUndo();
    void allThreeComponentsRunUndo();
    void inPlaceRewriteFallsBackToTheEarlierSnapshot();
    void lineDeleteIsUndone();
    void swapReplacesOnlyTheStretchThatDiffers_data();
    void swapReplacesOnlyTheStretchThatDiffers();
};

void TestUndoSnapshot::undoThenRedoSwapsWithTheCaretAtTheOldSelectionStart()
{
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    load(box, QStringLiteral("one\nt[wo]\nthree"));
    TagInserter(ctx).InsertTagPair(QStringLiteral("<B>"), QStringLiteral("</B>"));
    QCOMPARE(show(box), QStringLiteral("one\nt<B>wo</B>|\nthree"));

    snapshot.undo(box);
    QCOMPARE(show(box), QStringLiteral("one\nt|wo\nthree"));
    QVERIFY(snapshot.isHeld());
    QCOMPARE(snapshot.savedCaret(), 5);

    snapshot.undo(box); // the second Undo redoes
    QCOMPARE(show(box), QStringLiteral("one\nt|<B>wo</B>\nthree"));

    snapshot.undo(box);
    QCOMPARE(show(box), QStringLiteral("one\nt|wo\nthree"));
    QCOMPARE(box.updateDepth(), 0);
    QCOMPARE(box.changes().callsOutsideUpdate, 0);
}

void TestUndoSnapshot::restoresTheTextExactly_data()
{
    QTest::addColumn<QString>("before");

    QTest::newRow("no line break at the end") << "abc|";
    QTest::newRow("line break at the end") << "abc\n|";
    QTest::newRow("empty lines at the end") << "|abc\n\n\n";
    QTest::newRow("empty document") << "|";
    QTest::newRow("only line breaks") << "\n|\n";
}

void TestUndoSnapshot::restoresTheTextExactly()
{
    QFETCH(QString, before);
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 0};
    load(box, before);
    const QString text = box.text();
    TagInserter(ctx).InsertTagText(QStringLiteral("<HR>"), false);
    const QString inserted = box.text();
    snapshot.undo(box);
    QCOMPARE(show(box), before);
    snapshot.undo(box);
    QCOMPARE(box.text(), inserted);
    snapshot.undo(box);
    QCOMPARE(box.text(), text);
}

void TestUndoSnapshot::typingAfterAnInsertionIsUndoneByTheBoxFirst()
{
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 0};
    load(box, QStringLiteral("ab|cd"));
    TagInserter(ctx).InsertTagPair(QStringLiteral("<I>"), QStringLiteral("</I>"));
    box.type(QStringLiteral("x"));
    QCOMPARE(show(box), QStringLiteral("ab<i>x|</i>cd"));
    QVERIFY(box.canUndo());

    snapshot.undo(box); // the typing goes, the insertion stays
    QCOMPARE(box.text(), QStringLiteral("ab<i></i>cd"));
    QVERIFY(snapshot.isHeld());

    snapshot.undo(box); // the box has nothing left: now the insertion goes
    QCOMPARE(show(box), QStringLiteral("ab|cd"));
}

void TestUndoSnapshot::tabChangeInvalidatesTheSnapshot()
{
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    load(box, QStringLiteral("ab|cd"));
    TagInserter(ctx).InsertTagText(QStringLiteral("<HR>"), false);
    snapshot.invalidate(); // another tab was selected and this one again
    box.resetChanges();

    snapshot.undo(box);
    QCOMPARE(show(box), QStringLiteral("ab<HR>|cd"));
    QCOMPARE(box.changes().replaceCalls + box.changes().wholeTextCalls, 0);
    QVERIFY(!snapshot.swap(box));

    box.type(QStringLiteral("z")); // the box's own undo still works
    snapshot.undo(box);
    QCOMPARE(box.text(), QStringLiteral("ab<HR>cd"));
}

void TestUndoSnapshot::nothingToUndo()
{
    StringEditBox box(QStringLiteral("text"));
    UndoSnapshot snapshot;
    snapshot.undo(box);
    QCOMPARE(box.text(), QStringLiteral("text"));
    QVERIFY(!box.isModified());
    QCOMPARE(box.changes().replaceCalls + box.changes().wholeTextCalls, 0);
}

void TestUndoSnapshot::allThreeComponentsRunUndo()
{
    for (const char *name : {"EditUndo", "EditUndoSpeed", "PopUndo"}) {
        StringEditBox box;
        UndoSnapshot snapshot;
        EditContext ctx{box, snapshot, 1};
        load(box, QStringLiteral("a|b"));
        TagInserter(ctx).InsertTagText(QStringLiteral("<BR>"), false);
        QVERIFY(EditTools::run(QString::fromLatin1(name), ctx));
        QCOMPARE(show(box), QStringLiteral("a|b"));
    }
}

void TestUndoSnapshot::inPlaceRewriteFallsBackToTheEarlierSnapshot()
{
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    load(box, QStringLiteral("a|b\nc"));
    TagInserter(ctx).InsertTagText(QStringLiteral("<BR>"), false);
    LineTools::indent(ctx); // no snapshot of its own, and the box cannot undo it
    QCOMPARE(box.text(), QStringLiteral(" a<BR>b\nc"));
    QVERIFY(!box.canUndo());
    snapshot.undo(box);
    QCOMPARE(show(box), QStringLiteral("a|b\nc"));
}

void TestUndoSnapshot::lineDeleteIsUndone()
{
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    load(box, QStringLiteral("a\nb|b\nc"));
    LineTools::deleteLine(ctx);
    QCOMPARE(show(box), QStringLiteral("a\n|c"));
    snapshot.undo(box);
    QCOMPARE(show(box), QStringLiteral("a\nb|b\nc"));
}

void TestUndoSnapshot::swapReplacesOnlyTheStretchThatDiffers_data()
{
    QTest::addColumn<int>("at");

    QTest::newRow("start of the document") << 0;
    QTest::newRow("middle") << 50000;
    QTest::newRow("end of the document") << -1;
}

void TestUndoSnapshot::swapReplacesOnlyTheStretchThatDiffers()
{
    QFETCH(int, at);
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    QString text;
    for (int i = 0; i < 5000; ++i)
        text += QStringLiteral("<P>paragraph %1</P>\n").arg(i, 4, 10, QLatin1Char('0'));
    box.setWholeText(text);
    box.setSelection(at < 0 ? int(text.size()) : at, 0);
    TagInserter(ctx).InsertTagPair(QStringLiteral("<B>"), QStringLiteral("</B>"));
    box.resetChanges();

    snapshot.undo(box);
    QCOMPARE(box.text(), text);
    QCOMPARE(box.changes().wholeTextCalls, 0);
    QCOMPARE(box.changes().replaceCalls, 1);
    QCOMPARE(box.changes().removedChars, 7);
    QCOMPARE(box.changes().insertedChars, 0);

    box.resetChanges();
    snapshot.undo(box);
    QCOMPARE(box.changes().removedChars, 0);
    QCOMPARE(box.changes().insertedChars, 7);
    QCOMPARE(box.changes().callsOutsideUpdate, 0);
}

QTEST_GUILESS_MAIN(TestUndoSnapshot)
#include "tst_UndoSnapshot.moc"
