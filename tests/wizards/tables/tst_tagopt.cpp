// The table tag options dialog: its check boxes, units and "すべてチェック", and OK in both tag cases.
#include "ShellFixture.h"

#include "app/DialogPlacement.h"
#include "app/EditBox.h"
#include "wizards/tables/TagOpt.h"

#include "Controls.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace {
const char *const Checks[] = {"WidthChk", "HeightChk", "AlignChk", "VAlignChk", "ColChk", "RowChk"};
} // namespace

class TestTagOpt : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyOptionThroughTheMenu_data()
    {
        QTest::addColumn<int>("tagCase");
        QTest::addColumn<QString>("expected");
        QTest::newRow("upper") << 1
                               << "<TD WIDTH=\"1000\" HEIGHT=\"40%\" ALIGN=\"CENTER\" VALIGN=\"BOTTOM\" ROWSPAN=\"2x\" COLSPAN=\"3\">";
        // The whole string follows the tag case, values typed into the span fields included.
        QTest::newRow("lower") << 0
                               << "<TD width=\"1000\" height=\"40%\" align=\"center\" valign=\"bottom\" rowspan=\"2x\" colspan=\"3\">";
    }
    void everyOptionThroughTheMenu()
    {
        QFETCH(int, tagCase);
        QFETCH(QString, expected);
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        f.findChild<QAction *>(QLatin1String(tagCase ? "TagUpper" : "TagLower"))->trigger();
        box->setPlainText(QStringLiteral("<TD>"));
        box->setSelection(3, 0);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(d->windowTitle(), QStringLiteral("タグオプション"));
                QCOMPARE(d->pos(), f.pos() + QPoint(200, 100));
                QSpinBox *width = child<QSpinBox>(d, "WidthEdit");
                QVERIFY(!width->isEnabled());
                QVERIFY(!child<QRadioButton>(d, "WSizeRadio")->isEnabled());
                child<QCheckBox>(d, "WidthChk")->click();
                QVERIFY(width->isEnabled());
                QVERIFY(child<QRadioButton>(d, "WSizeRadio")->isEnabled());
                QCOMPARE(d->focusWidget(), width);
                child<QRadioButton>(d, "WSizeRadio")->click();
                QCOMPARE(width->maximum(), 2000);
                QCOMPARE(width->value(), 1000);
                child<QRadioButton>(d, "WPerRadio")->click();
                QCOMPARE(width->maximum(), 100);
                QCOMPARE(width->value(), 100);
                child<QRadioButton>(d, "WSizeRadio")->click();

                child<QCheckBox>(d, "HeightChk")->click();
                child<QSpinBox>(d, "HeightEdit")->setValue(40);
                child<QCheckBox>(d, "AlignChk")->click();
                QCOMPARE(d->focusWidget(), child<QRadioButton>(d, "LeftRadio"));
                QVERIFY(child<QRadioButton>(d, "LeftRadio")->isChecked());
                child<QRadioButton>(d, "CenterRadio")->click();
                child<QCheckBox>(d, "VAlignChk")->click();
                QCOMPARE(d->focusWidget(), child<QRadioButton>(d, "TopRadio"));
                child<QRadioButton>(d, "BottomRadio")->click();
                // The two groups are separate: choosing BOTTOM leaves CENTER chosen.
                QVERIFY(child<QRadioButton>(d, "CenterRadio")->isChecked());
                child<QCheckBox>(d, "ColChk")->click();
                QVERIFY(child<QLineEdit>(d, "ColEdit")->isEnabled());
                QCOMPARE(child<QLineEdit>(d, "ColEdit")->text(), QStringLiteral("1"));
                child<QLineEdit>(d, "ColEdit")->setText(QStringLiteral("3"));
                child<QCheckBox>(d, "RowChk")->click();
                child<QLineEdit>(d, "RowEdit")->setText(QStringLiteral("2X"));
            }();
            child<QPushButton>(d, "OkBtn")->click();
            return d->result();
        });
        f.findChild<QAction *>(QStringLiteral("tTagOption"))->trigger();
        QVERIFY(fx.platform().dialogScripts.empty());
        if (tagCase)
            expected.replace(QLatin1String("2x"), QLatin1String("2X"));
        QCOMPARE(box->text(), expected);
    }

    void checkAll()
    {
        TTagOpt box;
        QCheckBox *all = box.findChild<QCheckBox *>(QStringLiteral("AllChk"));
        all->click();
        for (const char *name : Checks)
            QVERIFY2(child<QCheckBox>(&box, name)->isChecked(), name);
        QVERIFY(child<QLineEdit>(&box, "RowEdit")->isEnabled());
        QCOMPARE(box.insertion(), QStringLiteral(" WIDTH=\"100%\" HEIGHT=\"100%\" ALIGN=\"LEFT\" VALIGN=\"TOP\" "
                                                 "ROWSPAN=\"1\" COLSPAN=\"1\""));
        child<QCheckBox>(&box, "HeightChk")->click();
        // Every box follows the check-all box, whatever each one had.
        all->click();
        all->click();
        for (const char *name : Checks)
            QVERIFY2(child<QCheckBox>(&box, name)->isChecked(), name);
        all->click();
        for (const char *name : Checks)
            QVERIFY2(!child<QCheckBox>(&box, name)->isChecked(), name);
        QVERIFY(!child<QSpinBox>(&box, "WidthEdit")->isEnabled());
        QVERIFY(!child<QRadioButton>(&box, "BottomRadio")->isEnabled());
        QCOMPARE(box.insertion(), QString());
    }

    void nothingCheckedRemovesTheSelectionAndHelp()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        box->setPlainText(QStringLiteral("<TD old>"));
        box->setSelection(3, 4);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            child<QPushButton>(d, "HelpBtn")->click();
            child<QPushButton>(d, "OkBtn")->click();
            return d->result();
        });
        f.findChild<QToolButton *>(QStringLiteral("TblOptSpd"))->click();
        QCOMPARE(box->text(), QStringLiteral("<TD>"));
        QStringList shown = fx.platform().shellOpened;
        for (const auto &p : fx.platform().programsStarted)
            shown << p.second;
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().endsWith(QLatin1String("Help/Tips.html#TableTagOption")), qPrintable(shown.first()));
        // Cancel from the pop-up inserts nothing.
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            child<QCheckBox>(d, "AllChk")->click();
            child<QPushButton>(d, "CancelBtn")->click();
            return d->result();
        });
        f.findChild<QAction *>(QStringLiteral("PopTblOpt"))->trigger();
        QCOMPARE(box->text(), QStringLiteral("<TD>"));
        QVERIFY(fx.platform().dialogScripts.empty());
    }
};

QTEST_MAIN(TestTagOpt)
#include "tst_tagopt.moc"
