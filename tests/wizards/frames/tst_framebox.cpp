// The frame wizard and the frame tag options as the user reaches them.
#include "ShellFixture.h"

#include "app/DialogPlacement.h"
#include "app/EditBox.h"

#include "Controls.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {
QStringList items(QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

int pressOk(QDialog *d)
{
    child<QPushButton>(d, "OkBtn")->click();
    return d->result();
}

// Right-clicks the editing box and picks, with the mouse, the item at the end of the path
// of submenus; true when the item was reached. Whatever happens, no menu stays open.
bool pickFromPopup(TMainForm &f, const QStringList &submenus, const char *item)
{
    bool reached = false;
    QObject scope; // no menu came: the pick is dropped with it
    QTimer::singleShot(0, &scope, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        for (const QString &name : submenus) {
            QMenu *sub = f.findChild<QMenu *>(name);
            if (!menu || !sub || !menu->actions().contains(sub->menuAction()))
                break;
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(sub->menuAction()).center());
            menu = QTest::qWaitFor([sub] { return sub->isVisible(); }, 5000) ? sub : nullptr;
            if (name == submenus.last() && menu) {
                QAction *entry = f.findChild<QAction *>(QLatin1String(item));
                if (entry && menu->actions().contains(entry) && entry->isEnabled()) {
                    reached = true;
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
                }
            }
        }
        while (QWidget *open = QApplication::activePopupWidget())
            open->close();
    });
    QWidget *view = f.activeBox()->viewport();
    QTest::mouseClick(f.windowHandle(), Qt::RightButton, {}, view->mapTo(&f, QPoint(20, 10)));
    return reached;
}
} // namespace

class TestFrameBox : public QObject
{
    Q_OBJECT

    // Opens the named files of the fixture's folder, the last one active.
    static EditBox *openPages(ShellFixture &fx, const QStringList &names)
    {
        for (const QString &name : names)
            fx.form().OpenDocument(fx.writeFile(name, QByteArray()));
        return fx.form().activeBox();
    }

private Q_SLOTS:
    void typeCWithThreeSourcesAndATarget()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick(); // untitled pages are offered to none
        EditBox *box = openPages(fx, {"a.htm", "b.htm", "c.htm", "index.html"});
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(d->pos(), DialogPlacement::upperThird(f.frameGeometry(), d->frameGeometry().size()));
                QCOMPARE(d->windowTitle(), QStringLiteral("フレームウィザード -- Type A"));
                QVERIFY(child<QToolButton>(d, "taSpd")->isChecked());
                QComboBox *src3 = child<QComboBox>(d, "SrcCombo3");
                QVERIFY(!src3->isEnabled());
                child<QToolButton>(d, "tcSpd")->click();
                QCOMPARE(d->windowTitle(), QStringLiteral("フレームウィザード -- Type C"));
                QVERIFY(src3->isEnabled());
                QVERIFY(child<QLineEdit>(d, "TargetEdit3")->isEnabled());
                for (const char *name : {"SrcCombo1", "SrcCombo2", "SrcCombo3"}) {
                    QComboBox *combo = child<QComboBox>(d, name);
                    QCOMPARE(items(combo), (QStringList{"a.htm", "b.htm", "c.htm"}));
                    QCOMPARE(combo->currentText(), QStringLiteral("(none)"));
                }
                QCOMPARE(child<QLineEdit>(d, "TargetEdit1")->text(), QStringLiteral("(none)"));
                child<QComboBox>(d, "SrcCombo1")->setCurrentIndex(0);
                child<QComboBox>(d, "SrcCombo2")->setCurrentIndex(1);
                src3->setCurrentIndex(2);
                child<QLineEdit>(d, "TargetEdit3")->setText(QStringLiteral("main"));
            }();
            return pressOk(d);
        });
        child<QAction>(&f, "frmWizard")->trigger();
        QVERIFY(fx.platform().dialogScripts.empty());
        QCOMPARE(box->text(), QStringLiteral("<FRAMESET ROWS=\"20%,*\">\n<FRAME SRC=\"a.htm\">\n\t<FRAMESET COLS=\"20%,*\">\n"
                                             "\t<FRAME SRC=\"b.htm\">\n\t<FRAME SRC=\"c.htm\" NAME=\"main\">\n\t</FRAMESET>\n"
                                             "</FRAMESET>"));
    }

    void aMissingSourceKeepsTheDialogOpen()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                child<QComboBox>(d, "SrcCombo1")->setEditText(QStringLiteral("left.htm"));
                child<QPushButton>(d, "OkBtn")->click();
                QCOMPARE(d->result(), int(QDialog::Rejected));
                QCOMPARE(fx.platform().messages.size(), 1);
                QCOMPARE(fx.platform().messages.first().text, QStringLiteral("フレームソースを指定していない部分があります。"));
                QCOMPARE(fx.platform().messages.first().kind, Platform::MessageKind::Plain);
                QCOMPARE(d->focusWidget(), child<QComboBox>(d, "SrcCombo2"));
                QCOMPARE(child<QTabWidget>(d, "PageControl")->currentWidget(), child<QWidget>(d, "SourceTab"));
                // Type B lowers nothing but the tags: the typed sources keep their case.
                child<QComboBox>(d, "SrcCombo2")->setEditText(QStringLiteral("Right.HTM"));
                child<QLineEdit>(d, "TargetEdit2")->setText(QString());
                child<QToolButton>(d, "tbSpd")->click();
            }();
            return pressOk(d);
        });
        child<QAction>(&f, "TagLower")->trigger();
        child<QAction>(&f, "frmWizard")->trigger();
        QCOMPARE(box->text(), QStringLiteral("<frameset rows=\"20%,*\">\n<frame src=\"left.htm\">\n<frame src=\"Right.HTM\">\n</frameset>"));
    }

    void keysChooseTypesAndPages()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QTabWidget *pages = child<QTabWidget>(d, "PageControl");
                QWidget *ok = child<QPushButton>(d, "OkBtn");
                QTest::keyClick(ok, Qt::Key_Tab, Qt::ControlModifier);
                QCOMPARE(pages->currentIndex(), 1);
                // The type keys work from the source page too.
                QTest::keyClick(ok, Qt::Key_E, Qt::AltModifier);
                QCOMPARE(d->windowTitle(), QStringLiteral("フレームウィザード -- Type E"));
                QVERIFY(child<QToolButton>(d, "teSpd")->isChecked());
                QVERIFY(child<QComboBox>(d, "SrcCombo3")->isEnabled());
                QTest::keyClick(ok, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
                QCOMPARE(pages->currentIndex(), 0);
                QTest::keyClick(ok, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
                QCOMPARE(pages->currentIndex(), 1);
                child<QComboBox>(d, "SrcCombo1")->setEditText(QStringLiteral("1.htm"));
                child<QComboBox>(d, "SrcCombo2")->setEditText(QStringLiteral("2.htm"));
                child<QComboBox>(d, "SrcCombo3")->setEditText(QStringLiteral("3.htm"));
            }();
            return pressOk(d);
        });
        child<QAction>(&f, "frmWizard")->trigger();
        QCOMPARE(box->text(), QStringLiteral("<FRAMESET ROWS=\"20%,60%,20%\">\n<FRAME SRC=\"1.htm\">\n<FRAME SRC=\"2.htm\">\n"
                                             "<FRAME SRC=\"3.htm\">\n</FRAMESET>"));
        // Going back to type B leaves the third row out again.
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            QTest::keyClick(child<QPushButton>(d, "OkBtn"), Qt::Key_D, Qt::AltModifier);
            QTest::keyClick(child<QPushButton>(d, "OkBtn"), Qt::Key_B, Qt::AltModifier);
            [&] { QVERIFY(!child<QComboBox>(d, "SrcCombo3")->isEnabled()); }();
            child<QPushButton>(d, "CancelBtn")->click();
            return d->result();
        });
        child<QAction>(&f, "frmWizard")->trigger();
        QVERIFY(fx.platform().dialogScripts.empty());
    }

    void browsingGivesRelativeOrFullPaths()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        const QString chosen = fx.path(QStringLiteral("sub/menu.html"));
        fx.platform().fileAnswers.push_back({{chosen}, 0});
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(child<QComboBox>(d, "SrcCombo1")->count(), 0);
                child<QToolButton>(d, "Button2")->click();
                QCOMPARE(child<QComboBox>(d, "SrcCombo2")->currentText(), chosen);
                QCOMPARE(fx.platform().fileCalls.last().request.filters, QStringList{"HTML (*.htm *.html)"});
            }();
            child<QPushButton>(d, "CancelBtn")->click();
            return d->result();
        });
        child<QAction>(&f, "frmWizard")->trigger();

        openPages(fx, {"top.html"});
        fx.platform().fileAnswers.push_back({{chosen}, 0});
        fx.platform().fileAnswers.push_back({{}, 0});
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                child<QToolButton>(d, "tcSpd")->click();
                child<QToolButton>(d, "BrowseBtn3")->click();
                QComboBox *src3 = child<QComboBox>(d, "SrcCombo3");
                QCOMPARE(src3->currentText(), QStringLiteral("sub/menu.html"));
                QCOMPARE(QDir(fx.platform().fileCalls.last().request.folder), QDir(fx.folder()));
                // Cancelling the file dialog keeps the field.
                child<QToolButton>(d, "BrowseBtn3")->click();
                QCOMPARE(src3->currentText(), QStringLiteral("sub/menu.html"));
            }();
            child<QPushButton>(d, "CancelBtn")->click();
            return d->result();
        });
        child<QAction>(&f, "frmWizard")->trigger();
        QVERIFY(fx.platform().fileAnswers.empty());
    }

    void frameOptionsSample()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        box->setPlainText(QStringLiteral("<FRAME SRC=\"a.htm\">"));
        box->setSelection(18, 0);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(d->windowTitle(), QStringLiteral("フレームタグオプションの設定"));
                QCOMPARE(d->pos(), DialogPlacement::upperThird(f.frameGeometry(), d->frameGeometry().size()));
                QLineEdit *sample = child<QLineEdit>(d, "SampleView");
                QCOMPARE(sample->text(), QString());
                QRadioButton *on = child<QRadioButton>(d, "ScrollOnRadio");
                QVERIFY(!on->isEnabled());
                child<QCheckBox>(d, "FrmScrollChk")->click();
                QVERIFY(on->isEnabled() && on->isChecked());
                QCOMPARE(sample->text(), QStringLiteral(" SCROLLING=\"YES\""));
                child<QRadioButton>(d, "ScrollOffRadio")->click();
                QCOMPARE(sample->text(), QStringLiteral(" SCROLLING=\"NO\""));
                // Checked again, it asks for scrolling although "Off" still shows.
                child<QCheckBox>(d, "FrmScrollChk")->click();
                QCOMPARE(sample->text(), QString());
                child<QCheckBox>(d, "FrmScrollChk")->click();
                QVERIFY(child<QRadioButton>(d, "ScrollOffRadio")->isChecked());
                QCOMPARE(sample->text(), QStringLiteral(" SCROLLING=\"YES\""));
                child<QRadioButton>(d, "ScrollAutoRadio")->click();
                QLineEdit *target = child<QLineEdit>(d, "FrmTargetEdit");
                QVERIFY(!target->isEnabled());
                child<QCheckBox>(d, "FrmNameChk")->click();
                QVERIFY(target->isEnabled());
                target->setText(QStringLiteral("Main"));
                child<QCheckBox>(d, "FrmResizeChk")->click();
                child<QCheckBox>(d, "FrmWidthChk")->click();
                child<QSpinBox>(d, "WidthSpin")->setValue(0);
                child<QCheckBox>(d, "FrmHeightChk")->click();
                QCOMPARE(sample->text(), QStringLiteral(" NAME=\"Main\" NORESIZE SCROLLING=\"AUTO\" MARGINWIDTH=\"0\" MARGINHEIGHT=\"10\""));
            }();
            return pressOk(d);
        });
        child<QAction>(&f, "frmOption")->trigger();
        QCOMPARE(box->text(),
                 QStringLiteral("<FRAME SRC=\"a.htm\" NAME=\"Main\" NORESIZE SCROLLING=\"AUTO\" MARGINWIDTH=\"0\" MARGINHEIGHT=\"10\">"));

        // Lower case shows and inserts lower names and the target as typed; an empty sample inserts nothing.
        child<QAction>(&f, "TagLower")->trigger();
        box->setPlainText(QStringLiteral("<frame >"));
        box->setSelection(7, 0);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            child<QCheckBox>(d, "FrmNameChk")->click();
            child<QLineEdit>(d, "FrmTargetEdit")->setText(QStringLiteral("Menu"));
            [&] { QCOMPARE(child<QLineEdit>(d, "SampleView")->text(), QStringLiteral(" name=\"Menu\"")); }();
            return pressOk(d);
        });
        f.findChild<QToolButton *>(QStringLiteral("FrmOptSpd"))->click();
        QCOMPARE(box->text(), QStringLiteral("<frame  name=\"Menu\">"));
        box->setSelection(0, 6);
        fx.platform().dialogScripts.push_back([&](QDialog *d) { return pressOk(d); });
        child<QAction>(&f, "frmOption")->trigger();
        QCOMPARE(box->text(), QStringLiteral("<frame  name=\"Menu\">"));
        QCOMPARE(box->selLength(), 6);
    }

    // The tool button and both pop-up items run the wizard and the options; the button
    // places its dialog at the pointer, the pop-up items in the upper third.
    void toolButtonAndPopupItemsRunTheirDialogs()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openPages(fx, {"a.htm", "b.htm", "index.html"});
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        auto *button = f.findChild<QToolButton *>(QStringLiteral("FrameSpd"));
        QVERIFY(button->isEnabled());
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(d->windowTitle(), QStringLiteral("フレームウィザード -- Type A"));
                QCOMPARE(d->pos(), DialogPlacement::atCursor(f.frameGeometry(), d->frameGeometry().size(), QCursor::pos()));
            }();
            child<QComboBox>(d, "SrcCombo1")->setCurrentIndex(0);
            child<QComboBox>(d, "SrcCombo2")->setCurrentIndex(1);
            return pressOk(d);
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(fx.platform().dialogScripts.empty());
        QCOMPARE(box->text(), QStringLiteral("<FRAMESET COLS=\"20%,*\">\n<FRAME SRC=\"a.htm\">\n<FRAME SRC=\"b.htm\">\n</FRAMESET>"));

        box->setPlainText(QString());
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(d->windowTitle(), QStringLiteral("フレームウィザード -- Type A"));
                QCOMPARE(d->pos(), DialogPlacement::upperThird(f.frameGeometry(), d->frameGeometry().size()));
            }();
            child<QComboBox>(d, "SrcCombo1")->setCurrentIndex(1);
            child<QComboBox>(d, "SrcCombo2")->setCurrentIndex(0);
            return pressOk(d);
        });
        QVERIFY(pickFromPopup(f, {"PopHtml", "PopFrame"}, "PopfrmWizard"));
        QVERIFY(fx.platform().dialogScripts.empty());
        QCOMPARE(box->text(), QStringLiteral("<FRAMESET COLS=\"20%,*\">\n<FRAME SRC=\"b.htm\">\n<FRAME SRC=\"a.htm\">\n</FRAMESET>"));

        box->setPlainText(QStringLiteral("<FRAME >"));
        box->setSelection(7, 0);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(d->windowTitle(), QStringLiteral("フレームタグオプションの設定"));
                QCOMPARE(d->pos(), DialogPlacement::upperThird(f.frameGeometry(), d->frameGeometry().size()));
            }();
            child<QCheckBox>(d, "FrmResizeChk")->click();
            return pressOk(d);
        });
        QVERIFY(pickFromPopup(f, {"PopHtml", "PopFrame"}, "PopfrmOpt"));
        QVERIFY(fx.platform().dialogScripts.empty());
        QCOMPARE(box->text(), QStringLiteral("<FRAME  NORESIZE>"));
    }

    void helpShowsEachDialogsTopicAndNoDocumentNoDialog()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        // Without a document the commands are off and do nothing.
        QVERIFY(!child<QAction>(&f, "frmWizard")->isEnabled());
        child<QAction>(&f, "frmOption")->trigger();
        f.FileNewClick();
        QVERIFY(child<QAction>(&f, "frmWizard")->isEnabled());
        fx.platform().dialogScripts.push_back([](QDialog *d) {
            child<QPushButton>(d, "HelpBtn")->click();
            child<QPushButton>(d, "CancelBtn")->click();
            return d->result();
        });
        child<QAction>(&f, "frmWizard")->trigger();
        fx.platform().dialogScripts.push_back([](QDialog *d) {
            child<QPushButton>(d, "Button3")->click();
            child<QPushButton>(d, "Button2")->click();
            return d->result();
        });
        child<QAction>(&f, "frmOption")->trigger();
        QVERIFY(fx.platform().dialogScripts.empty());
        QStringList shown = fx.platform().shellOpened;
        for (const auto &p : fx.platform().programsStarted)
            shown << p.second;
        QCOMPARE(shown.size(), 2);
        QVERIFY2(shown[0].endsWith(QLatin1String("Help/Tips.html#FrameWizard")), qPrintable(shown[0]));
        QVERIFY2(shown[1].endsWith(QLatin1String("Help/Tips.html#FrameTagOpt")), qPrintable(shown[1]));
        QCOMPARE(f.activeBox()->text(), QString());
    }
};

QTEST_MAIN(TestFrameBox)
#include "tst_framebox.moc"
