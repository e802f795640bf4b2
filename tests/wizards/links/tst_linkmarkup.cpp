// The markup of every input box mode as it lands in a document, and the marks a page defines.
#include "editing/BoxNotation.h"

#include "editing/EditContext.h"
#include "editing/StringEditBox.h"
#include "editing/UndoSnapshot.h"
#include "wizards/links/LinkMarkup.h"

#include <QTest>

using BoxNotation::load;
using BoxNotation::show;

class TestLinkMarkup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void insertedMarkup_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("tagCase");
        QTest::addColumn<int>("styleCase");
        QTest::addColumn<QString>("after");

        using M = LinkMarkup;
        QTest::newRow("comment, caret after it") << int(M::Comment) << "a|b" << "note" << 1 << 0 << "a<!-- note -->|b";
        QTest::newRow("comment is never lowered") << int(M::Comment) << "|" << "NOTE" << 0 << 0 << "<!-- NOTE -->|";
        QTest::newRow("comment replaces the selection") << int(M::Comment) << "x[old]y" << "new" << 1 << 0
                                                        << "x<!-- new -->|y";
        QTest::newRow("comment keeps typed blanks") << int(M::Comment) << "|" << " a  " << 1 << 0 << "<!--  a   -->|";

        QTest::newRow("home page wraps the selection") << int(M::HomePage) << "[here]" << "addr" << 1 << 0
                                                       << "<A HREF=\"addr\">here</A>|";
        QTest::newRow("home page, lower tags, address keeps its case")
            << int(M::HomePage) << "go [here] now" << "HTTP://Example.COM/" << 0 << 0
            << "go <a href=\"HTTP://Example.COM/\">here</a>| now";
        QTest::newRow("home page without selection: caret before the foot")
            << int(M::HomePage) << "|" << "http://x/" << 1 << 0 << "<A HREF=\"http://x/\">|</A>";
        QTest::newRow("empty input still links") << int(M::HomePage) << "[here]" << "" << 1 << 0
                                                 << "<A HREF=\"\">here</A>|";
        QTest::newRow("input is not escaped") << int(M::HomePage) << "|" << "a\"b&c<d>" << 1 << 0
                                              << "<A HREF=\"a\"b&c<d>\">|</A>";

        QTest::newRow("mail puts mailto before the address") << int(M::Mail) << "[me]" << "me@example.jp" << 1 << 0
                                                             << "<A HREF=\"mailto:me@example.jp\">me</A>|";
        QTest::newRow("mail, lower tags") << int(M::Mail) << "|" << "Me@X.JP" << 0 << 0
                                          << "<a href=\"mailto:Me@X.JP\">|</a>";
        QTest::newRow("ftp") << int(M::Ftp) << "[files]" << "ftp://ftp.x/pub/" << 0 << 0
                             << "<a href=\"ftp://ftp.x/pub/\">files</a>|";

        // The mark name is part of the head, so the tag case lowers it too.
        QTest::newRow("mark, upper keeps the name") << int(M::Mark) << "|" << "Top" << 1 << 0
                                                    << "<A NAME=\"Top\">|</A>";
        QTest::newRow("mark, lower lowers the name") << int(M::Mark) << "[Title]" << "Top" << 0 << 0
                                                     << "<a name=\"top\">Title</a>|";

        QTest::newRow("jump to a mark here") << int(M::JumpMark) << "[up]" << "Top" << 0 << 0
                                             << "<a href=\"#Top\">up</a>|";
        QTest::newRow("jump to a mark elsewhere") << int(M::JumpFile) << "|" << "b.html#Part2" << 1 << 0
                                                  << "<A HREF=\"b.html#Part2\">|</A>";
        QTest::newRow("file link, caret before the foot") << int(M::FileLink) << "ab|" << "../b/x.htm" << 1 << 0
                                                          << "ab<A HREF=\"../b/x.htm\">|</A>";
        QTest::newRow("file link, lower, selection") << int(M::FileLink) << "[Doc]" << "X.HTM" << 0 << 0
                                                     << "<a href=\"X.HTM\">Doc</a>|";

        QTest::newRow("frame source: caret before the closing quote")
            << int(M::FrameSource) << "|" << "menu.html" << 1 << 0 << "<FRAME SRC=\"menu.html|\">";
        QTest::newRow("frame source, lower") << int(M::FrameSource) << "|" << "Menu.html" << 0 << 0
                                             << "<frame src=\"Menu.html|\">";

        QTest::newRow("background image, lower style") << int(M::BackgroundImage) << "|" << "Pic.GIF" << 1 << 0
                                                       << "background-image:url(Pic.GIF);|";
        QTest::newRow("background image, upper style, lower tags")
            << int(M::BackgroundImage) << "[x]" << "img/a b.png" << 0 << 1 << "BACKGROUND-IMAGE:URL(img/a b.png);|";
        QTest::newRow("font family, lower style") << int(M::FontFamily) << "|" << "ＭＳ 明朝" << 0 << 0
                                                  << "font-family:\"ＭＳ 明朝\";|";
        QTest::newRow("font family, upper style keeps the name") << int(M::FontFamily) << "|" << "DejaVu Sans" << 1
                                                                 << 1 << "FONT-FAMILY:\"DejaVu Sans\";|";
    }
    void insertedMarkup()
    {
        QFETCH(int, mode);
        QFETCH(QString, before);
        QFETCH(QString, input);
        QFETCH(int, tagCase);
        QFETCH(int, styleCase);
        QFETCH(QString, after);

        StringEditBox box;
        load(box, before);
        UndoSnapshot snapshot;
        const EditContext ctx{box, snapshot, tagCase, styleCase};
        LinkMarkup::apply(LinkMarkup::forMode(mode, input, styleCase), ctx);
        QCOMPARE(show(box), after);
        QVERIFY(box.isModified());
        // Every insertion can be taken back with the program's one-step undo.
        QVERIFY(snapshot.isHeld());
    }

    void marks_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("marks");
        QTest::newRow("search ignores case") << QStringList{"<a name=\"top\">"} << QStringList{"top"};
        QTest::newRow("mixed case tag") << QStringList{"x <A Name=\"Mixed\">y</A>"} << QStringList{"Mixed"};
        QTest::newRow("name runs to the first quote and bracket")
            << QStringList{"<A NAME=\"x\" ID=\"y\">"} << QStringList{"x\" ID=\"y"};
        QTest::newRow("only the first mark of a line") << QStringList{"<A NAME=\"a\"></A><A NAME=\"b\"></A>"}
                                                       << QStringList{"a"};
        QTest::newRow("no closing: an empty entry") << QStringList{"<A NAME=\"open"} << QStringList{""};
        QTest::newRow("quotes before the tag do not count")
            << QStringList{"<P CLASS=\"c\"><A NAME=\"m\">"} << QStringList{"m"};
        QTest::newRow("Japanese name") << QStringList{"<a name=\"目次\">目次</a>"} << QStringList{"目次"};
        QTest::newRow("lines in order, lines without marks skipped")
            << QStringList{"<HTML>", "<A NAME=\"one\">", "", "text", "<a name=\"two\">x</a>", "<A HREF=\"#one\">"}
            << QStringList{"one", "two"};
        QTest::newRow("not a mark") << QStringList{"<A  NAME=\"x\">", "<A NAME=x>", "<A HREF=\"y\">"}
                                    << QStringList{};
        QTest::newRow("empty document") << QStringList{""} << QStringList{};
    }
    void marks()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, marks);
        QCOMPARE(LinkMarkup::marksIn(lines), marks);
    }

    void familyNames_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("plain names kept in order") << QStringList{"Serif", "DejaVu Sans", "ＭＳ 明朝"}
                                                   << QStringList{"Serif", "DejaVu Sans", "ＭＳ 明朝"};
        QTest::newRow("foundries folded into one name")
            << QStringList{"C059 [UKWN]", "C059 [URW]", "Mono"} << QStringList{"C059", "Mono"};
        QTest::newRow("brackets inside a name stay") << QStringList{"Odd [x] Font", "[Only]"}
                                                     << QStringList{"Odd [x] Font", "[Only]"};
    }
    void familyNames()
    {
        QFETCH(QStringList, installed);
        QFETCH(QStringList, names);
        QCOMPARE(LinkMarkup::familyNames(installed), names);
    }
};

QTEST_GUILESS_MAIN(TestLinkMarkup)
#include "tst_linkmarkup.moc"
