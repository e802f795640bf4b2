// The page frame rebuild: reading what the dialog shows, rewriting the frame, the BODY tag
// rewritten in place, and the box change with its undo.
#include "editing/EditContext.h"
#include "editing/StringEditBox.h"
#include "editing/UndoSnapshot.h"
#include "wizards/fonts/FontMarkup.h"
#include "wizards/pageinfo/PageInfoMarkup.h"

#include <QTest>

using PI = PageInfoMarkup;

namespace {

QStringList rebuilt(const QString &text, const PI::Fields &f, int tagCase = 1)
{
    return PI::rebuild(PI::linesOf(text), f, tagCase);
}

QString rebuiltText(const QString &text, const PI::Fields &f, int tagCase = 1)
{
    return rebuilt(text, f, tagCase).join(QLatin1Char('\n'));
}

// What OK gives after the dialog opened on text and nothing was changed.
QString confirmedUnchanged(const QString &text)
{
    return rebuiltText(text, PI::unchanged(PI::read(PI::linesOf(text))));
}

PI::Fields titleAndAuthor(const QString &title, const QString &author)
{
    PI::Fields f;
    f.titleEdited = true;
    f.title = title;
    f.author = true;
    f.authorText = author;
    return f;
}

int bodyStartTags(const QString &text)
{
    int n = 0;
    for (const QString &line : PI::linesOf(text)) {
        qsizetype from = 0;
        while (true) {
            const qsizetype p = PI::startTagIn(QStringView(line).mid(from), u"<BODY");
            if (p < 0)
                break;
            ++n;
            from += p + 5;
        }
    }
    return n;
}

const QString FullPage = QStringLiteral("<HTML>\n<HEAD>\n<TITLE>Top</TITLE>\n</HEAD>\n\n<BODY>\nHello\n</BODY>\n</HTML>");

} // namespace

class TestPageInfoMarkup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyDocumentGivesTheSkeleton_data()
    {
        QTest::addColumn<int>("tagCase");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("upper") << 1
                               << QStringList{"<HTML>", "<HEAD>", "<TITLE>Top</TITLE>",
                                              "<META NAME=\"Author\" CONTENT=\"Ann\">", "</HEAD>", "",
                                              "<BODY>", "</BODY>", "</HTML>"};
        QTest::newRow("lower") << 0
                               << QStringList{"<html>", "<head>", "<title>Top</title>",
                                              "<meta name=\"Author\" content=\"Ann\">", "</head>", "",
                                              "<body>", "</body>", "</html>"};
    }
    void emptyDocumentGivesTheSkeleton()
    {
        QFETCH(int, tagCase);
        QFETCH(QStringList, expected);
        QCOMPARE(rebuilt(QString(), titleAndAuthor("Top", "Ann"), tagCase), expected);
    }

    void everyItemOnAnEmptyDocument()
    {
        PI::Fields f = titleAndAuthor("T", "A");
        f.keywords = true;
        f.keywordsText = QStringLiteral("k1,k2");
        f.software = true;
        f.body[PI::BgColor] = QStringLiteral("#FFFFFF");
        f.body[PI::Background] = QStringLiteral("back.gif");
        f.body[PI::ALink] = QStringLiteral("#FF0000");
        QCOMPARE(rebuilt(QString(), f, 0),
                 (QStringList{"<html>", "<head>", "<title>T</title>", "<meta name=\"Author\" content=\"A\">",
                              "<meta name=\"Keywords\" content=\"k1,k2\">", "<meta name=\"Editor\" content=\"Tagwell\">",
                              "</head>", "", "<body bgcolor=\"#FFFFFF\" background=\"back.gif\" alink=\"#FF0000\">",
                              "</body>", "</html>"}));
    }

    void nothingChosenAddsOnlyTheFrameLines()
    {
        // No HEAD items: no HEAD, no TITLE, and without "</HEAD>" no BODY line either.
        QCOMPARE(rebuilt(QStringLiteral("text"), PI::Fields()), (QStringList{"<HTML>", "text", "</BODY>", "</HTML>"}));
    }

    void readsTitleAuthorKeywordsAndBody()
    {
        const PI::PageInfo info = PI::read(PI::linesOf(QStringLiteral(
            "<html lang=\"ja\">\n<head>\n<title>My Page</title>\n"
            "<meta name=\"author\" content=\"Ann &amp; Bob\" />\n"
            "<meta name=\"keywords\" content=\"a, b\">\n</head>\n"
            "<body class=\"x\" vlink=\"#00ff00\" link=red text='#112233' bgcolor=\"#abcdef\" background=\"i.png\">")));
        QCOMPARE(info.title, QStringLiteral("My Page"));
        QVERIFY(info.authorFound);
        QCOMPARE(info.author, QStringLiteral("Ann &amp; Bob"));
        QCOMPARE(info.keywords, QStringLiteral("a, b"));
        // Each attribute by its own name: LINK is not VLINK's tail, TEXT not a part of another word.
        QCOMPARE(info.body[PI::BgColor], std::optional<QString>("#abcdef"));
        QCOMPARE(info.body[PI::Background], std::optional<QString>("i.png"));
        QCOMPARE(info.body[PI::Text], std::optional<QString>("#112233"));
        QCOMPARE(info.body[PI::Link], std::optional<QString>("red"));
        QCOMPARE(info.body[PI::VLink], std::optional<QString>("#00ff00"));
        QCOMPARE(info.body[PI::ALink], std::nullopt);

        const PI::PageInfo none = PI::read(PI::linesOf(QStringLiteral("<title>Split\nover</title>\n<bodytext>")));
        QCOMPARE(none.title, QString());
        QVERIFY(!none.authorFound);
        for (const auto &v : none.body)
            QCOMPARE(v, std::nullopt);
    }

    void existingFrameIsReusedInPlace()
    {
        const QString page = QStringLiteral("<html lang=\"ja\">\n<head id=\"h\">\n<title>Old</title>\n"
                                            "<meta name=\"Author\" content=\"Old\">\n"
                                            "<META NAME=\"generator\" CONTENT=\"Other\">\n</head>\n<body>\nx\n</body>\n</html>");
        PI::Fields f = titleAndAuthor("New", "Ann");
        f.software = true;
        QCOMPARE(rebuilt(page, f),
                 (QStringList{"<html lang=\"ja\">", "<head id=\"h\">", "<TITLE>New</TITLE>",
                              "<META NAME=\"Author\" CONTENT=\"Ann\">", "<META NAME=\"Editor\" CONTENT=\"Tagwell\">",
                              "</head>", "<body>", "x", "</body>", "</html>"}));
    }

    void titleReplacedWithinItsLine()
    {
        PI::Fields f;
        f.titleEdited = true;
        f.title = QStringLiteral("B");
        QCOMPARE(rebuilt(QStringLiteral("<HTML>\n<HEAD><TITLE>A</TITLE></HEAD>\n<BODY>\n</BODY>\n</HTML>"), f),
                 (QStringList{"<HTML>", "<HEAD><TITLE>B</TITLE></HEAD>", "<BODY>", "</BODY>", "</HTML>"}));
        // A title over two lines is left, a new one goes after the HEAD line.
        QCOMPARE(rebuilt(QStringLiteral("<HTML>\n<HEAD>\n<TITLE>A\n</TITLE>\n</HEAD>"), f),
                 (QStringList{"<HTML>", "<HEAD>", "<TITLE>B</TITLE>", "<TITLE>A", "</TITLE>", "</HEAD>", "", "<BODY>",
                              "</BODY>", "</HTML>"}));
    }

    void metaTagReplacedWithoutTheRestOfItsLine()
    {
        PI::Fields f;
        f.author = true;
        f.authorText = QStringLiteral("Ann");
        QCOMPARE(rebuilt(QStringLiteral("<HTML><HEAD><META NAME=\"Author\" CONTENT=\"a>b\"><TITLE>T</TITLE></HEAD>\n"
                                        "<BODY>\n</BODY>\n</HTML>"),
                         f),
                 (QStringList{"<HTML><HEAD><META NAME=\"Author\" CONTENT=\"Ann\"><TITLE>T</TITLE></HEAD>", "<BODY>",
                              "</BODY>", "</HTML>"}));
        // A quote in the value would end the attribute.
        f.authorText = QStringLiteral("Say \"hi\"");
        QCOMPARE(rebuilt(QStringLiteral("<HTML>\n<HEAD>\n</HEAD>\n<BODY>\n</BODY>\n</HTML>"), f)[2],
                 QStringLiteral("<META NAME=\"Author\" CONTENT=\"Say &quot;hi&quot;\">"));
    }

    void charsetDeclaredOnceInTheHead()
    {
        PI::Fields f;
        f.charset = QStringLiteral("UTF-8");
        // None yet: a Content-Type META first in the head, in the tag case.
        QCOMPARE(rebuilt(QStringLiteral("<HTML>\n<HEAD>\n<TITLE>T</TITLE>\n</HEAD>\n<BODY>\n</BODY>\n</HTML>"), f, 0),
                 (QStringList{"<HTML>", "<HEAD>", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">",
                              "<TITLE>T</TITLE>", "</HEAD>", "<BODY>", "</BODY>", "</HTML>"}));
        // One in any form has its value replaced, the rest of its line kept.
        QCOMPARE(rebuilt(QStringLiteral("<HTML>\n<HEAD><meta charset='x-sjis'><TITLE>T</TITLE>\n</HEAD>\n<BODY>\n</BODY>\n</HTML>"), f)[1],
                 QStringLiteral("<HEAD><meta charset='UTF-8'><TITLE>T</TITLE>"));
        // Already right, or not asked for: the page stays as it is.
        const QString declared = QStringLiteral("<HTML>\n<HEAD>\n<META CHARSET=\"UTF-8\">\n</HEAD>\n<BODY>\n</BODY>\n</HTML>");
        QCOMPARE(rebuiltText(declared, f), declared);
        QCOMPARE(confirmedUnchanged(declared), declared);
        // One in the body is no declaration of the page.
        QCOMPARE(rebuilt(QStringLiteral("<HTML>\n<HEAD>\n</HEAD>\n<BODY>\n<meta charset=\"x\">\n</BODY>\n</HTML>"), f)[2],
                 QStringLiteral("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">"));
    }

    void bodyTagRewrittenInPlace()
    {
        const QString page = QStringLiteral("<HTML>\n<HEAD>\n</HEAD>\n"
                                            "text <body class=\"main\" bgcolor=\"#fff\" onload=\"go()\" link=#00F> more\n"
                                            "</BODY>\n</HTML>");
        PI::Fields f;
        f.body[PI::BgColor] = QStringLiteral("#FF0000"); // changed
        f.body[PI::Link] = QStringLiteral("#0000FF");    // changed, was unquoted
        f.body[PI::Text] = QStringLiteral("#000000");    // added
        QCOMPARE(rebuilt(page, f, 0)[3],
                 QStringLiteral("text <body class=\"main\" bgcolor=\"#FF0000\" onload=\"go()\" link=\"#0000FF\" "
                                "text=\"#000000\"> more"));
        // Removing: the attribute and the blanks before it go, the rest stays.
        PI::Fields none;
        QCOMPARE(rebuilt(page, none)[3], QStringLiteral("text <body class=\"main\" onload=\"go()\"> more"));
    }

    void repeatedUseKeepsOneBodyTag()
    {
        PI::Fields first = titleAndAuthor("Top", "Ann");
        const QString once = rebuiltText(QString(), first);
        PI::Fields second = PI::unchanged(PI::read(PI::linesOf(once)));
        second.body[PI::BgColor] = QStringLiteral("#00FF00");
        const QString twice = rebuiltText(once, second);
        QCOMPARE(twice, QStringLiteral("<HTML>\n<HEAD>\n<TITLE>Top</TITLE>\n<META NAME=\"Author\" CONTENT=\"Ann\">\n"
                                       "</HEAD>\n\n<BODY BGCOLOR=\"#00FF00\">\n</BODY>\n</HTML>"));
        QCOMPARE(confirmedUnchanged(twice), twice);
        QCOMPARE(bodyStartTags(twice), 1);
    }

    void unchangedConfirmChangesNothing_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("plain") << FullPage;
        QTest::newRow("written by hand")
            << QStringLiteral("<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta name=\"author\" content=\"ann\"/>\n"
                              "<meta name=\"keywords\" content=\"a\">\n<title>t</title></head>\n"
                              "<body bgcolor=red text=\"#abcdef\" link='#0f0' background=\"a b.png\" style=\"x\">\n"
                              "</body></html>\n");
        QTest::newRow("value-less attribute") << QStringLiteral("<html><head></head>\n<body text>\n</body></html>");
    }
    void unchangedConfirmChangesNothing()
    {
        QFETCH(QString, page);
        QCOMPARE(confirmedUnchanged(page), page);
    }

    void bodyAddedOnlyAfterHeadEnd()
    {
        PI::Fields f;
        f.body[PI::BgColor] = QStringLiteral("#FFFFFF");
        // Without "</HEAD>" there is nowhere the BODY line belongs.
        QCOMPARE(rebuilt(QStringLiteral("<HTML>\nhello\n</HTML>"), f), (QStringList{"<HTML>", "hello", "</BODY>", "</HTML>"}));
        // "<BODYX" is no BODY tag; "<BODY" at the line's end is one.
        const QStringList noBody = rebuilt(QStringLiteral("<HTML>\n<HEAD>\n</HEAD>\n<BODYX>"), f);
        QCOMPARE(noBody[3], QString());
        QCOMPARE(noBody[4], QStringLiteral("<BODY BGCOLOR=\"#FFFFFF\">"));
        QCOMPARE(rebuilt(QStringLiteral("<HTML>\n<HEAD>\n</HEAD>\n<BODY\nclass=x>"), f).mid(3, 2),
                 (QStringList{"<BODY", "class=x BGCOLOR=\"#FFFFFF\">"}));
    }

    void metaTagsKnownByTheirName()
    {
        const QString page = QStringLiteral(
            "<HTML>\n<HEAD>\n<META NAME=\"keywords\" CONTENT=\"author, editor, generator\">\n"
            "<meta content=\"Ann\" name=\" Author \">\n<META NAME=\"description\" CONTENT=\"an editor's page\">\n"
            "</HEAD>\n<BODY>\n</BODY>\n</HTML>");
        const PI::PageInfo info = PI::read(PI::linesOf(page));
        QVERIFY(info.authorFound);
        QCOMPARE(info.author, QStringLiteral("Ann"));
        QCOMPARE(info.keywords, QStringLiteral("author, editor, generator"));

        // Only the software item: the keywords and the description stay, a line of its own is added.
        PI::Fields software = PI::unchanged(info);
        software.software = true;
        const QStringList result = rebuilt(page, software);
        QCOMPARE(result, (QStringList{"<HTML>", "<HEAD>", "<META NAME=\"keywords\" CONTENT=\"author, editor, generator\">",
                                      "<meta content=\"Ann\" name=\" Author \">",
                                      "<META NAME=\"description\" CONTENT=\"an editor's page\">",
                                      "<META NAME=\"Editor\" CONTENT=\"Tagwell\">", "</HEAD>", "<BODY>", "</BODY>",
                                      "</HTML>"}));
        // A new author replaces the author's tag, not the keywords that name one.
        PI::Fields author = PI::unchanged(info);
        author.authorText = QStringLiteral("Bob");
        QCOMPARE(rebuilt(page, author)[3], QStringLiteral("<META NAME=\"Author\" CONTENT=\"Bob\">"));
        QCOMPARE(rebuilt(page, author)[2], result[2]);
        // A word in another attribute or a META tag inside another's value is no NAME.
        const PI::PageInfo none = PI::read(PI::linesOf(QStringLiteral(
            "<META CONTENT=\"NAME=author\" HTTP-EQUIV=\"author\">\n"
            "<META NAME=\"x\" CONTENT=\"<META NAME=keywords CONTENT=k>\">\n<METAX NAME=\"author\">")));
        QVERIFY(!none.authorFound);
        QCOMPARE(none.keywords, QString());
    }

    void bodyEndBeforeTheHtmlEnd()
    {
        // On a line of its own before "</HTML>", or just before it on its line.
        QCOMPARE(rebuilt(QStringLiteral("<HTML>\n<BODY>\ntext\n  </HTML>\n"), PI::Fields()),
                 (QStringList{"<HTML>", "<BODY>", "text", "</BODY>", "  </HTML>", ""}));
        QCOMPARE(rebuilt(QStringLiteral("<html><body>text</html>"), PI::Fields(), 0),
                 (QStringList{"<html><body>text</body></html>"}));
        // The page's own end: the last "</HTML>".
        QCOMPARE(rebuilt(QStringLiteral("<HTML>\n<!-- </HTML> -->\n<BODY>\n</HTML>"), PI::Fields()),
                 (QStringList{"<HTML>", "<!-- </HTML> -->", "<BODY>", "</BODY>", "</HTML>"}));
    }

    void bodyTagOutsideCommentsAndTheTextOfTitleScriptAndStyle()
    {
        const QString page = QStringLiteral(
            "<HTML>\n<HEAD>\n<TITLE>Using <BODY> well</TITLE>\n<!-- old: <body bgcolor=\"#000000\"> -->\n"
            "<SCRIPT type=\"text/javascript\">\ndocument.write('<body text=\"#111111\">');\n</SCRIPT>\n"
            "<style>\nbody { color: red }\n<body></style>\n</HEAD>\n<BODY TEXT=\"#222222\">\n</BODY>\n</HTML>");
        const PI::PageInfo info = PI::read(PI::linesOf(page));
        QCOMPARE(info.body[PI::Text], std::optional<QString>("#222222"));
        QCOMPARE(info.body[PI::BgColor], std::nullopt);
        PI::Fields f = PI::unchanged(info);
        f.body[PI::BgColor] = QStringLiteral("#FFFFFF");
        QStringList expected = PI::linesOf(page);
        expected[11] = QStringLiteral("<BODY TEXT=\"#222222\" BGCOLOR=\"#FFFFFF\">");
        QCOMPARE(rebuilt(page, f), expected);
        QCOMPARE(confirmedUnchanged(page), page);

        // Never closed, a comment or a title hides nothing.
        QCOMPARE(PI::read(PI::linesOf(QStringLiteral("<!-- <BODY TEXT=\"#333333\">"))).body[PI::Text],
                 std::optional<QString>("#333333"));
        QCOMPARE(PI::read(PI::linesOf(QStringLiteral("<TITLE>x\n<BODY TEXT=\"#444444\">"))).body[PI::Text],
                 std::optional<QString>("#444444"));
    }

    void malformedMarkupKeepsItsTags()
    {
        // A stray "=" before a META tag's ">" does not hide the author's tag after it.
        const PI::PageInfo info = PI::read(PI::linesOf(QStringLiteral("<META N=x ==><META NAME=\"Author\" CONTENT=\"Ann\">")));
        QVERIFY(info.authorFound);
        QCOMPARE(info.author, QStringLiteral("Ann"));
        // A TITLE left open above the BODY tag: the new title's end tag does not hide the
        // BODY tag, which is changed in place and not added again.
        PI::Fields f;
        f.titleEdited = true;
        f.title = QStringLiteral("New");
        f.body[PI::Text] = QStringLiteral("#FFFFFF");
        QCOMPARE(rebuilt(QStringLiteral("<HTML>\n<TITLE>old\n<BODY TEXT=\"#000000\">\n<HEAD>\n</HEAD>\n</BODY>\n</HTML>"), f),
                 (QStringList{"<HTML>", "<TITLE>old", "<BODY TEXT=\"#FFFFFF\">", "<HEAD>", "<TITLE>New</TITLE>", "</HEAD>",
                              "</BODY>", "</HTML>"}));
    }

    void bodyTagOverSeveralLines()
    {
        const QString page = QStringLiteral("<HTML>\n<HEAD>\n</HEAD>\n<BODY\n  TEXT=\"#000000\"\n  LINK='#0000FF'\n"
                                            "  class=\"main\">\n<P>\n</BODY>\n</HTML>");
        const PI::PageInfo info = PI::read(PI::linesOf(page));
        QCOMPARE(info.body[PI::Text], std::optional<QString>("#000000"));
        QCOMPARE(info.body[PI::Link], std::optional<QString>("#0000FF"));
        QCOMPARE(confirmedUnchanged(page), page);
        PI::Fields f = PI::unchanged(info);
        f.body[PI::Text] = std::nullopt;
        f.body[PI::Link] = QStringLiteral("#FF0000");
        f.body[PI::BgColor] = QStringLiteral("#FFFFFF");
        QCOMPARE(rebuilt(page, f),
                 (QStringList{"<HTML>", "<HEAD>", "</HEAD>", "<BODY", "  LINK='#FF0000'",
                              "  class=\"main\" BGCOLOR=\"#FFFFFF\">", "<P>", "</BODY>", "</HTML>"}));
        QCOMPARE(bodyStartTags(rebuiltText(page, f)), 1);
    }

    void applyIsOneUndoableChange()
    {
        const QString before = QStringLiteral("<HTML>\n<HEAD>\n</HEAD>\n<BODY class=\"a\">\nHello world\n</BODY>\n</HTML>");
        StringEditBox box(before);
        box.setSelection(40, 3);
        UndoSnapshot snapshot;
        EditContext context{box, snapshot, 1};
        PI::Fields f;
        f.body[PI::Text] = QStringLiteral("#123456");
        QVERIFY(PI::apply(context, f));
        const QString after = QStringLiteral("<HTML>\n<HEAD>\n</HEAD>\n<BODY class=\"a\" TEXT=\"#123456\">\nHello world\n</BODY>\n</HTML>");
        QCOMPARE(box.text(), after);
        QCOMPARE(box.changes().replaceCalls, 1);
        QCOMPARE(box.changes().wholeTextCalls, 0);
        QCOMPARE(box.changes().removedChars, 0);
        QCOMPARE(box.changes().insertedChars, 15);
        QCOMPARE(box.changes().callsOutsideUpdate, 0);
        // The caret goes to the start of the selection it had.
        QCOMPARE(box.selStart(), 40);
        QCOMPARE(box.selLength(), 0);
        QVERIFY(box.isModified());
        snapshot.undo(box);
        QCOMPARE(box.text(), before);
        snapshot.undo(box);
        QCOMPARE(box.text(), after);

        // Nothing to change: no snapshot, no change.
        StringEditBox same(after);
        UndoSnapshot untouched;
        EditContext sameContext{same, untouched, 1};
        QVERIFY(!PI::apply(sameContext, PI::unchanged(PI::read(PI::linesOf(after)))));
        QVERIFY(!untouched.isHeld());
        QCOMPARE(same.changes().replaceCalls, 0);
    }

    void caretClampedToAShorterText()
    {
        StringEditBox box(QStringLiteral("<HTML>\n<HEAD></HEAD>\n<BODY bgcolor=\"#FFFFFF\" text=\"#000000\">\n</BODY>\n</HTML>"));
        box.setSelection(box.length(), 0);
        UndoSnapshot snapshot;
        QVERIFY(PI::apply(EditContext{box, snapshot, 1}, PI::Fields()));
        QCOMPARE(box.text(), QStringLiteral("<HTML>\n<HEAD></HEAD>\n<BODY>\n</BODY>\n</HTML>"));
        QCOMPARE(box.selStart(), box.length());
    }

    void fontDialogTags()
    {
        auto both = [](const FontMarkup::Pair &p) -> QString { return p.head + QLatin1Char('|') + p.foot; };
        QCOMPARE(both(FontMarkup::font(3, {}, false, false)), QStringLiteral("<FONT SIZE=3>|</FONT>"));
        QCOMPARE(both(FontMarkup::font(5, {255, 0, 0}, true, true)),
                 QStringLiteral("<FONT SIZE=5 COLOR=\"#FF0000\"><B><I>|</I></B></FONT>"));
        QCOMPARE(both(FontMarkup::font(1, {0, 0, 1}, true, false)),
                 QStringLiteral("<FONT SIZE=1 COLOR=\"#000001\"><B>|</B></FONT>"));
        QCOMPARE(both(FontMarkup::size(7)), QStringLiteral("<FONT SIZE=7>|</FONT>"));
        QCOMPARE(both(FontMarkup::heading(4, FontMarkup::Align::Center)), QStringLiteral("<H4 ALIGN=\"CENTER\">|</H4>"));
        QCOMPARE(both(FontMarkup::heading(1, FontMarkup::Align::None)), QStringLiteral("<H1>|</H1>"));
        QCOMPARE(FontMarkup::rule(3, 90, true, FontMarkup::Align::Center, false),
                 QStringLiteral("<HR SIZE=\"3\" WIDTH=\"90%\" ALIGN=\"CENTER\">"));
        QCOMPARE(FontMarkup::rule(1, 500, false, FontMarkup::Align::Right, true),
                 QStringLiteral("<HR SIZE=\"1\" WIDTH=\"500\" ALIGN=\"RIGHT\" NOSHADE>"));
        QCOMPARE(FontMarkup::fontSamplePoints(3), 11);
        QCOMPARE(FontMarkup::fontSamplePoints(7), 20);
        QCOMPARE(FontMarkup::sizeSamplePoints(2), 10);
        QCOMPARE(FontMarkup::sizeSamplePoints(7), 24);
    }
};

QTEST_APPLESS_MAIN(TestPageInfoMarkup)
#include "tst_pageinfomarkup.moc"
