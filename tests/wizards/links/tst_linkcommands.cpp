// The input box commands as the user reaches them: menu items, tool buttons, pop-up
// items and keys of the main window.
#include "ShellFixture.h"

#include "app/DialogPlacement.h"
#include "app/EditBox.h"
#include "platform/ProfileStore.h"
#include "wizards/links/InputBox.h"
#include "wizards/links/LinkCommands.h"
#include "wizards/links/LinkMarkup.h"

#include "ui_MainForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
enum class Where { AtCursor, UpperThird, Offset };

// What a run of the input box saw; filled by the dialog script.
struct Seen
{
    int runs = 0;
    int mode = -1;
    QString caption;
    QPoint pos;
    QPoint expected[3];
};

// Answers the next input box: records it, types the input and presses OK, or Cancel
// when input is null.
void answer(ShellFixture &fx, Seen &seen, const QString &input)
{
    TMainForm &form = fx.form();
    fx.platform().dialogScripts.push_back([&seen, &form, input](QDialog *d) {
        auto *box = qobject_cast<TInputBox *>(d);
        if (!box)
            return int(QDialog::Rejected);
        ++seen.runs;
        seen.mode = box->mode();
        seen.caption = box->windowTitle();
        seen.pos = box->pos();
        const QSize size = box->frameGeometry().size();
        seen.expected[int(Where::AtCursor)] = DialogPlacement::atCursor(form.frameGeometry(), size, QCursor::pos());
        seen.expected[int(Where::UpperThird)] = DialogPlacement::upperThird(form.frameGeometry(), size);
        seen.expected[int(Where::Offset)] = form.frameGeometry().topLeft() + QPoint(150, 100);
        if (input.isNull()) {
            box->findChild<QPushButton *>(QStringLiteral("CancelBtn"))->click();
        } else {
            box->inputCombo()->setEditText(input);
            box->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
        }
        return box->result();
    });
}

void run(TMainForm &f, const QString &name)
{
    QObject *item = f.item(name);
    if (auto *a = qobject_cast<QAction *>(item))
        a->trigger();
    else if (auto *b = qobject_cast<QAbstractButton *>(item))
        b->click();
    else
        qFatal("no item %s", qPrintable(name));
}

bool isEnabled(TMainForm &f, const QString &name)
{
    QObject *item = f.item(name);
    if (auto *a = qobject_cast<QAction *>(item))
        return a->isEnabled();
    return qobject_cast<QWidget *>(item)->isEnabled();
}

EditBox *openText(ShellFixture &fx, const QString &text, int selStart = 0, int selLength = 0)
{
    fx.form().FileNewClick();
    EditBox *box = fx.form().activeBox();
    box->setPlainText(text);
    box->setSelection(selStart, selLength);
    return box;
}

bool activate(TMainForm &f)
{
    f.show();
    f.activateWindow();
    return QTest::qWaitForWindowActive(&f);
}
} // namespace

class TestLinkCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyItemOpensItsMode_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("where");
        const struct
        {
            const char *item;
            int mode;
            Where where;
        } rows[] = {
            {"lnkFile", 11, Where::UpperThird},      {"PoplnkFile", 11, Where::UpperThird},
            {"lnkFileSpd", 11, Where::AtCursor},     {"lnkHP", 5, Where::Offset},
            {"PoplnkHP", 5, Where::Offset},          {"lnkHPSpd", 5, Where::AtCursor},
            {"lnkMail", 6, Where::Offset},           {"PoplnkMail", 6, Where::Offset},
            {"lnkMailSpd", 6, Where::AtCursor},      {"lnkFTP", 7, Where::Offset},
            {"PoplnkFTP", 7, Where::Offset},         {"lnkFTPspd", 7, Where::AtCursor},
            {"lnkMark", 8, Where::Offset},           {"PoplnkMark", 8, Where::Offset},
            {"lnkMarkSpd", 8, Where::AtCursor},      {"lnkJumpMark", 9, Where::Offset},
            {"PoplnkJumpMark", 9, Where::Offset},    {"lnkJumpMarkSpd", 9, Where::Offset},
            {"lnkJumpFile", 10, Where::Offset},      {"PoplnkJumpFile", 10, Where::Offset},
            {"lnkJumpFileSpd", 10, Where::AtCursor}, {"frmSrc", 12, Where::UpperThird},
            {"PopfrmSrc", 12, Where::UpperThird},    {"FrameSrcSpd", 12, Where::AtCursor},
            {"image1", 13, Where::UpperThird},       {"family1", 14, Where::UpperThird},
        };
        for (const auto &r : rows)
            QTest::newRow(r.item) << QString::fromLatin1(r.item) << r.mode << int(r.where);
    }
    void everyItemOpensItsMode()
    {
        QFETCH(QString, item);
        QFETCH(int, mode);
        QFETCH(int, where);
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.resize(700, 560);
        f.move(40, 30);
        EditBox *box = openText(fx, QStringLiteral("unchanged"), 2, 3);
        f.refreshEnabling();
        QVERIFY(f.isBuilt(f.item(item)));
        QVERIFY(isEnabled(f, item));
        Seen seen;
        answer(fx, seen, QString()); // cancelled
        run(f, item);
        QCOMPARE(seen.runs, 1);
        QCOMPARE(seen.mode, mode);
        QCOMPARE(seen.caption, TInputBox::captionOf(mode));
        QCOMPARE(seen.pos, seen.expected[where]);
        // Cancel inserts nothing.
        QCOMPARE(box->text(), QStringLiteral("unchanged"));
        QVERIFY(!box->isModified());
        QCOMPARE(fx.platform().unscripted, 0);
    }

    void nothingOpensWithoutADocument()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.refreshEnabling();
        QVERIFY(!f.form()->HtmlLink->menuAction()->isEnabled());
        // A short-cut that still arrives finds no document and opens nothing.
        f.findChild<LinkCommands *>()->openInputBox(LinkMarkup::FileLink, LinkCommands::Where::UpperThird);
        f.form()->lnkFile->trigger();
        QCOMPARE(fx.platform().unscripted, 0);
        QVERIFY(fx.platform().dialogScripts.empty());
    }

    void ctrlLLinksToATypedFile()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openText(fx, QStringLiteral("see "));
        box->setSelection(4, 0);
        if (!activate(f))
            QSKIP("the window cannot be activated on this platform, so short-cuts cannot be pressed");
        box->setFocus();
        Seen seen;
        answer(fx, seen, QStringLiteral("page2.html"));
        QTest::keyClick(box, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(seen.mode, int(LinkMarkup::FileLink));
        QCOMPARE(box->text(), QStringLiteral("see <A HREF=\"page2.html\"></A>"));
        QCOMPARE(box->selLength(), 0);
        QCOMPARE(box->text().mid(box->selStart()), QStringLiteral("</A>"));
        // The program's undo takes the link back in one step.
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("see "));
    }

    void ctrlF9AsksOnlyWithoutASelection()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openText(fx, QStringLiteral("a b"), 1, 0);
        if (!activate(f))
            QSKIP("the window cannot be activated on this platform, so short-cuts cannot be pressed");
        box->setFocus();
        Seen seen;
        answer(fx, seen, QStringLiteral("Memo"));
        QTest::keyClick(box, Qt::Key_F9, Qt::ControlModifier);
        QCOMPARE(seen.runs, 1);
        QCOMPARE(seen.mode, int(LinkMarkup::Comment));
        QCOMPARE(seen.caption, QStringLiteral("コメントの入力"));
        QCOMPARE(seen.pos, seen.expected[int(Where::UpperThird)]);
        QCOMPARE(box->text(), QStringLiteral("a<!-- Memo --> b"));

        // With a selection the menu command wraps it and asks nothing.
        box->setSelection(box->length() - 1, 1);
        QTest::keyClick(box, Qt::Key_F9, Qt::ControlModifier);
        QCOMPARE(seen.runs, 1);
        QCOMPARE(box->text(), QStringLiteral("a<!-- Memo --> <!-- b -->"));
        QCOMPARE(fx.platform().unscripted, 0);
    }

    void commentButtonAsksOnlyWithASelection()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.setTagCase(0);
        EditBox *box = openText(fx, QStringLiteral("x OLD y"), 2, 3);
        Seen seen;
        answer(fx, seen, QStringLiteral("NEW"));
        f.form()->CmntSpd->click();
        QCOMPARE(seen.runs, 1);
        QCOMPARE(seen.mode, int(LinkMarkup::Comment));
        QCOMPARE(seen.pos, seen.expected[int(Where::AtCursor)]);
        QCOMPARE(box->text(), QStringLiteral("x <!-- NEW --> y")); // the typed comment replaces the selection
        QCOMPARE(box->selStart(), 14);

        f.form()->CmntSpd->click(); // nothing selected: the empty comment, caret inside
        QCOMPARE(seen.runs, 1);
        QCOMPARE(box->text(), QStringLiteral("x <!-- NEW --><!--  --> y"));
        QCOMPARE(box->selStart(), 19);

        // The pop-up item behaves as the menu item.
        box->setSelection(0, 0);
        answer(fx, seen, QStringLiteral("p"));
        f.form()->PopArngComment->trigger();
        QCOMPARE(seen.runs, 2);
        QCOMPARE(seen.pos, seen.expected[int(Where::UpperThird)]);
        QVERIFY(box->text().startsWith(QLatin1String("<!-- p -->x")));
    }

    void homePageLinkThroughTheHtmlMenu()
    {
        ShellFixture fx("[HP]\r\nCount=1\r\n1=http://first/\r\n");
        TMainForm &f = fx.form();
        EditBox *box = openText(fx, QStringLiteral("visit my site today"), 6, 7);
        Q_EMIT f.form()->MenuHtml->aboutToShow();
        QVERIFY(f.form()->HtmlLink->menuAction()->isEnabled());
        QVERIFY(f.form()->lnkHP->isEnabled());
        Seen seen;
        answer(fx, seen, QStringLiteral("http://example.jp/"));
        f.form()->lnkHP->trigger();
        QCOMPARE(box->text(), QStringLiteral("visit <A HREF=\"http://example.jp/\">my site</A> today"));
        QCOMPARE(box->text().left(box->selStart()), QStringLiteral("visit <A HREF=\"http://example.jp/\">my site</A>"));
        ProfileStore ini(f.iniPath());
        QCOMPARE(ini.readInteger(QStringLiteral("HP"), QStringLiteral("Count"), 0), 2);
        QCOMPARE(ini.readString(QStringLiteral("HP"), QStringLiteral("1")), QStringLiteral("http://example.jp/"));
        QCOMPARE(ini.readString(QStringLiteral("HP"), QStringLiteral("2")), QStringLiteral("http://first/"));
        QCOMPARE(f.statusText(1), QStringLiteral("変更あり"));
    }

    void styleSheetItemsFollowTheStyleCase()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openText(fx, QString());
        Q_EMIT f.form()->MenuCSS->aboutToShow();
        QVERIFY(f.form()->image1->isEnabled());
        QVERIFY(f.form()->family1->isEnabled());
        f.form()->StyleUpper->trigger();
        Seen seen;
        answer(fx, seen, QStringLiteral("bg.png"));
        f.form()->image1->trigger();
        QCOMPARE(box->text(), QStringLiteral("BACKGROUND-IMAGE:URL(bg.png);"));
        f.form()->StyleLower->trigger();
        answer(fx, seen, QStringLiteral("Serif"));
        f.form()->family1->trigger();
        QCOMPARE(box->text(), QStringLiteral("BACKGROUND-IMAGE:URL(bg.png);font-family:\"Serif\";"));
    }
};

QTEST_MAIN(TestLinkCommands)
#include "tst_linkcommands.moc"
