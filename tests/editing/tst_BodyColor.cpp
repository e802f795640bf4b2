#include "BoxNotation.h"
#include "ScriptedColorDialog.h"

#include "editing/BodyTag.h"
#include "editing/ColorCommands.h"
#include "editing/EditContext.h"
#include "editing/HtmlColor.h"
#include "editing/StringEditBox.h"
#include "editing/UndoSnapshot.h"

#include <QTest>

using BoxNotation::load;
using BoxNotation::show;

Q_DECLARE_METATYPE(RgbColor)

namespace {

using Dialog = ScriptedColorDialog;

const RgbColor White{255, 255, 255};
const RgbColor Red{255, 0, 0};

} // namespace

class TestBodyColor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void colorToHtml_data();
    void colorToHtml();
    void fromDigits();
    void bodyLineRewrite_data();
    void bodyLineRewrite();
    void rewriteChangesOnlyTheBodyLine();
    void rewriteKeepsTheSelectionInPlace();
    void firstBodyLineOnly();
    void bodyTagOutsideCommentsValuesAndTheTextOfTitleScriptAndStyle();
    void bodyTagOverSeveralLines();
    void noBodyInsertsANewTag_data();
    void noBodyInsertsANewTag();
    void unchangedRewriteTouchesNothing();
    void dialogPresetFromTheBodyLine_data();
    void dialogPresetFromTheBodyLine();
    void cancelChangesNothing();
    void textColor_data();
    void textColor();
    void backgroundPicture_data();
    void backgroundPicture();
};

void TestBodyColor::colorToHtml_data()
{
    QTest::addColumn<RgbColor>("color");
    QTest::addColumn<QString>("html");
    QTest::newRow("orange") << RgbColor{255, 128, 0} << "#FF8000";
    QTest::newRow("black") << RgbColor{0, 0, 0} << "#000000";
    QTest::newRow("single digits are padded") << RgbColor{1, 2, 10} << "#01020A";
    QTest::newRow("upper-case digits") << RgbColor{171, 205, 239} << "#ABCDEF";
}

void TestBodyColor::colorToHtml()
{
    QFETCH(RgbColor, color);
    QFETCH(QString, html);
    QCOMPARE(HtmlColor::ColorToHtml(color), html);
}

void TestBodyColor::fromDigits()
{
    QCOMPARE(HtmlColor::fromDigits(u"ff8000"), std::optional<RgbColor>(RgbColor{255, 128, 0}));
    QCOMPARE(HtmlColor::fromDigits(u"ABCDEF"), std::optional<RgbColor>(RgbColor{171, 205, 239}));
    QVERIFY(!HtmlColor::fromDigits(u"FFF"));
    QVERIFY(!HtmlColor::fromDigits(u"12345G"));
    QVERIFY(!HtmlColor::fromDigits(u"１２３４５６")); // full-width digits are no hexadecimal digits
}

void TestBodyColor::bodyLineRewrite_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<RgbColor>("color");
    QTest::addColumn<QString>("after"); // empty: the line stays as it is

    QTest::newRow("colour replaced, rest kept") << "<body bgcolor=\"#000000\" text=\"#FFFFFF\">" << Red
                                                << "<body bgcolor=\"#FF0000\" text=\"#FFFFFF\">";
    QTest::newRow("picture replaced by colour") << "<BODY BACKGROUND=\"bg.gif\">" << White
                                                << "<BODY BGCOLOR=\"#FFFFFF\">";
    QTest::newRow("attribute added") << "<BODY>" << White << "<BODY BGCOLOR=\"#FFFFFF\">";
    QTest::newRow("indented: added after <BODY") << "  <BODY>" << White << "  <BODY BGCOLOR=\"#FFFFFF\">";
    QTest::newRow("lower-case tag gets upper-case attribute") << "<body text=\"#000000\">" << White
                                                              << "<body BGCOLOR=\"#FFFFFF\" text=\"#000000\">";
    QTest::newRow("both: colour twice") << "<BODY BGCOLOR=\"#000000\" BACKGROUND=\"a.gif\">" << White
                                        << "<BODY BGCOLOR=\"#FFFFFF\" BGCOLOR=\"#FFFFFF\">";
    QTest::newRow("both, picture first") << "<BODY BACKGROUND=\"a.gif\" BGCOLOR=\"#000000\">" << White
                                         << "<BODY BGCOLOR=\"#FFFFFF\" BGCOLOR=\"#FFFFFF\">";
    QTest::newRow("single quotes") << "<BODY BGCOLOR='#000000'>" << White << "<BODY BGCOLOR='#FFFFFF'>";
    QTest::newRow("blanks around =") << "<BODY BGCOLOR = \"#abcdef\">" << Red << "<BODY BGCOLOR = \"#FF0000\">";
    QTest::newRow("colour of an earlier tag untouched") << "<TABLE BGCOLOR=\"#000000\"><BODY>" << White
                                                        << "<TABLE BGCOLOR=\"#000000\"><BODY BGCOLOR=\"#FFFFFF\">";
    QTest::newRow("colour of a later tag untouched") << "<BODY><TD BGCOLOR=\"#000000\">" << White
                                                     << "<BODY BGCOLOR=\"#FFFFFF\"><TD BGCOLOR=\"#000000\">";
    QTest::newRow("BACKGROUND inside a style is no attribute") << "<BODY STYLE=\"BACKGROUND:red\">" << White
                                                               << "<BODY BGCOLOR=\"#FFFFFF\" STYLE=\"BACKGROUND:red\">";
    QTest::newRow("tag continues on the next line") << "<BODY" << White << "<BODY BGCOLOR=\"#FFFFFF\"";
    QTest::newRow("colour name") << "<BODY BGCOLOR=\"red\" TEXT=\"#000000\">" << White << "";
    QTest::newRow("three digits") << "<BODY BGCOLOR=\"#FFF\">" << Red << "";
    QTest::newRow("no quotes") << "<BODY BGCOLOR=#000000>" << White << "";
    QTest::newRow("unterminated quote") << "<BODY BGCOLOR=\"#000000>" << White << "";
    QTest::newRow("no value") << "<BODY BGCOLOR>" << White << "";
    QTest::newRow("picture without quotes") << "<BODY BACKGROUND=bg.gif TEXT=\"#000000\">" << White << "";
    QTest::newRow("picture without closing quote") << "<BODY BACKGROUND=\"bg.gif>" << White << "";
    QTest::newRow("malformed colour, good picture") << "<BODY BGCOLOR=\"blue\" BACKGROUND=\"a.gif\">" << White
                                                    << "";

    QString many;
    for (int i = 0; i < 4000; ++i)
        many += QStringLiteral(" DATA-%1=\"v\"").arg(i);
    QTest::newRow("very long line") << "<BODY" + many + " BGCOLOR=\"#000000\">" << White
                                    << "<BODY" + many + " BGCOLOR=\"#FFFFFF\">";
    QTest::newRow("very long line, open quote") << "<BODY BGCOLOR=\"#000000" + many << White << "";
}

void TestBodyColor::bodyLineRewrite()
{
    QFETCH(QString, line);
    QFETCH(RgbColor, color);
    QFETCH(QString, after);

    for (int tagCase : {0, 1}) { // the rewrite is upper case whatever the setting
        StringEditBox box;
        UndoSnapshot snapshot;
        EditContext ctx{box, snapshot, tagCase};
        const QString text = "<HTML>\n" + line + "\n<P>#000000</P>\n</HTML>\n";
        box.setWholeText(text);
        box.resetChanges();
        const BodyTag::Result result = BodyTag::SetBodyBackgroundColor(ctx, color);
        if (after.isEmpty()) {
            QCOMPARE(result, BodyTag::Result::Unchanged);
            QCOMPARE(box.text(), text);
        } else {
            QCOMPARE(result, BodyTag::Result::Rewritten);
            QCOMPARE(box.text(), "<HTML>\n" + after + "\n<P>#000000</P>\n</HTML>\n");
        }
        QVERIFY(!snapshot.isHeld());
        QCOMPARE(box.updateDepth(), 0);
        QCOMPARE(box.changes().callsOutsideUpdate, 0);
    }
}

void TestBodyColor::rewriteChangesOnlyTheBodyLine()
{
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    load(box, QStringLiteral("<HTML>\n<body bgcolor=\"#000000\" text=\"#FFFFFF\">\n<P>x|</P>"));
    box.type(QStringLiteral("y"));
    box.resetChanges();
    QCOMPARE(BodyTag::SetBodyBackgroundColor(ctx, Red), BodyTag::Result::Rewritten);
    QCOMPARE(box.text(), QStringLiteral("<HTML>\n<body bgcolor=\"#FF0000\" text=\"#FFFFFF\">\n<P>xy</P>"));
    QCOMPARE(box.changes().replaceCalls, 1);
    QCOMPARE(box.changes().removedChars, 2); // only "00" became "FF"
    QVERIFY(!box.canUndo()); // the box cannot undo this rewrite
    QVERIFY(box.isModified());
}

void TestBodyColor::rewriteKeepsTheSelectionInPlace()
{
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    load(box, QStringLiteral("<BODY>\n<P>[sel]</P>"));
    BodyTag::SetBodyBackgroundColor(ctx, White);
    QCOMPARE(show(box), QStringLiteral("<BODY BGCOLOR=\"#FFFFFF\">\n<P>[sel]</P>"));
    load(box, QStringLiteral("<BO|DY>"));
    BodyTag::SetBodyBackgroundColor(ctx, White);
    QCOMPARE(show(box), QStringLiteral("<BO|DY BGCOLOR=\"#FFFFFF\">"));
}

void TestBodyColor::firstBodyLineOnly()
{
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    box.setWholeText(QStringLiteral("<body>\n<BODY BGCOLOR=\"#000000\">"));
    QCOMPARE(BodyTag::findBodyLine(box), 0);
    BodyTag::SetBodyBackgroundColor(ctx, White);
    QCOMPARE(box.text(), QStringLiteral("<body BGCOLOR=\"#FFFFFF\">\n<BODY BGCOLOR=\"#000000\">"));
}

void TestBodyColor::bodyTagOutsideCommentsValuesAndTheTextOfTitleScriptAndStyle()
{
    const QString before = QStringLiteral("<HTML><HEAD><TITLE>The <BODY BGCOLOR=\"#000000\"> tag</TITLE>\n"
                                          "<!-- <body bgcolor=\"#000000\"> -->\n"
                                          "<META NAME=\"x\" CONTENT=\"<body bgcolor='#000000'>\">\n"
                                          "<script>\nvar s = '<BODY>';\n</script><STYLE>\n<body></STYLE>\n"
                                          "</HEAD><BODY TEXT=\"#FFFFFF\" BGCOLOR=\"#102030\">\n</BODY>");
    StringEditBox box(before);
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    QCOMPARE(BodyTag::findBodyLine(box), 7);
    Dialog dialog;
    dialog.answer = Red;
    ColorCommands::backgroundColor(ctx, dialog.chooser());
    QCOMPARE(dialog.preset, std::optional<RgbColor>(RgbColor{16, 32, 48}));
    QCOMPARE(box.text(), QString(before).replace(QStringLiteral("#102030"), QStringLiteral("#FF0000")));

    // Only those: a comment or title never closed, and other tags, hide nothing.
    for (const QString &open : {QStringLiteral("<!-- "), QStringLiteral("<TITLE>"), QStringLiteral("<P TITLE=\"")}) {
        box.setWholeText(open + QStringLiteral("\n<BODY>"));
        QCOMPARE(BodyTag::SetBodyBackgroundColor(ctx, White), BodyTag::Result::Rewritten);
        QCOMPARE(box.text(), open + QStringLiteral("\n<BODY BGCOLOR=\"#FFFFFF\">"));
    }
    // No BODY tag outside them: a new one at the caret.
    box.setWholeText(QStringLiteral("<!-- <BODY> -->\n"));
    box.setSelection(box.length(), 0);
    QCOMPARE(BodyTag::SetBodyBackgroundColor(ctx, White), BodyTag::Result::Inserted);
    QCOMPARE(box.text(), QStringLiteral("<!-- <BODY> -->\n<BODY BGCOLOR=\"#FFFFFF\">"));
}

void TestBodyColor::bodyTagOverSeveralLines()
{
    const QString before = QStringLiteral("<HTML>\n<BODY\n  TEXT=\"#FFFFFF\"\n  BGCOLOR=\"#000000\"\n  class=\"x\">\n<P>");
    StringEditBox box(before);
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    QCOMPARE(BodyTag::findBodyLine(box), 1);
    Dialog dialog;
    dialog.answer = Red;
    ColorCommands::backgroundColor(ctx, dialog.chooser());
    QCOMPARE(dialog.preset, std::optional<RgbColor>(RgbColor{0, 0, 0}));
    QCOMPARE(box.text(), QString(before).replace(QStringLiteral("#000000"), QStringLiteral("#FF0000")));

    // A picture on a later line of the tag is replaced there; nothing after the tag is touched.
    box.setWholeText(QStringLiteral("<BODY TEXT=\"#FFFFFF\"\n\tBACKGROUND=\"bg.gif\">\n<IMG BACKGROUND=\"a\">"));
    QCOMPARE(BodyTag::SetBodyBackgroundColor(ctx, White), BodyTag::Result::Rewritten);
    QCOMPARE(box.text(), QStringLiteral("<BODY TEXT=\"#FFFFFF\"\n\tBGCOLOR=\"#FFFFFF\">\n<IMG BACKGROUND=\"a\">"));
    // A quote left open ends the tag at its line's end.
    box.setWholeText(QStringLiteral("<BODY CLASS=\"x\n<P BGCOLOR=\"#000000\">"));
    QCOMPARE(BodyTag::SetBodyBackgroundColor(ctx, White), BodyTag::Result::Rewritten);
    QCOMPARE(box.text(), QStringLiteral("<BODY BGCOLOR=\"#FFFFFF\" CLASS=\"x\n<P BGCOLOR=\"#000000\">"));
}

void TestBodyColor::noBodyInsertsANewTag_data()
{
    QTest::addColumn<int>("tagCase");
    QTest::addColumn<QString>("after");
    QTest::newRow("lower: digits too") << 0 << "<HTML>\n<body bgcolor=\"#ff0000\">|\n</HTML>";
    QTest::newRow("upper") << 1 << "<HTML>\n<BODY BGCOLOR=\"#FF0000\">|\n</HTML>";
}

void TestBodyColor::noBodyInsertsANewTag()
{
    QFETCH(int, tagCase);
    QFETCH(QString, after);
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, tagCase};
    load(box, QStringLiteral("<HTML>\n|\n</HTML>"));
    QCOMPARE(BodyTag::SetBodyBackgroundColor(ctx, Red), BodyTag::Result::Inserted);
    QCOMPARE(show(box), after);
    QVERIFY(snapshot.isHeld()); // an insertion, so Undo takes it back
}

void TestBodyColor::unchangedRewriteTouchesNothing()
{
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    load(box, QStringLiteral("<BODY BGCOLOR=\"#FFFFFF\">\nab|"));
    box.type(QStringLiteral("c"));
    box.resetChanges();
    QCOMPARE(BodyTag::SetBodyBackgroundColor(ctx, White), BodyTag::Result::Rewritten);
    QCOMPARE(box.changes().replaceCalls, 0);
    QVERIFY(box.canUndo()); // same colour: nothing was replaced at all
}

void TestBodyColor::dialogPresetFromTheBodyLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hasPreset");
    QTest::addColumn<RgbColor>("preset");
    QTest::newRow("current colour") << "<HTML>\n<BODY TEXT=\"#FFFFFF\" bgcolor=\"#102030\">" << true
                                    << RgbColor{16, 32, 48};
    QTest::newRow("no BGCOLOR") << "<BODY TEXT=\"#FFFFFF\">" << false << RgbColor{};
    QTest::newRow("colour name") << "<BODY BGCOLOR=\"navy\" TEXT=\"#FFFFFF\">" << false << RgbColor{};
    QTest::newRow("no BODY") << "<P>#102030</P>" << false << RgbColor{};
}

void TestBodyColor::dialogPresetFromTheBodyLine()
{
    QFETCH(QString, text);
    QFETCH(bool, hasPreset);
    QFETCH(RgbColor, preset);
    StringEditBox box(text);
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    Dialog dialog;
    ColorCommands::backgroundColor(ctx, dialog.chooser());
    QCOMPARE(dialog.shown, 1);
    QCOMPARE(dialog.preset.has_value(), hasPreset);
    if (hasPreset)
        QCOMPARE(*dialog.preset, preset);
}

void TestBodyColor::cancelChangesNothing()
{
    Dialog dialog; // answers with a cancel
    for (const char *name : {"imgBGColor", "fColor", "imgSetColor"}) {
        StringEditBox box(QStringLiteral("<BODY BGCOLOR=\"#000000\">\n<FONT COLOR=\"#000000\">"));
        box.setSelection(10, 3);
        UndoSnapshot snapshot;
        EditContext ctx{box, snapshot, 1};
        QVERIFY(ColorCommands::run(QString::fromLatin1(name), ctx, dialog.chooser(), [] { return QString(); }));
        QCOMPARE(box.text(), QStringLiteral("<BODY BGCOLOR=\"#000000\">\n<FONT COLOR=\"#000000\">"));
        QCOMPARE(box.changes().replaceCalls, 0);
        QVERIFY(!snapshot.isHeld());
    }
    QCOMPARE(dialog.shown, 3);
}

void TestBodyColor::textColor_data()
{
    QTest::addColumn<int>("tagCase");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("upper, selection") << 1 << "[abc]" << "<FONT COLOR=\"#0000FF\">abc</FONT>|";
    QTest::newRow("lower, caret between") << 0 << "x|y" << "x<font color=\"#0000ff\">|</font>y";
}

void TestBodyColor::textColor()
{
    QFETCH(int, tagCase);
    QFETCH(QString, before);
    QFETCH(QString, after);
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, tagCase};
    load(box, before);
    Dialog dialog;
    dialog.answer = RgbColor{0, 0, 255};
    QVERIFY(ColorCommands::run(u"fColorSpd", ctx, dialog.chooser(), {}));
    QVERIFY(!dialog.preset); // not preset from the document
    QCOMPARE(show(box), after);
    QVERIFY(snapshot.isHeld());
}

void TestBodyColor::backgroundPicture_data()
{
    QTest::addColumn<int>("tagCase");
    QTest::addColumn<QString>("after");
    QTest::newRow("upper") << 1 << "<BODY>\n<BODY BACKGROUND=\"Bg Pic.GIF\">|";
    QTest::newRow("lower: the file name keeps its case") << 0 << "<BODY>\n<body background=\"Bg Pic.GIF\">|";
}

void TestBodyColor::backgroundPicture()
{
    QFETCH(int, tagCase);
    QFETCH(QString, after);
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, tagCase};
    load(box, QStringLiteral("<BODY>\n|"));
    int asked = 0;
    ColorCommands::run(u"PopimgBGPicture", ctx, {}, [&] {
        ++asked;
        return QStringLiteral("/home/user/other folder/Bg Pic.GIF");
    });
    QCOMPARE(asked, 1);
    QCOMPARE(show(box), after); // the existing BODY tag is not changed

    load(box, QStringLiteral("<BODY>\n|"));
    ColorCommands::backgroundPicture(ctx, [] { return QString(); });
    QCOMPARE(show(box), QStringLiteral("<BODY>\n|"));
    QCOMPARE(ColorCommands::pictureDialogTitle(), QStringLiteral("画像ファイルの選択"));
    QCOMPARE(ColorCommands::pictureFilters().size(), 5);
}

QTEST_GUILESS_MAIN(TestBodyColor)
#include "tst_BodyColor.moc"
