// Custom tags, page templates and file sets as the user reaches them: the Tools and File
// submenus, the tool buttons' picker, the list manager and its entry dialogs, and start-up.
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "editing/UndoSnapshot.h"
#include "platform/Cp932Codec.h"
#include "userdata/customtags/AddTagBox.h"
#include "userdata/customtags/CustomTagSource.h"
#include "userdata/customtags/TypedCase.h"
#include "userdata/templates/EditTempBox.h"
#include "userdata/filesets/FileSetBox.h"
#include "userdata/filesets/FileSetFile.h"
#include "userdata/listmanager/RegistBox.h"
#include "userdata/listmanager/slListBox.h"

#include "ui_MainForm.h"

#include "Controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray sjis(const QString &text)
{
    return Cp932Codec::encode(text);
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

EditBox *openText(ShellFixture &fx, const QString &text, int selStart = 0, int selLength = 0)
{
    fx.form().FileNewClick();
    EditBox *box = fx.form().activeBox();
    box->setPlainText(text);
    box->setSelection(selStart, selLength);
    return box;
}

QStringList captions(QMenu *menu)
{
    QStringList result;
    for (QAction *a : menu->actions())
        result.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    return result;
}

void undo(TMainForm &f)
{
    EditContext ctx = f.editContext();
    ctx.snapshot.undo(ctx.box);
}

QPushButton *button(QWidget *w, const char *name)
{
    auto *b = w->findChild<QPushButton *>(QLatin1String(name));
    if (!b)
        qFatal("no button %s", name);
    return b;
}

// Clicks entry row of a list as the user does: the press makes it current, then selects it
// (with Ctrl on a selected row, deselects it). Shows the list's dialog first.
void clickRow(QListWidget *list, int row, Qt::KeyboardModifiers modifiers = {})
{
    list->window()->show();
    QListWidgetItem *item = list->item(row);
    if (!item)
        qFatal("no row %d", row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(item).center());
}

// Presses a button with the mouse; a disabled one does nothing, as for the user.
void press(QWidget *w, const char *name)
{
    w->show();
    QTest::mouseClick(button(w, name), Qt::LeftButton);
}

// Change, Delete, Up and Down: "1" for each one enabled.
QString moveButtons(QWidget *w)
{
    QString state;
    for (const char *name : {"ChangeBtn", "DeleteBtn", "UpBtn", "DownBtn"})
        state += button(w, name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return state;
}

// Picks entry row (-1: none) in the next picker and presses OK.
void pick(ShellFixture &fx, int row, QString *caption = nullptr)
{
    fx.platform().dialogScripts.push_back([row, caption](QDialog *d) {
        auto *picker = qobject_cast<TslListBox *>(d);
        if (!picker)
            return int(QDialog::Rejected);
        if (caption)
            *caption = picker->windowTitle();
        auto *list = child<QListWidget>(picker, "ListBox");
        if (row >= 0)
            list->setCurrentRow(row);
        button(picker, "OkBtn")->click();
        return picker->result();
    });
}

const QByteArray TwoTags = sjis(QStringLiteral("[Tags]\r\nCount=2\r\n"
                                               "[Tag1]\r\nName=赤字\r\nHead=<FONT COLOR=\"RED\">\r\nFoot=</FONT>\r\n"
                                               "[Tag2]\r\nName=改行 あり\r\nHead=<BR>\r\n"));

} // namespace

class TestUserDataCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void customTagMenuFollowsTheFile();
    void customTagMenuInsertsAsStoredWithUndo();
    void customTagPickerAppliesTheTagCase();
    void tagRegisteredInTheListManagerReachesTheMenu();
    void addTagBoxPreviewsAndRefusals();
    void caseRadiosApplyToWhatIsTypedNext();
    void typedCaseTouchesOnlyWhatCameIn_data();
    void typedCaseTouchesOnlyWhatCameIn();
    void listManagerFollowsTheMouseInEveryMode();
    void failedCustomTagWriteKeepsTheManagerOpen();

    void selectionAddedAsTemplateComesBack();
    void templateTitlesRefusedBeforeWriting();
    void templateListManagerChangesAndSaves();
    void failedTemplateWriteKeepsTheDialogOpen();
    void templateMemoTakesTabsAndRefusesEmptiness();
    void templatesFromTheManagerWaitForItsOk();
    void templateTextUsesTheEditorFont();

    void fileSetMenuAndPicker();
    void fileSetDialogAddsChangesAndKeepsChecks();
    void fileSetButtonsFollowTheSelection();
    void fileSetWithoutTitleIsRenamed();
    void emptiedFileSetListIsWritten();
    void startupOpensTheMarkedSets();
};

void TestUserDataCommands::customTagMenuFollowsTheFile()
{
    ShellFixture fx;
    QMenu *tools = fx.form().form()->MenuTool;
    QMenu *sub = fx.form().form()->ToolTag;
    Q_EMIT tools->aboutToShow();
    QCOMPARE(captions(sub), QStringList{QStringLiteral("登録(&R)...")});
    fx.writeFile(QStringLiteral("CustomTag.ini"), TwoTags);
    Q_EMIT tools->aboutToShow();
    QCOMPARE(captions(sub), (QStringList{QStringLiteral("登録(&R)..."), QStringLiteral("-"), QStringLiteral("&1 赤字"),
                                         QStringLiteral("&2 改行 あり")}));
    // Rebuilt, not appended to.
    Q_EMIT tools->aboutToShow();
    QCOMPARE(sub->actions().size(), 4);
    fx.writeFile(QStringLiteral("CustomTag.ini"), "[Tags]\r\nCount=0\r\n[Tag1]\r\nName=stale\r\n");
    Q_EMIT tools->aboutToShow();
    QCOMPARE(sub->actions().size(), 1);
}

void TestUserDataCommands::customTagMenuInsertsAsStoredWithUndo()
{
    ShellFixture fx("[Memo]\r\nCase=0\r\n");
    fx.writeFile(QStringLiteral("CustomTag.ini"), TwoTags);
    EditBox *box = openText(fx, QStringLiteral("a word here"), 2, 4);
    Q_EMIT fx.form().form()->MenuTool->aboutToShow();
    QList<QAction *> entries = fx.form().form()->ToolTag->actions();
    QVERIFY(entries.at(2)->isEnabled());
    entries.at(2)->trigger();
    // Upper case kept although the tag case is lower.
    QCOMPARE(box->text(), QStringLiteral("a <FONT COLOR=\"RED\">word</FONT> here"));
    QCOMPARE(box->selStart(), 31);
    undo(fx.form());
    QCOMPARE(box->text(), QStringLiteral("a word here"));

    box->setSelection(1, 1);
    entries.at(3)->trigger(); // no Foot: the head alone replaces the selection
    QCOMPARE(box->text(), QStringLiteral("a<BR>word here"));
}

void TestUserDataCommands::customTagPickerAppliesTheTagCase()
{
    ShellFixture fx("[Memo]\r\nCase=0\r\n");
    fx.writeFile(QStringLiteral("CustomTag.ini"), TwoTags);
    EditBox *box = openText(fx, QStringLiteral("xy"), 0, 1);
    QString caption;
    pick(fx, 0, &caption);
    run(fx.form(), QStringLiteral("CustomTagSpd"));
    QCOMPARE(caption, QStringLiteral("カスタムタグの入力"));
    QCOMPARE(box->text(), QStringLiteral("<font color=\"red\">x</font>y"));
    pick(fx, 1);
    run(fx.form(), QStringLiteral("PopCustom"));
    QCOMPARE(box->text(), QStringLiteral("<font color=\"red\">x</font><br>y"));
    // OK without a choice closes and changes nothing.
    pick(fx, -1);
    run(fx.form(), QStringLiteral("CustomTagSpd"));
    QCOMPARE(box->text(), QStringLiteral("<font color=\"red\">x</font><br>y"));
    QCOMPARE(fx.platform().unscripted, 0);
}

void TestUserDataCommands::tagRegisteredInTheListManagerReachesTheMenu()
{
    ShellFixture fx;
    fx.writeFile(QStringLiteral("CustomTag.ini"), TwoTags);
    QStringList listed;
    fx.platform().dialogScripts.push_back([&listed](QDialog *d) {
        auto *box = qobject_cast<TRegistBox *>(d);
        if (!box)
            return int(QDialog::Rejected);
        auto *list = child<QListWidget>(box, "TitleList");
        for (int i = 0; i < list->count(); ++i)
            listed << list->item(i)->text();
        button(box, "AddBtn")->click();
        button(box, "OkBtn")->click();
        return box->result();
    });
    fx.platform().dialogScripts.push_back([](QDialog *d) {
        auto *entry = qobject_cast<TAddTagBox *>(d);
        if (!entry)
            return int(QDialog::Rejected);
        QTest::keyClicks(child<QLineEdit>(entry, "HTagEdit"), QStringLiteral("SPAN CLASS=\"x\""));
        child<QLineEdit>(entry, "TagNameEdit")->setText(QStringLiteral("囲み"));
        button(entry, "OkBtn")->click();
        return entry->result();
    });
    run(fx.form(), QStringLiteral("TagReg"));
    QCOMPARE(fx.platform().unscripted, 0);
    QCOMPARE(listed, (QStringList{QStringLiteral("赤字"), QStringLiteral("改行 あり")}));
    const QByteArray file = ShellFixture::readFile(fx.path(QStringLiteral("CustomTag.ini")));
    QVERIFY(file.contains(sjis(QStringLiteral("[Tag3]\r\nName=囲み\r\nHead=<SPAN CLASS=\"X\">\r\nFoot=</SPAN>\r\n"))));
    // The section that had no Foot stays head-only.
    QVERIFY(file.contains("Head=<BR>\r\nFoot=No\r\n"));

    EditBox *box = openText(fx, QStringLiteral("t"), 0, 1);
    Q_EMIT fx.form().form()->MenuTool->aboutToShow();
    QAction *last = fx.form().form()->ToolTag->actions().last();
    QCOMPARE(last->text(), QStringLiteral("&3 囲み"));
    last->trigger();
    QCOMPARE(box->text(), QStringLiteral("<SPAN CLASS=\"X\">t</SPAN>"));
}

void TestUserDataCommands::addTagBoxPreviewsAndRefusals()
{
    ScriptedPlatform platform;
    TAddTagBox box(false);
    auto *head = child<QLineEdit>(&box, "HTagEdit");
    auto *foot = child<QLineEdit>(&box, "BTagEdit");
    QVERIFY(child<QRadioButton>(&box, "LowerRadio")->isChecked());
    QTest::keyClicks(head, QStringLiteral("TD"));
    QCOMPARE(head->text(), QStringLiteral("td")); // typed in the chosen case
    QTest::keyClicks(head, QStringLiteral(" ALIGN=x"));
    QCOMPARE(foot->text(), QStringLiteral("td"));
    QCOMPARE(child<QLabel>(&box, "HTagLabel")->text(), QStringLiteral("<td align=x>"));
    QCOMPARE(child<QLabel>(&box, "BTagLabel")->text(), QStringLiteral("</td>"));

    // A pasted text with a space gives the closing tag the part before it.
    TAddTagBox pasted(true);
    child<QLineEdit>(&pasted, "HTagEdit")->setText(QStringLiteral("A HREF=\"x\""));
    QCOMPARE(pasted.foot(), QStringLiteral("</A>"));
    child<QCheckBox>(&pasted, "NoCloseChk")->setChecked(true);
    QVERIFY(!child<QLineEdit>(&pasted, "BTagEdit")->isEnabled());
    QCOMPARE(pasted.foot(), QStringLiteral("No"));
    button(&pasted, "OkBtn")->click();
    QCOMPARE(pasted.result(), int(QDialog::Rejected));
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.at(0).text,
             QStringLiteral("登録名が入力されていません。\r \rこのタグを登録したい場合は\r必ず登録名を入力して下さい。"));
    QCOMPARE(platform.messages.at(0).topLeft, pasted.frameGeometry().topLeft() + QPoint(100, 150));

    TAddTagBox change(true);
    change.setEntry(QStringLiteral("n"), QStringLiteral("<P CLASS=a>"), QStringLiteral("</P>"));
    QCOMPARE(change.windowTitle(), QStringLiteral("登録内容の変更"));
    QCOMPARE(change.head(), QStringLiteral("<P CLASS=a>"));
    QCOMPARE(change.foot(), QStringLiteral("</P>"));
    child<QLineEdit>(&change, "TagNameEdit")->insert(QStringLiteral("x\ny"));
    button(&change, "OkBtn")->click();
    QCOMPARE(change.result(), int(QDialog::Rejected));
}

void TestUserDataCommands::caseRadiosApplyToWhatIsTypedNext()
{
    ScriptedPlatform platform;
    TAddTagBox change(true);
    change.setEntry(QStringLiteral("red"), QStringLiteral("<FONT COLOR=\"red\">"), QStringLiteral("</FONT>"));
    change.show();
    QVERIFY(QTest::qWaitForWindowExposed(&change));
    auto *head = child<QLineEdit>(&change, "HTagEdit");
    auto *foot = child<QLineEdit>(&change, "BTagEdit");
    const auto clickOn = [](QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); };
    // Typing after the stored attribute leaves its value as it was.
    clickOn(head);
    QTest::keyClick(head, Qt::Key_End);
    QTest::keyClicks(head, QStringLiteral(" size=2"));
    QCOMPARE(change.head(), QStringLiteral("<FONT COLOR=\"red\" SIZE=2>"));
    // A radio changes nothing already there, only what comes next, also in the middle.
    clickOn(child<QRadioButton>(&change, "LowerRadio"));
    QCOMPARE(change.head(), QStringLiteral("<FONT COLOR=\"red\" SIZE=2>"));
    clickOn(head);
    QTest::keyClick(head, Qt::Key_Home);
    QTest::keyClicks(head, QStringLiteral("B"));
    QCOMPARE(change.head(), QStringLiteral("<bFONT COLOR=\"red\" SIZE=2>"));
    clickOn(child<QRadioButton>(&change, "NoChangeRadio"));
    clickOn(foot);
    QTest::keyClick(foot, Qt::Key_End);
    QTest::keyClicks(foot, QStringLiteral("Xy"));
    QCOMPARE(change.foot(), QStringLiteral("</FONTXy>"));
    clickOn(child<QRadioButton>(&change, "UpperRadio"));
    QCOMPARE(change.foot(), QStringLiteral("</FONTXy>"));
    // Pasted text is typed text too.
    QApplication::clipboard()->setText(QStringLiteral("z"));
    clickOn(foot);
    QTest::keyClick(foot, Qt::Key_End);
    QTest::keyClick(foot, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(change.foot(), QStringLiteral("</FONTXyZ>"));
}

void TestUserDataCommands::typedCaseTouchesOnlyWhatCameIn_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("expected");
    QTest::newRow("appended") << "A b=\"x\"" << "A b=\"x\"c" << int(TypedCase::Upper) << "A b=\"x\"C";
    QTest::newRow("in the middle") << "ab" << "aXyb" << int(TypedCase::Lower) << "axyb";
    QTest::newRow("before a letter of the other case") << "Ab" << "aAb" << int(TypedCase::Upper) << "AAb";
    QTest::newRow("selection replaced") << "one TWO" << "one sixO" << int(TypedCase::Upper) << "one SIXO";
    QTest::newRow("deleted") << "aBc" << "ac" << int(TypedCase::Upper) << "ac";
    QTest::newRow("as typed") << "a" << "aBc" << int(TypedCase::AsTyped) << "aBc";
    QTest::newRow("from empty") << "" << "td" << int(TypedCase::Upper) << "TD";
    QTest::newRow("only ASCII letters") << "" << "ｆont=é" << int(TypedCase::Upper) << "ｆONT=é";
}

void TestUserDataCommands::typedCaseTouchesOnlyWhatCameIn()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, mode);
    QFETCH(QString, expected);
    QCOMPARE(TypedCase::apply(before, after, TypedCase::Mode(mode)), expected);
}

void TestUserDataCommands::listManagerFollowsTheMouseInEveryMode()
{
    // Over a list of two entries, by mouse alone: the buttons and the hint follow the
    // selection (Ctrl+click deselects), Up on the first entry wraps it to the end and the
    // selection follows, Delete removes it, OK keeps the rest.
    auto drive = [](QDialog *d, QStringList &seen) {
        auto *list = child<QListWidget>(d, "TitleList");
        d->show();
        seen << moveButtons(d);
        clickRow(list, 1);
        seen << moveButtons(d) << list->toolTip();
        clickRow(list, 1, Qt::ControlModifier);
        seen << moveButtons(d) << list->toolTip();
        press(d, "DeleteBtn"); // nothing selected: nothing happens
        clickRow(list, 0);
        press(d, "UpBtn");
        seen << QString::number(list->currentRow()) << moveButtons(d);
        press(d, "DeleteBtn");
        seen << QString::number(list->count()) << moveButtons(d);
        press(d, "OkBtn");
        return d->result();
    };
    auto expected = [](const QString &second) {
        return QStringList{QStringLiteral("0000"), QStringLiteral("1111"), second,          QStringLiteral("0000"),
                           QString(),              QStringLiteral("1"),    QStringLiteral("1111"), QStringLiteral("1"),
                           QStringLiteral("1111")};
    };
    ShellFixture fx;
    QStringList seen;

    fx.writeFile(QStringLiteral("CustomTag.ini"), TwoTags);
    fx.platform().dialogScripts.push_back([&](QDialog *d) { return drive(d, seen); });
    run(fx.form(), QStringLiteral("TagReg"));
    QCOMPARE(seen, expected(QStringLiteral("改行 あり")));
    const QByteArray tags = ShellFixture::readFile(fx.path(QStringLiteral("CustomTag.ini")));
    QVERIFY(tags.startsWith("[Tags]\r\nCount=1\r\n"));
    QVERIFY(tags.contains(sjis(QStringLiteral("[Tag1]\r\nName=改行 あり\r\nHead=<BR>\r\n"))));

    seen.clear();
    fx.writeFile(QStringLiteral("Temp/Title.lst"), "one\r\ntwo\r\n");
    fx.platform().dialogScripts.push_back([&](QDialog *d) { return drive(d, seen); });
    run(fx.form(), QStringLiteral("TempProperty"));
    QCOMPARE(seen, expected(QStringLiteral("two")));
    QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("Temp/Title.lst"))), QByteArray("two\r\n"));

    // A file set's files, the set chosen and changed by mouse in the file set dialog.
    seen.clear();
    fx.writeFile(QStringLiteral("FS.ini"), "[FileSet]\r\nCount=1\r\n0=s\r\n[s]\r\nCount=2\r\n0=/a\r\n1=/b\r\n");
    fx.platform().dialogScripts.push_back([](QDialog *d) {
        clickRow(child<QListWidget>(d, "TitleList"), 0);
        press(d, "ChangeBtn");
        press(d, "OkBtn");
        return d->result();
    });
    fx.platform().dialogScripts.push_back([&](QDialog *d) { return drive(d, seen); });
    run(fx.form(), QStringLiteral("FileSet"));
    QCOMPARE(fx.platform().unscripted, 0);
    QCOMPARE(seen, expected(QStringLiteral("/b")));
    QCOMPARE(FileSetFile(fx.path(QStringLiteral("FS.ini"))).files(QStringLiteral("s")), QStringList{QStringLiteral("/b")});
}

void TestUserDataCommands::failedCustomTagWriteKeepsTheManagerOpen()
{
    ShellFixture fx;
    const QString ini = fx.path(QStringLiteral("CustomTag.ini"));
    QVERIFY(QDir().mkpath(ini)); // cannot be read or replaced
    int result = -1;
    int entries = -1;
    fx.platform().dialogScripts.push_back([&](QDialog *d) {
        auto *box = qobject_cast<TRegistBox *>(d);
        box->appendEntry(CustomTagSource::entry(QStringLiteral("n"), QStringLiteral("<N>"), QStringLiteral("No")));
        button(box, "OkBtn")->click();
        result = box->result();
        entries = child<QListWidget>(box, "TitleList")->count();
        return box->result();
    });
    run(fx.form(), QStringLiteral("TagReg"));
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(entries, 1);
    QCOMPARE(fx.platform().messages.size(), 1);
    QVERIFY(fx.platform().messages.at(0).text.contains(QDir::toNativeSeparators(ini)));
}

void TestUserDataCommands::selectionAddedAsTemplateComesBack()
{
    ShellFixture fx("[Memo]\r\nCase=0\r\n");
    EditBox *box = openText(fx, QStringLiteral("<P>\n  <B>表</B>  \nrest"), 0, 17);
    fx.platform().dialogScripts.push_back([](QDialog *d) {
        auto *entry = qobject_cast<TEditTempBox *>(d);
        child<QLineEdit>(entry, "TitleEdit")->setText(QStringLiteral("太字 段落"));
        button(entry, "OkBtn")->click();
        return entry->result();
    });
    run(fx.form(), QStringLiteral("AddTemp"));
    QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("Temp/Title.lst"))), sjis(QStringLiteral("太字 段落\r\n")));
    QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("Temp/太字 段落"))), sjis(QStringLiteral("<P>\r\n  <B>表</B>  \r\n")));

    Q_EMIT fx.form().form()->MenuTool->aboutToShow();
    QMenu *sub = fx.form().form()->ToolTemp;
    QCOMPARE(captions(sub), (QStringList{QStringLiteral("登録(&R)..."), QStringLiteral("-"), QStringLiteral("&1 太字 段落")}));
    box->setSelection(box->text().size(), 0);
    sub->actions().last()->trigger();
    // As stored, whatever the tag case, without the trailing blanks.
    QCOMPARE(box->text(), QStringLiteral("<P>\n  <B>表</B>  \nrest<P>\n  <B>表</B>"));
    undo(fx.form());
    QCOMPARE(box->text(), QStringLiteral("<P>\n  <B>表</B>  \nrest"));
    QString caption;
    pick(fx, 0, &caption);
    run(fx.form(), QStringLiteral("TemplateSpd"));
    QCOMPARE(caption, QStringLiteral("テンプレートの入力"));
    QVERIFY(box->text().endsWith(QStringLiteral("rest<P>\n  <B>表</B>")));
}

void TestUserDataCommands::templateTitlesRefusedBeforeWriting()
{
    ShellFixture fx;
    fx.writeFile(QStringLiteral("Temp/Title.lst"), "used\r\n");
    openText(fx, QStringLiteral("text"), 0, 4);
    const QStringList titles{QStringLiteral("../escape"), QStringLiteral("Title.lst"), QStringLiteral("used"), QStringLiteral("a/b"),
                             QStringLiteral(".."), QString()};
    QStringList refused;
    fx.platform().dialogScripts.push_back([&](QDialog *d) {
        auto *entry = qobject_cast<TEditTempBox *>(d);
        for (const QString &t : titles) {
            child<QLineEdit>(entry, "TitleEdit")->setText(t);
            button(entry, "OkBtn")->click();
            if (entry->result() == QDialog::Rejected)
                refused << t;
        }
        return entry->result();
    });
    run(fx.form(), QStringLiteral("PopAddTemp"));
    QCOMPARE(refused, titles);
    QCOMPARE(fx.platform().messages.size(), titles.size());
    QCOMPARE(fx.platform().messages.at(2).text,
             QStringLiteral("\"used\"\r \rこのタイトルはもう使われています。\r違うタイトルを入力して下さい。"));
    QCOMPARE(fx.platform().messages.last().text,
             QStringLiteral("タイトルがありません。\r \rタイトルがないと登録できません。\r何かタイトルを入力して下さい。"));
    QCOMPARE(QDir(fx.path(QStringLiteral("Temp"))).entryList(QDir::Files), QStringList{QStringLiteral("Title.lst")});
    QVERIFY(!QFile::exists(fx.path(QStringLiteral("escape"))));
    QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("Temp/Title.lst"))), QByteArray("used\r\n"));
}

void TestUserDataCommands::templateListManagerChangesAndSaves()
{
    ShellFixture fx;
    fx.writeFile(QStringLiteral("Temp/Title.lst"), "one\r\ntwo\r\n");
    fx.writeFile(QStringLiteral("Temp/one"), "first\r\n");
    fx.writeFile(QStringLiteral("Temp/two"), "second\r\n");
    QStringList seen;
    // Manager: add "new" (refused while "new" is only in the list, then as "three"), change
    // "one" to "two" (refused), then to "uno"; move; OK.
    fx.platform().dialogScripts.push_back([&seen](QDialog *d) {
        auto *box = qobject_cast<TRegistBox *>(d);
        seen << box->windowTitle();
        auto *list = child<QListWidget>(box, "TitleList");
        press(box, "AddBtn");
        press(box, "AddBtn");
        clickRow(list, 0);
        press(box, "ChangeBtn");
        clickRow(list, 2);
        press(box, "DownBtn");
        press(box, "OkBtn");
        return box->result();
    });
    fx.platform().dialogScripts.push_back([](QDialog *d) {
        auto *entry = qobject_cast<TEditTempBox *>(d);
        child<QPlainTextEdit>(entry, "Memo")->setPlainText(QStringLiteral("third"));
        child<QLineEdit>(entry, "TitleEdit")->setText(QStringLiteral("two"));
        button(entry, "OkBtn")->click();
        child<QLineEdit>(entry, "TitleEdit")->setText(QStringLiteral("three"));
        button(entry, "OkBtn")->click();
        return entry->result();
    });
    // "three" is only in the manager's list so far.
    fx.platform().dialogScripts.push_back([&seen](QDialog *d) {
        auto *entry = qobject_cast<TEditTempBox *>(d);
        child<QPlainTextEdit>(entry, "Memo")->setPlainText(QStringLiteral("other"));
        child<QLineEdit>(entry, "TitleEdit")->setText(QStringLiteral("three"));
        button(entry, "OkBtn")->click();
        seen << QString::number(entry->result());
        return QDialog::Rejected;
    });
    fx.platform().dialogScripts.push_back([&seen](QDialog *d) {
        auto *entry = qobject_cast<TEditTempBox *>(d);
        seen << entry->windowTitle() << child<QPlainTextEdit>(entry, "Memo")->toPlainText();
        child<QLineEdit>(entry, "TitleEdit")->setText(QStringLiteral("two"));
        button(entry, "OkBtn")->click();
        seen << QString::number(entry->result());
        child<QLineEdit>(entry, "TitleEdit")->setText(QStringLiteral("uno"));
        button(entry, "OkBtn")->click();
        return entry->result();
    });
    run(fx.form(), QStringLiteral("TempProperty"));
    QCOMPARE(fx.platform().unscripted, 0);
    QCOMPARE(seen, (QStringList{QStringLiteral("テンプレートの登録"), QStringLiteral("0"), QStringLiteral("登録内容の変更(テンプレート)"),
                                QStringLiteral("first\n"), QStringLiteral("0")}));
    QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("Temp/Title.lst"))), QByteArray("three\r\nuno\r\ntwo\r\n"));
    QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("Temp/two"))), QByteArray("second\r\n"));
    QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("Temp/three"))), QByteArray("third\r\n"));
    QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("Temp/uno"))), QByteArray("first\r\n"));
    QCOMPARE(fx.platform().messages.size(), 3);
}

void TestUserDataCommands::failedTemplateWriteKeepsTheDialogOpen()
{
    ShellFixture fx;
    openText(fx, QStringLiteral("keep me"), 0, 7);
    // A folder where the template file would go: the write fails, for root too.
    const QString target = fx.path(QStringLiteral("Temp/t"));
    QVERIFY(QDir().mkpath(target));
    QString memo;
    int result = -1;
    fx.platform().dialogScripts.push_back([&](QDialog *d) {
        auto *entry = qobject_cast<TEditTempBox *>(d);
        child<QLineEdit>(entry, "TitleEdit")->setText(QStringLiteral("t"));
        button(entry, "OkBtn")->click();
        result = entry->result();
        memo = child<QPlainTextEdit>(entry, "Memo")->toPlainText();
        return entry->result();
    });
    run(fx.form(), QStringLiteral("AddTemp"));
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(memo, QStringLiteral("keep me"));
    QCOMPARE(fx.platform().messages.size(), 1);
    QVERIFY(fx.platform().messages.at(0).text.contains(QDir::toNativeSeparators(target)));
    QVERIFY(!QFile::exists(fx.path(QStringLiteral("Temp/Title.lst"))));
}

void TestUserDataCommands::templateMemoTakesTabsAndRefusesEmptiness()
{
    ScriptedPlatform platform;
    QTemporaryDir dir;
    TEditTempBox box(TEditTempBox::AddFromWindow, dir.path() + QLatin1Char('/'), {});
    box.show();
    auto *memo = child<QPlainTextEdit>(&box, "Memo");
    child<QLineEdit>(&box, "TitleEdit")->setText(QStringLiteral("t"));
    button(&box, "OkBtn")->click();
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.at(0).text, QStringLiteral("テンプレートが空です。\r \rこのままでは登録できません。\r"
                                                          "登録を中止したい場合は\r右下にある [キャンセル]ボタンを押して下さい。"));
    QCOMPARE(platform.messages.at(0).kind, Platform::MessageKind::Warning);
    QVERIFY(platform.messages.at(0).screenCentred);
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Tab);
    QTest::keyClick(memo, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(memo->toPlainText(), QStringLiteral("\t"));
    button(&box, "OkBtn")->click();
    QCOMPARE(box.result(), int(QDialog::Accepted));
    QCOMPARE(ShellFixture::readFile(dir.path() + QStringLiteral("/t")), QByteArray("\t\r\n"));
    QCOMPARE(ShellFixture::readFile(dir.path() + QStringLiteral("/Title.lst")), QByteArray("t\r\n"));
}

void TestUserDataCommands::templatesFromTheManagerWaitForItsOk()
{
    ShellFixture fx;
    fx.writeFile(QStringLiteral("Temp/Title.lst"), "old\r\n");
    fx.writeFile(QStringLiteral("Temp/old"), "before\r\n");
    auto files = [&fx] {
        return QDir(fx.path(QStringLiteral("Temp"))).entryList(QDir::Files, QDir::Name).join(QLatin1Char(','));
    };
    QStringList seen;
    // Adds "new", changes it again (its text comes from the manager, there is no file
    // yet), changes "old", and closes the manager with closeWith.
    auto script = [&](const char *closeWith) {
        fx.platform().dialogScripts.push_back([&seen, &files, closeWith](QDialog *d) {
            auto *list = child<QListWidget>(d, "TitleList");
            press(d, "AddBtn");
            seen << files();
            clickRow(list, 1);
            press(d, "ChangeBtn");
            clickRow(list, 0);
            press(d, "ChangeBtn");
            press(d, closeWith);
            return d->result();
        });
        fx.platform().dialogScripts.push_back([](QDialog *d) {
            QTest::keyClicks(child<QLineEdit>(d, "TitleEdit"), QStringLiteral("new"));
            QTest::keyClicks(child<QPlainTextEdit>(d, "Memo"), QStringLiteral("body"));
            press(d, "OkBtn");
            return d->result();
        });
        for (const char *typed : {"more ", "x"}) {
            fx.platform().dialogScripts.push_back([&seen, typed](QDialog *d) {
                auto *memo = child<QPlainTextEdit>(d, "Memo");
                seen << memo->toPlainText();
                QTest::keyClicks(memo, QLatin1String(typed));
                press(d, "OkBtn");
                return d->result();
            });
        }
    };
    const QStringList expected{QStringLiteral("Title.lst,old"), QStringLiteral("body"), QStringLiteral("before\n")};

    script("CancelBtn");
    run(fx.form(), QStringLiteral("TempProperty"));
    QCOMPARE(seen, expected);
    QCOMPARE(files(), QStringLiteral("Title.lst,old"));
    QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("Temp/Title.lst"))), QByteArray("old\r\n"));
    QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("Temp/old"))), QByteArray("before\r\n"));

    seen.clear();
    script("OkBtn");
    run(fx.form(), QStringLiteral("TempProperty"));
    QCOMPARE(fx.platform().unscripted, 0);
    QCOMPARE(seen, expected);
    QCOMPARE(files(), QStringLiteral("Title.lst,new,old"));
    QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("Temp/Title.lst"))), QByteArray("old\r\nnew\r\n"));
    QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("Temp/new"))), QByteArray("more body\r\n"));
    QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("Temp/old"))), QByteArray("xbefore\r\n"));
}

void TestUserDataCommands::templateTextUsesTheEditorFont()
{
    // A size no default font has, so that only the editor font can bring it.
    ShellFixture fx("[Font]\r\nESize=23\r\n", true);
    const QFont editor = fx.form().editorAppearance().editor;
    QCOMPARE(editor.pointSize(), 23);
    QList<QFont> seen;
    auto entry = [&seen](QDialog *d) {
        seen << child<QPlainTextEdit>(d, "Memo")->font();
        return int(QDialog::Rejected);
    };
    // No document open: from the list manager.
    fx.platform().dialogScripts.push_back([](QDialog *d) {
        press(d, "AddBtn");
        return int(QDialog::Rejected);
    });
    fx.platform().dialogScripts.push_back(entry);
    run(fx.form(), QStringLiteral("TempProperty"));
    // With a document: the selection added from the main window.
    openText(fx, QStringLiteral("text"), 0, 4);
    fx.platform().dialogScripts.push_back(entry);
    run(fx.form(), QStringLiteral("AddTemp"));
    QCOMPARE(fx.platform().unscripted, 0);
    QCOMPARE(seen, (QList<QFont>{editor, editor}));
}

void TestUserDataCommands::fileSetMenuAndPicker()
{
    ShellFixture fx;
    QMenu *sub = fx.form().form()->MenuFileSet;
    Q_EMIT fx.form().form()->MenuFile->aboutToShow();
    QCOMPARE(captions(sub), QStringList{QStringLiteral("(なし)")});
    QVERIFY(!sub->actions().at(0)->isEnabled());

    const QString a = fx.writeFile(QStringLiteral("a.html"), "a");
    const QString b = fx.writeFile(QStringLiteral("b.html"), "b");
    fx.writeFile(QStringLiteral("FS.ini"), sjis(QStringLiteral("[FileSet]\r\nCount=2\r\n0=my site\r\n1=gone\r\n[my site]\r\nCount=3\r\n0=")
                                                + a + QStringLiteral("\r\n1=") + fx.path(QStringLiteral("missing.html"))
                                                + QStringLiteral("\r\n2=") + b + QStringLiteral("\r\n")));
    Q_EMIT fx.form().form()->MenuFile->aboutToShow();
    QCOMPARE(captions(sub), (QStringList{QStringLiteral("&1 my site"), QStringLiteral("&2 gone")}));
    sub->actions().at(0)->trigger();
    QCOMPARE(fx.form().documentNames(), (QStringList{a, b}));
    QVERIFY(fx.platform().messages.isEmpty());
    // Open already: nothing more, and the host tells of each one.
    sub->actions().at(0)->trigger();
    QCOMPARE(fx.form().documentNames().size(), 2);
    const int told = fx.platform().messages.size();

    sub->actions().at(1)->trigger();
    QCOMPARE(fx.platform().messages.size(), told + 1);
    QCOMPARE(fx.platform().messages.last().text,
             QStringLiteral("FileSet \"gone\" は見つかりませんでした。\r\nファイルセットのオープンを中止します。"));
    QCOMPARE(fx.platform().messages.last().kind, Platform::MessageKind::Warning);
    QVERIFY(fx.platform().messages.last().screenCentred);

    // The picker stays open until a set is chosen.
    int stayed = -1;
    fx.platform().dialogScripts.push_back([&stayed](QDialog *d) {
        auto *picker = qobject_cast<TslListBox *>(d);
        button(picker, "OkBtn")->click();
        stayed = picker->result();
        child<QListWidget>(picker, "ListBox")->setCurrentRow(1);
        button(picker, "OkBtn")->click();
        return picker->result();
    });
    run(fx.form(), QStringLiteral("FileSet2Spd"));
    QCOMPARE(stayed, int(QDialog::Rejected));
    QCOMPARE(fx.platform().messages.size(), told + 2);
}

void TestUserDataCommands::fileSetDialogAddsChangesAndKeepsChecks()
{
    ShellFixture fx("[Main]\r\nKeep=1\r\n[FileSet]\r\nCount=1\r\n0=beta\r\n");
    fx.writeFile(QStringLiteral("FS.ini"), "[FileSet]\r\nCount=2\r\n0=alpha\r\n1=beta\r\n[alpha]\r\nCount=1\r\n0=/a\r\n[beta]\r\nCount=1\r\n0=/b\r\n");
    fx.platform().fileAnswers.push_back({{QStringLiteral("/z"), QStringLiteral("/y")}, 0});
    QStringList seen;
    fx.platform().dialogScripts.push_back([&seen, &fx](QDialog *d) {
        auto *box = qobject_cast<TFileSetBox *>(d);
        seen << box->checkedTitles().join(QLatin1Char(','));
        auto *list = child<QListWidget>(box, "TitleList");
        press(box, "AddBtn");
        clickRow(list, 1);
        press(box, "UpBtn");     // beta first, not yet saved
        press(box, "ChangeBtn"); // beta becomes "B set"
        seen << FileSetFile(fx.path(QStringLiteral("FS.ini"))).titles().join(QLatin1Char(','));
        press(box, "UpBtn");     // and wraps to the end
        seen << box->titles().join(QLatin1Char(',')) << box->checkedTitles().join(QLatin1Char(','));
        press(box, "OkBtn");
        return box->result();
    });
    fx.platform().dialogScripts.push_back([&seen](QDialog *d) {
        auto *editor = qobject_cast<TRegistBox *>(d);
        seen << editor->windowTitle() << QString::number(button(editor, "ChangeBtn")->isHidden());
        button(editor, "OkBtn")->click(); // no files yet
        button(editor, "AddBtn")->click();
        child<QLineEdit>(editor, "fsTitleEdit")->setText(QStringLiteral("ALPHA")); // taken
        button(editor, "OkBtn")->click();
        child<QLineEdit>(editor, "fsTitleEdit")->setText(QStringLiteral("gamma"));
        button(editor, "OkBtn")->click();
        return editor->result();
    });
    fx.platform().dialogScripts.push_back([&seen](QDialog *d) {
        auto *editor = qobject_cast<TRegistBox *>(d);
        seen << editor->windowTitle() << child<QLineEdit>(editor, "fsTitleEdit")->text();
        child<QLineEdit>(editor, "fsTitleEdit")->setText(QStringLiteral("B set"));
        button(editor, "OkBtn")->click();
        return editor->result();
    });
    run(fx.form(), QStringLiteral("FileSet"));
    QCOMPARE(fx.platform().unscripted, 0);
    QCOMPARE(seen, (QStringList{QStringLiteral("beta"), QStringLiteral("ファイルセットの追加"), QStringLiteral("1"),
                                QStringLiteral("ファイルセットの変更"), QStringLiteral("beta"), QStringLiteral("alpha,B set,gamma"),
                                QStringLiteral("alpha,gamma,B set"), QStringLiteral("B set")}));
    QCOMPARE(fx.platform().messages.size(), 2);
    QCOMPARE(fx.platform().messages.at(0).kind, Platform::MessageKind::Plain);
    const QByteArray fs = ShellFixture::readFile(fx.path(QStringLiteral("FS.ini")));
    QVERIFY(fs.contains("[FileSet]\r\nCount=3\r\n0=alpha\r\n1=gamma\r\n2=B set\r\n"));
    QVERIFY(fs.contains("[gamma]\r\nCount=2\r\n0=/y\r\n1=/z\r\n"));
    QVERIFY(fs.contains("[B set]\r\nCount=1\r\n0=/b\r\n"));
    QVERIFY(!fs.contains("[beta]"));
    const QByteArray tw = ShellFixture::readFile(fx.path(QStringLiteral("TW.ini")));
    QVERIFY(tw.startsWith("[Main]\r\nKeep=1\r\n"));
    QVERIFY(tw.contains("[FileSet]\r\nCount=1\r\n0=B set\r\n"));
    Q_EMIT fx.form().form()->MenuFile->aboutToShow();
    QCOMPARE(captions(fx.form().form()->MenuFileSet),
             (QStringList{QStringLiteral("&1 alpha"), QStringLiteral("&2 gamma"), QStringLiteral("&3 B set")}));
}

void TestUserDataCommands::fileSetButtonsFollowTheSelection()
{
    ShellFixture fx;
    fx.writeFile(QStringLiteral("FS.ini"), "[FileSet]\r\nCount=2\r\n0=one\r\n1=two\r\n[one]\r\nCount=1\r\n0=/1\r\n"
                                           "[two]\r\nCount=1\r\n0=/2\r\n");
    QStringList seen;
    fx.platform().dialogScripts.push_back([&seen](QDialog *d) {
        auto *list = child<QListWidget>(d, "TitleList");
        d->show();
        seen << QString::number(QTest::qWaitForWindowActive(d));
        // Tabbed into, the list makes its first row current without selecting it.
        for (int i = 0; i < 12 && !list->hasFocus(); ++i)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : d, Qt::Key_Tab);
        seen << QString::number(list->hasFocus()) << QString::number(list->currentRow()) << moveButtons(d);
        press(d, "DeleteBtn");
        seen << QString::number(list->count());
        if (list->count() != 2)
            return int(QDialog::Rejected);
        clickRow(list, 1);
        seen << moveButtons(d);
        clickRow(list, 1, Qt::ControlModifier);
        seen << moveButtons(d);
        clickRow(list, 1);
        press(d, "DeleteBtn");
        press(d, "OkBtn");
        return d->result();
    });
    run(fx.form(), QStringLiteral("FileSet"));
    QCOMPARE(seen, (QStringList{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0000"),
                                QStringLiteral("2"), QStringLiteral("1111"), QStringLiteral("0000")}));
    QCOMPARE(FileSetFile(fx.path(QStringLiteral("FS.ini"))).titles(), QStringList{QStringLiteral("one")});
}

void TestUserDataCommands::fileSetWithoutTitleIsRenamed()
{
    ShellFixture fx;
    fx.writeFile(QStringLiteral("FS.ini"), "[FileSet]\r\nCount=2\r\n0=\r\n1=b\r\n[b]\r\nCount=1\r\n0=/b\r\n");
    fx.platform().fileAnswers.push_back({{QStringLiteral("/x")}, 0});
    QStringList seen;
    fx.platform().dialogScripts.push_back([](QDialog *d) {
        clickRow(child<QListWidget>(d, "TitleList"), 0);
        press(d, "ChangeBtn");
        press(d, "OkBtn");
        return d->result();
    });
    fx.platform().dialogScripts.push_back([&seen](QDialog *d) {
        seen << d->windowTitle() << child<QLineEdit>(d, "fsTitleEdit")->text();
        press(d, "AddBtn");
        QTest::keyClicks(child<QLineEdit>(d, "fsTitleEdit"), QStringLiteral("named"));
        press(d, "OkBtn");
        return d->result();
    });
    run(fx.form(), QStringLiteral("FileSet"));
    QCOMPARE(fx.platform().unscripted, 0);
    QCOMPARE(seen, (QStringList{QStringLiteral("ファイルセットの変更"), QString()}));
    const FileSetFile file(fx.path(QStringLiteral("FS.ini")));
    QCOMPARE(file.titles(), (QStringList{QStringLiteral("named"), QStringLiteral("b")}));
    QCOMPARE(file.files(QStringLiteral("named")), QStringList{QStringLiteral("/x")});
    QCOMPARE(file.files(QStringLiteral("b")), QStringList{QStringLiteral("/b")});
}

void TestUserDataCommands::emptiedFileSetListIsWritten()
{
    ShellFixture fx("[FileSet]\r\nCount=1\r\n0=only\r\n");
    fx.writeFile(QStringLiteral("FS.ini"), "[FileSet]\r\nCount=1\r\n0=only\r\n[only]\r\nCount=1\r\n0=/o\r\n");
    QString help;
    fx.platform().dialogScripts.push_back([&help, &fx](QDialog *d) {
        auto *box = qobject_cast<TFileSetBox *>(d);
        button(box, "HelpBtn")->click();
        help = fx.platform().messages.value(0).text;
        clickRow(child<QListWidget>(box, "TitleList"), 0);
        press(box, "DeleteBtn");
        press(box, "OkBtn");
        return box->result();
    });
    run(fx.form(), QStringLiteral("FileSet"));
    QCOMPARE(help, QStringLiteral("チェックをつけたファイルセットは\r\n起動時に自動的に開かれます。"));
    QCOMPARE(fx.platform().messages.at(0).topLeft,
             std::optional<QPoint>(QPoint(fx.form().width() / 2, fx.form().height() / 2)));
    QCOMPARE(FileSetFile(fx.path(QStringLiteral("FS.ini"))).titles(), QStringList());
    QVERIFY(ShellFixture::readFile(fx.path(QStringLiteral("FS.ini"))).contains("[FileSet]\r\nCount=0\r\n"));
    QVERIFY(!ShellFixture::readFile(fx.path(QStringLiteral("TW.ini"))).contains("FileSet"));
}

void TestUserDataCommands::startupOpensTheMarkedSets()
{
    ShellFixture fx;
    const QString a = fx.writeFile(QStringLiteral("a.html"), "a");
    const QString b = fx.writeFile(QStringLiteral("b.html"), "b");
    fx.writeFile(QStringLiteral("FS.ini"), sjis(QStringLiteral("[FileSet]\r\nCount=2\r\n0=one\r\n1=two\r\n[one]\r\nCount=1\r\n0=") + a
                                                + QStringLiteral("\r\n[two]\r\nCount=1\r\n0=") + b + QStringLiteral("\r\n")));
    fx.writeFile(QStringLiteral("TW.ini"), "[FileSet]\r\nCount=3\r\n0=two\r\n1=renamed\r\n2=one\r\n");
    fx.restart();
    fx.form().openStartupFiles({});
    QCOMPARE(fx.form().documentNames(), (QStringList{b, a}));
    QCOMPARE(fx.platform().messages.size(), 1); // the set that is no longer there
    // Files on the command line: no sets.
    fx.restart();
    fx.form().openStartupFiles({a});
    QCOMPARE(fx.form().documentNames(), QStringList{a});
}

QTEST_MAIN(TestUserDataCommands)
#include "tst_userdatacommands.moc"
