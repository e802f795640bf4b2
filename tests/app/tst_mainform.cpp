// The shell's flows: settings at start and shutdown, documents, prompts, tabs.
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "platform/ProfileStore.h"

#include "ui_MainForm.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using Answer = Platform::Answer;

namespace {
Platform::FileAnswer files(const QStringList &names, int filter = 0)
{
    Platform::FileAnswer a;
    a.files = names;
    a.filterIndex = filter;
    return a;
}

void typeInto(EditBox *box, const QString &text)
{
    QTextCursor c = box->textCursor();
    c.insertText(text);
    box->setTextCursor(c);
}

QStringList captions(TMainForm &f)
{
    QStringList out;
    for (int i = 0; i < f.tabCount(); ++i)
        out << f.TabCaptionOf(i);
    return out;
}

QAction *action(TMainForm &f, const char *name)
{
    return f.findChild<QAction *>(QLatin1String(name));
}
} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void firstStartUsesEveryDefaultAndWritesNothing()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        QCOMPARE(f.size(), QSize(650, 550));
        QCOMPARE(f.pos(), QPoint(100, 100));
        QCOMPARE(f.tagCase(), 1);
        QCOMPARE(f.styleCase(), 0);
        QCOMPARE(f.wordWrap(), 0);
        QCOMPARE(f.tabSpaces(), QStringLiteral("  "));
        QVERIFY(action(f, "Width2")->isChecked());
        QVERIFY(action(f, "TagUpper")->isChecked());
        QVERIFY(action(f, "StyleLower")->isChecked());
        QVERIFY(!f.form()->ToolBar->isHidden());
        QCOMPARE(f.htmlBarTag(), 1);
        QCOMPARE(f.htmlPagePosition(), 0);
        QCOMPARE(action(f, "HtmlPrevMain")->shortcut(), QKeySequence(Qt::Key_F9));
        QCOMPARE(action(f, "HtmlPrevSub")->shortcut(), QKeySequence(Qt::Key_F10));
        QCOMPARE(f.customColors().size(), 16);
        QCOMPARE(f.customColors().first(), QStringLiteral("FFFFFFFF"));
        QCOMPARE(f.statusText(0), QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
        QCOMPARE(f.windowTitle(), QStringLiteral("Tagwell"));
        QVERIFY(f.form()->ToolPanel->isHidden());
        QVERIFY(!f.form()->FileSaveSpeed->isEnabled());
        QVERIFY(!f.form()->EditUndoSpeed->isEnabled());
        QVERIFY(!QFile::exists(fx.path(QStringLiteral("TW.ini"))));
        QVERIFY(QDir(fx.path(QStringLiteral("Temp"))).exists());
    }

    void storedSettingsAreApplied()
    {
        ShellFixture fx("[Memo]\r\nCase=0\r\nTab=4\r\nWordWrap=1\r\n[Form]\r\nTop=-1\r\nToolBar=0\r\nHtmlBar=0\r\n"
                        "[KeyDefine]\r\n00000=0\r\n00001=12\r\n[Custom]\r\nColorA=808022\r\n");
        TMainForm &f = fx.form();
        QCOMPARE(f.tagCase(), 0);
        QVERIFY(action(f, "TagLower")->isChecked());
        QCOMPARE(f.tabSpaces(), QStringLiteral("      "));
        QVERIFY(action(f, "Width6")->isChecked());
        QVERIFY(f.windowState() & Qt::WindowMaximized);
        QVERIFY(f.form()->ToolBar->isHidden());
        QVERIFY(action(f, "HtmlPrevMain")->shortcut().isEmpty());
        QVERIFY(action(f, "HtmlPrevSub")->shortcut().isEmpty());
        QCOMPARE(f.customColors().first(), QStringLiteral("808022"));
        f.FileNewClick();
        QVERIFY(f.form()->ToolPanel->isHidden()); // the HTML tool bar is not wanted
        QCOMPARE(f.activeBox()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }

    void shutdownWritesTheSettings()
    {
        ShellFixture fx("; kept\r\n[Form]\r\nHeight=300\r\nWidth=400\r\nLeft=7\r\n[Other]\r\nx=1\r\n");
        TMainForm &f = fx.form();
        f.SetTabWidth(3);
        f.customColors()[1] = QStringLiteral("00FF00");
        f.showMaximized();
        QVERIFY(f.close());
        ProfileStore ini(fx.path(QStringLiteral("TW.ini")));
        QCOMPARE(ini.readString(QStringLiteral("Tagwell"), QStringLiteral("Version")), QStringLiteral("0.92"));
        QCOMPARE(ini.readInteger(QStringLiteral("Form"), QStringLiteral("Top"), 0), -1);
        QCOMPARE(ini.readInteger(QStringLiteral("Form"), QStringLiteral("Height"), 0), 300);
        QCOMPARE(ini.readInteger(QStringLiteral("Form"), QStringLiteral("Left"), 0), 7);
        QCOMPARE(ini.readInteger(QStringLiteral("Memo"), QStringLiteral("Tab"), 0), 3);
        QCOMPARE(ini.readInteger(QStringLiteral("Form"), QStringLiteral("ToolBar"), 9), 1);
        QCOMPARE(ini.readInteger(QStringLiteral("Form"), QStringLiteral("HtmlBar"), 9), 1);
        QCOMPARE(ini.readInteger(QStringLiteral("HtmlBar"), QStringLiteral("Position"), 9), 0);
        QCOMPARE(ini.readString(QStringLiteral("Custom"), QStringLiteral("ColorA")), QStringLiteral("FFFFFFFF"));
        QCOMPARE(ini.readString(QStringLiteral("Custom"), QStringLiteral("ColorB")), QStringLiteral("00FF00"));
        QCOMPARE(ini.keyNames(QStringLiteral("Custom")).size(), 16);
        const QByteArray bytes = ShellFixture::readFile(ini.path());
        QVERIFY(bytes.startsWith("; kept\r\n[Form]\r\n"));
        QVERIFY(bytes.contains("[Other]\r\nx=1\r\n"));
        fx.restart();
        QVERIFY(fx.form().windowState() & Qt::WindowMaximized);
    }

    void newTabsAndTitles()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        f.FileNewClick();
        QCOMPARE(captions(f), QStringList({"NewPage", "NewPage"}));
        QCOMPARE(f.documentNames(), QStringList({"NewPage", "NewPage"}));
        QCOMPARE(f.windowTitle(), QStringLiteral("Tagwell - NewPage"));
        QCOMPARE(f.applicationTitle(), QStringLiteral("NewPage - Tagwell"));
        QCOMPARE(f.statusText(2), QStringLiteral("2/2"));
        QVERIFY(!f.form()->ToolPanel->isHidden());
        QVERIFY(f.form()->HtmlBarSpd->isChecked());
        QVERIFY(f.form()->EditUndoSpeed->isEnabled() == f.isBuilt(f.form()->EditUndoSpeed));
        typeInto(f.activeBox(), QStringLiteral("x"));
        QCOMPARE(f.statusText(1), QStringLiteral("変更あり"));
        QVERIFY(f.form()->FileSaveSpeed->isEnabled());
        QVERIFY(action(f, "FileSave")->isEnabled()); // current without opening the menu
    }

    void boxesHaveTheirMarginsBeforeTheTextGoesIn()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QString p = fx.writeFile(QStringLiteral("m.html"), "<P>text</P>\r\n");
        // Margins set after a long text is in would lay it all out a second time.
        // The viewport's inset from the box's frame, left and right.
        auto sides = [](const EditBox *box) {
            const QRect inner = box->contentsRect();
            const QRect view = box->viewport()->geometry();
            return std::make_pair(view.left() - inner.left(), inner.right() - view.right() - box->verticalScrollBar()->width() * box->verticalScrollBar()->isVisibleTo(box));
        };
        std::pair<int, int> atCreation;
        qreal documentMargin = -1;
        connect(&f.events(), &HostEvents::editBoxCreated, this, [&](QWidget *w) {
            auto *box = static_cast<EditBox *>(w);
            atCreation = sides(box);
            documentMargin = box->document()->documentMargin();
        });
        f.OpenDocument(p);
        QCOMPARE(atCreation, std::make_pair(2, 2));
        QCOMPARE(documentMargin, 4.0);
        QCOMPARE(sides(f.activeBox()), std::make_pair(2, 2));
        f.resize(f.width() + 40, f.height());
        QCOMPARE(sides(f.activeBox()), std::make_pair(2, 2));
    }

    void openSortsChecksAndRefusesDuplicates()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QString a = fx.writeFile(QStringLiteral("a.html"), "A");
        const QString b = fx.writeFile(QStringLiteral("b.html"), "B");
        const QString c = fx.writeFile(QStringLiteral("c.html"), "C");
        fx.platform().fileAnswers.push_back(files({c, a, b}));
        f.FileOpenClick();
        QCOMPARE(captions(f), QStringList({"a.html", "b.html", "c.html"}));
        QCOMPARE(f.ActiveDocumentName(), c);
        QCOMPARE(fx.platform().fileCalls.last().request.title, QStringLiteral("ファイルを開く"));
        QCOMPARE(fx.platform().fileCalls.last().request.folder, fx.folder()); // the document's folder
        fx.platform().fileAnswers.push_back(files({a}));
        f.FileOpenClick();
        QCOMPARE(f.tabCount(), 3);
        QCOMPARE(f.ActiveDocumentName(), c);
        QCOMPARE(fx.platform().messages.last().text, QStringLiteral("\"a.html\" は編集中です。"));
        QCOMPARE(fx.platform().messages.last().topLeft, std::optional<QPoint>(QPoint(f.x() + 180, f.y() + 150)));
        // Tab c browsed once from its own folder; after that the dialog starts where the
        // user last was, and lists ".doc" with the text files.
        QCOMPARE(fx.platform().fileCalls.last().request.folder, fx.folder());
        fx.platform().fileAnswers.push_back(files({}));
        f.FileOpenClick(); // cancelled
        QCOMPARE(f.tabCount(), 3);
        QVERIFY(fx.platform().fileCalls.last().request.folder.isEmpty());
        QVERIFY(fx.platform().fileCalls.last().request.filters.at(1).contains(QLatin1String("*.doc")));
    }

    void loadingNormalisesAndSavingWritesCrLf()
    {
        ShellFixture fx("[Memo]\r\nTab=2\r\n");
        TMainForm &f = fx.form();
        const QByteArray sjis("\x82\xa0\t\x82\xa2\nline2\rline3\r\nend");
        const QString p = fx.writeFile(QStringLiteral("t.html"), sjis);
        f.OpenDocument(p);
        EditBox *box = f.activeBox();
        QCOMPARE(box->text(), QStringLiteral("あ    い\nline2\nline3\nend"));
        QVERIFY(!box->isModified());
        QCOMPARE(box->selStart(), 0);
        typeInto(box, QStringLiteral("x"));
        f.FileSaveClick();
        QCOMPARE(ShellFixture::readFile(p), QByteArray("x\x82\xa0    \x82\xa2\r\nline2\r\nline3\r\nend"));
        QVERIFY(!box->isModified());
        QCOMPARE(f.statusText(1), QString());
    }

    void invalidAndDuplicateBytesSurviveASave()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QByteArray odd("a\x80\xff\x81 b\r\n\x87\x90", 10); // invalid bytes and an NEC duplicate
        const QString p = fx.writeFile(QStringLiteral("odd.txt"), odd);
        f.OpenDocument(p);
        QCOMPARE(fx.platform().messages.size(), 1); // told once about the duplicate
        typeInto(f.activeBox(), QStringLiteral("z"));
        f.FileSaveClick();
        const QByteArray saved = ShellFixture::readFile(p);
        QVERIFY(saved.startsWith(QByteArray("za\x80\xff\x81 b\r\n", 9)));
        QCOMPARE(saved.size(), odd.size() + 1);
    }

    void saveUntitledRunsSaveAsAndCompletesTheName()
    {
        ShellFixture fx("[HomeFolder]\r\nPath=/home/somewhere/\r\n");
        TMainForm &f = fx.form();
        f.FileNewClick();
        typeInto(f.activeBox(), QStringLiteral("<P>"));
        fx.platform().fileAnswers.push_back(files({fx.path(QStringLiteral("index"))}, 0));
        f.FileSaveClick();
        const auto &call = fx.platform().fileCalls.last();
        QVERIFY(call.save);
        QCOMPARE(call.request.folder, QStringLiteral("/home/somewhere/"));
        QCOMPARE(call.request.fileName, QStringLiteral("NewPage"));
        QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("index.html"))), QByteArray("<P>"));
        QCOMPARE(captions(f), QStringList({"index.html"}));
        QCOMPARE(f.ActiveDocumentName(), fx.path(QStringLiteral("index.html")));
        QVERIFY(!f.activeBox()->isModified());
        // A completed name that exists is not replaced unasked.
        typeInto(f.activeBox(), QStringLiteral("more"));
        f.FileNewClick();
        typeInto(f.activeBox(), QStringLiteral("other"));
        fx.platform().fileAnswers.push_back(files({fx.path(QStringLiteral("index"))}, 0));
        fx.platform().messageAnswers.push_back(Answer::No);
        f.FileSaveAsClick();
        QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("index.html"))), QByteArray("<P>"));
        QCOMPARE(f.ActiveDocumentName(), QStringLiteral("NewPage"));
        QVERIFY(fx.platform().messages.last().text.contains(QLatin1String("index.html")));
        // The text file filter completes with ".txt"; "その他" keeps the name.
        fx.platform().fileAnswers.push_back(files({fx.path(QStringLiteral("plain"))}, 2));
        f.FileSaveAsClick();
        QCOMPARE(f.ActiveDocumentName(), fx.path(QStringLiteral("plain")));
    }

    void saveAsOfANamedDocumentOpensTheCopyBesideIt()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QString a = fx.writeFile(QStringLiteral("a.html"), "old");
        const QString z = fx.writeFile(QStringLiteral("z.html"), "z");
        f.OpenDocument(a);
        f.OpenDocument(z);
        f.selectTab(0);
        typeInto(f.activeBox(), QStringLiteral("new "));
        const QString b = fx.path(QStringLiteral("b.html"));
        fx.platform().fileAnswers.push_back(files({b}, 0));
        f.FileSaveAsClick();
        QCOMPARE(fx.platform().fileCalls.last().request.fileName, QStringLiteral("a.html"));
        QCOMPARE(captions(f), QStringList({"a.html", "b.html", "z.html"}));
        QCOMPARE(f.documentNames(), QStringList({a, b, z}));
        QCOMPARE(f.activeIndex(), 1);
        QVERIFY(!f.activeBox()->isModified());
        QCOMPARE(f.activeBox()->text(), QStringLiteral("new old"));
        QVERIFY(f.EditBoxOfTab(0)->isModified());
        QCOMPARE(ShellFixture::readFile(a), QByteArray("old"));
    }

    void closingActivatesTheNextTab()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        QStringList names;
        for (const char *n : {"1.txt", "2.txt", "3.txt"})
            names << fx.writeFile(QLatin1String(n), n);
        for (const QString &n : names)
            f.OpenDocument(n);
        f.selectTab(1);
        f.FileCloseClick();
        QCOMPARE(f.ActiveDocumentName(), names.at(2));
        QCOMPARE(f.statusText(2), QStringLiteral("2/2"));
        f.FileCloseClick(); // the rightmost: the first becomes active
        QCOMPARE(f.ActiveDocumentName(), names.at(0));
        QCOMPARE(f.statusText(2), QStringLiteral("1/1"));
        f.FileCloseClick();
        QCOMPARE(f.tabCount(), 0);
        QVERIFY(f.documentNames().isEmpty());
        QCOMPARE(f.windowTitle(), QStringLiteral("Tagwell"));
        QVERIFY(f.form()->ToolPanel->isHidden());
        for (const char *b : {"EditUndoSpeed", "EditCutSpd", "EditCopySpd", "EditPasteSpeed", "ViewFontSpeed",
                              "ViewColorSpeed", "HtmlBarSpd", "FileSaveSpeed"})
            QVERIFY2(!f.findChild<QToolButton *>(QLatin1String(b))->isEnabled(), b);
        f.FileCloseClick(); // nothing open: nothing happens
        f.FileSaveClick();
        QCOMPARE(f.tabCount(), 0);
    }

    void closePromptAnswers()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QString a = fx.writeFile(QStringLiteral("a.html"), "a");
        f.OpenDocument(a);
        typeInto(f.activeBox(), QStringLiteral("1"));
        fx.platform().messageAnswers.push_back(Answer::Cancel);
        f.FileCloseClick();
        QCOMPARE(f.tabCount(), 1);
        const auto &m = fx.platform().messages.last();
        QCOMPARE(m.text, QStringLiteral("\"a.html\"\r\nこのファイルは変更されています。\r\n保存しますか?"));
        QCOMPARE(m.title, QStringLiteral("情報"));
        QCOMPARE(m.buttons, Platform::Buttons::YesNoCancel);
        QCOMPARE(m.topLeft, std::optional<QPoint>(QPoint(f.width() / 2, f.height() / 2)));
        fx.platform().messageAnswers.push_back(Answer::Yes);
        f.FileCloseClick();
        QCOMPARE(f.tabCount(), 0);
        QCOMPARE(ShellFixture::readFile(a), QByteArray("1a"));
        // Untitled, yes, then the save dialog cancelled: the text is kept.
        f.FileNewClick();
        typeInto(f.activeBox(), QStringLiteral("precious"));
        fx.platform().messageAnswers.push_back(Answer::Yes);
        fx.platform().fileAnswers.push_back(files({}));
        f.FileCloseClick();
        QCOMPARE(f.tabCount(), 1);
        QCOMPARE(f.activeBox()->text(), QStringLiteral("precious"));
        fx.platform().messageAnswers.push_back(Answer::No);
        f.FileCloseClick();
        QCOMPARE(f.tabCount(), 0);
        QCOMPARE(fx.platform().unscripted, 0);
    }

    void closeAllStopsAtTheFirstCancel()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        for (int i = 0; i < 3; ++i) {
            f.FileNewClick();
            typeInto(f.activeBox(), QStringLiteral("t"));
        }
        f.selectTab(0);
        fx.platform().messageAnswers.push_back(Answer::Cancel);
        f.FileAllCloseClick();
        QCOMPARE(f.tabCount(), 3);
        QCOMPARE(fx.platform().messages.size(), 1);
        QVERIFY(fx.platform().messages.last().text.contains(QLatin1Char('\r')));
        QVERIFY(!fx.platform().messages.last().text.contains(QLatin1String("\r\n")));
        fx.platform().messageAnswers.insert(fx.platform().messageAnswers.end(), {Answer::No, Answer::No, Answer::No});
        f.FileAllCloseClick();
        QCOMPARE(f.tabCount(), 0);
    }

    void shutdownAsksAboutEachAndCanBeRefused()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QString a = fx.writeFile(QStringLiteral("a.html"), "a");
        const QString b = fx.writeFile(QStringLiteral("b.html"), "b");
        f.OpenDocument(a);
        typeInto(f.activeBox(), QStringLiteral("1"));
        f.OpenDocument(b);
        typeInto(f.activeBox(), QStringLiteral("2"));
        f.selectTab(0);
        fx.platform().messageAnswers.insert(fx.platform().messageAnswers.end(), {Answer::Yes, Answer::Cancel});
        QVERIFY(!f.close());
        QCOMPARE(fx.platform().messages.size(), 2);
        QCOMPARE(ShellFixture::readFile(a), QByteArray("1a"));
        QCOMPARE(captions(f), QStringList({"b.html"}));
        QVERIFY(!QFile::exists(fx.path(QStringLiteral("TW.ini"))));
        fx.platform().messageAnswers.push_back(Answer::No);
        QVERIFY(f.close());
        QVERIFY(QFile::exists(fx.path(QStringLiteral("TW.ini"))));
        QCOMPARE(ShellFixture::readFile(b), QByteArray("b"));
    }

    void ctrlTabWalksTheTabs()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        QKeyEvent one(QEvent::KeyPress, Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(!f.FormKeyDown(&one)); // one tab: not consumed
        f.FileNewClick();
        f.FileNewClick();
        QCOMPARE(f.activeIndex(), 2);
        QKeyEvent next(QEvent::KeyPress, Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(f.FormKeyDown(&next));
        QCOMPARE(f.activeIndex(), 0);
        QCOMPARE(f.statusText(2), QStringLiteral("1/3"));
        QKeyEvent back(QEvent::KeyPress, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(f.FormKeyDown(&back));
        QCOMPARE(f.activeIndex(), 2);
        QCOMPARE(f.activeBox(), f.EditBoxOfTab(2));
    }

    void commandLineFiles()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QString a = fx.writeFile(QStringLiteral("a.html"), "a");
        const QString b = fx.writeFile(QStringLiteral("b.html"), "b");
        QDir::setCurrent(fx.folder());
        f.openStartupFiles({QStringLiteral("a.html"), QStringLiteral("missing.html"), b});
        QCOMPARE(f.documentNames(), QStringList({a, b}));
        QCOMPARE(f.ActiveDocumentName(), a);
        QCOMPARE(fx.platform().messages.size(), 1);
        QVERIFY(fx.platform().messages.last().text.contains(fx.path(QStringLiteral("missing.html"))));
        // A folder is no document either.
        f.OpenDocument(fx.folder().chopped(1));
        QCOMPARE(f.tabCount(), 2);
        QCOMPARE(fx.platform().messages.size(), 2);
    }

    void unbuiltCommandsStayDisabled()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        f.MenuHtmlClick();
        f.MenuFileClick();
        QVERIFY(action(f, "FileClose")->isEnabled());
        QVERIFY(!action(f, "FileAllClose")->isEnabled());
        QVERIFY(action(f, "FileProperty")->isEnabled());
        const auto all = f.findChildren<QAction *>();
        for (QAction *a : all) {
            if (!a->menu() && !a->isSeparator() && !f.isBuilt(a))
                QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
        }
    }

    void fileSizeText_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << 0 << "0.0KB";
        QTest::newRow("500") << 500 << "0.50KB";
        QTest::newRow("1029") << 1029 << "1.5KB";
        QTest::newRow("1500") << 1500 << "1.47KB";
        QTest::newRow("1MiB") << 1048576 << "1024.0KB";
        QTest::newRow("3MiB") << 3145728 << "3.0MB";
    }
    void fileSizeText()
    {
        QFETCH(int, size);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString p = dir.filePath(QStringLiteral("f"));
        QFile file(p);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size));
        file.close();
        QCOMPARE(TMainForm::FileSizeText(p), text);
        QCOMPARE(TMainForm::FileSizeText(dir.filePath(QStringLiteral("none"))), QStringLiteral("不明"));
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
