// The replace dialog and Find next / previous as the user reaches them: menu items and keys.
#include "Controls.h"
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "platform/ProfileStore.h"
#include "userdata/search/ReplaceBox.h"
#include "userdata/search/ReplaceCommands.h"
#include "userdata/search/SearchBox.h"

#include "ui_MainForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

namespace {
const QByteArray Page = "<HTML>\r\n<P>One</P> <p>two</p>\r\n<P>three</P>\r\n</HTML>";

void click(QDialog *d, const char *name)
{
    QTest::mouseClick(child<QAbstractButton>(d, name), Qt::LeftButton);
}

void typeInto(QDialog *d, const char *combo, const QString &text)
{
    QLineEdit *edit = child<QComboBox>(d, combo)->lineEdit();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// What the dialog showed when it opened.
struct Opened
{
    QString find;
    QStringList findHistory;
    QStringList replaceHistory;
    bool inSelection = false;
    bool selectionAvailable = false;
};

// The next replace dialog: records how it opened, then runs steps against it and closes it
// with Escape.
void scriptReplace(ShellFixture &fx, Opened &opened, std::function<void(TReplaceBox *)> steps)
{
    fx.platform().dialogScripts.push_back([&opened, steps](QDialog *d) {
        auto *box = qobject_cast<TReplaceBox *>(d);
        if (!box)
            return int(QDialog::Rejected);
        opened.find = box->findText();
        opened.findHistory = box->findHistory();
        opened.replaceHistory = box->replaceHistory();
        opened.inSelection = box->inSelection();
        opened.selectionAvailable = child<QRadioButton>(d, "SelectionRadio")->isEnabled();
        steps(box);
        QTest::keyClick(box, Qt::Key_Escape);
        return box->result();
    });
}

bool activate(TMainForm &f)
{
    f.show();
    f.activateWindow();
    return QTest::qWaitForWindowActive(&f);
}

QString iniValue(ShellFixture &fx, const char *section, const char *key)
{
    return ProfileStore(fx.path(QStringLiteral("TW.ini"))).readString(QLatin1String(section), QLatin1String(key));
}

// The Search menu opened and an entry chosen by its access key.
void searchMenu(TMainForm &f, Qt::Key key)
{
    QMenu *menu = f.form()->MenuSearch;
    menu->popup(f.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    QTest::keyClick(menu, key);
}
} // namespace

class TestReplaceCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void replaceAllIsOneUndoStepAndKeepsTheCaret()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        QVERIFY(activate(f));
        f.OpenDocument(fx.writeFile(QStringLiteral("a.htm"), Page));
        EditBox *box = f.activeBox();
        const QString original = box->text();
        // The caret after "three".
        box->setSelection(int(original.indexOf(QStringLiteral("</P>\n</HTML>"))), 0);
        const int caret = box->selStart();
        Opened opened;
        scriptReplace(fx, opened, [](TReplaceBox *d) {
            typeInto(d, "FindCombo", QStringLiteral("<p>"));
            typeInto(d, "ReplaceCombo", QStringLiteral("<DIV>"));
            click(d, "ReplaceAllBtn");
        });
        searchMenu(f, Qt::Key_R);
        QCOMPARE(opened.find, QString());
        QVERIFY(!opened.selectionAvailable);
        QCOMPARE(box->text(), QStringLiteral("<HTML>\n<DIV>One</P> <DIV>two</p>\n<DIV>three</P>\n</HTML>"));
        QCOMPARE(box->selStart(), caret + 3 * 2);
        QCOMPARE(fx.platform().messages.size(), 1);
        QCOMPARE(fx.platform().messages.first().text, ReplaceCommands::replacedText(3));
        QCOMPARE(iniValue(fx, "Find", "0"), QStringLiteral("<p>"));
        QCOMPARE(iniValue(fx, "Replace", "Count"), QStringLiteral("1"));
        QCOMPARE(iniValue(fx, "Replace", "0"), QStringLiteral("<DIV>"));

        // Ctrl+Z gives the whole text back; a second one brings the replacement again.
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->text(), original);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(box->text().startsWith(QStringLiteral("<HTML>\n<DIV>")));

        // The histories come back at the next opening, with case now distinguished.
        Opened again;
        scriptReplace(fx, again, [](TReplaceBox *d) {
            QTest::mouseClick(child<QCheckBox>(d, "CaseCheck"), Qt::LeftButton,
                              {}, QPoint(4, child<QCheckBox>(d, "CaseCheck")->height() / 2));
            typeInto(d, "FindCombo", QStringLiteral("</P>"));
            typeInto(d, "ReplaceCombo", QStringLiteral("</DIV>"));
            click(d, "ReplaceAllBtn");
        });
        QTest::keyClick(box, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(again.findHistory, QStringList{QStringLiteral("<p>")});
        QCOMPARE(again.replaceHistory, QStringList{QStringLiteral("<DIV>")});
        QCOMPARE(box->text(), QStringLiteral("<HTML>\n<DIV>One</DIV> <DIV>two</p>\n<DIV>three</DIV>\n</HTML>"));
        QCOMPARE(iniValue(fx, "Replace", "1"), QStringLiteral("<DIV>"));
    }

    void aSelectionOverLinesIsTheScopeAndALineBreakMayGoIn()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        QVERIFY(activate(f));
        f.OpenDocument(fx.writeFile(QStringLiteral("a.htm"), Page));
        EditBox *box = f.activeBox();
        // From the second line's start to the third's end.
        const int from = box->posFromLine(1);
        box->setSelection(from, box->posFromLine(3) - 1 - from);
        Opened opened;
        fx.platform().clipboard = QStringLiteral("</P>\n");
        fx.platform().clipboardHoldsText = true;
        QGuiApplication::clipboard()->setText(QStringLiteral("</P>\n"));
        scriptReplace(fx, opened, [](TReplaceBox *d) {
            typeInto(d, "FindCombo", QStringLiteral("</P>"));
            QLineEdit *edit = child<QComboBox>(d, "ReplaceCombo")->lineEdit();
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            click(d, "ReplaceAllBtn");
        });
        QTest::keyClick(box, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(opened.find, QStringLiteral("<P>One</P> <p>two</p>"));
        QVERIFY(opened.inSelection);
        // Blind to case, inside the selection only: "</HTML>" after it stays as it is.
        QCOMPARE(box->text(), QStringLiteral("<HTML>\n<P>One</P>\n <p>two</P>\n\n<P>three</P>\n\n</HTML>"));
        QCOMPARE(box->selectedText(), QStringLiteral("<P>One</P>\n <p>two</P>\n\n<P>three</P>\n"));
        // A replacement with a line break stays out of TW.ini.
        QCOMPARE(iniValue(fx, "Replace", "Count"), QStringLiteral("0"));
        QVERIFY(fx.platform().messages.last().text == ReplaceCommands::replacedText(3));
    }

    void replaceStepsThroughTheOccurrences()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        QVERIFY(activate(f));
        f.OpenDocument(fx.writeFile(QStringLiteral("a.htm"), Page));
        EditBox *box = f.activeBox();
        box->setSelection(0, 0);
        Opened opened;
        QStringList seen;
        scriptReplace(fx, opened, [&seen, box](TReplaceBox *d) {
            typeInto(d, "FindCombo", QStringLiteral("<p>"));
            typeInto(d, "ReplaceCombo", QStringLiteral("<Q>"));
            click(d, "FindNextBtn"); // the first one, selected
            seen << box->selectedText();
            click(d, "ReplaceBtn"); // replaced, the second selected
            seen << box->selectedText();
            click(d, "FindNextBtn"); // skipped, the third selected
            seen << box->selectedText();
            click(d, "ReplaceBtn"); // replaced; round to the first that is left
            seen << box->selectedText();
        });
        QTest::keyClick(box, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(seen, (QStringList{QStringLiteral("<P>"), QStringLiteral("<p>"), QStringLiteral("<P>"),
                                    QStringLiteral("<p>")}));
        QCOMPARE(box->text(), QStringLiteral("<HTML>\n<Q>One</P> <p>two</p>\n<Q>three</P>\n</HTML>"));
        QCOMPARE(f.statusBar()->currentMessage(), ReplaceCommands::WrappedToStart);
        QVERIFY(fx.platform().messages.isEmpty());
    }

    void findNextAndPreviousGoRound()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        QVERIFY(activate(f));
        f.OpenDocument(fx.writeFile(QStringLiteral("a.htm"), Page));
        EditBox *box = f.activeBox();
        box->setSelection(0, 0);
        // Nothing searched yet: F3 asks what to search for.
        bool asked = false;
        fx.platform().dialogScripts.push_back([&asked](QDialog *d) {
            auto *search = qobject_cast<TSearchBox *>(d);
            asked = search != nullptr;
            if (!search)
                return int(QDialog::Rejected);
            QTest::keyClicks(search->keywordCombo()->lineEdit(), QStringLiteral("</p>"));
            QTest::mouseClick(child<QPushButton>(d, "StartBtn"), Qt::LeftButton);
            return search->result();
        });
        QTest::keyClick(box, Qt::Key_F3);
        QVERIFY(asked);
        const QString text = box->text();
        const QList<int> at{int(text.indexOf(QStringLiteral("</P>"))), int(text.indexOf(QStringLiteral("</p>"))),
                            int(text.lastIndexOf(QStringLiteral("</P>")))};
        QTest::keyClick(box, Qt::Key_F3);
        QCOMPARE(box->selStart(), at[0]);
        QCOMPARE(box->selectedText(), QStringLiteral("</P>"));
        QTest::keyClick(box, Qt::Key_F3);
        QCOMPARE(box->selStart(), at[1]);
        QTest::keyClick(box, Qt::Key_F3);
        QCOMPARE(box->selStart(), at[2]);
        QVERIFY(f.statusBar()->currentMessage().isEmpty());
        QTest::keyClick(box, Qt::Key_F3);
        QCOMPARE(box->selStart(), at[0]);
        QCOMPARE(f.statusBar()->currentMessage(), ReplaceCommands::WrappedToStart);
        QTest::keyClick(box, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(box->selStart(), at[2]);
        QCOMPARE(f.statusBar()->currentMessage(), ReplaceCommands::WrappedToEnd);
        QTest::keyClick(box, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(box->selStart(), at[1]);
        // From the menu too, and nothing typed into the page on the way.
        searchMenu(f, Qt::Key_P);
        QCOMPARE(box->selStart(), at[0]);
        QCOMPARE(box->text(), text);
    }

    void aPreviewOnF3TakesTheKey()
    {
        // The main preview on F3 (value 2), the sub preview on F4.
        ShellFixture fx("[KeyDefine]\r\n00000=2\r\n00001=3\r\n");
        TMainForm &f = fx.form();
        auto *next = child<QAction>(&f, "SearchNext");
        auto *previous = child<QAction>(&f, "SearchPrev");
        QVERIFY(next->shortcut().isEmpty());
        QCOMPARE(previous->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F3));
        QCOMPARE(f.form()->HtmlPrevMain->shortcut(), QKeySequence(Qt::Key_F3));
        // Back on F9: the key returns to Find next.
        {
            ProfileStore ini(fx.path(QStringLiteral("TW.ini")));
            QVERIFY(ini.writeInteger(QStringLiteral("KeyDefine"), QStringLiteral("00000"), 8));
        }
        f.loadPreviewKeys();
        QCOMPARE(next->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(f.form()->HtmlPrevMain->shortcut(), QKeySequence(Qt::Key_F9));
    }

};

QTEST_MAIN(TestReplaceCommands)
#include "tst_replacecommands.moc"
