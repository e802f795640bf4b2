// The link file list window from the Search menu: rows, existence, opening, its size.
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "platform/ProfileStore.h"
#include "wizards/links/LinkBox.h"
#include "wizards/links/LinkFileCommands.h"

#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {
void runLinkFile(TMainForm &form)
{
    auto *a = qobject_cast<QAction *>(form.item(QStringLiteral("LinkFile")));
    QVERIFY(a && a->isEnabled());
    a->trigger();
}

QList<TLinkBox *> linkWindows(TMainForm &form)
{
    return form.findChildren<TLinkBox *>();
}

QString subFolder(ShellFixture &fx, const QString &name)
{
    QDir(fx.folder()).mkpath(name);
    return fx.folder() + name + QLatin1Char('/');
}
} // namespace

class TestLinkFileList : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A UTF-8 page's links to files with Japanese names resolve against the file system's
    // names, which are UTF-8 too.
    void japaneseNamesFromAUtf8Page()
    {
        ShellFixture fx;
        const QString site = subFolder(fx, QStringLiteral("site"));
        const QByteArray name = "\xE6\x97\xA5\xE6\x9C\xAC.htm"; // 日本.htm
        fx.writeFile(QStringLiteral("site/") + QString::fromUtf8(name), "<HTML>\n");
        const QString page = fx.writeFile(QStringLiteral("site/index.htm"),
                                          "<a href=\"" + name + "\">\xE6\x97\xA5</a>\n<a href=\"\xE6\x9C\xAC.htm\">x</a>\n");
        fx.form().OpenDocument(page);
        QCOMPARE(fx.form().statusText(4), QStringLiteral("UTF-8  LF"));
        runLinkFile(fx.form());
        QCOMPARE(linkWindows(fx.form()).size(), 1);
        TLinkBox *box = linkWindows(fx.form()).first();
        QTRY_VERIFY_WITH_TIMEOUT(box->isComplete(), 20000);
        QTreeWidget *list = box->fileList();
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(1), QString::fromUtf8(name));
        QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("あり"));
        QCOMPARE(list->topLevelItem(1)->text(2), QStringLiteral("なし"));
    }

    void listsLocalLinksWithExistenceAndOpensPresentOnes()
    {
        ShellFixture fx;
        const QString site = subFolder(fx, QStringLiteral("site"));
        fx.writeFile(QStringLiteral("site/present.htm"), "<HTML>\r\n");
        fx.writeFile(QStringLiteral("site/style.css"), "P {}\r\n");
        subFolder(fx, QStringLiteral("site/sub"));
        fx.writeFile(QStringLiteral("site/sub/deep.htm"), "<HTML>\r\n");
        const QString page = fx.writeFile(QStringLiteral("site/index.htm"),
                                          "<a href=\"present.htm\">p</a><a href=\"missing.htm\">m</a>\r\n"
                                          "<a href=\"http://example.com/x.htm\">w</a> <a href=\"mailto:a@b.jp\">m</a>\r\n"
                                          "<a href=\"present.htm#top\">t</a>\r\n"
                                          "<link rel=stylesheet href=\"style.css\">\r\n"
                                          "<a href=\"sub\\deep.htm\">written on another system</a>\r\n");
        fx.form().OpenDocument(page);
        const QString before = QDir::currentPath();
        runLinkFile(fx.form());
        QCOMPARE(linkWindows(fx.form()).size(), 1);
        TLinkBox *box = linkWindows(fx.form()).first();
        QVERIFY(box->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(box->isComplete(), 20000);
        QCOMPARE(box->windowTitle(), QStringLiteral("リンクファイル - 5 Files"));
        QCOMPARE(QDir::currentPath(), before);

        QTreeWidget *list = box->fileList();
        const QStringList lines{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("3"),
                                QStringLiteral("4")};
        const QStringList targets{QStringLiteral("present.htm"), QStringLiteral("missing.htm"),
                                  QStringLiteral("present.htm#top"), QStringLiteral("style.css"),
                                  QStringLiteral("sub\\deep.htm")};
        const QStringList present{QStringLiteral("あり"), QStringLiteral("なし"), QStringLiteral("なし"), QStringLiteral("あり"),
                                  QStringLiteral("あり")};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(list->topLevelItem(i)->text(0), lines[i]);
            QCOMPARE(list->topLevelItem(i)->text(1), targets[i]);
            QCOMPARE(list->topLevelItem(i)->text(2), present[i]);
            // A backslash in a target separates folders, as browsers read it.
            QCOMPARE(list->topLevelItem(i)->text(3), site + QString(targets[i]).replace(QLatin1Char('\\'), QLatin1Char('/')));
        }

        // From the selection, only the present files open; one already open is refused.
        list->selectAll();
        box->findChild<QPushButton *>(QStringLiteral("OpenBtn"))->click();
        QCOMPARE(fx.form().documentNames(), (QStringList{page, site + QStringLiteral("present.htm"), site + QStringLiteral("style.css"),
                                                         site + QStringLiteral("sub/deep.htm")}));
        QVERIFY(box->isMinimized());
        list->clearSelection();
        list->topLevelItem(0)->setSelected(true);
        const int tabs = fx.form().tabCount();
        box->findChild<QPushButton *>(QStringLiteral("OpenBtn"))->click();
        QCOMPARE(fx.form().tabCount(), tabs);
        QCOMPARE(fx.platform().messages.size(), 1);

        box->showNormal();
        box->resize(420, 310);
        box->findChild<QPushButton *>(QStringLiteral("CloseBtn"))->click();
        const ProfileStore ini(fx.path(QStringLiteral("TW.ini")));
        QCOMPARE(ini.readInteger(QStringLiteral("LinkBox"), QStringLiteral("Width"), 0), 420);
        QCOMPARE(ini.readInteger(QStringLiteral("LinkBox"), QStringLiteral("Height"), 0), 310);
        QTRY_COMPARE(linkWindows(fx.form()).size(), 0);
    }

    void untitledPageAsksToSaveFirst()
    {
        ShellFixture fx;
        fx.form().FileNewClick();
        fx.form().activeBox()->setWholeText(QStringLiteral("<a href=\"x.htm\">x</a>"));
        runLinkFile(fx.form());
        QCOMPARE(linkWindows(fx.form()).size(), 0);
        QCOMPARE(fx.platform().messages.size(), 1);
        QCOMPARE(fx.platform().messages[0].text, QStringLiteral("一度ファイルを保存してから実行してください。"));
    }

    void eachWindowChecksAgainstItsOwnPagesFolder()
    {
        ShellFixture fx(QByteArray("[LinkBox]\r\nWidth=450\r\nHeight=320\r\n"));
        subFolder(fx, QStringLiteral("one"));
        subFolder(fx, QStringLiteral("two"));
        fx.writeFile(QStringLiteral("one/same.htm"), "x");
        const QByteArray links = "<a href=\"same.htm\">s</a>\r\n";
        fx.form().OpenDocument(fx.writeFile(QStringLiteral("one/a.htm"), links));
        runLinkFile(fx.form());
        fx.form().OpenDocument(fx.writeFile(QStringLiteral("two/b.htm"), links));
        runLinkFile(fx.form());
        const QList<TLinkBox *> windows = linkWindows(fx.form());
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[0]->size(), QSize(450, 320));
        QTRY_VERIFY_WITH_TIMEOUT(windows[0]->isComplete() && windows[1]->isComplete(), 20000);
        QCOMPARE(windows[0]->fileList()->topLevelItem(0)->text(2), QStringLiteral("あり"));
        QCOMPARE(windows[1]->fileList()->topLevelItem(0)->text(2), QStringLiteral("なし"));
        QCOMPARE(windows[1]->fileList()->topLevelItem(0)->text(3), fx.folder() + QStringLiteral("two/same.htm"));
    }

    void noLinksAndClosingWhileChecking()
    {
        ShellFixture fx;
        fx.form().OpenDocument(fx.writeFile(QStringLiteral("plain.htm"), "<P>no links</P>\r\n"));
        runLinkFile(fx.form());
        TLinkBox *box = linkWindows(fx.form()).first();
        QVERIFY(box->isComplete());
        QCOMPARE(box->windowTitle(), QStringLiteral("リンクファイル - 0 Files"));
        QCOMPARE(box->rowCount(), 0);
        box->close();
        QTRY_COMPARE(linkWindows(fx.form()).size(), 0);

        QByteArray many;
        for (int i = 0; i < 3000; ++i)
            many += "<a href=\"p" + QByteArray::number(i) + ".htm\">x</a>\r\n";
        fx.form().OpenDocument(fx.writeFile(QStringLiteral("many.htm"), many));
        runLinkFile(fx.form());
        // Looked at before any event is processed: no answer can have come yet.
        QCOMPARE(linkWindows(fx.form()).size(), 1);
        box = linkWindows(fx.form()).first();
        QCOMPARE(box->windowTitle(), QStringLiteral("検索中..."));
        // Every row shows at once in line order, waiting for its look-up.
        QCOMPARE(box->rowCount(), 3000);
        QCOMPARE(box->fileList()->topLevelItem(2999)->text(1), QStringLiteral("p2999.htm"));
        QCOMPARE(box->fileList()->topLevelItem(2999)->text(2), QStringLiteral("確認中"));
        QCOMPARE(box->fileList()->topLevelItem(2999)->text(3), fx.folder() + QStringLiteral("p2999.htm"));
        // Closed before the checks are through: they stop, and nothing arrives later.
        box->close();
        QTRY_COMPARE(linkWindows(fx.form()).size(), 0);
        QTest::qWait(100);

        runLinkFile(fx.form());
        box = linkWindows(fx.form()).first();
        QTRY_VERIFY_WITH_TIMEOUT(box->isComplete(), 30000);
        QCOMPARE(box->rowCount(), 3000);
        QCOMPARE(box->fileList()->topLevelItem(2999)->text(0), QStringLiteral("2999"));
        QCOMPARE(box->fileList()->topLevelItem(1234)->text(1), QStringLiteral("p1234.htm"));
        QCOMPARE(box->fileList()->topLevelItem(1234)->text(2), QStringLiteral("なし"));
        // Windows opened one after another share the program's few look-up threads.
        QVERIFY(LinkCheckPool::shared().threadCount() <= LinkCheckPool::MaxInFlight);
    }

    void columnsShowTheirWidestRowsAndHeaders()
    {
        // The widest target and path lie far below the rows Qt's own fit measures.
        QList<LinkRow> rows;
        for (int i = 0; i < 3000; ++i)
            rows.append(LinkRow{i, QStringLiteral("a.htm"), i % 2 == 0 ? LinkRow::State::Present : LinkRow::State::Unknown,
                                QStringLiteral("/p/a.htm")});
        const QString target = QStringLiteral("深い/") + QString(120, QLatin1Char('W')) + QStringLiteral(".htm");
        rows[2500].target = target;
        rows[2500].fullPath = QStringLiteral("/p/") + target;
        rows[2999].line = 123456;
        TLinkBox box;
        box.showRows(rows);
        box.finish();
        QTreeWidget *list = box.fileList();
        QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("あり"));
        QCOMPARE(list->topLevelItem(1)->text(2), QStringLiteral("不明"));
        const QFontMetrics fm(list->font());
        QVERIFY(list->columnWidth(0) >= fm.horizontalAdvance(QStringLiteral("123456")));
        QVERIFY(list->columnWidth(1) >= fm.horizontalAdvance(target));
        QVERIFY(list->columnWidth(2) >= fm.horizontalAdvance(TLinkBox::Unknown));
        QVERIFY(list->columnWidth(3) >= fm.horizontalAdvance(rows[2500].fullPath));
        for (int column = 0; column < 4; ++column)
            QVERIFY2(list->columnWidth(column) >= list->header()->sectionSizeHint(column), qPrintable(QString::number(column)));
    }
};

QTEST_MAIN(TestLinkFileList)
#include "tst_linkfilelist.moc"
