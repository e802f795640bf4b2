// The search, its results window and the jump lists as the user reaches them.
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "platform/ProfileStore.h"
#include "userdata/search/FindBox.h"
#include "userdata/search/SearchCommands.h"
#include "userdata/search/SelectBox.h"
#include "userdata/search/SearchBox.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

namespace {
const QString Page = QStringLiteral("<HTML>\r\n<b>bold</b> and <B>BOLD</B>\r\n<!-- note -->\r\n<a href=\"x.htm\">x</a>\r\n");

void trigger(TMainForm &form, const char *name)
{
    auto *a = qobject_cast<QAction *>(form.item(QLatin1String(name)));
    QVERIFY(a);
    QVERIFY2(a->isEnabled(), name);
    a->trigger();
}

// The next search dialog: records what it offered, searches for keyword (case as given)
// and then cancels if the search left it open.
struct SearchRun
{
    QString offered;
    QStringList history;
    bool stayedOpen = false;
    QPoint pos;
};

void search(ShellFixture &fx, SearchRun &run, const QString &keyword, bool caseSensitive = false)
{
    fx.platform().dialogScripts.push_back([&run, keyword, caseSensitive](QDialog *d) {
        auto *box = qobject_cast<TSearchBox *>(d);
        if (!box)
            return int(QDialog::Rejected);
        run.offered = box->keyword();
        run.history = box->history();
        run.pos = box->pos();
        if (!keyword.isNull())
            box->keywordCombo()->setEditText(keyword);
        box->findChild<QCheckBox *>(QStringLiteral("CaseCheck"))->setChecked(caseSensitive);
        box->findChild<QPushButton *>(QStringLiteral("StartBtn"))->click();
        run.stayedOpen = box->result() != QDialog::Accepted;
        if (run.stayedOpen)
            box->findChild<QPushButton *>(QStringLiteral("CancelBtn"))->click();
        return box->result();
    });
}

QList<TFindBox *> resultWindows(TMainForm &form)
{
    return form.findChildren<TFindBox *>();
}

// Chooses the row with a click and jumps with the Jump button, as the user does.
void jumpToRow(TFindBox *results, int row)
{
    QTreeView *list = results->listView();
    // The line number's cell: the text's column may be wider than the window.
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    QTest::mouseClick(results->findChild<QPushButton *>(QStringLiteral("OkBtn")), Qt::LeftButton);
}

// What the list shows in a cell.
QString cell(TFindBox *results, int row, int column)
{
    return results->listView()->model()->index(row, column).data().toString();
}

QString selected(TMainForm &form)
{
    return form.activeBox()->selectedText();
}
} // namespace

class TestSearchCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void searchListsLinesAndJumpsWhileStayingOpen()
    {
        ShellFixture fx;
        fx.form().OpenDocument(fx.writeFile(QStringLiteral("a.htm"), Page.toLatin1()));
        EditBox *box = fx.form().activeBox();
        // A selection over two lines offers its first line only.
        box->setSelection(3, 10);
        SearchRun run;
        search(fx, run, QStringLiteral("<b>"));
        trigger(fx.form(), "SearchFind");
        QCOMPARE(run.offered, QStringLiteral("ML>"));
        QVERIFY(!run.stayedOpen);

        const QList<TFindBox *> windows = resultWindows(fx.form());
        QCOMPARE(windows.size(), 1);
        TFindBox *results = windows.first();
        QVERIFY(results->isVisible());
        QCOMPARE(results->windowTitle(), QStringLiteral("FindBox"));
        QCOMPARE(results->rowCount(), 2);
        QCOMPARE(cell(results, 0, 0), QStringLiteral("2"));
        QCOMPARE(cell(results, 1, 1), QStringLiteral("d <B>BOLD</B>"));
        QCOMPARE(results->listView()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("行番号"));
        QCOMPARE(results->listView()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("見つかった文"));
        QCOMPARE(results->size(), QSize(300, 200));

        jumpToRow(results, 1);
        QCOMPARE(box->selStart(), 7 + 16);
        QCOMPARE(selected(fx.form()), QStringLiteral("<B>"));
        jumpToRow(results, 0);
        QCOMPARE(box->selStart(), 7);
        QVERIFY(results->isVisible());

        // The history keeps the keyword first.
        const ProfileStore ini(fx.path(QStringLiteral("TW.ini")));
        QCOMPARE(ini.readInteger(QStringLiteral("Find"), QStringLiteral("Count"), 0), 1);
        QCOMPARE(ini.readString(QStringLiteral("Find"), QStringLiteral("0")), QStringLiteral("<b>"));

        // Each search has a window of its own.
        SearchRun again;
        search(fx, again, QStringLiteral("BOLD"), true);
        trigger(fx.form(), "PFindFind");
        QCOMPARE(again.history, QStringList{QStringLiteral("<b>")});
        QCOMPARE(resultWindows(fx.form()).size(), 2);
    }

    void nothingFoundKeepsTheDialogOpen()
    {
        ShellFixture fx;
        fx.form().OpenDocument(fx.writeFile(QStringLiteral("a.htm"), Page.toLatin1()));
        SearchRun first, second;
        search(fx, first, QStringLiteral("html"));
        search(fx, second, QStringLiteral("nowhere"));
        trigger(fx.form(), "SearchFind");
        trigger(fx.form(), "SearchFind");
        QVERIFY(second.stayedOpen);
        QCOMPARE(fx.platform().messages.size(), 1);
        QCOMPARE(fx.platform().messages[0].text, QStringLiteral("見つかりませんでした。"));
        QCOMPARE(fx.platform().messages[0].topLeft, std::optional<QPoint>(second.pos));
        QCOMPARE(resultWindows(fx.form()).size(), 1);
        const ProfileStore ini(fx.path(QStringLiteral("TW.ini")));
        QCOMPARE(ini.readString(QStringLiteral("Find"), QStringLiteral("0")), QStringLiteral("nowhere"));
        QCOMPARE(ini.readString(QStringLiteral("Find"), QStringLiteral("1")), QStringLiteral("html"));

        // Searching the same text again moves it up instead of adding a copy; an empty
        // keyword finds nothing.
        SearchRun third, fourth;
        search(fx, third, QStringLiteral("html"));
        search(fx, fourth, QString(""));
        trigger(fx.form(), "SearchFind");
        trigger(fx.form(), "SearchFind");
        QCOMPARE(fourth.history, (QStringList{QStringLiteral("html"), QStringLiteral("nowhere")}));
        QVERIFY(fourth.stayedOpen);
    }

    void keywordPastedOverSeveralLinesIsCutAtTheFirst()
    {
        const QByteArray settings = "[Find]\r\nCount=1\r\n0=html\r\n";
        ShellFixture fx(settings);
        fx.form().OpenDocument(fx.writeFile(QStringLiteral("a.htm"), Page.toLatin1()));
        // Pasted with Ctrl+V into the field, then started with a click.
        auto pasteAndStart = [&fx](const QString &clip, QString &shown) {
            fx.platform().dialogScripts.push_back([&fx, clip, &shown](QDialog *d) {
                auto *box = qobject_cast<TSearchBox *>(d);
                if (!box)
                    return int(QDialog::Rejected);
                d->show();
                QLineEdit *field = box->keywordCombo()->lineEdit();
                field->setFocus();
                QGuiApplication::clipboard()->setText(clip);
                QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
                QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("StartBtn")), Qt::LeftButton);
                shown = box->keyword() == box->keywordCombo()->currentText() ? box->keyword() : QStringLiteral("(differs)");
                if (box->result() != QDialog::Accepted)
                    box->reject();
                return box->result();
            });
            trigger(fx.form(), "SearchFind");
        };
        QString shown;
        pasteAndStart(QStringLiteral("bold\r\nsecond line\n"), shown);
        QCOMPARE(shown, QStringLiteral("bold"));
        QCOMPARE(resultWindows(fx.form()).size(), 1);
        QCOMPARE(resultWindows(fx.form()).first()->rowCount(), 2);
        const QString ini = fx.path(QStringLiteral("TW.ini"));
        const ProfileStore store(ini);
        QCOMPARE(store.readInteger(QStringLiteral("Find"), QStringLiteral("Count"), 0), 2);
        QCOMPARE(store.readString(QStringLiteral("Find"), QStringLiteral("0")), QStringLiteral("bold"));
        QCOMPARE(store.readString(QStringLiteral("Find"), QStringLiteral("1")), QStringLiteral("html"));
        QVERIFY(!ShellFixture::readFile(ini).contains("second"));
        QVERIFY(fx.platform().messages.isEmpty());

        // A keyword the file cannot hold: the search goes on, the history file stays whole.
        const QByteArray written = ShellFixture::readFile(ini);
        pasteAndStart(QStringLiteral("bold \U0001F600"), shown);
        QCOMPARE(ShellFixture::readFile(ini), written);
        QCOMPARE(fx.platform().messages.size(), 2); // settings not saved, then nothing found
        QCOMPARE(fx.platform().messages.at(0).kind, Platform::MessageKind::Warning);
        QCOMPARE(fx.platform().messages.at(1).text, QStringLiteral("見つかりませんでした。"));
    }

    void jumpGoesToItsOwnDocument()
    {
        ShellFixture fx;
        fx.form().OpenDocument(fx.writeFile(QStringLiteral("a.htm"), Page.toLatin1()));
        EditBox *first = fx.form().activeBox();
        SearchRun run;
        search(fx, run, QStringLiteral("bold"));
        trigger(fx.form(), "SearchFind");
        TFindBox *results = resultWindows(fx.form()).first();
        QCOMPARE(results->rowCount(), 2);

        fx.form().OpenDocument(fx.writeFile(QStringLiteral("b.htm"), QByteArray("other text\r\nmore of it here\r\n")));
        EditBox *second = fx.form().activeBox();
        QVERIFY(second != first);
        second->setSelection(0, 5);
        jumpToRow(results, 1);
        QCOMPARE(fx.form().activeBox(), first);
        QCOMPARE(first->selStart(), 7 + 19);
        QCOMPARE(selected(fx.form()), QStringLiteral("BOLD"));

        // A line that has gone: the end of the document; a column past the line: its end.
        first->setSelection(0, 0);
        first->setWholeText(QStringLiteral("<b>"));
        jumpToRow(results, 1);
        QCOMPARE(first->selStart(), 3);
        QCOMPARE(first->selLength(), 0);
        first->setWholeText(QStringLiteral("x\nshort"));
        jumpToRow(results, 1);
        QCOMPARE(first->selStart(), 7);
        first->setWholeText(QStringLiteral("x\n<b>bold</b> and"));
        jumpToRow(results, 1);
        QCOMPARE(first->selStart(), 2 + 15);
        QCOMPARE(first->selLength(), 0);

        // Closed: nothing happens, the other document keeps its selection.
        fx.form().selectTab(0);
        first->setModified(false);
        fx.form().FileCloseClick();
        QCOMPARE(fx.form().activeBox(), second);
        second->setSelection(2, 3);
        jumpToRow(results, 0);
        QCOMPARE(fx.form().activeBox(), second);
        QCOMPARE(second->selStart(), 2);
        QCOMPARE(second->selLength(), 3);
    }

    void resultWindowKeepsItsSizeOnlyThroughClose()
    {
        ShellFixture fx(QByteArray("[Find]\r\nWidth=420\r\nHeight=260\r\n"));
        fx.form().OpenDocument(fx.writeFile(QStringLiteral("a.htm"), Page.toLatin1()));
        SearchRun run, other;
        search(fx, run, QStringLiteral("bold"));
        search(fx, other, QStringLiteral("html"));
        trigger(fx.form(), "SearchFind");
        trigger(fx.form(), "SearchFind");
        const QList<TFindBox *> windows = resultWindows(fx.form());
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[0]->size(), QSize(420, 260));
        const ProfileStore ini(fx.path(QStringLiteral("TW.ini")));
        // The title bar's close does not keep the size.
        windows[1]->resize(500, 300);
        windows[1]->close();
        QCOMPARE(ini.readInteger(QStringLiteral("Find"), QStringLiteral("Width"), 0), 420);
        windows[0]->resize(450, 280);
        windows[0]->findChild<QPushButton *>(QStringLiteral("CloseBtn"))->click();
        QCOMPARE(ini.readInteger(QStringLiteral("Find"), QStringLiteral("Width"), 0), 450);
        QCOMPARE(ini.readInteger(QStringLiteral("Find"), QStringLiteral("Height"), 0), 280);
        QTRY_COMPARE(resultWindows(fx.form()).size(), 0);
    }

    void jumpListsSelectTheirMarkers()
    {
        ShellFixture fx;
        fx.form().OpenDocument(fx.writeFile(QStringLiteral("a.htm"), Page.toLatin1()));
        int rows = -1;
        QString title, header;
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            auto *box = qobject_cast<TSelectBox *>(d);
            rows = box->rowCount();
            title = box->windowTitle();
            header = box->listView()->headerItem()->text(1);
            box->resize(333, 277);
            box->listView()->setCurrentItem(box->listView()->topLevelItem(0));
            box->findChild<QPushButton *>(QStringLiteral("JumpBtn"))->click();
            return box->result();
        });
        trigger(fx.form(), "PopJumpToLink");
        QCOMPARE(rows, 1);
        QCOMPARE(title, QStringLiteral("リンクへジャンプ"));
        QCOMPARE(header, QStringLiteral("見つかったリンク先"));
        QCOMPARE(selected(fx.form()), QStringLiteral("<a "));
        const ProfileStore ini(fx.path(QStringLiteral("TW.ini")));
        QCOMPARE(ini.readInteger(QStringLiteral("SelectBox"), QStringLiteral("Width"), 0), 333);
        QCOMPARE(ini.readInteger(QStringLiteral("SelectBox"), QStringLiteral("Height"), 0), 277);

        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            auto *box = qobject_cast<TSelectBox *>(d);
            title = box->windowTitle();
            box->listView()->setCurrentItem(box->listView()->topLevelItem(0));
            box->findChild<QPushButton *>(QStringLiteral("JumpBtn"))->click();
            return box->result();
        });
        trigger(fx.form(), "SearchJump");
        QCOMPARE(title, QStringLiteral("コメントへジャンプ"));
        QCOMPARE(selected(fx.form()), QStringLiteral("<!--"));
        QCOMPARE(fx.form().activeBox()->selStart(), QString(Page).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).indexOf(QStringLiteral("<!--")));

        // Nothing to list: the message at half the window's size.
        fx.form().activeBox()->setWholeText(QStringLiteral("plain"));
        trigger(fx.form(), "PFindJump");
        QCOMPARE(fx.platform().messages.size(), 1);
        QCOMPARE(fx.platform().messages[0].text, QStringLiteral("見つかりませんでした。"));
        QCOMPARE(fx.platform().messages[0].topLeft,
                 std::optional<QPoint>(QPoint(fx.form().width() / 2, fx.form().height() / 2)));
        QCOMPARE(fx.platform().unscripted, 0);
    }

    void resultColumnsFitTheirRowsAndRowsKeepTheirPlaces()
    {
        // The longest row lies far below the rows Qt's own fit would measure.
        QStringList lines;
        for (int i = 0; i < 3000; ++i)
            lines << QStringLiteral("plain") << QString(i % 7, QLatin1Char('x')) + QStringLiteral("a <b>") << QString();
        const QString longest = QStringLiteral("<b>") + QString(150, QLatin1Char('W'));
        lines[2500 * 3 + 1] = longest;
        const QString text = lines.join(QLatin1Char('\n'));
        TFindBox results;
        results.setResults(text, DocumentSearch::findAll(text, QStringLiteral("<b>"), true), 3);
        results.show();
        QCOMPARE(results.rowCount(), 3000);
        QCOMPARE(cell(&results, 2500, 1), longest);
        QCOMPARE(cell(&results, 2999, 0), QStringLiteral("8999"));
        QCOMPARE(cell(&results, 6, 1), QStringLiteral("a <b>"));
        QTreeView *list = results.listView();
        const QFontMetrics fm(list->font());
        QVERIFY(list->columnWidth(1) >= fm.horizontalAdvance(longest));
        QVERIFY(list->columnWidth(0) >= fm.horizontalAdvance(QStringLiteral("8999")));
        QVERIFY(list->columnWidth(1) >= list->header()->sectionSizeHint(1));

        // A jump gives the row's own line and column: by the button, a double click and Return.
        QSignalSpy jumps(&results, &TFindBox::jumpRequested);
        jumpToRow(&results, 2500);
        QCOMPARE(jumps.size(), 1);
        QCOMPARE(jumps[0], (QList<QVariant>{7501, 0, 3}));
        const QModelIndex sixth = list->model()->index(5, 0);
        list->scrollTo(sixth);
        // As the window system gives it: the first click's press and release, then the double click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(sixth).center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(sixth).center());
        QCOMPARE(jumps.size(), 2);
        QCOMPARE(jumps[1], (QList<QVariant>{16, 7, 3}));
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(jumps.size(), 3);
        QCOMPARE(jumps[2], (QList<QVariant>{19, 8, 3}));
        // Nothing chosen, nothing asked.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, list->visualRect(list->currentIndex()).center());
        QVERIFY(list->selectionModel()->selectedRows().isEmpty());
        QTest::mouseClick(results.findChild<QPushButton *>(QStringLiteral("OkBtn")), Qt::LeftButton);
        QCOMPARE(jumps.size(), 3);
    }

    void aMillionFindsOfOneLetter()
    {
        // One line of a million letters, each a find: the rows show their text from the page.
        const QString page = QString(1000000, QLatin1Char('a'));
        TFindBox results;
        results.setResults(page, DocumentSearch::findAll(page, QStringLiteral("a"), true), 1);
        results.resize(300, 200);
        results.show();
        QVERIFY(QTest::qWaitForWindowExposed(&results));
        QCOMPARE(results.rowCount(), 1000000);
        QCOMPARE(cell(&results, 0, 0), QStringLiteral("1"));
        QCOMPARE(cell(&results, 0, 1), QString(DocumentSearch::RowTextLimit, QLatin1Char('a')));
        QCOMPARE(cell(&results, 999999, 1), QStringLiteral("a"));
        QCOMPARE(cell(&results, 999990, 1), QStringLiteral("aaaaaaaaaa"));
        QSignalSpy jumps(&results, &TFindBox::jumpRequested);
        QTreeView *list = results.listView();
        QTest::keyClick(list, Qt::Key_End);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(jumps.size(), 1);
        QCOMPARE(jumps[0], (QList<QVariant>{0, 999999, 1}));
        jumpToRow(&results, 123456);
        QCOMPARE(jumps.size(), 2);
        QCOMPARE(jumps[1], (QList<QVariant>{0, 123456, 1}));
    }

    void searchMenuFollowsTheDocuments()
    {
        ShellFixture fx;
        fx.form().MenuSearchClick();
        for (const char *name : {"SearchFind", "SearchJump", "SearchLink", "LinkFile", "PFindFind", "PFindJump", "PopJumpToLink"})
            QVERIFY2(!qobject_cast<QAction *>(fx.form().item(QLatin1String(name)))->isEnabled(), name);
        fx.form().FileNewClick();
        fx.form().MenuSearchClick();
        for (const char *name : {"SearchFind", "SearchJump", "SearchLink", "LinkFile", "PFindFind", "PFindJump", "PopJumpToLink"})
            QVERIFY2(qobject_cast<QAction *>(fx.form().item(QLatin1String(name)))->isEnabled(), name);
        auto *replace = qobject_cast<QAction *>(fx.form().item(QStringLiteral("SearchReplace")));
        QVERIFY(replace->isEnabled());
        QVERIFY(replace->isVisible());
    }
};

QTEST_MAIN(TestSearchCommands)
#include "tst_searchcommands.moc"
