// The input box itself: what each mode shows, and what its OK, Cancel, Browse and
// Help buttons do to the active document and to TW.ini.
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "platform/ProfileStore.h"
#include "wizards/links/InputBox.h"
#include "wizards/links/LinkCommands.h"
#include "wizards/links/LinkMarkup.h"

#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
QPushButton *button(TInputBox &box, const char *name)
{
    QPushButton *b = box.findChild<QPushButton *>(QLatin1String(name));
    if (!b)
        qFatal("no button %s", name);
    return b;
}

QStringList itemsOf(QComboBox *combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

EditBox *openText(ShellFixture &fx, const QString &text, int selStart = 0, int selLength = 0)
{
    fx.form().FileNewClick();
    EditBox *box = fx.form().activeBox();
    box->setPlainText(text);
    box->setSelection(selStart, selLength);
    return box;
}

// A document on disk at folder/name (folders made as needed), opened in a new tab.
QString openFile(ShellFixture &fx, const QString &relative, const QByteArray &text = QByteArray())
{
    const QString path = fx.path(relative);
    QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
    fx.writeFile(relative, text);
    fx.form().OpenDocument(path);
    return path;
}

QStringList history(const ShellFixture &fx, const QString &section)
{
    ProfileStore ini(fx.path(QStringLiteral("TW.ini")));
    QStringList out;
    const int n = ini.readInteger(section, QStringLiteral("Count"), 0);
    for (int i = 1; i <= n; ++i)
        out << ini.readString(section, QString::number(i));
    return out;
}

// The box as its command sets it up: the mode's list, and OK inserting and remembering.
LinkCommands &links(ShellFixture &fx)
{
    return *fx.form().findChild<LinkCommands *>();
}

void typeInto(TInputBox &dlg, const QString &text)
{
    QTest::keyClicks(dlg.inputCombo()->lineEdit(), text);
}
} // namespace

class TestInputBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void modeSetUp_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("simple");
        QTest::addColumn<bool>("browse");
        QTest::addColumn<int>("width");
        QTest::newRow("comment") << 0 << "コメントの入力" << "入力するコメント" << true << false << 345;
        QTest::newRow("home page") << 5 << "ホームページへのリンク" << "リンク先ホームページのアドレス" << false << false << 345;
        QTest::newRow("mail") << 6 << "メールへのリンク" << "メール受信者のアドレス" << false << false << 345;
        QTest::newRow("ftp") << 7 << "FTPへのリンク" << "FTP先のアドレス" << false << false << 345;
        QTest::newRow("mark") << 8 << "マークを入れる" << "マーク名" << true << false << 345;
        QTest::newRow("mark here") << 9 << "このファイルのマーカーへリンク" << "リンク先マーカー" << false << false << 345;
        QTest::newRow("mark elsewhere") << 10 << "他のファイルのマーカーへリンク" << "リンク先マーカー" << false << false
                                        << 345;
        QTest::newRow("file") << 11 << "ファイルの選択" << "リンク用のファイルを選んで下さい。" << false << true << 418;
        QTest::newRow("frame source") << 12 << "ファイルの選択" << "フレーム用のファイルを選んで下さい。" << false << true
                                      << 410;
        QTest::newRow("background image") << 13 << "画像ファイルの指定" << "背景用の画像ファイルを選んで下さい。" << true
                                          << true << 418;
        QTest::newRow("font family") << 14 << "フォントファミリーの選択" << "フォント名を選んで下さい。" << false << false
                                     << 345;
    }
    void modeSetUp()
    {
        QFETCH(int, mode);
        QFETCH(QString, caption);
        QFETCH(QString, label);
        QFETCH(bool, simple);
        QFETCH(bool, browse);
        QFETCH(int, width);
        ShellFixture fx;
        openText(fx, QString());
        TInputBox dlg(&fx.form());
        links(fx).prepare(dlg, mode);
        QCOMPARE(dlg.mode(), mode);
        QCOMPARE(dlg.windowTitle(), caption);
        QCOMPARE(dlg.findChild<QLabel *>(QStringLiteral("TitleLabel"))->text(), label);
        QCOMPARE(dlg.isSimpleEdit(), simple);
        QVERIFY(dlg.inputCombo()->isEditable());
        QCOMPARE(dlg.width(), width);
        QPushButton *find = button(dlg, "FindBtn");
        QCOMPARE(!find->isHidden(), browse);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        if (browse) {
            // Level with the combo box, as high as it, and not covering it; at least its
            // 60 pixels, and as wide as its caption needs.
            QVERIFY(find->width() >= 60);
            QVERIFY(find->width() >= find->sizeHint().width());
            QCOMPARE(find->y(), dlg.inputCombo()->y());
            QCOMPARE(find->height(), dlg.inputCombo()->height());
            QVERIFY(dlg.inputCombo()->geometry().right() < find->x());
            QVERIFY(find->geometry().right() < dlg.width());
        }
        // Help stands left of OK; nothing leaves the dialog.
        QVERIFY(button(dlg, "HelpBtn")->geometry().right() < button(dlg, "OKBtn")->x());
        QVERIFY(button(dlg, "CancelBtn")->geometry().right() < dlg.width());
        QCOMPARE(button(dlg, "OKBtn")->text(), QStringLiteral("&OK"));
        QCOMPARE(button(dlg, "CancelBtn")->text(), QStringLiteral("キャンセル"));
        QCOMPARE(button(dlg, "HelpBtn")->text(), QStringLiteral("ヘルプ(&H)"));
        QCOMPARE(find->text(), QStringLiteral("参照(&B)..."));
        QVERIFY(button(dlg, "OKBtn")->isDefault());
    }

    void homePageLinkAndItsHistory()
    {
        ShellFixture fx("[HP]\r\nCount=2\r\n1=http://old/\r\n2=http://older/\r\n");
        EditBox *box = openText(fx, QStringLiteral("go here now"), 3, 4);
        TInputBox dlg(&fx.form());
        links(fx).prepare(dlg, LinkMarkup::HomePage);
        QCOMPARE(itemsOf(dlg.inputCombo()), (QStringList{"http://old/", "http://older/"}));
        QCOMPARE(dlg.inputCombo()->currentText(), QString()); // nothing chosen yet
        dlg.show();
        typeInto(dlg, QStringLiteral("http://new/"));
        button(dlg, "OKBtn")->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(box->text(), QStringLiteral("go <A HREF=\"http://new/\">here</A> now"));
        QCOMPARE(box->selStart(), 33); // after the foot
        QCOMPARE(history(fx, QStringLiteral("HP")), (QStringList{"http://new/", "http://old/", "http://older/"}));

        // Choosing an old entry from the list moves it to the top.
        box->setSelection(0, 0);
        TInputBox again(&fx.form());
        links(fx).prepare(again, LinkMarkup::HomePage);
        again.inputCombo()->setCurrentIndex(2);
        button(again, "OKBtn")->click();
        QVERIFY(box->text().startsWith(QLatin1String("<A HREF=\"http://older/\"></A>go")));
        QCOMPARE(history(fx, QStringLiteral("HP")), (QStringList{"http://older/", "http://new/", "http://old/"}));
    }

    void mailHistoryKeepsTheBareAddress()
    {
        ShellFixture fx;
        fx.form().setTagCase(0);
        EditBox *box = openText(fx, QString());
        TInputBox dlg(&fx.form());
        links(fx).prepare(dlg, LinkMarkup::Mail);
        dlg.show();
        typeInto(dlg, QStringLiteral("Me@Example.jp"));
        button(dlg, "OKBtn")->click();
        QCOMPARE(box->text(), QStringLiteral("<a href=\"mailto:Me@Example.jp\"></a>"));
        QCOMPARE(box->selStart(), 31); // before the foot
        QCOMPARE(history(fx, QStringLiteral("Mail")), QStringList{"Me@Example.jp"});
        QVERIFY(history(fx, QStringLiteral("HP")).isEmpty());
        QVERIFY(history(fx, QStringLiteral("FTP")).isEmpty());
    }

    void enterPressesOkAndEscapeCancels()
    {
        ShellFixture fx("[FTP]\r\nCount=1\r\n1=ftp://kept/\r\n");
        EditBox *box = openText(fx, QStringLiteral("x"), 0, 1);
        {
            TInputBox dlg(&fx.form());
            links(fx).prepare(dlg, LinkMarkup::Ftp);
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            typeInto(dlg, QStringLiteral("ftp://typed/"));
            QTest::keyClick(dlg.inputCombo()->lineEdit(), Qt::Key_Escape);
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
            QCOMPARE(box->text(), QStringLiteral("x"));
            QCOMPARE(history(fx, QStringLiteral("FTP")), QStringList{"ftp://kept/"}); // Cancel writes nothing
        }
        TInputBox dlg(&fx.form());
        links(fx).prepare(dlg, LinkMarkup::Ftp);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        typeInto(dlg, QStringLiteral("ftp://typed/"));
        QTest::keyClick(dlg.inputCombo()->lineEdit(), Qt::Key_Return);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(box->text(), QStringLiteral("<A HREF=\"ftp://typed/\">x</A>"));
        // Enter chose nothing in the list by itself: the history holds the address once.
        QCOMPARE(history(fx, QStringLiteral("FTP")), (QStringList{"ftp://typed/", "ftp://kept/"}));
    }

    void commentReplacesTheSelection()
    {
        ShellFixture fx;
        fx.form().setTagCase(0);
        EditBox *box = openText(fx, QStringLiteral("a OLD b"), 2, 3);
        TInputBox dlg(&fx.form());
        links(fx).prepare(dlg, LinkMarkup::Comment);
        QCOMPARE(dlg.inputCombo()->count(), 0);
        dlg.show();
        typeInto(dlg, QStringLiteral("Note"));
        button(dlg, "OKBtn")->click();
        QCOMPARE(box->text(), QStringLiteral("a <!-- Note --> b"));
        QCOMPARE(box->selStart(), 15);
    }

    void marksOfThisDocument()
    {
        ShellFixture fx;
        EditBox *box = openText(fx, QStringLiteral("<a name=\"top\">T</a>\n<A NAME=\"x\" ID=\"y\">\ntext\n<A NAME=\"end\"></A>"));
        box->setSelection(box->length(), 0);
        TInputBox dlg(&fx.form());
        links(fx).prepare(dlg, LinkMarkup::JumpMark);
        QCOMPARE(itemsOf(dlg.inputCombo()), (QStringList{"top", "x\" ID=\"y", "end"}));
        QCOMPARE(dlg.inputCombo()->currentText(), QStringLiteral("top")); // the first is chosen
        button(dlg, "OKBtn")->click();
        QVERIFY(box->text().endsWith(QLatin1String("<A HREF=\"#top\"></A>")));
        QCOMPARE(box->text().mid(box->selStart()), QStringLiteral("</A>")); // caret before the foot

        // A document without marks offers an empty list.
        openText(fx, QStringLiteral("no marks"));
        TInputBox none(&fx.form());
        links(fx).prepare(none, LinkMarkup::JumpMark);
        QCOMPARE(none.inputCombo()->count(), 0);
        QCOMPARE(none.inputCombo()->currentText(), QString());
    }

    void marksOfOtherDocuments()
    {
        ShellFixture fx;
        openFile(fx, QStringLiteral("one.html"), "<A NAME=\"a1\">\r\n<a name=\"a2\">");
        openFile(fx, QStringLiteral("sub/two.html"), "<A NAME=\"mine\">");
        openFile(fx, QStringLiteral("three.htm"), "<A NAME=\"c\"><A NAME=\"d\">");
        fx.form().FileNewClick(); // an untitled one without marks
        fx.form().selectTab(1);
        TInputBox dlg(&fx.form());
        links(fx).prepare(dlg, LinkMarkup::JumpFile);
        // Tabs before the active one, then those after it; the active one's own marks are left out.
        QCOMPARE(itemsOf(dlg.inputCombo()), (QStringList{"one.html#a1", "one.html#a2", "three.htm#c"}));
        QCOMPARE(dlg.inputCombo()->currentText(), QStringLiteral("one.html#a1"));
        dlg.inputCombo()->setCurrentIndex(2);
        button(dlg, "OKBtn")->click();
        QVERIFY(fx.form().activeBox()->text().startsWith(QLatin1String("<A HREF=\"three.htm#c\"></A>")));

        // Alone, there is nothing to list.
        ShellFixture alone;
        openFile(alone, QStringLiteral("only.html"), "<A NAME=\"x\">");
        TInputBox single(&alone.form());
        links(alone).prepare(single, LinkMarkup::JumpFile);
        QCOMPARE(single.inputCombo()->count(), 0);
    }

    void otherDocumentsAsRelativePaths_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("file link") << int(LinkMarkup::FileLink);
        QTest::newRow("frame source") << int(LinkMarkup::FrameSource);
    }
    void otherDocumentsAsRelativePaths()
    {
        QFETCH(int, mode);
        ShellFixture fx;
        openFile(fx, QStringLiteral("web/b/pic.html"));
        openFile(fx, QStringLiteral("web/a/index.htm"));
        fx.form().FileNewClick();
        openFile(fx, QStringLiteral("web/a/x.htm"));
        fx.form().selectTab(1);
        TInputBox dlg(&fx.form());
        links(fx).prepare(dlg, mode);
        QCOMPARE(itemsOf(dlg.inputCombo()), (QStringList{"../b/pic.html", "NewPage", "x.htm"}));
        QCOMPARE(dlg.inputCombo()->currentText(), QString());

        // From the untitled document every other document is given in full.
        fx.form().selectTab(2);
        TInputBox untitled(&fx.form());
        links(fx).prepare(untitled, mode);
        QCOMPARE(itemsOf(untitled.inputCombo()),
                 (QStringList{fx.path("web/b/pic.html"), fx.path("web/a/index.htm"), fx.path("web/a/x.htm")}));
        untitled.inputCombo()->setCurrentIndex(0);
        button(untitled, "OKBtn")->click();
        QVERIFY(fx.form().activeBox()->text().contains(fx.path("web/b/pic.html")));

        ShellFixture alone;
        openFile(alone, QStringLiteral("only.html"));
        TInputBox single(&alone.form());
        links(alone).prepare(single, mode);
        QCOMPARE(single.inputCombo()->count(), 0);
    }

    void browseGivesARelativePath_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("filters");
        QTest::addColumn<QString>("inserted");
        QTest::newRow("file link") << int(LinkMarkup::FileLink) << "リンク先ファイルの選択"
                                   << QStringList{"HTMLファイル (*.htm *.html)", "画像ファイル (*.gif *.jpg *.jpeg *.png)",
                                                  "アーカイブ (*.lzh *.zip)", "その他 (*)"}
                                   << "<A HREF=\"../img/p.gif\"></A>";
        QTest::newRow("frame source") << int(LinkMarkup::FrameSource) << "フレームソースの選択"
                                      << QStringList{"HTMLファイル (*.htm *.html)", "テキストファイル (*.txt *.doc)",
                                                     "その他 (*)"}
                                      << "<FRAME SRC=\"../img/p.gif\">";
        QTest::newRow("background image")
            << int(LinkMarkup::BackgroundImage) << "画像ファイルの選択"
            << QStringList{"画像ファイル (*.gif *.jpg *.jpeg *.png)", "GIFファイルのみ (*.gif)",
                           "JPEGファイルのみ (*.jpg *.jpeg)", "PNGファイルのみ (*.png)", "その他 (*)"}
            << "background-image:url(../img/p.gif);";
    }
    void browseGivesARelativePath()
    {
        QFETCH(int, mode);
        QFETCH(QString, title);
        QFETCH(QStringList, filters);
        QFETCH(QString, inserted);
        ShellFixture fx;
        const QString page = openFile(fx, QStringLiteral("site/pages/index.html"));
        TInputBox dlg(&fx.form());
        links(fx).prepare(dlg, mode);
        dlg.show();
        typeInto(dlg, QStringLiteral("typed"));

        // Cancelled: the typed text stays.
        fx.platform().fileAnswers.push_back({});
        button(dlg, "FindBtn")->click();
        QCOMPARE(dlg.inputCombo()->currentText(), QStringLiteral("typed"));
        QCOMPARE(fx.platform().fileCalls.size(), 1);
        const Platform::FileRequest first = fx.platform().fileCalls.at(0).request;
        QCOMPARE(first.title, title);
        QCOMPARE(first.filters, filters);
        // The document's first browse starts in its folder.
        QCOMPARE(first.folder, fx.path(QStringLiteral("site/pages/")));

        fx.platform().fileAnswers.push_back({{fx.path(QStringLiteral("site/img/p.gif"))}, 0});
        button(dlg, "FindBtn")->click();
        QCOMPARE(fx.platform().fileCalls.size(), 2);
        QVERIFY(fx.platform().fileCalls.at(1).request.folder.isEmpty()); // later ones where the user last was
        QVERIFY(!fx.platform().fileCalls.at(1).save);
        QCOMPARE(dlg.inputCombo()->currentText(), QStringLiteral("../img/p.gif"));
        button(dlg, "OKBtn")->click();
        QCOMPARE(fx.form().activeBox()->text(), inserted);
        QCOMPARE(fx.form().ActiveDocumentName(), page);
        QCOMPARE(fx.platform().unscripted, 0);
    }

    void browseFlagBelongsToTheTab()
    {
        ShellFixture fx;
        openFile(fx, QStringLiteral("a/one.html"));
        fx.platform().fileAnswers.push_back({});
        fx.form().FileOpenClick(); // the Open command used this tab's first browse
        openFile(fx, QStringLiteral("b/two.html"));
        for (int tab : {0, 1}) {
            fx.form().selectTab(tab);
            TInputBox dlg(&fx.form());
            links(fx).prepare(dlg, LinkMarkup::FileLink);
            fx.platform().fileAnswers.push_back({});
            button(dlg, "FindBtn")->click();
        }
        QCOMPARE(fx.platform().fileCalls.size(), 3);
        QVERIFY(fx.platform().fileCalls.at(1).request.folder.isEmpty());
        QCOMPARE(fx.platform().fileCalls.at(2).request.folder, fx.path(QStringLiteral("b/")));
    }

    void fontFamilyRemembersTheChoice()
    {
        const QStringList families = LinkMarkup::familyNames(QFontDatabase::families());
        if (families.size() < 2)
            QSKIP("fewer than two fonts are installed");
        ShellFixture fx("[StyleSheet]\r\nFamily=1\r\n");
        EditBox *box = openText(fx, QString());
        TInputBox dlg(&fx.form());
        links(fx).prepare(dlg, LinkMarkup::FontFamily);
        QCOMPARE(itemsOf(dlg.inputCombo()), families);
        QCOMPARE(dlg.inputCombo()->currentText(), families.at(1));
        dlg.inputCombo()->setCurrentIndex(0);
        button(dlg, "OKBtn")->click();
        QCOMPARE(box->text(), QStringLiteral("font-family:\"") + families.at(0) + QStringLiteral("\";"));
        ProfileStore ini(fx.form().iniPath());
        QCOMPARE(ini.readInteger(QStringLiteral("StyleSheet"), QStringLiteral("Family"), -9), 0);

        // A stored index past the list chooses nothing; a typed name that is no font
        // is inserted as typed and remembered as no choice.
        QVERIFY(ini.writeInteger(QStringLiteral("StyleSheet"), QStringLiteral("Family"), int(families.size())));
        box->setPlainText(QString());
        TInputBox typed(&fx.form());
        links(fx).prepare(typed, LinkMarkup::FontFamily);
        QCOMPARE(typed.inputCombo()->currentText(), QString());
        typed.show();
        typeInto(typed, QStringLiteral("No Such Font 9"));
        button(typed, "OKBtn")->click();
        QCOMPARE(box->text(), QStringLiteral("font-family:\"No Such Font 9\";"));
        QCOMPARE(ini.readInteger(QStringLiteral("StyleSheet"), QStringLiteral("Family"), -9), -1);
    }

    void helpTopics_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("anchor"); // empty: no page yet
        QTest::newRow("comment") << 0 << "Comment";
        QTest::newRow("mark") << 8 << "LinkMark";
        QTest::newRow("frame source") << 12 << "FrameSrc";
        for (int mode : {5, 6, 7, 9, 10, 11, 13, 14})
            QTest::addRow("mode %d", mode) << mode << QString();
    }
    void helpTopics()
    {
        QFETCH(int, mode);
        QFETCH(QString, anchor);
        ShellFixture fx;
        openText(fx, QString());
        TInputBox dlg(&fx.form());
        links(fx).prepare(dlg, mode);
        button(dlg, "HelpBtn")->click();
        ScriptedPlatform &p = fx.platform();
        QStringList opened = p.shellOpened;
        for (const auto &started : p.programsStarted)
            opened << started.second;
        if (anchor.isEmpty()) {
            QVERIFY(opened.isEmpty());
            QCOMPARE(p.messages.size(), 1);
            QCOMPARE(p.messages.first().text, QStringLiteral("現在作成中です。"));
        } else {
            QCOMPARE(opened.size(), 1);
            QVERIFY2(opened.first().endsWith(QStringLiteral("Help/Tips.html#") + anchor), qPrintable(opened.first()));
            QVERIFY(p.messages.isEmpty());
        }
        QVERIFY(dlg.result() != int(QDialog::Accepted));
    }

    void unwritableSettingsStillInsert()
    {
        ShellFixture fx;
        // A folder where the settings file should be: every write fails.
        QVERIFY(QDir().mkpath(fx.path(QStringLiteral("TW.ini"))));
        EditBox *box = openText(fx, QStringLiteral("s"), 0, 1);
        for (int i = 0; i < 2; ++i) {
            TInputBox dlg(&fx.form());
            links(fx).prepare(dlg, LinkMarkup::HomePage);
            dlg.show();
            typeInto(dlg, QStringLiteral("h"));
            button(dlg, "OKBtn")->click();
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
        }
        QCOMPARE(box->text(), QStringLiteral("<A HREF=\"h\">s</A><A HREF=\"h\"></A>"));
        // The failure is told once, not for every key and not for every command.
        QCOMPARE(fx.platform().messages.size(), 1);
        QCOMPARE(fx.platform().messages.first().kind, Platform::MessageKind::Warning);
    }
};

QTEST_MAIN(TestInputBox)
#include "tst_inputbox.moc"
