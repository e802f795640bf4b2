// Checks the main window form against the command inventory: names, captions,
// short-cuts, check marks, menu tree, tool buttons and their images.
#include "ui_MainForm.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QtTest>
#include "SourceTree.h"

static void initImages()
{
    // The resources live in a static library; nothing else references them.
    Q_INIT_RESOURCE(images);
}

class TestMainFormInventory : public QObject
{
    Q_OBJECT

    QMainWindow window;
    Ui::TMainForm ui;

    QAction *action(const QString &name) const { return window.findChild<QAction *>(name); }
    QMenu *menu(const QString &name) const { return window.findChild<QMenu *>(name); }
    QToolButton *button(const QString &name) const { return window.findChild<QToolButton *>(name); }

    // The object a menu entry stands for: an item, or a sub-menu's own entry.
    QAction *entry(const QString &name) const
    {
        if (QMenu *m = menu(name))
            return m->menuAction();
        return action(name);
    }

    // Text as the user sees it: tool tips that look like rich text are rendered.
    static QString shownTip(const QString &tip)
    {
        return Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText() : tip;
    }
    static QString shownText(QString text)
    {
        text.replace(QLatin1String("&&"), QString(QChar(1)));
        text.remove(QLatin1Char('&'));
        return text.replace(QChar(1), QLatin1Char('&'));
    }

    QList<QToolButton *> buttonsIn(QWidget *container) const
    {
        QList<QToolButton *> result;
        for (QToolButton *b : container->findChildren<QToolButton *>())
            if (!qobject_cast<QTabBar *>(b->parent())) // the tab bar's own scroll arrows
                result << b;
        return result;
    }

private Q_SLOTS:
    void initTestCase()
    {
        initImages();
        ui.setupUi(&window);
    }

    void actions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<int>("checked"); // -1 not checkable
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("visible");
        auto row = [](const char *name, const char *text, const char *sc, int checked = -1, bool enabled = true,
                      bool visible = true) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(text) << QString::fromLatin1(sc)
                                << checked << enabled << visible;
        };
        row("FileNew", "新規(&N)", "Ctrl+N");
        row("FileOpen", "開く(&O)...", "Ctrl+O");
        row("HisBlank", "(なし)", "", -1, false);
        row("N8", "(なし)", "", -1, false);
        row("OpenHome", "ホームフォルダを開く(&M)...", "");
        row("FileProperty", "プロパティ(&P)...", "Alt+P", -1, false);
        row("FileSave", "保存(&S)", "Ctrl+S", -1, false);
        row("FileSaveAs", "名前を付けて保存(&A)...", "", -1, false);
        row("FileReopenSjis", "Shift_JIS で開き直す(&J)", "", -1, false);
        row("FileReopenUtf8", "UTF-8 で開き直す(&U)", "", -1, false);
        row("FileSaveSjis", "Shift_JIS で保存(&S)", "", 0, false);
        row("FileSaveUtf8", "UTF-8 で保存(&8)", "", 0, false);
        row("FileSaveUtf8Bom", "UTF-8 (BOM) で保存(&B)", "", 0, false);
        row("FileCrLf", "改行を CRLF で保存(&C)", "", 0, false);
        row("FileLf", "改行を LF で保存(&L)", "", 0, false);
        row("OptDetectEncoding", "文字コードを判別する(&K)", "", 0);
        row("NewSjis", "Shift_JIS(&S)", "", 0);
        row("NewUtf8Bom", "UTF-8 (BOM)(&B)", "", 0);
        row("NewLf", "LF(&L)", "", 0);
        row("FileClose", "閉じる(&C)", "Ctrl+F4", -1, false);
        row("FileAllClose", "すべて閉じる(&L)", "", -1, false);
        row("FileExit", "終了(&X)", "");
        row("EditUndo", "元に戻す(&U)", "Ctrl+Z", -1, false);
        row("EditLineCopy", "行コピー(&W)", "Ctrl+W", -1, false);
        row("EditIndent", "インデント(&I)", "Ctrl+Shift+I", -1, false);
        row("EditUnIndent", "アンインデント(&N)", "Ctrl+Shift+U", -1, false);
        row("SearchReplace", "置き換え(&R)...", "Ctrl+R", -1, false);
        row("SearchNext", "次を検索(&N)", "", -1, false);
        row("SearchPrev", "前を検索(&P)", "", -1, false);
        row("EditRedo", "やり直し(&R)", "Ctrl+Y", -1, false, false);
        row("OptLineNumbers", "行番号を表示(&N)", "", 0);
        row("OptMultiUndo", "元に戻すを多段階にする(&U)", "", 0);
        row("HtmlBasic", "ページ情報(&H)...", "Ctrl+H", -1, false);
        row("PopHtmlBasic", "ページ情報(&H)...", "");
        row("HtmlPrevMain", "プレビュー（&1）", "", -1, false);
        row("HtmlPrevSub", "プレビュー（&2）", "", -1, false);
        row("TagUpper", "大文字(&U)", "", 0);
        row("StyleLower", "小文字(&L)", "", 1);
        row("Width2", "&2", "", 1);
        row("Width8", "&8", "", 0);
        row("OptWordWrap", "ワードラップ(&W)", "", 1, false);
        row("OptToolBar", "ツールバー(&T)", "", 1);
        row("HtmlBar", "HTMLツールバー(&B)", "", 1);
        row("OptPreview", "プレビューブラウザ(&P)...", "");
        row("HelpContents", "目次(&C)", "F1");
        row("HelpAbout", "バージョン情報(&A)...", "");
        row("PopNew", "新規", "");
        row("PopSaveAs", "別名保存...", "");
        row("PopCloseAll", "すべて閉じる", "");
        row("PopProperty", "プロパティ...", "");
        row("HTBPos1", "(&1) ツールバー：上  ページタブ：上", "", 1);
        row("HTBPos4", "(&4) ツールバー：下  ページタブ：下", "", 0);
        row("fBold", "太字(&B)", "Ctrl+B");
        row("s1", "<", "Ctrl+,");
        row("s2", ">", "Ctrl+.");
        row("s3", "\"", "Ctrl+2");
        row("s4", "＆", "Ctrl+6");
        row("s9", "スペース", "Ctrl+Space");
        row("aBR", "改行(&R)", "Shift+Return");
        row("dCenter", "中(&C)", "Ctrl+Shift+C");
        row("aComment", "コメント(&C)", "Ctrl+F9");
        row("TblTRD", "<TR> with <T&D>", "");
        row("N3", "<TR> with <TD>", "");
        row("T1", "<TR> with <TH>", "");
        row("PopArngComment", "コメントにする <!-- -->", "");
        row("lnkFile", "別ファイルへ(&O)...", "Ctrl+L");
        row("TableWizard", "テーブル(&T)...", "Ctrl+T");
        row("imgHRWizard", "水平線(指定)(&H)...", "");
        row("family1", "f&amily...", "", -1, true);
        row("H1", "ヘッダ宣言(&H)", "", -1, false);
        row("ToolTagTemplate", "タグテンプレート(&P)", "Ctrl+Return", -1, false);
        row("ToolEditTagTemplate", "タグテンプレート編集(&E)...", "");
        row("HtmlPrevMain1", "プレビュー（メイン）", "");
        row("PFindFind", "検索...", "");
    }

    void actions()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, shortcut);
        QFETCH(int, checked);
        QFETCH(bool, enabled);
        QFETCH(bool, visible);
        QAction *a = action(name);
        QVERIFY2(a, qPrintable(name));
        QCOMPARE(a->text(), text);
        QCOMPARE(a->shortcut(), QKeySequence(shortcut));
        QCOMPARE(a->isCheckable(), checked >= 0);
        QCOMPARE(a->isChecked(), checked == 1);
        QCOMPARE(a->isEnabled(), enabled);
        QCOMPARE(a->isVisible(), visible);
    }

    void placement_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("title"); // sub-menus only
        QTest::addColumn<int>("index");     // -1: anywhere in the parent
        auto row = [](const char *name, const char *parent, const char *title = "", int index = -1) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(parent) << QString::fromUtf8(title)
                                << index;
        };
        row("FileHistory", "MenuFile", "ヒストリ(&H)");
        row("MenuFileSet", "MenuFile", "ファイルセットく(&F)");
        row("MenuEncoding", "MenuFile", "文字コード(&K)", 11);
        row("FileReopenSjis", "MenuEncoding", "", 0);
        row("FileLf", "MenuEncoding", "", 8);
        row("OptNewEncoding", "MenuOption", "新規文書の文字コード(&J)");
        row("NewLf", "OptNewEncoding", "", 5);
        row("HisBlank", "FileHistory", "", 0);
        row("N8", "MenuFileSet", "", 0);
        row("HtmlFont", "MenuHtml", "文字(&F)", 0);
        row("HtmlFrame", "MenuHtml", "フレーム(&R)", 6);
        row("FontSpecial", "HtmlFont", "特殊文字(&S)");
        row("s9", "FontSpecial");
        row("dRight", "ArrangeDiv");
        row("lineheight1", "MenuCSS");
        row("background1", "MenuCSS", "&background-");
        row("image1", "background1");
        row("TagType", "MenuOption", "タグ入力形式(&I)");
        row("TagLower", "TagType");
        row("StyleType", "MenuOption", "スタイルシート入力形式(&E)");
        row("OptTabWidth", "MenuOption", "タブ幅(&B)");
        row("Width2", "OptTabWidth", "", 0);
        row("Width8", "OptTabWidth", "", 6);
        row("TagReg", "ToolTag", "", 0);
        row("TempProperty", "ToolTemp", "", 0);
        row("LinkFile", "MenuSearch");
        row("PopNew", "PagePopup", "", 0);
        row("HTBPos4", "HTBPopup", "", 3);
        row("HtmlPrevMain1", "MemoPopup");
        row("PopHtmlBasic", "PopHtml");
        row("PoplnkFile", "PopLink");
        row("PopLink", "PopHtml", "リンク");
        row("PopFontSpecial", "PopFont", "特殊文字");
        row("Pops9", "PopFontSpecial");
        row("PopJumpToLink", "PopFind");
    }

    void placement()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QString, title);
        QFETCH(int, index);
        QAction *e = entry(name);
        QVERIFY2(e, qPrintable(name));
        if (QMenu *sub = menu(name))
            QCOMPARE(sub->title(), title);
        QMenu *owner = menu(parent);
        QVERIFY2(owner, qPrintable(parent));
        const QList<QAction *> items = owner->actions();
        QVERIFY2(items.contains(e), qPrintable(name + QLatin1String(" not in ") + parent));
        if (index >= 0)
            QCOMPARE(items.indexOf(e), index);
    }

    void menuBar()
    {
        QCOMPARE(window.menuBar(), ui.MainMenu);
        const QStringList expected{QStringLiteral("MenuFile"), QStringLiteral("MenuEdit"), QStringLiteral("MenuSearch"),
                                   QStringLiteral("MenuHtml"), QStringLiteral("MenuCSS"),  QStringLiteral("MenuTool"),
                                   QStringLiteral("MenuOption"), QStringLiteral("MenuHelp")};
        QStringList names, titles;
        for (QAction *a : ui.MainMenu->actions()) {
            names << (a->menu() ? a->menu()->objectName() : a->objectName());
            titles << a->text();
        }
        QCOMPARE(names, expected);
        QCOMPARE(titles, (QStringList{QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                                      QStringLiteral("検索(&S)"), QStringLiteral("HTML(&M)"), QStringLiteral("CSS(&C)"),
                                      QStringLiteral("ツール(&T)"), QStringLiteral("設定(&O)"),
                                      QStringLiteral("ヘルプ(&H)")}));
        for (const char *popup : {"PagePopup", "MemoPopup", "HTBPopup"}) {
            QMenu *m = menu(QString::fromLatin1(popup));
            QVERIFY2(m, popup);
            QVERIFY2(!ui.MainMenu->actions().contains(m->menuAction()), popup);
            QVERIFY(!m->isVisible());
        }
    }

    // The Tool menu's enabling addresses its entries by position.
    void toolMenuPositions()
    {
        const QList<QAction *> items = ui.MenuTool->actions();
        QCOMPARE(items.size(), 11);
        QCOMPARE(items.at(0), ui.ToolTag->menuAction());
        QCOMPARE(items.at(1), ui.ToolTemp->menuAction());
        QCOMPARE(items.at(2), ui.AddTemp);
        QCOMPARE(items.at(9), ui.ToolTagTemplate);
        QCOMPARE(items.at(10), ui.ToolEditTagTemplate);
        for (int i = 2; i <= 9; ++i)
            QVERIFY2(items.at(i)->isSeparator() || !items.at(i)->isEnabled(), qPrintable(QString::number(i)));
    }

    void htmlPages()
    {
        const QStringList names{QStringLiteral("TabSheet1"), QStringLiteral("TabSheet2"), QStringLiteral("TabSheet4"),
                                QStringLiteral("TabSheet7"), QStringLiteral("TabSheet3"), QStringLiteral("TabSheet5"),
                                QStringLiteral("TabSheet8")};
        const QStringList titles{QStringLiteral("文字"), QStringLiteral("整形"), QStringLiteral("リスト"),
                                 QStringLiteral("テーブル"), QStringLiteral("リンク"), QStringLiteral("イメージ"),
                                 QStringLiteral("フレーム")};
        const QList<int> buttonCounts{14, 10, 8, 7, 7, 7, 3};
        QCOMPARE(ui.HtmlPage->count(), names.size());
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(ui.HtmlPage->widget(i)->objectName(), names.at(i));
            QCOMPARE(ui.HtmlPage->tabText(i), titles.at(i));
            QCOMPARE(buttonsIn(ui.HtmlPage->widget(i)).size(), buttonCounts.at(i));
        }
        QCOMPARE(buttonsIn(ui.ToolBar).size(), 13);
        QCOMPARE(buttonsIn(ui.Panel).size(), 11);
        QCOMPARE(ui.PageControl->count(), 0);
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("text"); // empty: an image
        QTest::addColumn<bool>("enabled");
        auto row = [](const char *name, const char *hint, const char *text = "", bool enabled = true) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(hint) << QString::fromUtf8(text)
                                << enabled;
        };
        row("FileNewSpeed", "新しく作る");
        row("FileOpenSpeed", "開く");
        row("FileSet2Spd", "ファイルセットを開く");
        row("FileSaveSpeed", "保存", "", false);
        row("EditUndoSpeed", "元に戻す", "", false);
        row("EditCutSpd", "切り取り", "", false);
        row("EditCopySpd", "コピー", "", false);
        row("EditPasteSpeed", "貼り付け", "", false);
        row("ViewFontSpeed", "フォントの設定", "F", false);
        row("ViewColorSpeed", "表示色の設定", "", false);
        row("HtmlBarSpd", "HTMLツールバー", "", false);
        row("HelpSpd", "ヘルプ");
        row("ExitSpd", "終了");
        row("PreviewSpd", "プレビュー（メイン）");
        row("Preview2Spd", "プレビュー（サブ）");
        row("OpenHomeSpd", "ホームフォルダを開く");
        row("HtmlBasicSpd", "HTMLの設定");
        row("UpperSpd", "大文字に変換", "AA");
        row("LowerSpd", "小文字に変換", "aa");
        row("CustomTagSpd", "カスタムタグ入力", "< >");
        row("TemplateSpd", "テンプレート入力");
        row("TagCutSpd", "タグカット", "< >");
        row("FontSpd", "フォントウィザード", "F");
        row("fColorSpd", "色を指定\n<FONT COLOR>");
        row("fSizeSpd", "サイズを指定\n<FONT SIZE>", "+-");
        row("fAndSpd", "特殊文字\n&amp;", "&");
        row("fDqSpd", "特殊文字\n&quot;", "\"");
        row("CmntSpd", "コメント", "<!");
        row("aHeaderSpd", "見出し <Hn>");
        row("ListSpd", "リストウィザード");
        row("TableSpd", "テーブルウィザード");
        row("SpeedButton2", "行とセル\n<TR> with <TD>", "TRD");
        row("lnkFileSpd", "いろいろなファイルへのリンク");
        row("lnkJumpMarkSpd", "このファイルのマーカーへジャンプ");
        row("imgPictureSpd", "画像を表示 <IMG>");
        row("imgHRWizardSpd", "<HR> with Options", "-");
        row("FrmOptSpd", "タグオプション");
    }

    void buttons()
    {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        QToolButton *b = button(name);
        QVERIFY2(b, qPrintable(name));
        QCOMPARE(shownTip(b->toolTip()), hint);
        if (text.isEmpty()) {
            QVERIFY(!b->icon().isNull());
            QCOMPARE(b->toolButtonStyle(), Qt::ToolButtonIconOnly);
        } else {
            QCOMPARE(shownText(b->text()), text);
            QCOMPARE(b->toolButtonStyle(), Qt::ToolButtonTextOnly);
        }
        QCOMPARE(b->isEnabled(), enabled);
    }

    void everyButtonIsLabelled()
    {
        for (QWidget *container : {static_cast<QWidget *>(ui.ToolBar), static_cast<QWidget *>(ui.Panel),
                                   static_cast<QWidget *>(ui.HtmlPage)}) {
            for (QToolButton *b : buttonsIn(container)) {
                const QString what = b->objectName();
                QVERIFY2(!b->toolTip().isEmpty(), qPrintable(what));
                QVERIFY2(!b->text().isEmpty() || !b->icon().isNull(), qPrintable(what));
                if (b->toolButtonStyle() == Qt::ToolButtonTextOnly)
                    QVERIFY2(!b->text().isEmpty(), qPrintable(what));
                else
                    QVERIFY2(!b->icon().pixmap(16, 16).isNull(), qPrintable(what));
                QVERIFY2(b->autoRaise(), qPrintable(what));
                QCOMPARE(b->minimumSize(), QSize(25, 25));
                QCOMPARE(b->maximumSize(), QSize(25, 25));
            }
        }
    }

    // Every image the form names is compiled in and draws something.
    void iconResourcesExist()
    {
        QFile form(SourceTree::path(u"forms/MainForm.ui"));
        QVERIFY(form.open(QIODevice::ReadOnly));
        const QString xml = QString::fromUtf8(form.readAll());
        QSet<QString> paths;
        for (const QRegularExpressionMatch &m :
             QRegularExpression(QStringLiteral(":/images/[A-Za-z0-9_]+\\.svg")).globalMatch(xml))
            paths.insert(m.captured());
        const QStringList files =
            QDir(SourceTree::path(u"forms/images")).entryList({QStringLiteral("*.svg")});
        QVERIFY(!paths.isEmpty());
        for (const QString &f : files)
            QVERIFY2(QFile::exists(QLatin1String(":/images/") + f), qPrintable(f + QLatin1String(" not in images.qrc")));
        for (const QString &path : std::as_const(paths)) {
            QVERIFY2(QFile::exists(path), qPrintable(path));
            const QImage image = QIcon(path).pixmap(16, 16).toImage();
            QVERIFY2(!image.isNull(), qPrintable(path));
            int opaque = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    opaque += qAlpha(image.pixel(x, y)) > 128;
            QVERIFY2(opaque > 20, qPrintable(path));
        }
    }

    // Two actions of one window with the same key would both go dead.
    void shortcutsAreUnique()
    {
        QHash<QString, QString> seen;
        for (QAction *a : window.findChildren<QAction *>()) {
            if (a->shortcut().isEmpty())
                continue;
            const QString key = a->shortcut().toString();
            QVERIFY2(!seen.contains(key), qPrintable(key + QLatin1Char(' ') + seen.value(key) + QLatin1Char('/')
                                                      + a->objectName()));
            seen.insert(key, a->objectName());
        }
        QVERIFY(seen.size() > 30);
    }

    void everyActionIsInAMenu()
    {
        int count = 0;
        for (QAction *a : window.findChildren<QAction *>()) {
            if (a->objectName().isEmpty() || a->menu() || a->isSeparator())
                continue;
            ++count;
            bool inMenu = false;
            for (QObject *o : a->associatedObjects())
                inMenu = inMenu || qobject_cast<QMenu *>(o);
            QVERIFY2(inMenu, qPrintable(a->objectName()));
        }
        QVERIFY(count > 200);
    }

    void startState()
    {
        QCOMPARE(window.windowTitle(), QStringLiteral("Tagwell"));
        QCOMPARE(window.size(), QSize(617, 432));
        QVERIFY(ui.ToolPanel->isHidden());
        QVERIFY(!ui.ToolBar->isHidden());
        QCOMPARE(ui.ToolBar->maximumHeight(), 30);
        QCOMPARE(ui.ToolPanel->maximumHeight(), 53);
        QCOMPARE(ui.Panel->maximumWidth(), 158);
        QVERIFY(ui.HtmlBarSpd->isCheckable());
        QVERIFY(!ui.HtmlBarSpd->isChecked());
        QCOMPARE(window.statusBar(), ui.StatusBar);
        // Items that need a document start disabled; sub-menus stay enabled widgets so
        // that their entries can be switched through menuAction() alone.
        for (QMenu *m : {ui.MenuHtml, ui.MenuCSS, ui.MenuEdit, ui.MenuSearch}) {
            for (QAction *a : m->actions()) {
                if (a->menu())
                    QVERIFY2(a->menu()->isEnabled(), qPrintable(a->text()));
                else
                    QVERIFY2(a->isSeparator() || !a->isEnabled(), qPrintable(a->text()));
            }
        }
        // Radio-style groups keep one mark.
        ui.Width5->trigger();
        QVERIFY(ui.Width5->isChecked());
        QVERIFY(!ui.Width2->isChecked());
        ui.Width2->trigger();
        QVERIFY(!ui.Width5->isChecked());
    }
};

QTEST_MAIN(TestMainFormInventory)
#include "tst_mainform_inventory.moc"
