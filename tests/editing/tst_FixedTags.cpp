#include "BoxNotation.h"

#include "editing/ColorCommands.h"
#include "editing/EditContext.h"
#include "editing/EditTools.h"
#include "editing/FixedTags.h"
#include "editing/StringEditBox.h"
#include "editing/UndoSnapshot.h"

#include <QSet>
#include <QTest>

using BoxNotation::load;
using BoxNotation::show;

namespace {

struct Run
{
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot};

    FixedTags::Outcome operator()(const QString &name, const QString &before, int tagCase)
    {
        ctx.tagCase = tagCase;
        load(box, before);
        return FixedTags::run(name, ctx);
    }
};

} // namespace

class TestFixedTags : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wrappingCommands_data();
    void wrappingCommands();
    void singleTagsAndEntities_data();
    void singleTagsAndEntities();
    void paragraph();
    void perLineRule_data();
    void perLineRule();
    void perLineRuleIsUndone();
    void commentCommands();
    void namesAreUniqueAndKnown();
    void unknownNameChangesNothing();
};

void TestFixedTags::wrappingCommands_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("foot");

    auto row = [](const char *tag, QStringList names, const char *head, const char *foot) {
        QTest::newRow(tag) << names << QString::fromUtf8(head) << QString::fromUtf8(foot);
    };
    row("big", {"fBig", "fBigSpd", "PopFontBig"}, "<BIG>", "</BIG>");
    row("small", {"fSmall", "fSmallSpd", "PopFontSmall"}, "<SMALL>", "</SMALL>");
    row("bold", {"fBold", "fBoldSpd", "PopFontBold"}, "<B>", "</B>");
    row("italic", {"fItalic", "fItalicSpd", "PopFontItalic"}, "<I>", "</I>");
    row("underline", {"fUnderline", "fUnderlineSpd", "PopFontUnderline"}, "<U>", "</U>");
    row("strike", {"fStrike", "fStrikeSpd", "PopFontStrike"}, "<S>", "</S>");
    row("sup", {"fSUP", "PopFontSUP"}, "<SUP>", "</SUP>");
    row("sub", {"fSUB", "PopFontSUB"}, "<SUB>", "</SUB>");
    row("center", {"aCenter", "aCenteringSpd", "PopArngCenter"}, "<CENTER>", "</CENTER>");
    row("blockquote", {"aBlock", "aBlockSpd", "PopArngBlock"}, "<BLOCKQUOTE>", "</BLOCKQUOTE>");
    row("div left", {"dLeft", "aLeftSpd", "PopDivLeft"}, "<DIV ALIGN=\"LEFT\">", "</DIV>");
    row("div center", {"dCenter", "aCenterSpd", "PopDivCenter"}, "<DIV ALIGN=\"CENTER\">", "</DIV>");
    row("div right", {"dRight", "aRightSpd", "PopDivRight"}, "<DIV ALIGN=\"RIGHT\">", "</DIV>");
    row("pre", {"aPreformatted", "aPreSpd", "PopArngPreformatted"}, "<PRE>", "</PRE>");
    row("ul", {"lstUL", "ULSpd", "PoplstUL"}, "<UL>", "</UL>");
    row("ol", {"lstOL", "OLSpd", "PoplstOL"}, "<OL>", "</OL>");
    row("dl", {"lstDL", "DLSpd", "PoplstDL"}, "<DL>", "</DL>");
    row("tr", {"TblTR", "TrSpd", "PopTableTR"}, "<TR>", "</TR>");
    row("td", {"tTD", "TdSpd", "PopTblTD"}, "<TD>", "</TD>");
    row("th", {"tTH", "ThSpd", "PopTblTH"}, "<TH>", "</TH>");
    row("tr with td", {"TblTRD", "SpeedButton2", "N3"}, "<TR><TD>", "</TD></TR>");
    row("tr with th", {"TblTRH", "SpeedButton3", "T1"}, "<TR><TH>", "</TH></TR>");
}

void TestFixedTags::wrappingCommands()
{
    QFETCH(QStringList, names);
    QFETCH(QString, head);
    QFETCH(QString, foot);

    Run run;
    for (const QString &name : names) {
        QCOMPARE(run(name, QStringLiteral("a[x]b"), 1), FixedTags::Outcome::Done);
        QCOMPARE(show(run.box), "a" + head + "x" + foot + "|b");
        QCOMPARE(run(name, QStringLiteral("a|b"), 0), FixedTags::Outcome::Done);
        QCOMPARE(show(run.box), "a" + head.toLower() + "|" + foot.toLower() + "b");
        QVERIFY(run.snapshot.isHeld());
        QCOMPARE(run.snapshot.savedText(), QStringLiteral("ab"));
    }
}

void TestFixedTags::singleTagsAndEntities_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("upper"); // inserted with the upper tag case
    QTest::addColumn<QString>("lower"); // inserted with the lower tag case

    QTest::newRow("rule") << QStringList{"imgHR", "imgHRspd", "PopimgHR"} << "<HR>" << "<hr>";
    QTest::newRow("term") << QStringList{"lstDT", "DTSpd", "PoplstDT"} << "<DT>" << "<dt>";
    QTest::newRow("lt") << QStringList{"s1", "fLtSpd", "Pops5"} << "&lt;" << "&lt;";
    QTest::newRow("gt") << QStringList{"s2", "fGtSpd", "Pops6"} << "&gt;" << "&gt;";
    QTest::newRow("quot") << QStringList{"s3", "fDqSpd", "Pops7"} << "&quot;" << "&quot;";
    QTest::newRow("amp") << QStringList{"s4", "fAndSpd", "Pops8"} << "&amp;" << "&amp;";
    QTest::newRow("nbsp") << QStringList{"s9", "Pops9"} << "&nbsp;" << "&nbsp;";
}

void TestFixedTags::singleTagsAndEntities()
{
    QFETCH(QStringList, names);
    QFETCH(QString, upper);
    QFETCH(QString, lower);

    Run run;
    for (const QString &name : names) {
        run(name, QStringLiteral("a|b"), 1);
        QCOMPARE(show(run.box), "a" + upper + "|b");
        run(name, QStringLiteral("a[sel]b"), 0); // the selection is replaced
        QCOMPARE(show(run.box), "a" + lower + "|b");
    }
}

void TestFixedTags::paragraph()
{
    Run run;
    for (const char *name : {"aParagraph", "aPSpd", "PopArngParagraph"}) {
        run(QString::fromLatin1(name), QStringLiteral("a|b"), 0);
        QCOMPARE(show(run.box), QStringLiteral("a<p>|b"));
        run(QString::fromLatin1(name), QStringLiteral("[text]"), 1);
        QCOMPARE(show(run.box), QStringLiteral("<P>text</P>|"));
    }
}

void TestFixedTags::perLineRule_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tagCase");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("empty lines get the tag too") << "aBR" << 1 << "[a\n\nb]" << "a<BR>\n<BR>\nb<BR>|";
    QTest::newRow("ending line break stays, next line untouched") << "aBR" << 1 << "[a\nb\n]next"
                                                                   << "a<BR>\nb<BR>\n|next";
    QTest::newRow("two whole lines, lower") << "aBrSpd" << 0 << "x\n[a\nb\n]c\n" << "x\na<br>\nb<br>\n|c\n";
    QTest::newRow("empty last line before the break") << "PopArngBR" << 1 << "[a\n\n]b" << "a<BR>\n<BR>\n|b";
    QTest::newRow("only a line break") << "aBR" << 1 << "[\n]x" << "<BR>\n|x";
    QTest::newRow("part lines") << "aBR" << 1 << "ab[cd\nef]gh" << "abcd<BR>\nef<BR>|gh";
    QTest::newRow("nothing selected") << "aBR" << 0 << "a|b" << "a<br>|b";
    QTest::newRow("list item: blanks of the last line cut") << "lstLI" << 0 << "[x  \ny  ]" << "<li>x  \n<li>y|";
    QTest::newRow("list item: cut before the kept break") << "LISpd" << 0 << "[x  \ny  \n]z"
                                                          << "<li>x  \n<li>y\n|z";
    QTest::newRow("list item, nothing selected") << "PoplstLI" << 1 << "|" << "<LI>|";
    QTest::newRow("definition") << "lstDD" << 1 << "[one\n二つ]" << "<DD>one\n<DD>二つ|";
    QTest::newRow("definition, lower") << "DDSpd" << 0 << "[one\ntwo\n]" << "<dd>one\n<dd>two\n|";
    QTest::newRow("definition, nothing selected") << "PoplstDD" << 0 << "|x" << "<dd>|x";
}

void TestFixedTags::perLineRule()
{
    QFETCH(QString, name);
    QFETCH(int, tagCase);
    QFETCH(QString, before);
    QFETCH(QString, after);

    Run run;
    QCOMPARE(run(name, before, tagCase), FixedTags::Outcome::Done);
    QCOMPARE(show(run.box), after);
    QVERIFY(run.snapshot.isHeld());
}

void TestFixedTags::perLineRuleIsUndone()
{
    Run run;
    run(QStringLiteral("aBR"), QStringLiteral("top\n[a\nb\n]c"), 1);
    run.snapshot.undo(run.box);
    QCOMPARE(show(run.box), QStringLiteral("top\n|a\nb\nc"));
}

void TestFixedTags::commentCommands()
{
    Run run;
    for (const char *name : {"aComment", "PopArngComment"}) {
        QCOMPARE(run(QString::fromLatin1(name), QStringLiteral("a[x]b"), 1), FixedTags::Outcome::Done);
        QCOMPARE(show(run.box), QStringLiteral("a<!-- x -->|b"));
        run.snapshot.invalidate();
        QCOMPARE(run(QString::fromLatin1(name), QStringLiteral("a|b"), 1), FixedTags::Outcome::CommentBoxUpperThird);
        QCOMPARE(show(run.box), QStringLiteral("a|b"));
        QVERIFY(!run.snapshot.isHeld());
    }
    QCOMPARE(run(QStringLiteral("CmntSpd"), QStringLiteral("a[x]b"), 1), FixedTags::Outcome::CommentBoxAtCursor);
    QCOMPARE(show(run.box), QStringLiteral("a[x]b"));
    QVERIFY(!run.snapshot.isHeld());
    QCOMPARE(run(QStringLiteral("CmntSpd"), QStringLiteral("a|b"), 0), FixedTags::Outcome::Done);
    QCOMPARE(show(run.box), QStringLiteral("a<!-- | -->b"));
}

void TestFixedTags::namesAreUniqueAndKnown()
{
    const QStringList names = FixedTags::names();
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
    QCOMPARE(FixedTags::commands().size(), 35);
    for (const QString &name : names)
        QVERIFY2(FixedTags::find(name), qPrintable(name));

    // No name is claimed by two tables, and no dialog command sneaks in.
    QSet<QString> others;
    for (const QString &name : ColorCommands::names() + EditTools::names() + FixedTags::dialogCommandNames())
        others.insert(name);
    for (const QString &name : names)
        QVERIFY2(!others.contains(name), qPrintable(name));
    const QStringList dialogs = FixedTags::dialogCommandNames();
    QCOMPARE(QSet<QString>(dialogs.begin(), dialogs.end()).size(), dialogs.size());
}

void TestFixedTags::unknownNameChangesNothing()
{
    Run run;
    QCOMPARE(run(QStringLiteral("FontWizard"), QStringLiteral("a[x]b"), 1), FixedTags::Outcome::Unknown);
    QCOMPARE(run(QStringLiteral(""), QStringLiteral("a[x]b"), 1), FixedTags::Outcome::Unknown);
    QCOMPARE(show(run.box), QStringLiteral("a[x]b"));
    QCOMPARE(run.box.changes().replaceCalls, 0);
}

QTEST_GUILESS_MAIN(TestFixedTags)
#include "tst_FixedTags.moc"
