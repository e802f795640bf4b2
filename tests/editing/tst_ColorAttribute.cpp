#include "BoxNotation.h"
#include "ScriptedColorDialog.h"

#include "editing/ColorAttribute.h"
#include "editing/EditContext.h"
#include "editing/StringEditBox.h"
#include "editing/UndoSnapshot.h"

#include <QTest>

using BoxNotation::load;
using BoxNotation::show;

namespace {

using Dialog = ScriptedColorDialog;

const RgbColor Pastel{171, 205, 239};

} // namespace

class TestColorAttribute : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cutPiece_data();
    void cutPiece();
    void editsTheValueAtTheCaret_data();
    void editsTheValueAtTheCaret();
    void insertsANewAttribute_data();
    void insertsANewAttribute();
    void leavesOddValuesAlone_data();
    void leavesOddValuesAlone();
    void onlyTheDigitsAreReplaced();
    void cancel();
};

void TestColorAttribute::cutPiece_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("piece");

    const QString font = QStringLiteral("<FONT COLOR=\"#FF0000\">");
    QTest::newRow("after the closing quote") << font << 21 << " COLOR=\"#FF0000\">";
    QTest::newRow("inside the value") << font << 15 << " COLOR=\"#FF0000\">";
    QTest::newRow("right after the space") << font << 6 << "<FONT ";
    QTest::newRow("in the tag name") << font << 3 << "<FONT ";
    QTest::newRow("caret at the line start") << font << 0 << "<FONT ";
    QTest::newRow("caret after the first character") << font << 1 << "<FONT ";
    QTest::newRow("caret at the line end") << font << 22 << " COLOR=\"#FF0000\">";
    QTest::newRow("no delimiter to the left") << "COLOR=\"#FF0000\">" << 10 << "COLOR=\"#FF0000\">";
    QTest::newRow("no delimiter to the right") << "<FONT COLOR=\"#FF0000\"" << 15 << " COLOR=\"#FF0000\"";
    QTest::newRow("no delimiter at all") << "abcdefgh" << 4 << "abcdefgh";
}

void TestColorAttribute::cutPiece()
{
    QFETCH(QString, line);
    QFETCH(int, column);
    QFETCH(QString, piece);
    const ColorAttribute::Piece p = ColorAttribute::cutPiece(line, column);
    QCOMPARE(line.mid(p.start, p.length), piece);
}

void TestColorAttribute::editsTheValueAtTheCaret_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("tagCase");
    QTest::addColumn<QString>("after");

    QTest::newRow("lower digits") << "<FONT COLOR=\"#FF0000\"|>" << 0 << "<FONT COLOR=\"#abcdef\">|";
    QTest::newRow("upper digits") << "<FONT COLOR=\"#FF0000\"|>" << 1 << "<FONT COLOR=\"#ABCDEF\">|";
    QTest::newRow("lower-case attribute") << "<font color=\"#ff0000\"|>" << 1 << "<font color=\"#ABCDEF\">|";
    QTest::newRow("BGCOLOR counts") << "<TD BGCOLOR=\"#FF0000\"| WIDTH=\"1\">" << 1
                                    << "<TD BGCOLOR=\"#ABCDEF\" |WIDTH=\"1\">";
    QTest::newRow("caret inside the value, other lines kept")
        << "<P>\n<TD BGCOLOR=\"#FF|0000\" WIDTH=\"1\">\n</P>" << 0 << "<P>\n<TD BGCOLOR=\"#abcdef\" |WIDTH=\"1\">\n</P>";
    QTest::newRow("line without delimiters") << "x\nCOLOR=\"#FF0000\"|\ny" << 1 << "x\nCOLOR=\"#ABCDEF\"|\ny";
}

void TestColorAttribute::editsTheValueAtTheCaret()
{
    QFETCH(QString, before);
    QFETCH(int, tagCase);
    QFETCH(QString, after);
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, tagCase};
    load(box, before);
    Dialog dialog;
    dialog.answer = Pastel;
    const ColorAttribute::Result result = ColorAttribute::run(ctx, dialog.chooser());
    QCOMPARE(dialog.shown, 1);
    QCOMPARE(result, ColorAttribute::Result::Edited);
    QCOMPARE(dialog.preset, std::optional<RgbColor>(RgbColor{255, 0, 0}));
    QCOMPARE(show(box), after);
    QVERIFY(!snapshot.isHeld()); // an in-place edit takes no snapshot
    QCOMPARE(box.changes().callsOutsideUpdate, 0);
}

void TestColorAttribute::insertsANewAttribute_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("tagCase");
    QTest::addColumn<QString>("after");

    QTest::newRow("short line, lower") << "<FONT |" << 0 << "<FONT color=\"#abcdef\"|";
    QTest::newRow("short line, upper") << "ab|\nlonger line with COLOR=\"#000000\"" << 1
                                       << "abCOLOR=\"#ABCDEF\"|\nlonger line with COLOR=\"#000000\"";
    QTest::newRow("piece without COLOR") << "<FONT SIZE=\"3\" |>" << 1 << "<FONT SIZE=\"3\" COLOR=\"#ABCDEF\"|>";
    QTest::newRow("empty line") << "|" << 1 << "COLOR=\"#ABCDEF\"|";
}

void TestColorAttribute::insertsANewAttribute()
{
    QFETCH(QString, before);
    QFETCH(int, tagCase);
    QFETCH(QString, after);
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, tagCase};
    load(box, before);
    Dialog dialog;
    dialog.answer = Pastel;
    QCOMPARE(ColorAttribute::run(ctx, dialog.chooser()), ColorAttribute::Result::Inserted);
    QVERIFY(!dialog.preset);
    QCOMPARE(show(box), after);
    QVERIFY(snapshot.isHeld());
}

void TestColorAttribute::leavesOddValuesAlone_data()
{
    QTest::addColumn<QString>("before");
    QTest::newRow("colour name") << "<FONT COLOR=\"red\"|>\nnext";
    QTest::newRow("three digits") << "<FONT COLOR=\"#F00\"|>\nnext";
    QTest::newRow("no quotes") << "<FONT COLOR=#FF0000|>\nnext";
    QTest::newRow("unterminated") << "<FONT COLOR=\"#FF0000|\nnext";
    QTest::newRow("mismatched quotes") << "<FONT COLOR=\"#FF0000'|>\nnext";
    QTest::newRow("word in the text") << "some COLORFUL| words #123456 here\nnext";
    QTest::newRow("no value") << "<FONT COLOR|>\nnext";
    QString longLine = QStringLiteral("<FONT COLOR=\"") + QString(20000, QLatin1Char('#'));
    QTest::newRow("very long line") << longLine + "|\nnext";
}

void TestColorAttribute::leavesOddValuesAlone()
{
    QFETCH(QString, before);
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    load(box, before);
    Dialog dialog;
    dialog.answer = Pastel;
    QCOMPARE(ColorAttribute::run(ctx, dialog.chooser()), ColorAttribute::Result::Unchanged);
    QCOMPARE(dialog.shown, 0);
    QCOMPARE(show(box), before);
    QCOMPARE(box.changes().replaceCalls, 0);
}

void TestColorAttribute::onlyTheDigitsAreReplaced()
{
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    QString lines;
    for (int i = 0; i < 2000; ++i)
        lines += QStringLiteral("<P><FONT COLOR=\"#000000\">%1</FONT></P>\n").arg(i);
    box.setWholeText(lines);
    const int at = int(lines.indexOf(QStringLiteral("\">1000<"))) + 1; // after the closing quote
    box.setSelection(at, 0);
    box.resetChanges();
    Dialog dialog;
    dialog.answer = RgbColor{0x12, 0x34, 0x56};
    QCOMPARE(ColorAttribute::run(ctx, dialog.chooser()), ColorAttribute::Result::Edited);
    QCOMPARE(box.changes().removedChars, 6);
    QCOMPARE(box.changes().insertedChars, 6);
    QString expected = lines;
    expected.replace(at - 7, 6, QStringLiteral("123456"));
    QCOMPARE(box.text(), expected);
}

void TestColorAttribute::cancel()
{
    StringEditBox box;
    UndoSnapshot snapshot;
    EditContext ctx{box, snapshot, 1};
    load(box, QStringLiteral("<FONT COLOR=\"#FF0000\"|>"));
    Dialog dialog; // cancels
    QCOMPARE(ColorAttribute::run(ctx, dialog.chooser()), ColorAttribute::Result::Unchanged);
    QCOMPARE(dialog.shown, 1);
    QCOMPARE(show(box), QStringLiteral("<FONT COLOR=\"#FF0000\"|>"));
    QCOMPARE(ColorAttribute::EditColorValue(QStringLiteral(" COLOR=\"#FF0000\">"), dialog.chooser(), 1),
             std::optional<QString>());
    load(box, QStringLiteral("ab|"));
    QCOMPARE(ColorAttribute::run(ctx, dialog.chooser()), ColorAttribute::Result::Unchanged);
    QCOMPARE(show(box), QStringLiteral("ab|"));
    QVERIFY(!snapshot.isHeld());
}

QTEST_GUILESS_MAIN(TestColorAttribute)
#include "tst_ColorAttribute.moc"
