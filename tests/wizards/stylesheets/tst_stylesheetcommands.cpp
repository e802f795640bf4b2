// The CSS menu in the window: enabling, the three property dialogs through their buttons,
// the remembered font-size choices, the STYLE block and the style collection window.
#include "ShellFixture.h"

#include "app/DialogPlacement.h"
#include "app/EditBox.h"
#include "platform/ProfileStore.h"
#include "userdata/listmanager/RegistBox.h"

#include "Controls.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace {
QRadioButton *radio(QDialog *d, const char *name) { return child<QRadioButton>(d, name); }
QString sample(QDialog *d) { return child<QLineEdit>(d, "SampleEdit")->text(); }
QSpinBox *spin(QDialog *d) { return child<QSpinBox>(d, "SizeSpin"); }
QComboBox *units(QDialog *d) { return child<QComboBox>(d, "ScaleCombo"); }

void trigger(TMainForm &f, const char *name)
{
    QAction *a = f.findChild<QAction *>(QLatin1String(name));
    if (!a)
        qFatal("no item %s", name);
    a->trigger();
}

// Runs the command with a script that checks the dialog, then presses the button named.
template <typename Check>
void answer(ShellFixture &fx, const char *item, const char *button, Check check)
{
    fx.platform().dialogScripts.push_back([check, button](QDialog *d) {
        check(d);
        child<QPushButton>(d, button)->click();
        return d->result();
    });
    trigger(fx.form(), item);
    QVERIFY(fx.platform().dialogScripts.empty());
}

// Opens the CSS menu and types the access keys given, as a user picks an item.
void pickFromCssMenu(TMainForm &f, const QList<Qt::Key> &keys)
{
    QMenu *menu = f.findChild<QMenu *>(QStringLiteral("MenuCSS"));
    menu->popup(f.mapToGlobal(QPoint(10, 10)));
    for (Qt::Key key : keys) {
        QMenu *open = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!open)
            qFatal("no menu open");
        QTest::keyClick(open, key);
    }
}

int ssFont(ShellFixture &fx, const char *key, int def = -9)
{
    return ProfileStore(fx.path(QStringLiteral("TW.ini"))).readInteger(QStringLiteral("ssFont"), QLatin1String(key), def);
}

QList<TRegistBox *> collections(TMainForm &f)
{
    QList<TRegistBox *> open;
    for (TRegistBox *b : f.findChildren<TRegistBox *>())
        if (b->isVisible())
            open << b;
    return open;
}

QListWidget *collectionList(TRegistBox *b) { return child<QListWidget>(b, "TitleList"); }
QPushButton *inputButton(TRegistBox *b) { return child<QPushButton>(b, "OkBtn"); }

const char *const CssItems[] = {"ssFont",  "family1", "size1",   "weight1",    "style1",     "align1",
                                "decoration1", "indent1", "transform1", "attachment1", "color1", "image1",
                                "position1", "repeat1", "bottom1",  "left1",      "right1",     "top1",
                                "bottom2", "left2",   "right2",  "top2",       "lineheight1", "H1"};
} // namespace

class TestStyleSheetCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void itemsFollowOpenDocuments()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        for (const char *name : CssItems)
            QVERIFY2(!f.findChild<QAction *>(QLatin1String(name))->isEnabled(), name);
        f.FileNewClick();
        for (const char *name : CssItems)
            QVERIFY2(f.findChild<QAction *>(QLatin1String(name))->isEnabled(), name);
        f.FileCloseClick();
        QCOMPARE(f.tabCount(), 0);
        for (const char *name : CssItems)
            QVERIFY2(!f.findChild<QAction *>(QLatin1String(name))->isEnabled(), name);
    }

    void alignInsertsItsDeclaration()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        box->setPlainText(QStringLiteral("p { }"));
        box->setSelection(4, 0);
        answer(fx, "align1", "InputBtn", [&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("text-align"));
            QCOMPARE(d->pos(), DialogPlacement::upperThird(f.frameGeometry(), d->frameGeometry().size()));
            QVERIFY(radio(d, "Radio1")->isChecked());
            QVERIFY(!radio(d, "Radio4")->isHidden());
            QCOMPARE(radio(d, "Radio3")->text(), QStringLiteral("&Center"));
            QCOMPARE(sample(d), QStringLiteral("text-align:left;"));
        });
        QCOMPARE(box->toPlainText(), QStringLiteral("p { text-align:left;}"));
        QCOMPARE(box->selStart(), 20);
        // One undo takes it out.
        trigger(f, "EditUndo");
        QCOMPARE(box->toPlainText(), QStringLiteral("p { }"));
    }

    void choiceButtonsAndCase()
    {
        ShellFixture fx("[Memo]\r\nStyleCase=1\r\n[ssFont]\r\n4=1\r\n");
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        answer(fx, "decoration1", "InputBtn", [&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("TEXT-DECORATION"));
            radio(d, "Radio3")->click();
            QCOMPARE(sample(d), QStringLiteral("TEXT-DECORATION:LINE-THROUGH;"));
        });
        QCOMPARE(box->toPlainText(), QStringLiteral("TEXT-DECORATION:LINE-THROUGH;"));

        // Two-value modes hide the other buttons; the weight mode opens on the stored bold.
        answer(fx, "weight1", "InputBtn", [&](QDialog *d) {
            QVERIFY(radio(d, "Radio3")->isHidden());
            QVERIFY(radio(d, "Radio4")->isHidden());
            QVERIFY(radio(d, "Radio2")->isChecked());
            QCOMPARE(sample(d), QStringLiteral("FONT-WEIGHT:BOLD;"));
            radio(d, "Radio1")->click();
            QCOMPARE(sample(d), QStringLiteral("FONT-WEIGHT:NORMAL;"));
        });
        QCOMPARE(box->toPlainText(), QStringLiteral("TEXT-DECORATION:LINE-THROUGH;FONT-WEIGHT:NORMAL;"));
        // Choosing in this dialog leaves the stored weight alone.
        QCOMPARE(ssFont(fx, "4"), 1);
    }

    void choiceSampleEditedAndCancelled()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        answer(fx, "repeat1", "InputBtn", [&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("background-repeat"));
            radio(d, "Radio2")->click();
            QCOMPARE(sample(d), QStringLiteral("background-repeat:repeat-x;"));
            // The user may touch the sample up; trailing blanks go.
            child<QLineEdit>(d, "SampleEdit")->setText(QStringLiteral("background-repeat:repeat-x !important;  "));
        });
        QCOMPARE(box->toPlainText(), QStringLiteral("background-repeat:repeat-x !important;"));
        answer(fx, "attachment1", "CancelBtn", [&](QDialog *d) {
            QVERIFY(radio(d, "Radio3")->isHidden());
            radio(d, "Radio2")->click();
            QCOMPARE(sample(d), QStringLiteral("background-attachment:fixed;"));
        });
        QCOMPARE(box->toPlainText(), QStringLiteral("background-repeat:repeat-x !important;"));
        // A sample emptied by the user does not delete the selection.
        box->setSelection(0, 10);
        answer(fx, "transform1", "InputBtn", [&](QDialog *d) {
            QCOMPARE(sample(d), QStringLiteral("text-transform:capitalize;"));
            child<QLineEdit>(d, "SampleEdit")->setText(QStringLiteral("  "));
        });
        QCOMPARE(box->toPlainText(), QStringLiteral("background-repeat:repeat-x !important;"));
    }

    void marginOffersAuto()
    {
        ShellFixture fx("[Memo]\r\nStyleCase=1\r\n");
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        int marginHeight = 0;
        answer(fx, "top1", "InputBtn", [&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("MARGIN-TOP"));
            QCOMPARE(d->pos(), DialogPlacement::upperThird(f.frameGeometry(), d->frameGeometry().size()));
            QVERIFY(!radio(d, "AutoRadio")->isHidden());
            QVERIFY(radio(d, "SizeRadio")->isChecked());
            QCOMPARE(spin(d)->value(), 1);
            QCOMPARE(sample(d), QStringLiteral("MARGIN-TOP:1pt;"));
            radio(d, "AutoRadio")->click();
            QVERIFY(!spin(d)->isEnabled());
            QVERIFY(!units(d)->isEnabled());
            QCOMPARE(sample(d), QStringLiteral("MARGIN-TOP:AUTO;"));
            // Back to a size: both work again.
            radio(d, "SizeRadio")->click();
            QVERIFY(spin(d)->isEnabled());
            QVERIFY(units(d)->isEnabled());
            QCOMPARE(sample(d), QStringLiteral("MARGIN-TOP:1pt;"));
            radio(d, "AutoRadio")->click();
            marginHeight = d->sizeHint().height();
        });
        QCOMPARE(box->toPlainText(), QStringLiteral("MARGIN-TOP:AUTO;"));
        answer(fx, "top2", "CancelBtn", [&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("PADDING-TOP"));
            QVERIFY(radio(d, "AutoRadio")->isHidden());
            QVERIFY(d->sizeHint().height() < marginHeight);
        });
    }

    void sizeRanges()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        answer(fx, "indent1", "InputBtn", [&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("text-indent"));
            spin(d)->setValue(250);
            units(d)->setCurrentIndex(4);
            QCOMPARE(sample(d), QStringLiteral("text-indent:250cm;"));
            radio(d, "PercentRadio")->click();
            QCOMPARE(spin(d)->value(), 100);
            QCOMPARE(spin(d)->maximum(), 100);
            QVERIFY(!units(d)->isEnabled());
            QCOMPARE(sample(d), QStringLiteral("text-indent:100%;"));
            spin(d)->setValue(50);
            radio(d, "SizeRadio")->click();
            QCOMPARE(spin(d)->value(), 50);
            QCOMPARE(spin(d)->maximum(), 1000);
            QCOMPARE(sample(d), QStringLiteral("text-indent:50cm;"));
        });
        QCOMPARE(box->toPlainText(), QStringLiteral("text-indent:50cm;"));
        // Only the font-size mode remembers.
        QCOMPARE(ssFont(fx, "2"), -9);
    }

    void fontSizeModeRemembers()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        answer(fx, "size1", "InputBtn", [&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("font-size"));
            QVERIFY(radio(d, "SizeRadio")->isChecked());
            QCOMPARE(spin(d)->value(), 10);
            QCOMPARE(units(d)->currentIndex(), 0);
            radio(d, "PercentRadio")->click();
            spin(d)->setValue(80);
        });
        QCOMPARE(box->toPlainText(), QStringLiteral("font-size:80%;"));
        QCOMPARE(ssFont(fx, "1"), 2);
        QCOMPARE(ssFont(fx, "2"), 80);

        answer(fx, "size1", "InputBtn", [&](QDialog *d) {
            QVERIFY(radio(d, "PercentRadio")->isChecked());
            QCOMPARE(spin(d)->value(), 80);
            QCOMPARE(sample(d), QStringLiteral("font-size:80%;"));
            radio(d, "SizeRadio")->click();
            units(d)->setCurrentIndex(1);
            spin(d)->setValue(14);
        });
        QCOMPARE(box->toPlainText(), QStringLiteral("font-size:80%;font-size:14px;"));
        QCOMPARE(ssFont(fx, "1"), 1);
        QCOMPARE(ssFont(fx, "2"), 14);
        QCOMPARE(ssFont(fx, "3"), 1);

        answer(fx, "size1", "CancelBtn", [&](QDialog *d) {
            QVERIFY(radio(d, "SizeRadio")->isChecked());
            QCOMPARE(units(d)->currentIndex(), 1);
            QCOMPARE(sample(d), QStringLiteral("font-size:14px;"));
            spin(d)->setValue(3);
        });
        // Cancel stores nothing.
        QCOMPARE(ssFont(fx, "2"), 14);
    }

    void olderOrDamagedMemoryOpensByNumber()
    {
        // An older installation wrote 1 after a percentage; a unit index out of range means none.
        ShellFixture fx("[ssFont]\r\n1=1\r\n2=60\r\n3=12\r\n");
        TMainForm &f = fx.form();
        f.FileNewClick();
        answer(fx, "size1", "CancelBtn", [&](QDialog *d) {
            QVERIFY(radio(d, "SizeRadio")->isChecked());
            QCOMPARE(spin(d)->value(), 60);
            QCOMPARE(units(d)->currentIndex(), 0);
            QCOMPARE(sample(d), QStringLiteral("font-size:60pt;"));
        });
        answer(fx, "ssFont", "CancelBtn", [&](QDialog *d) {
            QVERIFY(radio(d, "NumRadio")->isChecked());
            QCOMPARE(spin(d)->value(), 60);
            QCOMPARE(units(d)->currentIndex(), 0);
        });
    }

    void fontDialogBuildsAndStores()
    {
        ShellFixture fx("[ssFont]\r\n1=2\r\n2=40\r\n3=3\r\n4=1\r\n5=1\r\n");
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        answer(fx, "ssFont", "OkBtn", [&](QDialog *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Font Settings"));
            QCOMPARE(d->pos(), DialogPlacement::upperThird(f.frameGeometry(), d->frameGeometry().size()));
            QVERIFY(radio(d, "PercentRadio")->isChecked());
            QVERIFY(!units(d)->isEnabled());
            QCOMPARE(spin(d)->value(), 40);
            QVERIFY(radio(d, "WeightRadio")->isChecked());
            QVERIFY(radio(d, "StyleRadio")->isChecked());
            QVERIFY(child<QComboBox>(d, "FontCombo")->count() > 0);
            radio(d, "NumRadio")->click();
            QVERIFY(units(d)->isEnabled());
            QCOMPARE(units(d)->currentIndex(), 0);
            units(d)->setCurrentIndex(2);
            spin(d)->setValue(300);
        });
        QCOMPARE(box->toPlainText(), QStringLiteral("font-size:300em;\nfont-weight:bold;\nfont-style:italic;"));
        QCOMPARE(ssFont(fx, "1"), 1);
        QCOMPARE(ssFont(fx, "2"), 300);
        QCOMPARE(ssFont(fx, "3"), 2);
        QCOMPARE(ssFont(fx, "4"), 1);
        QCOMPARE(ssFont(fx, "5"), 1);

        box->setPlainText(QString());
        answer(fx, "ssFont", "OkBtn", [&](QDialog *d) {
            QVERIFY(radio(d, "NumRadio")->isChecked());
            QCOMPARE(units(d)->currentIndex(), 2);
            QCOMPARE(spin(d)->value(), 300);
            radio(d, "PercentRadio")->click();
            QCOMPARE(spin(d)->value(), 100);
            radio(d, "bNormalRadio")->click();
            radio(d, "iNormalRadio")->click();
        });
        QCOMPARE(box->toPlainText(), QStringLiteral("font-size:100%;\nfont-weight:normal;\nfont-style:normal;"));
        QCOMPARE(ssFont(fx, "1"), 2);
        QCOMPARE(ssFont(fx, "2"), 100);
        QCOMPARE(ssFont(fx, "3"), 2);
        QCOMPARE(ssFont(fx, "4"), 2);
        QCOMPARE(ssFont(fx, "5"), 0);
    }

    void fontDialogWithNothingChosen()
    {
        ShellFixture fx("[Memo]\r\nStyleCase=1\r\n[ssFont]\r\n1=1\r\n");
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        box->setPlainText(QStringLiteral("keep"));
        box->document()->setModified(false);
        answer(fx, "ssFont", "OkBtn", [&](QDialog *d) {
            QVERIFY(radio(d, "NumRadio")->isChecked());
            QVERIFY(radio(d, "bNoneRadio")->isChecked());
            QVERIFY(radio(d, "iNoneRadio")->isChecked());
            radio(d, "sNoneRadio")->click();
        });
        QCOMPARE(box->toPlainText(), QStringLiteral("keep"));
        QVERIFY(!box->document()->isModified());
        QCOMPARE(ssFont(fx, "1"), 0);

        answer(fx, "ssFont", "OkBtn", [&](QDialog *d) { radio(d, "WeightRadio")->click(); });
        QCOMPARE(box->toPlainText(), QStringLiteral("FONT-SIZE:10pt;\nFONT-WEIGHT:BOLD;keep"));
    }

    void headerDeclaration()
    {
        ShellFixture fx("[Memo]\r\nCase=0\r\n");
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        const QString page = QStringLiteral("<html>\n<head>\n<title>t</title>\n</head>\n<body>");
        box->setPlainText(page);
        trigger(f, "H1");
        QCOMPARE(box->toPlainText(), QStringLiteral("<html>\n<head>\n<title>t</title>\n<style type=\"text/css\">\n"
                                                     "<!--\n \n-->\n</style>\n</head>\n<body>"));
        QVERIFY(box->document()->isModified());
        trigger(f, "EditUndo");
        QCOMPARE(box->toPlainText(), page);

        box->setPlainText(QStringLiteral("<BODY>"));
        trigger(f, "H1");
        QCOMPARE(box->toPlainText(), QStringLiteral("<BODY>"));
    }

    void backgroundColoursCollect()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        fx.platform().colorAnswers.push_back(QColor(255, 0, 0));
        fx.platform().colorAnswers.push_back(QColor(0, 255, 0));
        fx.platform().colorAnswers.push_back(std::nullopt);
        trigger(f, "color1");
        QCOMPARE(collections(f).size(), 1);
        TRegistBox *w = collections(f).first();
        QCOMPARE(w->windowTitle(), QStringLiteral("スタイルをまとめて入力"));
        QVERIFY(!w->isModal());
        QVERIFY(w->windowFlags().testFlag(Qt::Tool));
        QCOMPARE(w->parentWidget(), &f);
        QCOMPARE(w->pos(), DialogPlacement::bottomRight(f.frameGeometry(), w->frameGeometry().size()));
        QVERIFY(w->width() >= 400);
        QCOMPARE(inputButton(w)->text(), QStringLiteral("入力(&I)"));
        QVERIFY(child<QPushButton>(w, "AddBtn")->isHidden());
        QVERIFY(child<QPushButton>(w, "ChangeBtn")->isHidden());
        QVERIFY(child<QPushButton>(w, "HelpBtn")->isHidden());

        trigger(f, "color1");
        trigger(f, "color1"); // cancelled: nothing added
        QCOMPARE(collections(f), QList<TRegistBox *>{w});
        QCOMPARE(collectionList(w)->count(), 2);
        QCOMPARE(collectionList(w)->item(0)->text(), QStringLiteral("background-color:#FF0000;"));
        QCOMPARE(collectionList(w)->item(1)->text(), QStringLiteral("background-color:#00FF00;"));
        // The main window still takes input while the window is up.
        QVERIFY(!QApplication::activeModalWidget());
        box->insertPlainText(QStringLiteral("b{"));

        inputButton(w)->click();
        QCOMPARE(box->toPlainText(), QStringLiteral("b{background-color:#FF0000; background-color:#00FF00;"));
        QVERIFY(!w->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(f.findChildren<TRegistBox *>().isEmpty());

        // The next colour opens a new window.
        fx.platform().colorAnswers.push_back(QColor(0, 0, 255));
        trigger(f, "color1");
        QCOMPARE(collections(f).size(), 1);
        QCOMPARE(collectionList(collections(f).first())->count(), 1);
        child<QPushButton>(collections(f).first(), "CancelBtn")->click();
        QVERIFY(collections(f).isEmpty());
        QCOMPARE(box->toPlainText(), QStringLiteral("b{background-color:#FF0000; background-color:#00FF00;"));
    }

    // The background colour uses the window's one colour dialog: it opens at the colour
    // last chosen there by any command, with the same custom colours.
    void backgroundColourSharesTheWindowsColourDialog()
    {
        ShellFixture fx("[Custom]\r\nColorA=FF8000\r\n");
        TMainForm &f = fx.form();
        f.FileNewClick();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        auto *textColour = f.findChild<QToolButton *>(QStringLiteral("fColorSpd"));
        fx.platform().colorAnswers = {QColor(255, 0, 0), QColor(0, 255, 0), std::nullopt};
        QTest::mouseClick(textColour, Qt::LeftButton);
        pickFromCssMenu(f, {Qt::Key_B, Qt::Key_C}); // "&background-" > "&color..."
        QTest::mouseClick(textColour, Qt::LeftButton);
        QCOMPARE(fx.platform().colorInitials, (QList<QColor>{Qt::black, QColor(255, 0, 0), QColor(0, 255, 0)}));
        QCOMPARE(fx.platform().colorCustoms.size(), 3);
        QCOMPARE(fx.platform().colorCustoms[1].value(0), QStringLiteral("FF8000"));
        QCOMPARE(fx.platform().colorCustoms[1], fx.platform().colorCustoms[0]);
        QCOMPARE(collectionList(collections(f).first())->item(0)->text(), QStringLiteral("background-color:#00FF00;"));
        QVERIFY(f.activeBox()->text().contains(QLatin1String("#FF0000"), Qt::CaseInsensitive));
    }

    void collectionInUpperCaseAndEmpty()
    {
        ShellFixture fx("[Memo]\r\nStyleCase=1\r\n");
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        fx.platform().colorAnswers.push_back(QColor(0, 255, 0));
        trigger(f, "color1");
        TRegistBox *w = collections(f).first();
        QCOMPARE(collectionList(w)->item(0)->text(), QStringLiteral("BACKGROUND-COLOR:#00FF00;"));
        // Delete works; Input on an empty list does nothing and keeps the window.
        collectionList(w)->setCurrentRow(0);
        child<QPushButton>(w, "DeleteBtn")->click();
        QCOMPARE(collectionList(w)->count(), 0);
        inputButton(w)->click();
        QVERIFY(w->isVisible());
        QCOMPARE(box->toPlainText(), QString());
        QVERIFY(fx.platform().messages.isEmpty());
    }

    void collectionOutlivesTheDocuments()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        fx.platform().colorAnswers.push_back(QColor(1, 2, 3));
        trigger(f, "color1");
        TRegistBox *w = collections(f).first();
        QVERIFY(inputButton(w)->isEnabled());

        f.FileCloseClick();
        QCOMPARE(f.tabCount(), 0);
        QTRY_VERIFY(!inputButton(w)->isEnabled());
        // Reached anyway, it does nothing and keeps the list.
        w->OkBtnClick();
        QVERIFY(w->isVisible());
        QCOMPARE(collectionList(w)->count(), 1);

        f.FileNewClick();
        QTRY_VERIFY(inputButton(w)->isEnabled());
        inputButton(w)->click();
        QCOMPARE(f.activeBox()->toPlainText(), QStringLiteral("background-color:#010203;"));
        QVERIFY(!w->isVisible());
    }
};

QTEST_MAIN(TestStyleSheetCommands)
#include "tst_stylesheetcommands.moc"
