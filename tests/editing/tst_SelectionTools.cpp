#include "BoxNotation.h"

#include "editing/EditContext.h"
#include "editing/EditTools.h"
#include "editing/SelectionTools.h"
#include "editing/StringEditBox.h"
#include "editing/UndoSnapshot.h"

#include <QTest>

using BoxNotation::load;
using BoxNotation::show;

class TestSelectionTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void caseConversion_data();
    void caseConversion();
    void tagRemoval_data();
    void tagRemoval();
    void nothingSelectedDoesNothing();
};

void TestSelectionTools::caseConversion_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("upper keeps the ending line break") << "ToolUpper" << "[<a href=\"x\">\n]<p>"
                                                       << "<A HREF=\"X\">\n|<p>";
    QTest::newRow("upper, no line break") << "UpperSpd" << "[<a href=\"x\">]" << "<A HREF=\"X\">|";
    QTest::newRow("blanks at the end are cut") << "PopUpperCase" << "[ab  ]cd" << "AB|cd";
    QTest::newRow("blanks before the kept break are cut") << "ToolUpper" << "[ab \t\n]cd" << "AB\n|cd";
    QTest::newRow("several ending line breaks: one stays") << "ToolUpper" << "[abc\n\n]x" << "ABC\n|x";
    QTest::newRow("breaks and blanks at the end: one break") << "ToolLower" << "[AB \n \n\t\n]x" << "ab\n|x";
    QTest::newRow("only single-byte letters change") << "ToolUpper" << "[ａｂc日本éß]" << "ａｂC日本éß|";
    QTest::newRow("lower") << "ToolLower" << "[<B>Ｂold</B>]" << "<b>Ｂold</b>|";
    QTest::newRow("lower, inner lines") << "LowerSpd" << "x[<TD>\n<TR>]" << "x<td>\n<tr>|";
    QTest::newRow("lower through the pop-up") << "PopLowerCase" << "[ABC]" << "abc|";
}

void TestSelectionTools::caseConversion()
{
    QFETCH(QString, name);
    QFETCH(QString, before);
    QFETCH(QString, after);

    for (int tagCase : {0, 1}) { // the settings do not matter here
        StringEditBox box;
        UndoSnapshot snapshot;
        EditContext ctx{box, snapshot, tagCase, tagCase};
        load(box, before);
        QVERIFY(EditTools::run(name, ctx));
        QCOMPARE(show(box), after);
        QVERIFY(snapshot.isHeld());
        snapshot.undo(box);
        QCOMPARE(box.text(), QString(before).remove(QLatin1Char('[')).remove(QLatin1Char(']')));
    }
}

void TestSelectionTools::tagRemoval_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after"); // empty: nothing changes

    QTest::newRow("one element") << "[<B>bold</B>]" << "bold|";
    QTest::newRow("only the outermost pair") << "[<B><I>x</I></B>]" << "<I>x</I>|";
    QTest::newRow("names differ in case") << "[<b>x</B>]" << "";
    QTest::newRow("blanks around") << "[  <P>text</P>  ]" << "text|";
    QTest::newRow("text before the start tag goes") << "[abc<B>x</B>]" << "x|";
    QTest::newRow("attributes") << "[<A HREF=\"x.html\">link</A>]" << "link|";
    QTest::newRow("ending line break stays") << "[<B>x</B>\n]next" << "x\n|next";
    QTest::newRow("several line breaks after blanks: one stays") << "[<B>x</B>  \n\n]next" << "x\n|next";
    QTest::newRow("element over lines") << "[<PRE>\nline\n</PRE>]" << "\nline\n|";
    QTest::newRow("text after the closing tag") << "[<P>x</P>y]" << "";
    QTest::newRow("no closing tag") << "[<B>bold]" << "";
    QTest::newRow("closing tag cut short") << "[<B>x</]" << "";
    QTest::newRow("no start tag") << "[bold</B>]" << "";
    QTest::newRow("start tag without its >") << "[<Bx</B>]" << "";
    QTest::newRow("full-width text inside") << "[<B>太字ＡＢ</B>]" << "太字ＡＢ|";
}

void TestSelectionTools::tagRemoval()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    for (const char *name : {"ToolTagCut", "TagCutSpd", "PopTagCut"}) {
        load(box, before);
        snapshot.invalidate();
        QVERIFY(EditTools::run(QString::fromLatin1(name), ctx));
        if (after.isEmpty()) {
            QCOMPARE(show(box), before);
            QCOMPARE(box.changes().replaceCalls, 0);
            QVERIFY(!snapshot.isHeld());
        } else {
            QCOMPARE(show(box), after);
            QVERIFY(snapshot.isHeld());
        }
    }
}

void TestSelectionTools::nothingSelectedDoesNothing()
{
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    load(box, QStringLiteral("<b>x|</b>"));
    QVERIFY(!SelectionTools::toUpperCase(ctx));
    QVERIFY(!SelectionTools::toLowerCase(ctx));
    QVERIFY(!SelectionTools::removeTagPair(ctx));
    QCOMPARE(show(box), QStringLiteral("<b>x|</b>"));
    QCOMPARE(box.changes().replaceCalls, 0);
    QVERIFY(!snapshot.isHeld());
}

QTEST_GUILESS_MAIN(TestSelectionTools)
#include "tst_SelectionTools.moc"
