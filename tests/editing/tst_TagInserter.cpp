#include "BoxNotation.h"

#include "editing/EditContext.h"
#include "editing/StringEditBox.h"
#include "editing/TagInserter.h"
#include "editing/UndoSnapshot.h"

#include <QTest>

using BoxNotation::load;
using BoxNotation::show;

class TestTagInserter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void insertTagPair_data();
    void insertTagPair();
    void insertTagPairWithText_data();
    void insertTagPairWithText();
    void insertTagText_data();
    void insertTagText();
    void insertCasedText_data();
    void insertCasedText();
    void tagCaseAndStyleCase_data();
    void tagCaseAndStyleCase();
    void everyPrimitiveTakesTheSnapshot();
    void insertionClearsTheBoxsOwnUndo();
    void wrappingALongSelectionOnlyInsertsTheTags();
    void replacingTouchesOnlyWhatDiffers();
    void rewriteSelectionKeepsTheEndingLineBreak_data();
    void rewriteSelectionKeepsTheEndingLineBreak();
};

void TestTagInserter::insertTagPair_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("foot");
    QTest::addColumn<int>("tagCase");
    QTest::addColumn<QString>("after");

    QTest::newRow("lower, no selection: caret between") << "ab|cd" << "<B>" << "</B>" << 0 << "ab<b>|</b>cd";
    QTest::newRow("upper, no selection") << "ab|cd" << "<B>" << "</B>" << 1 << "ab<B>|</B>cd";
    QTest::newRow("lower, three selected: caret after foot") << "x[abc]y" << "<B>" << "</B>" << 0
                                                             << "x<b>abc</b>|y";
    QTest::newRow("upper, selection") << "[abc]" << "<B>" << "</B>" << 1 << "<B>abc</B>|";
    QTest::newRow("upper setting does not raise lower tags") << "|" << "<b>" << "</b>" << 1 << "<b>|</b>";
    QTest::newRow("lower setting lowers attribute values") << "|" << "<A NAME=\"TOP\">" << "</A>" << 0
                                                           << "<a name=\"top\">|</a>";
    QTest::newRow("full-width letters keep their case")
        << "|" << "<SPAN TITLE=\"ＡＢＣ日本\">" << "</SPAN>" << 0 << "<span title=\"ＡＢＣ日本\">|</span>";
    QTest::newRow("selected text keeps its case") << "[Ab Cd]" << "<I>" << "</I>" << 0 << "<i>Ab Cd</i>|";
    QTest::newRow("selection over a line break") << "a[b\nc]d" << "<P>" << "</P>" << 1 << "a<P>b\nc</P>|d";
    QTest::newRow("caret at the very end") << "abc|" << "<TR><TD>" << "</TD></TR>" << 0
                                            << "abc<tr><td>|</td></tr>";
}

void TestTagInserter::insertTagPair()
{
    QFETCH(QString, before);
    QFETCH(QString, head);
    QFETCH(QString, foot);
    QFETCH(int, tagCase);
    QFETCH(QString, after);

    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, tagCase};
    load(box, before);
    TagInserter(ctx).InsertTagPair(head, foot);
    QCOMPARE(show(box), after);
    QVERIFY(box.isModified());
    QCOMPARE(box.updateDepth(), 0);
    QCOMPARE(box.changes().callsOutsideUpdate, 0);
}

void TestTagInserter::insertTagPairWithText_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("tagCase");
    QTest::addColumn<QString>("after");

    QTest::newRow("lower: inner text keeps its capitals, caret before foot")
        << "|" << 0 << "<a href=\"Page.html\">|</a>";
    QTest::newRow("upper") << "|" << 1 << "<A HREF=\"Page.html\">|</A>";
    QTest::newRow("selection goes after the inner text") << "see [Here] now" << 0
                                                         << "see <a href=\"Page.html\">Here</a>| now";
}

void TestTagInserter::insertTagPairWithText()
{
    QFETCH(QString, before);
    QFETCH(int, tagCase);
    QFETCH(QString, after);

    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, tagCase};
    load(box, before);
    TagInserter(ctx).InsertTagPairWithText(QStringLiteral("<A HREF=\""), QStringLiteral("Page.html\">"),
                                           QStringLiteral("</A>"));
    QCOMPARE(show(box), after);
}

void TestTagInserter::insertTagText_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("keepCase");
    QTest::addColumn<int>("tagCase");
    QTest::addColumn<QString>("after");

    QTest::newRow("CR LF, space and tab at the end are cut") << "a|b" << "<HR>\r\n \t" << true << 1 << "a<HR>|b";
    QTest::newRow("line feed and control characters cut") << "|" << "x\n\x01\x1f" << true << 0 << "x|";
    QTest::newRow("blanks at the start stay") << "|" << "  x  " << true << 1 << "  x|";
    QTest::newRow("lower, keepCase false lowers") << "|" << "<HR>" << false << 0 << "<hr>|";
    QTest::newRow("lower, keepCase true keeps") << "|" << "<HR>" << true << 0 << "<HR>|";
    QTest::newRow("upper never raises") << "|" << "<hr>" << false << 1 << "<hr>|";
    QTest::newRow("replaces the selection") << "a[bc]d" << "&lt;" << true << 0 << "a&lt;|d";
    QTest::newRow("text that is all blanks deletes the selection") << "a[bc]d" << " \n " << true << 1 << "a|d";
    QTest::newRow("full-width letters stay when lowered") << "|" << "<P>ＡＢ</P>" << false << 0 << "<p>ＡＢ</p>|";
}

void TestTagInserter::insertTagText()
{
    QFETCH(QString, before);
    QFETCH(QString, text);
    QFETCH(bool, keepCase);
    QFETCH(int, tagCase);
    QFETCH(QString, after);

    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, tagCase};
    load(box, before);
    TagInserter(ctx).InsertTagText(text, keepCase);
    QCOMPARE(show(box), after);
}

void TestTagInserter::insertCasedText_data()
{
    QTest::addColumn<int>("tagCase");
    QTest::addColumn<QString>("after");

    QTest::newRow("upper raises") << 1 << "x<UL>\n  <LI>ＬI\n</UL>\n|y";
    QTest::newRow("lower lowers") << 0 << "x<ul>\n  <li>Ｌi\n</ul>\n|y";
}

void TestTagInserter::insertCasedText()
{
    QFETCH(int, tagCase);
    QFETCH(QString, after);

    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, tagCase};
    load(box, QStringLiteral("x[sel]y"));
    // Nothing is trimmed here: the final line break stays.
    TagInserter(ctx).InsertCasedText(QStringLiteral("<ul>\n  <LI>Ｌi\n</Ul>\n"));
    QCOMPARE(show(box), after);
    QVERIFY(snapshot.isHeld());
    QCOMPARE(snapshot.savedText(), QStringLiteral("xsely"));
}

void TestTagInserter::tagCaseAndStyleCase_data()
{
    QTest::addColumn<int>("tagCase");
    QTest::addColumn<int>("styleCase");
    QTest::addColumn<QString>("tagResult");
    QTest::addColumn<QString>("styleResult");

    QTest::newRow("tags upper, styles lower") << 1 << 0 << "<B Ｂ=\"Ä\">FONT-SIZE" << "<b Ｂ=\"Ä\">font-size";
    QTest::newRow("tags lower, styles upper") << 0 << 1 << "<b Ｂ=\"Ä\">font-size" << "<B Ｂ=\"Ä\">FONT-SIZE";
}

void TestTagInserter::tagCaseAndStyleCase()
{
    QFETCH(int, tagCase);
    QFETCH(int, styleCase);
    QFETCH(QString, tagResult);
    QFETCH(QString, styleResult);

    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, tagCase, styleCase};
    TagInserter insert(ctx);
    const QString in = QStringLiteral("<b Ｂ=\"Ä\">font-Size");
    QCOMPARE(insert.TagCase(in), tagResult);
    QCOMPARE(insert.StyleCase(in), styleResult);
}

void TestTagInserter::everyPrimitiveTakesTheSnapshot()
{
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    TagInserter insert(ctx);

    const QString before = QStringLiteral("one\ntw[o]\nthree\n");
    const QString plain = QStringLiteral("one\ntwo\nthree\n");
    auto check = [&](const char *what) {
        QVERIFY2(snapshot.isHeld(), what);
        QCOMPARE(snapshot.savedCaret(), 6);
        QCOMPARE(snapshot.savedText(), plain);
    };
    load(box, before);
    insert.InsertTagPair(QStringLiteral("<B>"), QStringLiteral("</B>"));
    check("pair");
    snapshot.invalidate();
    load(box, before);
    insert.InsertTagPairWithText(QStringLiteral("<A>"), QStringLiteral("x"), QStringLiteral("</A>"));
    check("pair with text");
    snapshot.invalidate();
    load(box, before);
    insert.InsertTagText(QStringLiteral("<HR>"), false);
    check("text");
    snapshot.invalidate();
    load(box, before);
    insert.InsertCasedText(QStringLiteral("<HR>"));
    check("cased text");
}

void TestTagInserter::insertionClearsTheBoxsOwnUndo()
{
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    load(box, QStringLiteral("ab|"));
    box.type(QStringLiteral("c"));
    QVERIFY(box.canUndo());
    TagInserter(ctx).InsertTagText(QStringLiteral("<BR>"), false);
    QVERIFY(!box.canUndo());
}

void TestTagInserter::wrappingALongSelectionOnlyInsertsTheTags()
{
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    QString text;
    for (int i = 0; i < 5000; ++i)
        text += QStringLiteral("line %1 of the page\n").arg(i);
    box.setWholeText(text);
    box.setSelection(10, int(text.size()) - 20);
    box.resetChanges();

    TagInserter(ctx).InsertTagPair(QStringLiteral("<PRE>"), QStringLiteral("</PRE>"));
    QCOMPARE(box.changes().removedChars, 0);
    QCOMPARE(box.changes().insertedChars, 11);
    QCOMPARE(box.changes().wholeTextCalls, 0);
    QCOMPARE(box.text(), text.left(10) + "<PRE>" + text.mid(10, text.size() - 20) + "</PRE>" + text.right(10));
    QCOMPARE(box.selStart(), int(text.size()) + 1);
}

void TestTagInserter::replacingTouchesOnlyWhatDiffers()
{
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 0};
    load(box, QStringLiteral("a[<TD>cell</TD>]b"));
    TagInserter(ctx).InsertTagText(QStringLiteral("<TD>celL</TD>"), true);
    QCOMPARE(show(box), QStringLiteral("a<TD>celL</TD>|b"));
    QCOMPARE(box.changes().replaceCalls, 1);
    QCOMPARE(box.changes().removedChars, 1);
    QCOMPARE(box.changes().insertedChars, 1);

    // Nothing differs: still one programmatic change, so Undo falls through to the snapshot.
    load(box, QStringLiteral("a[x]b"));
    box.type(QStringLiteral("x"));
    box.setSelection(1, 1);
    TagInserter(ctx).InsertTagText(QStringLiteral("x"), true);
    QCOMPARE(box.changes().replaceCalls, 1);
    QCOMPARE(box.changes().removedChars + box.changes().insertedChars, 0);
    QVERIFY(!box.canUndo());
}

void TestTagInserter::rewriteSelectionKeepsTheEndingLineBreak_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("after");

    QTest::newRow("break that ended the selection stays") << "[a\nb\n]next" << "A\nB\n" << "A\nB\n|next";
    QTest::newRow("blanks before it are cut") << "[a  \n]next" << "A  \n" << "A\n|next";
    QTest::newRow("blanks of inner lines stay") << "[a  \nb  ]" << "A  \nB  " << "A  \nB|";
    QTest::newRow("blank last line loses its blanks, not its break") << "[a\n  ]x" << "A\n  " << "A\n|x";
    QTest::newRow("two breaks at the end stay") << "[a\n\n]x" << "A\n\n" << "A\n\n|x";
}

void TestTagInserter::rewriteSelectionKeepsTheEndingLineBreak()
{
    QFETCH(QString, before);
    QFETCH(QString, result);
    QFETCH(QString, after);

    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    load(box, before);
    TagInserter(ctx).RewriteSelection(result);
    QCOMPARE(show(box), after);
    QVERIFY(snapshot.isHeld());
}

QTEST_GUILESS_MAIN(TestTagInserter)
#include "tst_TagInserter.moc"
