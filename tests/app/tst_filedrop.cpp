// Files dropped on the main window and on its editing boxes.
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "app/FileDrop.h"
#include "platform/ProfileStore.h"

#include "ui_MainForm.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWindow>

namespace {
QMimeData *fileData(const QStringList &names)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &n : names)
        urls << QUrl::fromLocalFile(n);
    data->setUrls(urls);
    // File managers offer the names as text as well.
    data->setText(names.join(QLatin1Char('\n')));
    return data;
}

// A whole drag over target: enter, move, drop. True when the drop was accepted.
bool dragAndDrop(QObject *target, const QPoint &pos, const QMimeData *data)
{
    QDragEnterEvent enter(pos, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(pos, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(pos), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}
} // namespace

class TestFileDrop : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void extensionOf_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("ext");
        QTest::newRow("upper") << "/x/Page.HTM" << ".htm";
        QTest::newRow("last dot") << "/x/a.tar.Txt" << ".txt";
        QTest::newRow("none") << "/x/README" << "";
        QTest::newRow("dot in folder only") << "/x/site.html/README" << "";
    }
    void extensionOf()
    {
        QFETCH(QString, name);
        QFETCH(QString, ext);
        QCOMPARE(FileDrop::extensionOf(name), ext);
    }

    void whatADropOpens_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("opens");
        QTest::newRow("html") << "a.html" << true;
        QTest::newRow("upper HTM") << "Page.HTM" << true;
        QTest::newRow("txt") << "notes.txt" << true;
        QTest::newRow("gif") << "photo.gif" << false;
        QTest::newRow("no extension") << "README" << false;
        QTest::newRow("htmlx") << "a.htmlx" << false;
    }
    void whatADropOpens()
    {
        QFETCH(QString, file);
        QFETCH(bool, opens);
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QString path = fx.writeFile(file, "text");
        f.findChild<FileDrop *>()->handleDroppedFiles({path});
        QCOMPARE(f.documentNames(), opens ? QStringList({path}) : QStringList());
        QVERIFY(fx.platform().messages.isEmpty());
    }

    void alreadyOpenFilesAreIgnoredQuietly()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QString a = fx.writeFile(QStringLiteral("a.html"), "a");
        const QString b = fx.writeFile(QStringLiteral("b.html"), "b");
        f.OpenDocument(a);
        f.findChild<FileDrop *>()->handleDroppedFiles({a, b});
        QCOMPARE(f.documentNames(), QStringList({a, b}));
        QVERIFY(fx.platform().messages.isEmpty());
        // Dropped files are not the user's choice in the open dialog: no history.
        QVERIFY(!ProfileStore(fx.path(QStringLiteral("TW.ini"))).hasSection(QStringLiteral("Opened")));
    }

    void anUnreadableFileEndsTheDrop()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        QVERIFY(QDir(fx.folder()).mkdir(QStringLiteral("dir.html")));
        const QString b = fx.writeFile(QStringLiteral("b.html"), "b");
        f.findChild<FileDrop *>()->handleDroppedFiles({fx.path(QStringLiteral("dir.html")), b});
        QCOMPARE(f.tabCount(), 0);
        QCOMPARE(fx.platform().messages.size(), 1);
        f.findChild<FileDrop *>()->handleDroppedFiles({fx.path(QStringLiteral("gone.url")), b});
        QCOMPARE(f.tabCount(), 0);
        QCOMPARE(fx.platform().messages.size(), 2);
    }

    void droppedShortcutsBecomeLinks()
    {
        ShellFixture fx("[Memo]\r\nCase=0\r\n");
        TMainForm &f = fx.form();
        const QString url = fx.writeFile(QStringLiteral("Site.URL"), "[InternetShortcut]\r\nURL=http://Ex.com/\r\n");
        const QString page = fx.writeFile(QStringLiteral("p.html"), "p");
        f.findChild<FileDrop *>()->handleDroppedFiles({url, page});
        // No page was open: a new one takes the link, then the page opens beside it.
        QCOMPARE(f.documentNames(), QStringList({TMainForm::NewPage, page}));
        QCOMPARE(f.EditBoxOfTab(0)->text(), QStringLiteral("<a href=\"http://Ex.com/\">Site</a>\n"));
    }

    void aFileDroppedOnAnEditingBoxIsNeverTyped()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QString a = fx.writeFile(QStringLiteral("a.html"), "a");
        f.FileNewClick();
        EditBox *box = f.activeBox();
        box->setPlainText(QStringLiteral("text"));
        std::unique_ptr<QMimeData> data(fileData({a}));
        QVERIFY(dragAndDrop(box->viewport(), box->viewport()->rect().center(), data.get()));
        QCOMPARE(box->text(), QStringLiteral("text"));
        QTRY_COMPARE(f.tabCount(), 2);
        QCOMPARE(f.ActiveDocumentName(), a);
        QCOMPARE(box->text(), QStringLiteral("text"));
    }

    void plainTextStillDropsIntoTheBox()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        QMimeData data;
        data.setText(QStringLiteral("dragged"));
        QVERIFY(dragAndDrop(box->viewport(), QPoint(1, 1), &data));
        QCOMPARE(box->text(), QStringLiteral("dragged"));
        QCOMPARE(f.tabCount(), 1);
    }

    // Through the window, as a file manager's drag arrives: over the tool bar, with no
    // page open, and over an editing box.
    void dropsArriveAnywhereOnTheWindow()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QString a = fx.writeFile(QStringLiteral("a.html"), "a");
        const QString b = fx.writeFile(QStringLiteral("b.txt"), "b");
        QWindow *window = f.windowHandle();
        QVERIFY(window);

        std::unique_ptr<QMimeData> first(fileData({a}));
        const QPoint overToolBar = f.form()->ToolBar->mapTo(&f, QPoint(200, 5));
        QVERIFY(dragAndDrop(window, overToolBar, first.get()));
        QTRY_COMPARE(f.documentNames(), QStringList({a}));

        EditBox *box = f.activeBox();
        const QPoint overBox = box->viewport()->mapTo(&f, box->viewport()->rect().center());
        std::unique_ptr<QMimeData> second(fileData({b}));
        QVERIFY(dragAndDrop(window, overBox, second.get()));
        QTRY_COMPARE(f.documentNames(), QStringList({a, b}));
        QCOMPARE(box->text(), QStringLiteral("a"));
    }
};

QTEST_MAIN(TestFileDrop)
#include "tst_filedrop.moc"
