#include "editing/HtmlScanner.h"

#include <QTest>

using Kind = HtmlScanner::Kind;

namespace {

QChar letter(Kind kind)
{
    static const char letters[] = "TNVCEDSJ"; // tag, name, value, comment, entity, declaration, style, script
    return QLatin1Char(letters[int(kind)]);
}

// The lines scanned one after another, each shown with its pieces in brackets: "[T:<a]".
QString shown(const QStringList &lines, int *endState = nullptr)
{
    QStringList out;
    int state = HtmlScanner::TextState;
    for (const QString &line : lines) {
        QList<HtmlScanner::Run> runs;
        const int end = HtmlScanner::scanLine(line, state, &runs);
        // The quick scan that only follows the state agrees with the full one.
        if (HtmlScanner::scanLine(line, state) != end)
            return QStringLiteral("state-only scan disagrees on: ") + line;
        QString s;
        int at = 0;
        for (const HtmlScanner::Run &r : runs) {
            if (r.start < at || r.length <= 0 || r.start + r.length > line.size())
                return QStringLiteral("bad run in: ") + line;
            s += line.mid(at, r.start - at) + QLatin1Char('[') + letter(r.kind) + QLatin1Char(':')
                 + line.mid(r.start, r.length) + QLatin1Char(']');
            at = r.start + r.length;
        }
        out << s + line.mid(at);
        state = end;
    }
    if (endState)
        *endState = state;
    return out.join(QLatin1Char('\n'));
}

QString shown(const QString &text)
{
    return shown(text.split(QLatin1Char('\n')));
}

} // namespace

class TestHtmlScanner : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void constructs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain text") << "just words" << "just words";
        QTest::newRow("tag with attributes, quoted and not")
            << R"(<a href="x.html" target=_top class='c'>link</a>)"
            << R"([T:<a ][N:href=][V:"x.html" ][N:target=][V:_top ][N:class=][V:'c'][T:>]link[T:</a>])";
        QTest::newRow("upper case, blanks before and after =")
            << R"(<TD ALIGN = "right">1</TD>)" << R"([T:<TD ][N:ALIGN = ][V:"right"][T:>]1[T:</TD>])";
        QTest::newRow("attribute without a value, self-closing tag")
            << R"(<input checked disabled/><br />)" << R"([T:<input ][N:checked disabled][T:/><br />])";
        QTest::newRow("value holding > and a quote of the other kind")
            << R"(<a title="a > b's" x=1>t)" << R"([T:<a ][N:title=][V:"a > b's" ][N:x=][V:1][T:>]t)";
        QTest::newRow("comment") << "a<!-- <b>not a tag</b> -->b" << "a[C:<!-- <b>not a tag</b> -->]b";
        QTest::newRow("comment closed by --!> and by more dashes")
            << "<!-- x --!>y<!-- z --->w" << "[C:<!-- x --!>]y[C:<!-- z --->]w";
        QTest::newRow("comments closed at once") << "<!-->a<!--->b" << "[C:<!-->]a[C:<!--->]b";
        QTest::newRow("entities") << "a &amp; b &#169; &#x1F600; &nbsp;x"
                                  << "a [E:&amp;] b [E:&#169;] [E:&#x1F600;] [E:&nbsp;]x";
        QTest::newRow("not entities") << "a & b &; &#; &name x" << "a & b &; &#; &name x";
        QTest::newRow("doctype") << R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN">)"
                                 << R"([D:<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN">])";
        QTest::newRow("processing instruction and bogus end tag") << "<?xml version=\"1.0\"?></ x>"
                                                                   << "[D:<?xml version=\"1.0\"?></ x>]";
        QTest::newRow("lone < and < before a non-letter") << "a < b <3 <日本>" << "a < b <3 <日本>";
        QTest::newRow("style sheet") << "<style type=\"text/css\">p { color: red }</style>x"
                                     << "[T:<style ][N:type=][V:\"text/css\"][T:>][S:p { color: red }][T:</style>]x";
        QTest::newRow("script holding tags and a comment")
            << "<SCRIPT>if (a<b) document.write('<p>'); <!-- x</Script >y"
            << "[T:<SCRIPT>][J:if (a<b) document.write('<p>'); <!-- x][T:</Script >]y";
        QTest::newRow("script end needs the whole name") << "<script>a</scripts></script>"
                                                         << "[T:<script>][J:a</scripts>][T:</script>]";
        QTest::newRow("end tag of style does not open a style sheet") << "</style>p{}" << "[T:</style>]p{}";
    }
    void constructs()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(shown(text), expected);
    }

    void acrossLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("comment over three lines")
            << "a <!-- one\ntwo <b>\nthree --> b" << "a [C:<!-- one]\n[C:two <b>]\n[C:three -->] b";
        QTest::newRow("-- and > on different lines do not close")
            << "<!-- a --\n> still\n-->" << "[C:<!-- a --]\n[C:> still]\n[C:-->]";
        QTest::newRow("tag spanning lines")
            << "<img\n  src=\"a.png\"\n  alt\n  =\"x\">t" << "[T:<img]\n  [N:src=][V:\"a.png\"]\n  [N:alt]\n  [N:=][V:\"x\"][T:>]t";
        QTest::newRow("quoted value spanning lines, holding >")
            << "<a title=\"one >\ntwo\nthree\">x" << "[T:<a ][N:title=][V:\"one >]\n[V:two]\n[V:three\"][T:>]x";
        QTest::newRow("value after = on the next line") << "<a href=\n\"x\">" << "[T:<a ][N:href=]\n[V:\"x\"][T:>]";
        QTest::newRow("unquoted value ends at the line break") << "<a x=1\ny=2>" << "[T:<a ][N:x=][V:1]\n[N:y=][V:2][T:>]";
        QTest::newRow("style element over lines")
            << "<style\nmedia=all>\nbody {\n}\n</style>\n<p>" << "[T:<style]\n[N:media=][V:all][T:>]\n[S:body {]\n[S:}]\n[T:</style>]\n[T:<p>]";
        QTest::newRow("script end tag broken by a line") << "<script>\nx</script\n>y" << "[T:<script>]\n[J:x][T:</script]\n[T:>]y";
        QTest::newRow("doctype over lines") << "<!DOCTYPE html\n  PUBLIC \"x\">\n<html>" << "[D:<!DOCTYPE html]\n[D:  PUBLIC \"x\">]\n[T:<html>]";
        QTest::newRow("< at a line end is text") << "a <\nb>" << "a <\nb>";
    }
    void acrossLines()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(shown(text), expected);
    }

    // What the state carries over a line break is all a line needs: a line scanned from the
    // state the lines before ended in colours as it does in the whole text read at once.
    void lineStatesMatchOneLongLine()
    {
        const QString page = QStringLiteral(
            "<!DOCTYPE html>\n<html><head>\n<style>\np { x: y }\n</style>\n<script\ntype=\"a\">\nif (a < b)\n"
            "</script>\n</head>\n<body\nclass=\"a\n>b\">\n<!-- one\n<p>two</p>\n-->\n<p title='&amp;\n'>a &lt; b</p>\n");
        const QStringList lines = page.split(QLatin1Char('\n'));
        QList<Kind> byLines;
        int state = HtmlScanner::TextState;
        QList<QList<Kind>> perLine;
        for (const QString &line : lines) {
            QList<HtmlScanner::Run> runs;
            state = HtmlScanner::scanLine(line, state, &runs);
            QList<Kind> kinds(line.size(), Kind(255));
            for (const HtmlScanner::Run &r : runs)
                for (int i = r.start; i < r.start + r.length; ++i)
                    kinds[i] = r.kind;
            perLine << kinds;
        }
        QString joined = page;
        joined.replace(QLatin1Char('\n'), QLatin1Char(' '));
        QList<HtmlScanner::Run> runs;
        HtmlScanner::scanLine(joined, HtmlScanner::TextState, &runs);
        QList<Kind> whole(joined.size(), Kind(255));
        for (const HtmlScanner::Run &r : runs)
            for (int i = r.start; i < r.start + r.length; ++i)
                whole[i] = r.kind;
        int at = 0;
        for (int l = 0; l < lines.size(); ++l) {
            for (int i = 0; i < lines[l].size(); ++i) {
                if (!lines[l][i].isSpace())
                    QVERIFY2(perLine[l][i] == whole[at + i], qPrintable(QStringLiteral("line %1 column %2").arg(l).arg(i)));
            }
            at += int(lines[l].size()) + 1;
        }
    }

    void wholeTextStatesSplitAsADocument()
    {
        const QString text = QStringLiteral("<!-- a\r\nb\rc\u2029d -->\n<a\n");
        const QByteArray ends = HtmlScanner::lineEndStates(text);
        // CR LF is one break; CR, U+2029 and LF one each: six lines, the last one empty.
        QCOMPARE(ends.size(), 6);
        const QStringList lines = {QStringLiteral("<!-- a"), QStringLiteral("b"), QStringLiteral("c"),
                                   QStringLiteral("d -->"), QStringLiteral("<a"), QString()};
        int state = HtmlScanner::TextState;
        for (int i = 0; i < lines.size(); ++i) {
            state = HtmlScanner::scanLine(lines[i], state);
            QCOMPARE(int(quint8(ends[i])), state);
        }
        QVERIFY(quint8(ends[2]) != HtmlScanner::TextState); // inside the comment
        QCOMPARE(int(quint8(ends[3])), HtmlScanner::TextState);
        QCOMPARE(HtmlScanner::lineEndStates(QString()).size(), 1);
        QCOMPARE(HtmlScanner::lineEndStates(QStringLiteral("a\n")).size(), 2);
    }

    void anyEntryStateIsSafe()
    {
        for (int state : {-1, 15, 127, 128, 1000, 0x7FFFFFFF}) {
            QList<HtmlScanner::Run> runs;
            const int end = HtmlScanner::scanLine(u"<a x=\"y\">&amp;", state, &runs);
            QVERIFY(end >= 0 && end < HtmlScanner::StateLimit);
        }
    }
};

QTEST_APPLESS_MAIN(TestHtmlScanner)
#include "tst_HtmlScanner.moc"
