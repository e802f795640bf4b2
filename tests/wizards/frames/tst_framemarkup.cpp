// Frameset blocks, frame tag options and the source lists of the frame wizard as text.
#include "wizards/frames/FrameMarkup.h"

#include <QTest>

namespace {
std::array<FrameMarkup::Row, 3> rows(const QString &a, const QString &b, const QString &c, const QString &target3 = QString())
{
    return {FrameMarkup::Row{a, QStringLiteral("(none)")}, FrameMarkup::Row{b, QStringLiteral("(none)")},
            FrameMarkup::Row{c, target3}};
}
} // namespace

class TestFrameMarkup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("tagCase");
        QTest::addColumn<QString>("expected");
        QTest::newRow("A") << 1 << 1
                           << "<FRAMESET COLS=\"20%,*\">\n<FRAME SRC=\"a.htm\">\n<FRAME SRC=\"b.htm\">\n</FRAMESET>";
        QTest::newRow("B lower") << 2 << 0
                                 << "<frameset rows=\"20%,*\">\n<frame src=\"a.htm\">\n<frame src=\"b.htm\">\n</frameset>";
        QTest::newRow("C") << 3 << 1
                           << "<FRAMESET ROWS=\"20%,*\">\n<FRAME SRC=\"a.htm\">\n\t<FRAMESET COLS=\"20%,*\">\n"
                              "\t<FRAME SRC=\"b.htm\">\n\t<FRAME SRC=\"c.htm\" NAME=\"main\">\n\t</FRAMESET>\n</FRAMESET>";
        QTest::newRow("D") << 4 << 1
                           << "<FRAMESET COLS=\"20%,*\">\n<FRAME SRC=\"a.htm\">\n\t<FRAMESET ROWS=\"20%,*\">\n"
                              "\t<FRAME SRC=\"b.htm\">\n\t<FRAME SRC=\"c.htm\" NAME=\"main\">\n\t</FRAMESET>\n</FRAMESET>";
        QTest::newRow("E") << 5 << 1
                           << "<FRAMESET ROWS=\"20%,60%,20%\">\n<FRAME SRC=\"a.htm\">\n<FRAME SRC=\"b.htm\">\n"
                              "<FRAME SRC=\"c.htm\" NAME=\"main\">\n</FRAMESET>";
    }
    void everyType()
    {
        QFETCH(int, type);
        QFETCH(int, tagCase);
        QFETCH(QString, expected);
        const FrameMarkup::Result r = FrameMarkup::frameset(type, rows("a.htm", "b.htm", "c.htm", "main"), tagCase);
        QCOMPARE(r.missingRow, -1);
        QCOMPARE(r.text, expected);
    }

    void sourcesAndTargetsKeepTheirCase()
    {
        std::array<FrameMarkup::Row, 3> r = rows("Top.HTM", "Main.htm", "");
        r[0].target = QStringLiteral("Menu");
        QCOMPARE(FrameMarkup::frameset(FrameMarkup::TypeA, r, 0).text,
                 QStringLiteral("<frameset cols=\"20%,*\">\n<frame src=\"Top.HTM\" name=\"Menu\">\n"
                                "<frame src=\"Main.htm\">\n</frameset>"));
    }

    // A quote typed into a source or target would end the attribute: it is written as an entity.
    void quotesInSourcesAndTargets()
    {
        std::array<FrameMarkup::Row, 3> r = rows("a\"b.htm", "\"x\".htm", "");
        r[1].target = QStringLiteral("say \"hi\"");
        QCOMPARE(FrameMarkup::frameset(FrameMarkup::TypeB, r, 1).text,
                 QStringLiteral("<FRAMESET ROWS=\"20%,*\">\n<FRAME SRC=\"a&quot;b.htm\">\n"
                                "<FRAME SRC=\"&quot;x&quot;.htm\" NAME=\"say &quot;hi&quot;\">\n</FRAMESET>"));
        FrameMarkup::Options o;
        o.name = true;
        o.target = QStringLiteral("m\"n");
        QCOMPARE(FrameMarkup::options(o, 0), QStringLiteral(" name=\"m&quot;n\""));
    }

    void missingSources()
    {
        // The first row without a source stops it; the third row counts only where it is used.
        QCOMPARE(FrameMarkup::frameset(FrameMarkup::TypeA, rows("a", "(none)", "c"), 1).missingRow, 1);
        QCOMPARE(FrameMarkup::frameset(FrameMarkup::TypeA, rows("", "", ""), 1).missingRow, 0);
        QVERIFY(FrameMarkup::frameset(FrameMarkup::TypeA, rows("", "b", ""), 1).text.isEmpty());
        QCOMPARE(FrameMarkup::frameset(FrameMarkup::TypeB, rows("a", "b", "(none)"), 1).missingRow, -1);
        QCOMPARE(FrameMarkup::frameset(FrameMarkup::TypeC, rows("a", "b", "(none)"), 1).missingRow, 2);
        QCOMPARE(FrameMarkup::frameset(FrameMarkup::TypeE, rows("a", "b", ""), 1).missingRow, 2);
        // An emptied target or one left at "(none)" writes no NAME.
        QVERIFY(!FrameMarkup::frameset(FrameMarkup::TypeC, rows("a", "b", "c", ""), 1).text.contains(QLatin1String("NAME")));
        QVERIFY(!FrameMarkup::frameset(FrameMarkup::TypeC, rows("a", "b", "c", "(none)"), 1).text.contains(QLatin1String("NAME")));
    }

    void sourceChoicesAreRelativeAndTitledOnly()
    {
        const QStringList docs = {"/home/u/site/index.html", "NewPage", "/home/u/site/menu.html", "/home/u/site/sub/page.htm",
                                  "/home/u/other/x.htm"};
        QCOMPARE(FrameMarkup::sourceChoices(docs, 0, QStringLiteral("NewPage")),
                 (QStringList{"menu.html", "sub/page.htm", "../other/x.htm"}));
        QCOMPARE(FrameMarkup::sourceChoices(docs, 3, QStringLiteral("NewPage")),
                 (QStringList{"../index.html", "../menu.html", "../../other/x.htm"}));
        // From an untitled page only the full paths say where the files are.
        QCOMPARE(FrameMarkup::sourceChoices(docs, 1, QStringLiteral("NewPage")),
                 (QStringList{"/home/u/site/index.html", "/home/u/site/menu.html", "/home/u/site/sub/page.htm",
                              "/home/u/other/x.htm"}));
        QCOMPARE(FrameMarkup::sourceChoices({"/a/b.htm"}, 0, QStringLiteral("NewPage")), QStringList());
    }

    void options_data()
    {
        QTest::addColumn<int>("tagCase");
        QTest::addColumn<QString>("expected");
        QTest::newRow("upper") << 1 << " NAME=\"MainView\" NORESIZE SCROLLING=\"AUTO\" MARGINWIDTH=\"0\" MARGINHEIGHT=\"-3\"";
        QTest::newRow("lower") << 0 << " name=\"MainView\" noresize scrolling=\"auto\" marginwidth=\"0\" marginheight=\"-3\"";
    }
    void options()
    {
        QFETCH(int, tagCase);
        QFETCH(QString, expected);
        FrameMarkup::Options o;
        o.name = true;
        o.target = QStringLiteral("MainView");
        o.noResize = true;
        o.scroll = true;
        o.scrolling = FrameMarkup::ScrollAuto;
        o.marginWidth = true;
        o.width = 0;
        o.marginHeight = true;
        o.height = -3;
        QCOMPARE(FrameMarkup::options(o, tagCase), expected);
        QCOMPARE(FrameMarkup::options(FrameMarkup::Options(), tagCase), QString());
        FrameMarkup::Options scroll;
        scroll.scroll = true;
        QCOMPARE(FrameMarkup::options(scroll, 1), QStringLiteral(" SCROLLING=\"NO\""));
        scroll.scrolling = FrameMarkup::ScrollYes;
        QCOMPARE(FrameMarkup::options(scroll, 1), QStringLiteral(" SCROLLING=\"YES\""));
        // An empty name is still a NAME the user asked for.
        FrameMarkup::Options name;
        name.name = true;
        QCOMPARE(FrameMarkup::options(name, 1), QStringLiteral(" NAME=\"\""));
    }
};

QTEST_GUILESS_MAIN(TestFrameMarkup)
#include "tst_framemarkup.moc"
