// Internet shortcuts: reading the address, and the link they put into the document.
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "app/ShortcutLink.h"

#include <QTest>

class TestShortcutLink : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void addressIn_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("address");
        QTest::newRow("only line") << QByteArray("URL=http://example.com/a b") << true << "http://example.com/a b";
        QTest::newRow("usual file") << QByteArray("[InternetShortcut]\r\nURL=http://x.jp/\r\nIconIndex=0\r\n") << true
                                    << "http://x.jp/";
        QTest::newRow("first of two") << QByteArray("URL=one\r\nURL=two\r\n") << true << "one";
        QTest::newRow("lone LF") << QByteArray("[InternetShortcut]\nURL=lf\nx=1") << true << "lf";
        QTest::newRow("lone CR") << QByteArray("[InternetShortcut]\rURL=cr\rx=1") << true << "cr";
        QTest::newRow("CP932 address") << QByteArray("URL=file:///C:/\x83\x65\x83\x58\x83\x67.html\r\n") << true
                                       << QStringLiteral("file:///C:/テスト.html");
        QTest::newRow("empty address") << QByteArray("URL=\r\n") << true << "";
        QTest::newRow("lower case key") << QByteArray("[InternetShortcut]\r\nurl=http://x/\r\n") << false << "";
        QTest::newRow("indented key") << QByteArray(" URL=http://x/\r\n") << false << "";
        QTest::newRow("key inside a line") << QByteArray("BASEURL=http://x/\r\n") << false << "";
        QTest::newRow("empty file") << QByteArray() << false << "";
    }
    void addressIn()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, found);
        QFETCH(QString, address);
        const std::optional<QString> got = ShortcutLink::addressIn(bytes);
        QCOMPARE(got.has_value(), found);
        if (found)
            QCOMPARE(*got, address);
    }

    void titleAndLinkText()
    {
        QCOMPARE(ShortcutLink::titleOf(QStringLiteral("/x/y.z/Site.url")), QStringLiteral("Site"));
        QCOMPARE(ShortcutLink::titleOf(QStringLiteral("/x/my.site.url")), QStringLiteral("my.site"));
        QCOMPARE(ShortcutLink::linkText(QStringLiteral("HTTP://Ex.com/"), QStringLiteral("Site"), 0),
                 QStringLiteral("<a href=\"HTTP://Ex.com/\">Site</a>\n"));
        QCOMPARE(ShortcutLink::linkText(QStringLiteral("http://ex.com/"), QStringLiteral("site"), 1),
                 QStringLiteral("<A HREF=\"http://ex.com/\">site</A>\n"));
    }

    void insertsAtTheCaretReplacingTheSelection()
    {
        ShellFixture fx("[Memo]\r\nCase=0\r\n");
        TMainForm &f = fx.form();
        const QString url = fx.writeFile(QStringLiteral("Site.url"), "[InternetShortcut]\r\nURL=http://Ex.com/A\r\n");
        f.FileNewClick();
        EditBox *box = f.activeBox();
        box->setPlainText(QStringLiteral("abcXYZdef"));
        box->setModified(false);
        box->setSelection(3, 3);
        QVERIFY(ShortcutLink::InsertShortcutLink(f, url));
        QCOMPARE(box->text(), QStringLiteral("abc<a href=\"http://Ex.com/A\">Site</a>\ndef"));
        QCOMPARE(box->selStart(), int(3 + ShortcutLink::linkText(QStringLiteral("http://Ex.com/A"), QStringLiteral("Site"), 0).size()));
        QCOMPARE(box->selLength(), 0);
        QVERIFY(box->isModified());
        QCOMPARE(f.statusText(1), QStringLiteral("変更あり"));
        QVERIFY(fx.platform().messages.isEmpty());
    }

    void withoutADocumentANewPageTakesTheLink()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QString url = fx.writeFile(QStringLiteral("Site.url"), "URL=http://ex.com/");
        QVERIFY(ShortcutLink::InsertShortcutLink(f, url));
        QCOMPARE(f.documentNames(), QStringList({TMainForm::NewPage}));
        QCOMPARE(f.activeBox()->text(), QStringLiteral("<A HREF=\"http://ex.com/\">Site</A>\n"));
    }

    void nothingHappensWithoutAnAddressOrFile()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QString lower = fx.writeFile(QStringLiteral("Site.url"), "url=http://ex.com/\r\n");
        QVERIFY(ShortcutLink::InsertShortcutLink(f, lower));
        QCOMPARE(f.tabCount(), 0); // no empty page is left behind
        QVERIFY(fx.platform().messages.isEmpty());

        QVERIFY(!ShortcutLink::InsertShortcutLink(f, fx.path(QStringLiteral("missing.url"))));
        QCOMPARE(f.tabCount(), 0);
        QCOMPARE(fx.platform().messages.size(), 1);
        QVERIFY(fx.platform().messages.first().text.contains(fx.path(QStringLiteral("missing.url"))));
    }

    void commandLineShortcutsBecomeLinks()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QString page = fx.writeFile(QStringLiteral("a.html"), "page");
        const QString url = fx.writeFile(QStringLiteral("Site.url"), "URL=http://ex.com/");
        const QString upper = fx.writeFile(QStringLiteral("Other.URL"), "URL=http://other/");
        f.openStartupFiles({page, url, upper});
        // ".url" is matched exactly: "Other.URL" opens as a document.
        QCOMPARE(f.documentNames(), QStringList({page, upper}));
        QCOMPARE(f.EditBoxOfTab(0)->text(), QStringLiteral("<A HREF=\"http://ex.com/\">Site</A>\npage"));
        QCOMPARE(f.EditBoxOfTab(1)->text(), QStringLiteral("URL=http://other/"));
    }
};

QTEST_MAIN(TestShortcutLink)
#include "tst_shortcutlink.moc"
