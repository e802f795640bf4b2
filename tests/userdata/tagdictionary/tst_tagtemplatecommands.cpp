// The completion pop-up and the dictionary editor as the user reaches them from the Tools menu.
#include "ShellFixture.h"

#include "app/DialogPlacement.h"
#include "app/EditBox.h"
#include "platform/Cp932Codec.h"
#include "userdata/tagdictionary/EditTagTempBox.h"
#include "userdata/tagdictionary/TagTempBox.h"

#include "Controls.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {
QStringList entriesOf(QListWidget *list)
{
    QStringList e;
    for (int i = 0; i < list->count(); ++i)
        e << list->item(i)->text();
    return e;
}

const QByteArray Dictionary = "<TAGS>\r\nA\r\nTABLE\r\nTD\r\nTH\r\n</TAGS>\r\n<A>\r\nHREF=\"\"\r\nNAME=\"\"\r\n</A>\r\n"
                              "<TABLE>\r\nBORDER=\"\"\r\nWIDTH=\"\"\r\n</TABLE>\r\n<TD>\r\n</TD>\r\n<TH>\r\n</TH>\r\n";

// Types text key by key; a character beyond ASCII comes as the text of a key event, as an
// input method gives it.
void typeText(QWidget *w, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(w, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void selectTag(QDialog *d, const QString &name)
{
    QListWidget *list = child<QListWidget>(d, "TagListBox");
    const auto found = list->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        qFatal("no tag %s", qPrintable(name));
    // As the user does it: a click makes the item current first and selects it after.
    d->show();
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    if (!found.first()->isSelected())
        qFatal("tag %s not selected", qPrintable(name));
}
} // namespace

class TestTagTemplateCommands : public QObject
{
    Q_OBJECT

    // A window in a folder holding the dictionary, with one document of text, the caret at the end.
    EditBox *start(ShellFixture &fx, const QByteArray &dictionary, const QString &text)
    {
        if (!dictionary.isNull())
            fx.writeFile(QStringLiteral("Template.tag"), dictionary);
        fx.restart();
        fx.form().FileNewClick();
        EditBox *box = fx.form().activeBox();
        box->setPlainText(text);
        box->setSelection(text.size(), 0);
        return box;
    }

    void complete(ShellFixture &fx)
    {
        fx.form().findChild<QAction *>(QStringLiteral("ToolTagTemplate"))->trigger();
    }

    QAction *action(ShellFixture &fx, const char *name)
    {
        return fx.form().findChild<QAction *>(QLatin1String(name));
    }

private Q_SLOTS:
    void tagNameCompletion_data()
    {
        QTest::addColumn<int>("tagCase");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("upper") << 1 << "x <TA" << "x <TABLE";
        QTest::newRow("lower") << 0 << "x <ta" << "x <table";
    }
    void tagNameCompletion()
    {
        QFETCH(int, tagCase);
        QFETCH(QString, typed);
        ShellFixture fx;
        EditBox *box = start(fx, Dictionary, typed);
        action(fx, tagCase ? "TagUpper" : "TagLower")->trigger();
        QVERIFY(action(fx, "ToolTagTemplate")->isEnabled());
        QCOMPARE(action(fx, "ToolTagTemplate")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Return")));
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QVERIFY(qobject_cast<TTagTempBox *>(d));
                QVERIFY(d->windowFlags() & Qt::FramelessWindowHint);
                QListWidget *list = child<QListWidget>(d, "ListBox");
                QCOMPARE(entriesOf(list), QStringList{QStringLiteral("TABLE")});
                QVERIFY(list->item(0)->isSelected());
                QVERIFY(!list->testAttribute(Qt::WA_InputMethodEnabled));
                // Just below the caret's line.
                const QRect caret = box->cursorRect();
                QCOMPARE(d->pos(), box->viewport()->mapToGlobal(caret.topLeft()) + QPoint(0, box->fontMetrics().height()));
                d->show();
                QTest::keyClick(list, Qt::Key_Return);
            }();
            return d->result();
        });
        complete(fx);
        QVERIFY(fx.platform().dialogScripts.empty());
        QTEST(box->text(), "expected");
        QCOMPARE(box->selStart(), box->text().size());
        // One step back.
        action(fx, "EditUndo")->trigger();
        QCOMPARE(box->text(), typed);
    }

    void attributeCompletion()
    {
        ShellFixture fx;
        EditBox *box = start(fx, Dictionary, QStringLiteral("<table border=\"1\" "));
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QListWidget *list = child<QListWidget>(d, "ListBox");
                QCOMPARE(entriesOf(list), (QStringList{"BORDER=\"\"", "WIDTH=\"\""}));
                d->show();
                // Typing searches the list.
                QTest::keyClicks(list, QStringLiteral("w"));
                QCOMPARE(list->currentRow(), 1);
                QTest::keyClick(list, Qt::Key_Up);
                QCOMPARE(list->currentRow(), 0);
                const QRect r = list->visualItemRect(list->item(1));
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
            }();
            return d->result();
        });
        complete(fx);
        QVERIFY(fx.platform().dialogScripts.empty());
        QCOMPARE(box->text(), QStringLiteral("<table border=\"1\" WIDTH=\"\""));
    }

    void nothingToOffer_data()
    {
        QTest::addColumn<QByteArray>("dictionary");
        QTest::addColumn<QString>("typed");
        QTest::newRow("after <") << Dictionary << "<";
        QTest::newRow("after a complete tag") << Dictionary << "<TABLE>";
        QTest::newRow("no such tag") << Dictionary << "<Q";
        QTest::newRow("empty attribute block") << Dictionary << "<TD ";
        QTest::newRow("no dictionary") << QByteArray() << "<TA";
    }
    void nothingToOffer()
    {
        QFETCH(QByteArray, dictionary);
        QFETCH(QString, typed);
        ShellFixture fx;
        EditBox *box = start(fx, dictionary, typed);
        complete(fx);
        QCOMPARE(fx.platform().unscripted, 0);
        QCOMPARE(box->text(), typed);
        QVERIFY(!box->isModified());
    }

    void escapeAndEnterWithoutSelection()
    {
        ShellFixture fx;
        EditBox *box = start(fx, Dictionary, QStringLiteral("<T"));
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QListWidget *list = child<QListWidget>(d, "ListBox");
                QCOMPARE(entriesOf(list), (QStringList{"TABLE", "TD", "TH"}));
                d->show();
                list->clearSelection();
                QTest::keyClick(list, Qt::Key_Return);
                QVERIFY(d->isVisible());
                QTest::keyClick(list, Qt::Key_Escape);
                QVERIFY(!d->isVisible());
            }();
            return d->result();
        });
        complete(fx);
        QVERIFY(fx.platform().dialogScripts.empty());
        QCOMPARE(box->text(), QStringLiteral("<T"));
        QVERIFY(!box->isModified());
    }

    void commandsNeedWhatTheyNeed()
    {
        ShellFixture fx;
        fx.restart();
        QVERIFY(!action(fx, "ToolTagTemplate")->isEnabled());
        QVERIFY(action(fx, "ToolEditTagTemplate")->isEnabled());
        fx.form().FileNewClick();
        QVERIFY(action(fx, "ToolTagTemplate")->isEnabled());
    }

    // A tag added in the editor is offered by the next completion; the file and its backup.
    void addSaveAndComplete()
    {
        ShellFixture fx;
        EditBox *box = start(fx, Dictionary, QStringLiteral("<SE"));
        QSignalSpy changed(&fx.form().events(), &HostEvents::userDataChanged);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QVERIFY(qobject_cast<TEditTagTempBox *>(d));
                QCOMPARE(d->windowTitle(), QStringLiteral("タグテンプレートの編集..."));
                QCOMPARE(d->pos(), DialogPlacement::upperThird(fx.form().frameGeometry(), d->frameGeometry().size()));
                QCOMPARE(entriesOf(child<QListWidget>(d, "TagListBox")), (QStringList{"A", "TABLE", "TD", "TH"}));
                child<QLineEdit>(d, "TagEdit")->setText(QStringLiteral(" section "));
                child<QPushButton>(d, "AddBtn")->click();
                QCOMPARE(entriesOf(child<QListWidget>(d, "TagListBox")), (QStringList{"A", "SECTION", "TABLE", "TD", "TH"}));
                selectTag(d, QStringLiteral("SECTION"));
                QCOMPARE(child<QLineEdit>(d, "TagEdit")->text(), QStringLiteral("SECTION"));
                QCOMPARE(child<QPlainTextEdit>(d, "OptionEditor")->toPlainText(), QString());
                child<QPlainTextEdit>(d, "OptionEditor")->setPlainText(QStringLiteral("id=\"\"\n  class=\"\"  \n\n"));
                child<QPushButton>(d, "UpdateBtn")->click();
                QCOMPARE(child<QPlainTextEdit>(d, "OptionEditor")->toPlainText(), QStringLiteral("CLASS=\"\"\nID=\"\""));
                QVERIFY(child<QPushButton>(d, "SaveBtn")->isDefault());
                d->show();
                child<QPushButton>(d, "SaveBtn")->click();
                QVERIFY(!d->isVisible());
            }();
            return d->result();
        });
        action(fx, "ToolEditTagTemplate")->trigger();
        QVERIFY(fx.platform().dialogScripts.empty());
        QVERIFY(fx.platform().messages.isEmpty());
        QCOMPARE(changed.size(), 1);
        QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("Template.tag.bak"))), Dictionary);
        const QByteArray saved = ShellFixture::readFile(fx.path(QStringLiteral("Template.tag")));
        QVERIFY(saved.startsWith("<TAGS>\r\nA\r\nSECTION\r\nTABLE\r\nTD\r\nTH\r\n</TAGS>\r\n<A>\r\n"));
        QVERIFY(saved.endsWith("</TH>\r\n<SECTION>\r\nCLASS=\"\"\r\nID=\"\"\r\n</SECTION>\r\n"));

        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            d->show();
            QTest::keyClick(child<QListWidget>(d, "ListBox"), Qt::Key_Enter);
            return d->result();
        });
        complete(fx);
        QCOMPARE(box->text(), QStringLiteral("<SECTION"));
        box->setPlainText(QStringLiteral("<section "));
        box->setSelection(9, 0);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] { QCOMPARE(entriesOf(child<QListWidget>(d, "ListBox")), (QStringList{"CLASS=\"\"", "ID=\"\""})); }();
            return int(QDialog::Rejected);
        });
        complete(fx);
        QVERIFY(fx.platform().dialogScripts.empty());

        // A second save: the backup holds the state before it.
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            selectTag(d, QStringLiteral("A"));
            child<QPushButton>(d, "DelBtn")->click();
            d->show();
            child<QPushButton>(d, "SaveBtn")->click();
            return d->result();
        });
        action(fx, "ToolEditTagTemplate")->trigger();
        QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("Template.tag.bak"))), saved);
        const QByteArray again = ShellFixture::readFile(fx.path(QStringLiteral("Template.tag")));
        QVERIFY(!again.contains("HREF"));
        QVERIFY(again.endsWith("<TAGS>\r\nSECTION\r\nTABLE\r\nTD\r\nTH\r\n</TAGS>\r\n"));
    }

    // Neither file written: the editor stays open with its work and completion keeps the old dictionary.
    void failingSave()
    {
        ShellFixture fx;
        EditBox *box = start(fx, Dictionary, QStringLiteral("<SE"));
        QVERIFY(QDir(fx.folder()).mkdir(QStringLiteral("Template.tag.bak")));
        fx.platform().messageAnswers.push_back(Platform::Answer::Ok);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                child<QLineEdit>(d, "TagEdit")->setText(QStringLiteral("section"));
                child<QPushButton>(d, "AddBtn")->click();
                d->show();
                child<QPushButton>(d, "SaveBtn")->click();
                QVERIFY(d->isVisible());
                QCOMPARE(fx.platform().messages.size(), 1);
                QVERIFY(fx.platform().messages.first().text.contains(fx.path(QStringLiteral("Template.tag.bak"))));
                QVERIFY(static_cast<TEditTagTempBox *>(d)->workingCopy().contains(QStringLiteral("<SECTION>")));
                QVERIFY(QDir(fx.folder()).rmdir(QStringLiteral("Template.tag.bak")));
                // With the obstacle gone the same work saves.
                child<QPushButton>(d, "SaveBtn")->click();
                QVERIFY(!d->isVisible());
            }();
            return d->result();
        });
        action(fx, "ToolEditTagTemplate")->trigger();
        QVERIFY(fx.platform().dialogScripts.empty());
        QVERIFY(ShellFixture::readFile(fx.path(QStringLiteral("Template.tag"))).contains("<SECTION>"));

        // Template.tag itself not writable: the old dictionary stays in use.
        ShellFixture fy;
        EditBox *other = start(fy, QByteArray(), QStringLiteral("<SE"));
        QVERIFY(QDir(fy.folder()).mkdir(QStringLiteral("Template.tag")));
        fy.platform().messageAnswers = {Platform::Answer::Ok, Platform::Answer::Ok};
        fy.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                child<QLineEdit>(d, "TagEdit")->setText(QStringLiteral("section"));
                child<QPushButton>(d, "AddBtn")->click();
                d->show();
                child<QPushButton>(d, "SaveBtn")->click();
                QVERIFY(d->isVisible());
            }();
            return int(QDialog::Rejected);
        });
        action(fy, "ToolEditTagTemplate")->trigger();
        QCOMPARE(fy.platform().messages.size(), 2); // the file could not be opened, then not saved
        QVERIFY(fy.platform().messages.at(1).text.contains(fy.path(QStringLiteral("Template.tag\""))));
        complete(fy);
        QCOMPARE(other->text(), QStringLiteral("<SE"));
        QCOMPARE(fy.platform().unscripted, 0);
        Q_UNUSED(box);
    }

    void editorRefusesNamesAndCharactersTheFileCannotHold()
    {
        ShellFixture fx;
        start(fx, Dictionary, QStringLiteral("<TA"));
        fx.platform().messageAnswers = {Platform::Answer::Ok, Platform::Answer::Ok, Platform::Answer::Ok};
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                d->show();
                QLineEdit *name = child<QLineEdit>(d, "TagEdit");
                QPushButton *add = child<QPushButton>(d, "AddBtn");
                const QStringList listed = entriesOf(child<QListWidget>(d, "TagListBox"));
                const QStringList before = static_cast<TEditTagTempBox *>(d)->workingCopy();
                typeText(name, QStringLiteral("tags"));
                QTest::mouseClick(add, Qt::LeftButton);
                QCOMPARE(fx.platform().messages.size(), 1);
                QCOMPARE(fx.platform().messages.at(0).kind, Platform::MessageKind::Warning);
                QCOMPARE(fx.platform().messages.at(0).topLeft, std::optional<QPoint>(d->pos() + QPoint(20, 30)));
                QVERIFY(fx.platform().messages.at(0).text.startsWith(QStringLiteral("\"TAGS\" ")));

                QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(name, Qt::Key_Backspace);
                typeText(name, QStringLiteral("caf\u00e9"));
                QTest::mouseClick(add, Qt::LeftButton);
                QCOMPARE(fx.platform().messages.size(), 2);
                QCOMPARE(fx.platform().messages.at(1).kind, Platform::MessageKind::Warning);
                QVERIFY(fx.platform().messages.at(1).text.contains(QStringLiteral("「\u00e9」")));
                QCOMPARE(entriesOf(child<QListWidget>(d, "TagListBox")), listed);
                QCOMPARE(static_cast<TEditTagTempBox *>(d)->workingCopy(), before);

                // An option the file cannot hold stays in the box to be mended.
                selectTag(d, QStringLiteral("TD"));
                QPlainTextEdit *options = child<QPlainTextEdit>(d, "OptionEditor");
                typeText(options, QStringLiteral("title=\"\u00e9\""));
                QTest::mouseClick(child<QPushButton>(d, "UpdateBtn"), Qt::LeftButton);
                QCOMPARE(fx.platform().messages.size(), 3);
                QCOMPARE(fx.platform().messages.at(2).kind, Platform::MessageKind::Warning);
                QCOMPARE(options->toPlainText(), QStringLiteral("title=\"\u00e9\""));
                QCOMPARE(static_cast<TEditTagTempBox *>(d)->workingCopy(), before);
                QTest::mouseClick(child<QPushButton>(d, "SaveBtn"), Qt::LeftButton);
            }();
            return d->result();
        });
        action(fx, "ToolEditTagTemplate")->trigger();
        QVERIFY(fx.platform().dialogScripts.empty());
        QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("Template.tag"))), Dictionary);
        // Completion offers the tags as before.
        QStringList offered;
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            offered = entriesOf(child<QListWidget>(d, "ListBox"));
            return int(QDialog::Rejected);
        });
        complete(fx);
        QCOMPARE(offered, QStringList{QStringLiteral("TABLE")});
    }

    void editorMessages()
    {
        // No file: the error, then an empty editor; saving creates the file without a backup.
        ShellFixture fx;
        start(fx, QByteArray(), QString());
        fx.platform().messageAnswers.push_back(Platform::Answer::Ok);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(child<QListWidget>(d, "TagListBox")->count(), 0);
                child<QLineEdit>(d, "TagEdit")->setText(QStringLiteral("p"));
                child<QPushButton>(d, "AddBtn")->click();
                child<QPushButton>(d, "SaveBtn")->click();
            }();
            return d->result();
        });
        action(fx, "ToolEditTagTemplate")->trigger();
        QCOMPARE(fx.platform().messages.size(), 1);
        QCOMPARE(fx.platform().messages.first().kind, Platform::MessageKind::Warning);
        QVERIFY(fx.platform().messages.first().text.contains(fx.path(QStringLiteral("Template.tag"))));
        QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("Template.tag"))),
                 QByteArray("<TAGS>\r\nP\r\n</TAGS>\r\n<P>\r\n</P>\r\n"));
        QVERIFY(!QFile::exists(fx.path(QStringLiteral("Template.tag.bak"))));

        // An empty file.
        ShellFixture fe;
        start(fe, QByteArray(""), QString());
        fe.platform().messageAnswers.push_back(Platform::Answer::Ok);
        fe.platform().dialogScripts.push_back([](QDialog *) { return int(QDialog::Rejected); });
        action(fe, "ToolEditTagTemplate")->trigger();
        QCOMPARE(fe.platform().messages.size(), 1);
        QCOMPARE(fe.platform().messages.first().kind, Platform::MessageKind::Plain);
        QCOMPARE(fe.platform().messages.first().text, QStringLiteral("Template is Empty!!"));

        // A tag list without its end, a duplicate, help and cancel.
        ShellFixture fb;
        const QByteArray broken = "<TAGS>\r\nA\r\n<A>\r\n</A>\r\n";
        start(fb, broken, QString());
        fb.platform().messageAnswers = {Platform::Answer::Ok, Platform::Answer::Ok, Platform::Answer::Ok};
        fb.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(fb.platform().messages.size(), 1);
                QCOMPARE(fb.platform().messages.first().kind, Platform::MessageKind::Plain);
                QCOMPARE(fb.platform().messages.first().text, QStringLiteral("IndexOf Error"));
                QCOMPARE(ShellFixture::readFile(fb.path(QStringLiteral("IndexOf.txt"))), broken);
                d->show();
                child<QLineEdit>(d, "TagEdit")->setText(QStringLiteral("b"));
                child<QPushButton>(d, "AddBtn")->click();
                QCOMPARE(fb.platform().messages.size(), 3);
                QCOMPARE(fb.platform().messages.at(2).text, QStringLiteral("'<TAGS>'が見つかりませんでした。"));
                QCOMPARE(fb.platform().messages.at(2).kind, Platform::MessageKind::Warning);
                QCOMPARE(fb.platform().messages.at(2).topLeft, std::optional<QPoint>(d->pos() + QPoint(20, 30)));
                child<QPushButton>(d, "HelpBtn")->click();
                QCOMPARE(fb.platform().shellOpened, QStringList{fb.path(QStringLiteral("Help/TagTemplate.html"))});
                child<QPushButton>(d, "CancelBtn")->click();
            }();
            return d->result();
        });
        action(fb, "ToolEditTagTemplate")->trigger();
        QVERIFY(fb.platform().dialogScripts.empty());
        QCOMPARE(ShellFixture::readFile(fb.path(QStringLiteral("Template.tag"))), broken);

        // Delete that cannot change the file keeps the name listed.
        ShellFixture fl;
        start(fl, "<tags>\r\nA\r\n</tags>\r\n<A>\r\n</A>\r\n", QString());
        fl.platform().messageAnswers = {Platform::Answer::Ok, Platform::Answer::Ok};
        fl.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                selectTag(d, QStringLiteral("A"));
                child<QPushButton>(d, "DelBtn")->click();
                QCOMPARE(fl.platform().messages.size(), 1);
                QCOMPARE(fl.platform().messages.first().text, QStringLiteral("\"A\" の削除に失敗しました。"));
                QCOMPARE(entriesOf(child<QListWidget>(d, "TagListBox")), QStringList{QStringLiteral("A")});
                child<QLineEdit>(d, "TagEdit")->setText(QStringLiteral("a"));
                child<QPushButton>(d, "AddBtn")->click();
                QCOMPARE(fl.platform().messages.size(), 2);
                QVERIFY(fl.platform().messages.at(1).text.startsWith(QStringLiteral("\"A\" を追加しようとしました。")));
            }();
            return int(QDialog::Rejected);
        });
        action(fl, "ToolEditTagTemplate")->trigger();
        QVERIFY(fl.platform().dialogScripts.empty());
    }
};

QTEST_MAIN(TestTagTemplateCommands)
#include "tst_tagtemplatecommands.moc"
