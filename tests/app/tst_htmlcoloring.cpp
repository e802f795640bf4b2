// HTML colouring of the editing boxes: the Options menu item, what each construct is coloured,
// constructs spanning lines wherever the view goes, edits, and that saving ignores it.
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "app/HtmlColoring.h"
#include "editing/HtmlColorScheme.h"
#include "platform/Cp932Codec.h"

#include "ui_MainForm.h"

#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using Kind = HtmlScanner::Kind;

namespace {

const QByteArray Colouring = "[Memo]\r\nHighlight=1\r\n";

// Options > 色分け表示, as the user picks it: the menu, then its access key.
bool toggleFromMenu(TMainForm &f)
{
    QMenu *options = f.form()->MenuOption;
    options->popup(f.mapToGlobal(QPoint(10, 10)));
    if (!QTest::qWaitFor([options] { return options->isVisible(); }))
        return false;
    QTest::keyClick(options, Qt::Key_G);
    return !options->isVisible();
}

void paint(EditBox *box)
{
    QCoreApplication::processEvents();
    box->viewport()->repaint();
}

// The colour the box gives a character; none when it is plain.
std::optional<QColor> colourAt(EditBox *box, int line, int column)
{
    const QTextBlock block = box->document()->findBlockByNumber(line);
    for (const QTextLayout::FormatRange &r : block.layout()->formats()) {
        if (column >= r.start && column < r.start + r.length)
            return r.format.foreground().color();
    }
    return std::nullopt;
}

QColor expected(EditBox *box, Kind kind)
{
    const QColor base = box->palette().color(QPalette::Base);
    const RgbColor c = HtmlColorScheme::of(HtmlColorScheme::derive(RgbColor{base.red(), base.green(), base.blue()}), kind);
    return QColor(c.red, c.green, c.blue);
}

// Where a piece of text first stands: its line and column.
QPoint find(EditBox *box, const QString &what, int fromLine = 0)
{
    for (int l = fromLine; l < box->lineCount(); ++l) {
        const qsizetype c = box->line(l).indexOf(what);
        if (c >= 0)
            return QPoint(int(c), l);
    }
    qFatal("not in the page: %s", qPrintable(what));
    return QPoint();
}

bool coloured(EditBox *box, const QString &what, Kind kind, int offset = 0, int fromLine = 0)
{
    const QPoint at = find(box, what, fromLine);
    const std::optional<QColor> c = colourAt(box, at.y(), at.x() + offset);
    if (!c || *c != expected(box, kind)) {
        qWarning("\"%s\" (+%d) on line %d is %s", qPrintable(what), offset, at.y(),
                 c ? qPrintable(c->name()) : "plain");
        return false;
    }
    return true;
}

bool plainAt(EditBox *box, const QString &what)
{
    const QPoint at = find(box, what);
    return !colourAt(box, at.y(), at.x());
}

QByteArray sjis(const QString &text)
{
    QString crlf = text;
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return Cp932Codec::encode(crlf);
}

const QString Sample = QStringLiteral(
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n"
    "<HTML>\n<HEAD>\n<STYLE TYPE=\"text/css\">\nbody { color: red }\n</STYLE>\n"
    "<SCRIPT>\nif (a < b) x = '<p>';\n</SCRIPT>\n</HEAD>\n"
    "<BODY>\n<P CLASS=lead>本文 &amp; テキスト</P>\n"
    "<A HREF=\"top.html\" TITLE=\"a > b\">トップ</A>\n"
    "<IMG\n  SRC=\"logo.png\"\n  ALT='ロゴ'>\n"
    "<!-- コメント\n  <P>中のタグ</P>\n-->\n<P>after</P>\n</BODY>\n</HTML>\n");

// A page with a comment of `lines` lines in the middle of ordinary markup and `tail` lines after.
QString longComment(int lines, int tail)
{
    QString text = QStringLiteral("<HTML>\n<BODY>\n<P>before</P>\n<!-- start of the comment\n");
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral("<P CLASS=\"x\">line %1 inside the comment</P>\n").arg(i);
    text += QStringLiteral("end --> <B>after</B>\n");
    for (int i = 0; i < tail; ++i)
        text += QStringLiteral("<P>tail %1</P>\n").arg(i);
    return text;
}

} // namespace

class TestHtmlColoring : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void menuItemSwitchesEveryTabAndIsWrittenAtOnce()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QVERIFY(!f.form()->OptHighlight->isChecked()); // off unless asked for
        f.OpenDocument(fx.writeFile(QStringLiteral("a.html"), sjis(Sample)));
        f.OpenDocument(fx.writeFile(QStringLiteral("b.html"), sjis(Sample)));
        QCOMPARE(f.tabCount(), 2);
        paint(f.activeBox());
        QVERIFY(plainAt(f.activeBox(), QStringLiteral("<HTML>")));

        QVERIFY(toggleFromMenu(f));
        QVERIFY(f.form()->OptHighlight->isChecked());
        QVERIFY(ShellFixture::readFile(fx.path(QStringLiteral("TW.ini"))).contains("Highlight=1\r\n"));
        for (int i = 0; i < 2; ++i) {
            f.selectTab(i);
            paint(f.activeBox());
            QVERIFY(HtmlColoring::of(f.EditBoxOfTab(i)));
            QVERIFY(coloured(f.activeBox(), QStringLiteral("<HTML>"), Kind::Tag));
        }
        // A page opened now is coloured too; nothing marks it changed.
        f.OpenDocument(fx.writeFile(QStringLiteral("c.html"), sjis(Sample)));
        paint(f.activeBox());
        QVERIFY(coloured(f.activeBox(), QStringLiteral("<HTML>"), Kind::Tag));
        QVERIFY(!f.activeBox()->isModified());

        QVERIFY(toggleFromMenu(f));
        QVERIFY(!f.form()->OptHighlight->isChecked());
        QVERIFY(ShellFixture::readFile(fx.path(QStringLiteral("TW.ini"))).contains("Highlight=0\r\n"));
        paint(f.activeBox());
        QVERIFY(!HtmlColoring::of(f.activeBox()));
        QVERIFY(plainAt(f.activeBox(), QStringLiteral("<HTML>")));
        QVERIFY(plainAt(f.activeBox(), QStringLiteral("body {")));

        // The next start reads the setting.
        QVERIFY(toggleFromMenu(f));
        for (int i = 0; i < f.tabCount(); ++i)
            f.EditBoxOfTab(i)->setModified(false);
        fx.restart();
        QVERIFY(fx.form().form()->OptHighlight->isChecked());
    }

    void everyConstruct()
    {
        ShellFixture fx(Colouring);
        TMainForm &f = fx.form();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.OpenDocument(fx.writeFile(QStringLiteral("page.html"), sjis(Sample)));
        EditBox *box = f.activeBox();
        paint(box);
        QVERIFY(coloured(box, QStringLiteral("<!DOCTYPE"), Kind::Declaration));
        QVERIFY(coloured(box, QStringLiteral("4.01//EN"), Kind::Declaration));
        QVERIFY(coloured(box, QStringLiteral("<STYLE"), Kind::Tag));
        QVERIFY(coloured(box, QStringLiteral("TYPE="), Kind::AttributeName));
        QVERIFY(coloured(box, QStringLiteral("\"text/css\""), Kind::AttributeValue));
        QVERIFY(coloured(box, QStringLiteral("body {"), Kind::Style));
        QVERIFY(coloured(box, QStringLiteral("</STYLE>"), Kind::Tag));
        QVERIFY(coloured(box, QStringLiteral("if (a < b)"), Kind::Script));
        QVERIFY(coloured(box, QStringLiteral("'<p>'"), Kind::Script, 1));
        QVERIFY(coloured(box, QStringLiteral("CLASS="), Kind::AttributeName));
        QVERIFY(coloured(box, QStringLiteral("lead"), Kind::AttributeValue));
        QVERIFY(plainAt(box, QStringLiteral("本文")));
        QVERIFY(coloured(box, QStringLiteral("&amp;"), Kind::Entity));
        QVERIFY(coloured(box, QStringLiteral("</P>"), Kind::Tag));
        // A value holding ">": all of it the value's colour, the tag closes after it.
        QVERIFY(coloured(box, QStringLiteral("\"a > b\""), Kind::AttributeValue, 3));
        QVERIFY(coloured(box, QStringLiteral("\"a > b\""), Kind::AttributeValue, 5));
        QVERIFY(coloured(box, QStringLiteral("\"a > b\">"), Kind::Tag, 7));
        QVERIFY(plainAt(box, QStringLiteral("トップ")));
        // A tag over three lines.
        QVERIFY(coloured(box, QStringLiteral("<IMG"), Kind::Tag));
        QVERIFY(coloured(box, QStringLiteral("SRC="), Kind::AttributeName));
        QVERIFY(coloured(box, QStringLiteral("\"logo.png\""), Kind::AttributeValue));
        QVERIFY(coloured(box, QStringLiteral("ALT="), Kind::AttributeName));
        QVERIFY(coloured(box, QStringLiteral("'ロゴ'>"), Kind::Tag, 4));
        // A comment over three lines, tags inside it included.
        QVERIFY(coloured(box, QStringLiteral("<!-- コメント"), Kind::Comment));
        QVERIFY(coloured(box, QStringLiteral("<P>中のタグ"), Kind::Comment));
        QVERIFY(coloured(box, QStringLiteral("-->"), Kind::Comment));
        QVERIFY(coloured(box, QStringLiteral("<P>after"), Kind::Tag));
        QVERIFY(plainAt(box, QStringLiteral("after</P>")));

        // Word wrap lays every block out again; the colours stay.
        QMenu *options = f.form()->MenuOption;
        options->popup(f.mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitFor([options] { return options->isVisible(); }));
        QTest::keyClick(options, Qt::Key_W);
        QVERIFY(box->lineWrapMode() != QPlainTextEdit::NoWrap);
        paint(box);
        QVERIFY(coloured(box, QStringLiteral("<!DOCTYPE"), Kind::Declaration));
        QVERIFY(coloured(box, QStringLiteral("\"a > b\""), Kind::AttributeValue, 3));
    }

    // Seen from its middle and after a jump to its end, whether the states came with the
    // page as it was read or the colouring started on a page already open.
    void commentSpanningThousandsOfLines_data()
    {
        QTest::addColumn<bool>("switchedOnLater");
        QTest::newRow("coloured as it is read") << false;
        QTest::newRow("coloured after it was opened") << true;
    }
    void commentSpanningThousandsOfLines()
    {
        QFETCH(bool, switchedOnLater);
        ShellFixture fx(switchedOnLater ? QByteArray() : Colouring, true);
        TMainForm &f = fx.form();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const int lines = 3000;
        f.OpenDocument(fx.writeFile(QStringLiteral("long.html"), sjis(longComment(lines, 3))));
        EditBox *box = f.activeBox();
        paint(box);
        if (switchedOnLater)
            QVERIFY(toggleFromMenu(f));

        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        paint(box);
        QCOMPARE(box->textCursor().blockNumber(), box->lineCount() - 1);
        QVERIFY(coloured(box, QStringLiteral("end -->"), Kind::Comment));
        QVERIFY(coloured(box, QStringLiteral("<B>after"), Kind::Tag));
        QVERIFY(coloured(box, QStringLiteral("line 2990 inside"), Kind::Comment));
        QVERIFY(coloured(box, QStringLiteral("<P>tail 2"), Kind::Tag));

        // Back to the top, then page by page into the middle.
        QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
        paint(box);
        QVERIFY(coloured(box, QStringLiteral("<P>before"), Kind::Tag));
        while (box->firstVisibleLine() < lines / 2) {
            QTest::keyClick(box, Qt::Key_PageDown);
            paint(box);
        }
        const int middle = box->firstVisibleLine() + 2;
        const QString inside = QStringLiteral("line %1 inside").arg(middle - 4);
        QVERIFY(coloured(box, inside, Kind::Comment, 0, middle - 1));
        QVERIFY(coloured(box, QStringLiteral("CLASS=\"x\""), Kind::Comment, 0, middle));
    }

    // Typing that opens a comment turns the lines after it into the comment, as far as the
    // view shows them and wherever the view goes next; closing it turns them back.
    void typingOpensAndClosesAComment()
    {
        ShellFixture fx(Colouring);
        TMainForm &f = fx.form();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.OpenDocument(fx.writeFile(QStringLiteral("t.html"), sjis(longComment(0, 40) + longComment(200, 40))));
        EditBox *box = f.activeBox();
        paint(box);
        QVERIFY(coloured(box, QStringLiteral("<P>before"), Kind::Tag));
        QVERIFY(coloured(box, QStringLiteral("<P>tail 3<"), Kind::Tag));

        box->setSelection(box->posFromLine(1), 0); // before <BODY>
        QTest::keyClicks(box, QStringLiteral("<!--"));
        paint(box);
        QVERIFY(coloured(box, QStringLiteral("<!--<BODY>"), Kind::Comment));
        QVERIFY(coloured(box, QStringLiteral("<P>before"), Kind::Comment));
        // The old comment's "<!--" is inside the new one; its "-->" closes the new one.
        QVERIFY(coloured(box, QStringLiteral("end -->"), Kind::Comment));
        QVERIFY(coloured(box, QStringLiteral("<B>after"), Kind::Tag));
        QVERIFY(coloured(box, QStringLiteral("<P>tail 3<"), Kind::Tag));

        // Without the first comment's ">" the comment runs on into the second page.
        const QPoint end = find(box, QStringLiteral("end -->"));
        box->setSelection(box->posFromLine(end.y()) + end.x() + 7, 0);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
        paint(box);
        QVERIFY(coloured(box, QStringLiteral("<P>tail 3<"), Kind::Comment));
        while (box->firstVisibleLine() < 40) {
            QTest::keyClick(box, Qt::Key_PageDown);
            paint(box);
        }
        QVERIFY(coloured(box, QStringLiteral("<HTML>"), Kind::Comment, 0, 10));
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        paint(box);
        const QPoint secondEnd = find(box, QStringLiteral("end -->"), end.y() + 1);
        QVERIFY(coloured(box, QStringLiteral("<P>tail 39"), Kind::Tag, 0, secondEnd.y()));

        // Both put back: the page is coloured as before.
        box->setSelection(box->posFromLine(end.y()) + end.x() + 6, 0);
        QTest::keyClicks(box, QStringLiteral(">"));
        box->setSelection(box->posFromLine(1), 0);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
        paint(box);
        QCOMPARE(box->line(1), QStringLiteral("<BODY>"));
        QVERIFY(coloured(box, QStringLiteral("<P>before"), Kind::Tag));
        QVERIFY(coloured(box, QStringLiteral("<P>tail 3<"), Kind::Tag));
        while (box->firstVisibleLine() < 40) {
            QTest::keyClick(box, Qt::Key_PageDown);
            paint(box);
        }
        QVERIFY(coloured(box, QStringLiteral("<HTML>"), Kind::Tag, 0, 10));
    }

    // Scrolling through a long page keeps the colours of the blocks near the view only.
    void coloursFarFromTheViewAreLetGo()
    {
        ShellFixture fx(Colouring);
        TMainForm &f = fx.form();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const int lines = HtmlColoring::KeptBlocks + 2000;
        f.OpenDocument(fx.writeFile(QStringLiteral("many.html"), sjis(longComment(0, lines))));
        EditBox *box = f.activeBox();
        paint(box);
        QVERIFY(coloured(box, QStringLiteral("<P>tail 0<"), Kind::Tag));
        while (box->textCursor().blockNumber() < box->lineCount() - 1) {
            QTest::keyClick(box, Qt::Key_PageDown);
            paint(box);
        }
        QVERIFY(coloured(box, QStringLiteral("<P>tail %1<").arg(lines - 1), Kind::Tag));
        const int kept = HtmlColoring::of(box)->colouredBlocks();
        QVERIFY2(kept <= HtmlColoring::KeptBlocks, qPrintable(QString::number(kept)));
        QVERIFY(kept > 0);
        QVERIFY(box->document()->firstBlock().next().next().layout()->formats().isEmpty());
        // Shown again, they are coloured again.
        QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
        paint(box);
        QVERIFY(coloured(box, QStringLiteral("<P>tail 0<"), Kind::Tag));
    }

    void savedBytesDoNotDependOnColouring()
    {
        const QByteArray original = sjis(Sample) + "\t<P>tab\r\n";
        QByteArray saved[2];
        for (int on = 0; on < 2; ++on) {
            ShellFixture fx(on ? Colouring : QByteArray(), true);
            TMainForm &f = fx.form();
            f.show();
            QVERIFY(QTest::qWaitForWindowExposed(&f));
            const QString path = fx.writeFile(QStringLiteral("s.html"), original);
            f.OpenDocument(path);
            EditBox *box = f.activeBox();
            paint(box);
            QCOMPARE(HtmlColoring::of(box) != nullptr, on == 1);
            QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
            QTest::keyClicks(box, QStringLiteral("<!-- x"));
            paint(box);
            QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);
            QVERIFY(!box->isModified());
            saved[on] = ShellFixture::readFile(path);
        }
        QCOMPARE(saved[1], saved[0]);
        QVERIFY(saved[0].startsWith(Cp932Codec::encode(QStringLiteral("<!DOCTYPE"))));
        QVERIFY(saved[0].contains("\t<P>tab\r\n") || saved[0].contains("  <P>tab\r\n"));
        QVERIFY(saved[0].contains("<!-- x"));
    }

    // The colours follow the box colour the user chose, readable on it.
    void darkBoxColour()
    {
        ShellFixture fx(Colouring + "Color=1973790\r\n[Font]\r\nEColor=15790320\r\n"); // #1E1E1E, #F0F0F0
        TMainForm &f = fx.form();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.OpenDocument(fx.writeFile(QStringLiteral("d.html"), sjis(Sample)));
        EditBox *box = f.activeBox();
        paint(box);
        const QColor base = box->palette().color(QPalette::Base);
        QCOMPARE(base, QColor(0x1E, 0x1E, 0x1E));
        for (const QString &piece : {QStringLiteral("<HTML>"), QStringLiteral("CLASS="), QStringLiteral("lead"),
                                     QStringLiteral("&amp;"), QStringLiteral("<!DOCTYPE"), QStringLiteral("body {"),
                                     QStringLiteral("if (a"), QStringLiteral("-->")}) {
            const QPoint at = find(box, piece);
            const std::optional<QColor> c = colourAt(box, at.y(), at.x());
            QVERIFY2(c, qPrintable(piece));
            const double contrast = HtmlColorScheme::contrast(RgbColor{c->red(), c->green(), c->blue()},
                                                              RgbColor{base.red(), base.green(), base.blue()});
            QVERIFY2(contrast >= 4.5, qPrintable(piece + QStringLiteral(": %1").arg(contrast)));
        }
    }
};

QTEST_MAIN(TestHtmlColoring)
#include "tst_htmlcoloring.moc"
