// Fonts and colours, the home folder, the preview browsers and the property dialog.
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "platform/ProfileStore.h"
#include "userdata/settings/BrowserSetBox.h"
#include "userdata/settings/ColorBox.h"
#include "userdata/settings/HomeSet.h"
#include "userdata/settings/PropertyBox.h"
#include "userdata/settings/SettingsText.h"

#include "ui_BrowserSetBox.h"
#include "ui_ColorBox.h"
#include "ui_HomeSet.h"
#include "ui_MainForm.h"
#include "ui_PropertyBox.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTabBar>
#include <QTest>

// Checks inside the dialog scripts, which must return a result code.
int scriptFailures = 0;
#define EXPECT(cond)                                                                                                   \
    do {                                                                                                               \
        if (!(cond)) {                                                                                                 \
            qWarning("failed in a dialog script: %s", #cond);                                                          \
            ++scriptFailures;                                                                                          \
        }                                                                                                              \
    } while (0)

namespace {
QAction *action(TMainForm &f, const char *name)
{
    return f.findChild<QAction *>(QLatin1String(name));
}

QString iniValue(ShellFixture &fx, const char *section, const char *key, const QString &def = QStringLiteral("<none>"))
{
    return ProfileStore(fx.path(QStringLiteral("TW.ini"))).readString(QLatin1String(section), QLatin1String(key), def);
}

// An executable stand-in for a browser program.
QString program(ShellFixture &fx, const QString &name)
{
    const QString path = fx.writeFile(name, "#!/bin/sh\n");
    QFile(path).setPermissions(QFile::permissions(path) | QFileDevice::ExeOwner);
    return path;
}
} // namespace

class TestSettingsDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        const int failures = std::exchange(scriptFailures, 0);
        QCOMPARE(failures, 0);
    }

    void longNamesSplitAfterFiftyCharacters()
    {
        const QString fifty = QStringLiteral("/") + QString(39, QLatin1Char('d')) + QStringLiteral("/page.html");
        QCOMPARE(fifty.size(), 50);
        QCOMPARE(SettingsText::splitName(fifty).first, fifty);
        QVERIFY(SettingsText::splitName(fifty).more.isEmpty());
        const QString name = QStringLiteral("/") + QString(40, QLatin1Char('d')) + QStringLiteral("/page.html");
        const SettingsText::SplitName split = SettingsText::splitName(name);
        QCOMPARE(split.first, name.left(42) + QStringLiteral(".."));
        QCOMPARE(split.more, QStringLiteral("../page.html"));
        // A long folder is cut at 46 characters.
        const QString deep = QStringLiteral("/") + QString(60, QLatin1Char('d')) + QStringLiteral("/a.html");
        QCOMPARE(SettingsText::splitName(deep).first, deep.left(46) + QStringLiteral(".."));
        QCOMPARE(SettingsText::splitName(deep).more, QStringLiteral("../a.html"));
    }

    void titleScanStopsAtTheHeadsEnd()
    {
        using SettingsText::title;
        // One line holding everything still gives its title.
        QCOMPARE(title({QStringLiteral("<html><head><title>Mein Titel</title></head><body>")}),
                 std::optional<QString>(QStringLiteral("Mein Titel")));
        QCOMPARE(title({QStringLiteral("<TITLE>a"), QStringLiteral("b</TITLE>")}), std::optional<QString>(QString()));
        QCOMPARE(title({QStringLiteral("<BODY>"), QStringLiteral("<TITLE>late</TITLE>")}), std::optional<QString>());
        QCOMPARE(title({QStringLiteral("</head>"), QStringLiteral("<TITLE>late</TITLE>")}), std::optional<QString>());
        QCOMPARE(title({QStringLiteral("<p>"), QStringLiteral("<Title>日本語</TITLE>")}),
                 std::optional<QString>(QStringLiteral("日本語")));
        QCOMPARE(title({}), std::optional<QString>());
        QCOMPARE(SettingsText::linkCount({QStringLiteral("<a href=\"x\"><A HREF=y>"), QStringLiteral("<a  href=z><A HREF=")}), 3);
    }

    void styleCodesKeepOnlyBoldAndItalic()
    {
        QCOMPARE(SettingsText::fontStyleCode(true, false, false, false), 1);
        QCOMPARE(SettingsText::fontStyleCode(false, true, false, false), 2);
        QCOMPARE(SettingsText::fontStyleCode(true, true, false, false), 3);
        QCOMPARE(SettingsText::fontStyleCode(true, false, true, false), 0);
        QCOMPARE(SettingsText::fontStyleCode(false, true, false, true), 0);
    }

    void propertiesOfTheActivePage()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        QVERIFY(!action(f, "FileProperty")->isEnabled());
        const QString page = fx.writeFile(QStringLiteral("p.html"),
                                          "<HTML><HEAD><TITLE>Seite</TITLE></HEAD>\r\n<a href=\"a\">a</a><A HREF=b>\r\n</HTML>\r\n");
        f.OpenDocument(page);
        QString title, links, lines, name, mem, disk;
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            auto *box = qobject_cast<TPropertyBox *>(d);
            title = box->form()->TitleLabel->text();
            links = box->form()->LinkLabel->text();
            lines = box->form()->LineLabel->text();
            name = box->form()->FileNameLabel->text();
            mem = box->form()->MemSizeLabel->text();
            disk = box->form()->DiskSizeLabel->text();
            return int(QDialog::Rejected);
        });
        QVERIFY(action(f, "FileProperty")->isEnabled());
        QCOMPARE(action(f, "FileProperty")->shortcut(), QKeySequence(QStringLiteral("Alt+P")));
        action(f, "FileProperty")->trigger();
        QCOMPARE(fx.platform().unscripted, 0);
        QCOMPARE(title, QStringLiteral("Seite"));
        QCOMPARE(links, QStringLiteral("2"));
        QCOMPARE(lines, QStringLiteral("3"));
        QCOMPARE(mem, QStringLiteral("不明"));
        QVERIFY(!disk.isEmpty() && disk != QStringLiteral("不明"));
        QCOMPARE(name, page.size() <= 50 ? page : SettingsText::splitName(page).first);

        // An untitled page has no title and no file.
        f.FileNewClick();
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            auto *box = qobject_cast<TPropertyBox *>(d);
            title = box->form()->TitleLabel->text();
            disk = box->form()->DiskSizeLabel->text();
            return int(QDialog::Rejected);
        });
        action(f, "PopProperty")->trigger();
        QCOMPARE(title, QStringLiteral("不明"));
        QCOMPARE(disk, QStringLiteral("不明"));
    }

    void theProgramFolderAsHomeIsStoredAsNo()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        QVERIFY(QDir(fx.folder()).mkdir(QStringLiteral("site")));
        const QString site = fx.path(QStringLiteral("site"));
        // A folder that does not exist: the message, the program folder offered again.
        fx.platform().folderAnswers.push_back(site);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            auto *box = qobject_cast<THomeSet *>(d);
            EXPECT((box->form()->PathEdit->text()) == (fx.folder()));
            box->form()->PathEdit->setText(fx.path(QStringLiteral("gone")));
            box->OkBtnClick();
            if (box->result() == QDialog::Accepted)
                return int(QDialog::Accepted);
            EXPECT((box->form()->PathEdit->text()) == (fx.folder()));
            box->FindBtnClick();
            box->OkBtnClick();
            return box->result();
        });
        action(f, "OptHome")->trigger();
        QCOMPARE(fx.platform().messages.size(), 1);
        QCOMPARE(fx.platform().messages.first().text, QStringLiteral("指定したフォルダは存在しません。\r\nもう一度指定して下さい。"));
        QCOMPARE(iniValue(fx, "HomeFolder", "Path"), site);
        // The open dialog starts there at once.
        fx.platform().fileAnswers.push_back({});
        f.FileOpenClick();
        QCOMPARE(fx.platform().fileCalls.last().request.folder, site);

        // The program folder, as a chooser gives it (no trailing "/"), or "none".
        fx.platform().folderAnswers.push_back(QDir::cleanPath(fx.folder()));
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            auto *box = qobject_cast<THomeSet *>(d);
            EXPECT((box->form()->PathEdit->text()) == (site));
            box->FindBtnClick();
            box->OkBtnClick();
            return box->result();
        });
        action(f, "OptHome")->trigger();
        QCOMPARE(iniValue(fx, "HomeFolder", "Path"), QStringLiteral("No"));
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            auto *box = qobject_cast<THomeSet *>(d);
            box->form()->HomeChk->click();
            if (box->form()->PathEdit->isEnabled() || box->form()->FindBtn->isEnabled())
                return int(QDialog::Rejected);
            box->OkBtnClick();
            return box->result();
        });
        action(f, "OptHome")->trigger();
        QCOMPARE(iniValue(fx, "HomeFolder", "Path"), QStringLiteral("No"));

        // Help: an information message at the help button.
        QPoint helpAt;
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            auto *box = qobject_cast<THomeSet *>(d);
            box->show();
            helpAt = box->mapToGlobal(box->form()->HelpBtn->geometry().topLeft());
            QTest::mouseClick(box->form()->HelpBtn, Qt::LeftButton);
            return int(QDialog::Rejected);
        });
        const qsizetype before = fx.platform().messages.size();
        action(f, "OptHome")->trigger();
        QCOMPARE(fx.platform().messages.size(), before + 1);
        const ScriptedPlatform::Message &help = fx.platform().messages.last();
        QCOMPARE(help.text, QStringLiteral("ホームフォルダを指定すると\r\nとっても便利です。(笑)"));
        QCOMPARE(help.kind, Platform::MessageKind::Information);
        QCOMPARE(help.title, QStringLiteral("情報"));
        QCOMPARE(help.topLeft, std::optional<QPoint>(helpAt));
    }

    void everyReaderTakesNoAsTheProgramFolder()
    {
        ShellFixture fx("[HomeFolder]\r\nPath=No\r\n", true);
        TMainForm &f = fx.form();
        fx.platform().fileAnswers.push_back({});
        f.FileOpenClick();
        QCOMPARE(fx.platform().fileCalls.last().request.folder, fx.folder());
        fx.platform().fileAnswers.push_back({});
        f.form()->OpenHomeSpd->click();
        QCOMPARE(fx.platform().fileCalls.last().request.folder, fx.folder());
        f.FileNewClick();
        fx.platform().fileAnswers.push_back({});
        f.FileSaveAsClick();
        QVERIFY(fx.platform().fileCalls.last().save);
        QVERIFY(QDir::cleanPath(fx.platform().fileCalls.last().request.folder) == QDir::cleanPath(fx.folder())
                || fx.platform().fileCalls.last().request.fileName.startsWith(fx.folder()));
        QVERIFY(!fx.platform().fileCalls.last().request.folder.contains(QStringLiteral("No")));
    }

    void chosenPreviewKeysTakeEffect()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QString mainBrowser = program(fx, QStringLiteral("main-browser"));
        const QString subBrowser = program(fx, QStringLiteral("sub-browser"));
        // Without a main browser nothing is written.
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            auto *box = qobject_cast<TBrowserSetBox *>(d);
            EXPECT(!box->form()->subPathEdit->isEnabled());
            box->OkBtnClick();
            return box->result();
        });
        action(f, "OptPreview")->trigger();
        QCOMPARE(fx.platform().messages.size(), 1);
        QCOMPARE(fx.platform().messages.last().text, QStringLiteral("ブラウザのパスが設定されていません。\r必ず設定して下さい。"));
        QCOMPARE(iniValue(fx, "Browser", "MainPath"), QStringLiteral("<none>"));

        // F7 for the sub browser makes F7 preview.
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            auto *box = qobject_cast<TBrowserSetBox *>(d);
            // Browsing offers the programs first.
            Platform::FileAnswer chosen;
            chosen.files = {mainBrowser};
            fx.platform().fileAnswers.push_back(chosen);
            box->form()->mainBrowseBtn->click();
            EXPECT(fx.platform().fileCalls.last().request.programsFilter == 0);
            EXPECT(box->form()->mainPathEdit->text() == mainBrowser);
            box->form()->SubUseChk->click();
            box->form()->subPathEdit->setText(subBrowser);
            box->form()->subShortCutCombo->setCurrentIndex(5);
            box->subShortCutComboChange(5);
            box->OkBtnClick();
            return box->result();
        });
        action(f, "OptPreview")->trigger();
        QCOMPARE(fx.platform().messages.size(), 1);
        QCOMPARE(iniValue(fx, "Browser", "MainPath"), mainBrowser);
        QCOMPARE(iniValue(fx, "Browser", "MainKey"), QStringLiteral("7"));
        QCOMPARE(iniValue(fx, "Browser", "SubPath"), subBrowser);
        QCOMPARE(iniValue(fx, "Browser", "SubKey"), QStringLiteral("5"));
        QCOMPARE(action(f, "HtmlPrevMain")->shortcut(), QKeySequence(Qt::Key_F9));
        QCOMPARE(action(f, "HtmlPrevSub")->shortcut(), QKeySequence(Qt::Key_F7));
        fx.restart();
        QCOMPARE(action(fx.form(), "HtmlPrevSub")->shortcut(), QKeySequence(Qt::Key_F7));

        // The dialog shows what is stored; the same key twice warns and the sub browser gets none.
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            auto *box = qobject_cast<TBrowserSetBox *>(d);
            EXPECT((box->form()->mainPathEdit->text()) == (mainBrowser));
            EXPECT(box->form()->SubUseChk->isChecked());
            EXPECT((box->form()->subShortCutCombo->currentText()) == (QStringLiteral("F7")));
            box->form()->subShortCutCombo->setCurrentIndex(7);
            box->subShortCutComboChange(7);
            box->OkBtnClick();
            return box->result();
        });
        action(fx.form(), "OptPreview")->trigger();
        QCOMPARE(fx.platform().messages.size(), 2);
        QCOMPARE(fx.platform().messages.last().text, QStringLiteral("選択したショートカットキーが重複しています。\r他のキーを選択して下さい。"));
        QCOMPARE(fx.platform().messages.last().kind, Platform::MessageKind::Warning);
        QVERIFY(fx.platform().messages.last().screenCentred);
        QCOMPARE(action(fx.form(), "HtmlPrevMain")->shortcut(), QKeySequence(Qt::Key_F9));
        QCOMPARE(action(fx.form(), "HtmlPrevSub")->shortcut(), QKeySequence());

        // Unchecked: no sub browser and no key, its list index left as it was.
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            auto *box = qobject_cast<TBrowserSetBox *>(d);
            box->form()->SubUseChk->click();
            box->OkBtnClick();
            return box->result();
        });
        action(fx.form(), "OptPreview")->trigger();
        QCOMPARE(iniValue(fx, "Browser", "SubPath"), QStringLiteral("No Use"));
        QCOMPARE(iniValue(fx, "Browser", "SubKey"), QStringLiteral("7"));
        QCOMPARE(iniValue(fx, "KeyDefine", "00001"), QStringLiteral("0"));
        QCOMPARE(action(fx.form(), "HtmlPrevSub")->shortcut(), QKeySequence());
        // "No Use" is no program to start.
        fx.form().OpenDocument(fx.writeFile(QStringLiteral("a.html"), "a"));
        action(fx.form(), "HtmlPrevSub")->trigger();
        QVERIFY(fx.platform().programsStarted.isEmpty());

        // A stored program that is gone is shown as not set.
        QFile::remove(mainBrowser);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            auto *box = qobject_cast<TBrowserSetBox *>(d);
            return box->form()->mainPathEdit->text().isEmpty() ? int(QDialog::Rejected) : int(QDialog::Accepted);
        });
        action(fx.form(), "OptPreview")->trigger();
        QCOMPARE(iniValue(fx, "Browser", "MainPath"), mainBrowser);
    }

    void fontsApplyToEveryTabAndAreStored()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.OpenDocument(fx.writeFile(QStringLiteral("a.html"), "a"));
        f.OpenDocument(fx.writeFile(QStringLiteral("b.html"), "b"));
        QFont chosen(QStringLiteral("DejaVu Serif"), 17);
        chosen.setBold(true);
        chosen.setUnderline(true);
        fx.platform().fontAnswers.push_back(chosen);
        fx.platform().colorAnswers.push_back(QColor(0x10, 0x20, 0x30));
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            auto *box = qobject_cast<TColorBox *>(d);
            EXPECT((box->form()->PageControl->currentWidget()) == (box->form()->FontTab));
            box->form()->Button1->click();
            box->form()->MemoChangeButton->click();
            EXPECT((box->form()->EditorLabel->font().pointSize()) == (17));
            EXPECT((box->form()->EditorLabel->palette().color(QPalette::Window)) == (QColor(0x10, 0x20, 0x30)));
            return int(QDialog::Accepted);
        });
        action(f, "OptFont")->trigger();
        QCOMPARE(fx.platform().unscripted, 0);
        for (int i = 0; i < f.tabCount(); ++i) {
            EXPECT((f.EditBoxOfTab(i)->font().pointSize()) == (17));
            EXPECT(f.EditBoxOfTab(i)->font().underline());
            EXPECT((f.EditBoxOfTab(i)->palette().color(QPalette::Base)) == (QColor(0x10, 0x20, 0x30)));
        }
        QCOMPARE(iniValue(fx, "Font", "Editor"), chosen.family());
        QCOMPARE(iniValue(fx, "Font", "ESize"), QStringLiteral("17"));
        QCOMPARE(iniValue(fx, "Font", "EStyle"), QStringLiteral("0"));
        QCOMPARE(iniValue(fx, "Font", "EChar"), QStringLiteral("128"));
        QCOMPARE(iniValue(fx, "Memo", "Color"), QString::number(0x302010));
        // Fonts not chosen keep their stored names, installed or not.
        QCOMPARE(iniValue(fx, "Font", "PageTab"), QStringLiteral("ＭＳ Ｐゴシック"));
        QCOMPARE(iniValue(fx, "Custom", "ColorA"), QStringLiteral("FFFFFFFF"));

        // After a restart the new font is back, regular.
        fx.restart();
        fx.form().OpenDocument(fx.path(QStringLiteral("a.html")));
        QCOMPARE(fx.form().activeBox()->font().pointSize(), 17);
        QVERIFY(!fx.form().activeBox()->font().bold());
        QVERIFY(!fx.form().activeBox()->font().underline());
    }

    void cancelAfterAColourChangeWritesNothing()
    {
        ShellFixture fx("[Memo]\r\nColor=255\r\n", true);
        TMainForm &f = fx.form();
        f.OpenDocument(fx.writeFile(QStringLiteral("a.html"), "a"));
        const QByteArray before = ShellFixture::readFile(fx.path(QStringLiteral("TW.ini")));
        fx.platform().colorAnswers.push_back(QColor(Qt::green));
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            auto *box = qobject_cast<TColorBox *>(d);
            EXPECT((box->form()->PageControl->currentWidget()) == (box->form()->ColorTab));
            EXPECT((box->form()->MemoColorLabel->palette().color(QPalette::Window)) == (QColor(Qt::red)));
            box->form()->MemoChangeButton->click();
            return int(QDialog::Rejected);
        });
        f.form()->ViewColorSpeed->click();
        QCOMPARE(fx.platform().unscripted, 0);
        QCOMPARE(f.activeBox()->palette().color(QPalette::Base), QColor(Qt::red));
        QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("TW.ini"))), before);
    }
};

QTEST_MAIN(TestSettingsDialogs)
#include "tst_settingsdialogs.moc"
