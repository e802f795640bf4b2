// Which HREF targets the link file list checks, and where it looks for them.
#include "wizards/links/LinkTargets.h"

#include <QTest>

class TestLinkTargets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void targetsThatCount()
    {
        QVERIFY(LinkTargets::counts(u"page.html#top"));
        QVERIFY(LinkTargets::counts(u"sub/Style.CSS"));
        QVERIFY(LinkTargets::counts(u"a.HTM"));
        QVERIFY(!LinkTargets::counts(u"http://example.com/a.htm"));
        QVERIFY(!LinkTargets::counts(u"file:///home/a.htm"));
        QVERIFY(!LinkTargets::counts(u"mailto:someone@example.com"));
        QVERIFY(!LinkTargets::counts(u"picture.gif"));
        QVERIFY(!LinkTargets::counts(u""));
    }

    void scanInLineOrder()
    {
        const QString text = QStringLiteral(
            "<a href=\"one.htm\">1</a><A HREF=\"two.css\">2</A>\n"
            "<a href=\"http://x.jp/three.htm\">3</a> <a href=\"mailto:a@b.jp\">m</a>\n"
            "<link rel=stylesheet href=\"日本/スタイル.css\">\n"
            "<a href=\"#local\">l</a><a href=\"open.htm>broken\n"
            "<a href = \"spaced.htm\"> <a href=\"page.html#top\">");
        const QList<LinkTarget> found = LinkTargets::scan(text);
        QCOMPARE(found.size(), 4);
        QCOMPARE(found[0].line, 0);
        QCOMPARE(found[0].target, QStringLiteral("one.htm"));
        // Two on a line: two entries with the same line.
        QCOMPARE(found[1].line, 0);
        QCOMPARE(found[1].target, QStringLiteral("two.css"));
        QCOMPARE(found[2].line, 2);
        QCOMPARE(found[2].target, QStringLiteral("日本/スタイル.css"));
        // Without a closing quote on its line there is no target; the blank around "="
        // does not match either.
        QCOMPARE(found[3].line, 4);
        QCOMPARE(found[3].target, QStringLiteral("page.html#top"));
        QVERIFY(LinkTargets::scan(QString()).isEmpty());
    }

    void expandAgainstTheDocumentsFolder()
    {
        QCOMPARE(LinkTargets::expand(QStringLiteral("/site/docs/"), QStringLiteral("../css/a.css")),
                 QStringLiteral("/site/css/a.css"));
        QCOMPARE(LinkTargets::expand(QStringLiteral("/site/"), QStringLiteral("./sub/b.htm")), QStringLiteral("/site/sub/b.htm"));
        QCOMPARE(LinkTargets::expand(QStringLiteral("/site/"), QStringLiteral("/abs/c.htm")), QStringLiteral("/abs/c.htm"));
        QCOMPARE(LinkTargets::folderOf(QStringLiteral("/site/docs/index.htm")), QStringLiteral("/site/docs/"));
        QCOMPARE(LinkTargets::folderOf(QStringLiteral("NewPage")), QString());
    }
};

QTEST_GUILESS_MAIN(TestLinkTargets)
#include "tst_linktargets.moc"
