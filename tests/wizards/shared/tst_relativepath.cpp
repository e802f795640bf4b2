// The path a page uses to refer to another file.
#include "wizards/shared/RelativePath.h"

#include <QTest>

class TestRelativePath : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void relative_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("active");
        QTest::addColumn<QString>("expected");
        QTest::newRow("sibling folder") << "/web/b/pic.gif" << "/web/a/index.htm" << "../b/pic.gif";
        QTest::newRow("same folder") << "/web/a/x.htm" << "/web/a/index.htm" << "x.htm";
        QTest::newRow("sub folder") << "/web/a/img/p.png" << "/web/a/index.htm" << "img/p.png";
        QTest::newRow("two levels down") << "/web/a/img/big/p.png" << "/web/a/index.htm" << "img/big/p.png";
        QTest::newRow("parent folder") << "/web/top.htm" << "/web/a/index.htm" << "../top.htm";
        QTest::newRow("up and down") << "/x/y/z.htm" << "/web/a/b/index.htm" << "../../../x/y/z.htm";
        QTest::newRow("from the root folder") << "/web/x.htm" << "/index.htm" << "web/x.htm";
        QTest::newRow("to the root folder") << "/x.htm" << "/web/a/index.htm" << "../../x.htm";
        // File names here are case-sensitive: folders differing in case are different folders.
        QTest::newRow("folder case differs") << "/Web/A/x.htm" << "/web/a/index.htm" << "../../Web/A/x.htm";
        QTest::newRow("partly equal folder name") << "/web/ab/x.htm" << "/web/a/index.htm" << "../ab/x.htm";
        QTest::newRow("doubled separator") << "/web//b/x.htm" << "/web/a/index.htm" << "../b/x.htm";
        QTest::newRow("Japanese names") << "/ホーム/画像/絵.gif" << "/ホーム/文書/目次.htm" << "../画像/絵.gif";
        QTest::newRow("same file") << "/web/a/index.htm" << "/web/a/index.htm" << "index.htm";
        // An untitled page has no folder: every target keeps its full path.
        QTest::newRow("untitled active") << "/web/a/x.htm" << "NewPage" << "/web/a/x.htm";
        QTest::newRow("untitled target") << "NewPage" << "/web/a/index.htm" << "NewPage";
        QTest::newRow("relative against absolute") << "docs/x.htm" << "/web/a/index.htm" << "docs/x.htm";
        QTest::newRow("both relative") << "docs/b/x.htm" << "docs/a/i.htm" << "../b/x.htm";
    }
    void relative()
    {
        QFETCH(QString, target);
        QFETCH(QString, active);
        QFETCH(QString, expected);
        QCOMPARE(RelativePath::of(target, active), expected);
    }
};

QTEST_GUILESS_MAIN(TestRelativePath)
#include "tst_relativepath.moc"
