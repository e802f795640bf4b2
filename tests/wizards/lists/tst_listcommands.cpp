// The list wizard, list options, marquee and date dialogs as the user reaches them.
#include "ShellFixture.h"

#include "app/DialogPlacement.h"
#include "app/EditBox.h"
#include "platform/Clock.h"
#include "platform/ProfileStore.h"
#include "wizards/lists/DateFormat.h"
#include "wizards/lists/TimeBox.h"

#include "Controls.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace {
void trigger(TMainForm &f, const char *name)
{
    if (auto *b = f.findChild<QToolButton *>(QLatin1String(name)))
        b->click();
    else
        child<QAction>(&f, name)->trigger();
}

EditBox *newDocument(ShellFixture &fx, const QString &text)
{
    fx.form().FileNewClick();
    EditBox *box = fx.form().activeBox();
    box->setPlainText(text);
    return box;
}

void setCase(TMainForm &f, int tagCase)
{
    child<QAction>(&f, tagCase ? "TagUpper" : "TagLower")->trigger();
}

int pressOk(QDialog *d)
{
    child<QPushButton>(d, "OkBtn")->click();
    return d->result();
}

void choose(QDialog *d, const char *list, int index)
{
    QComboBox *combo = child<QComboBox>(d, list);
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

const QDateTime Fixed(QDate(2026, 3, 4), QTime(21, 7, 30)); // a Wednesday evening
} // namespace

class TestListCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::fix(Fixed); }
    void cleanup() { Clock::fix(std::nullopt); }

    void numberedListFromEveryEntry_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("menu") << "ListWizard";
        QTest::newRow("pop-up") << "PopListWizard";
        QTest::newRow("button") << "ListSpd";
    }
    void numberedListFromEveryEntry()
    {
        QFETCH(QString, command);
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.SetTabWidth(0); // two spaces
        EditBox *box = newDocument(fx, QStringLiteral("[]"));
        box->setSelection(1, 0);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(d->windowTitle(), QStringLiteral("リストウィザード"));
                QCOMPARE(d->pos(), DialogPlacement::upperThird(f.frameGeometry(), d->frameGeometry().size()));
                QSpinBox *start = child<QSpinBox>(d, "StartNumEdit");
                QVERIFY(!start->isEnabled());
                child<QRadioButton>(d, "OLRadio")->click();
                QVERIFY(start->isEnabled());
                QVERIFY(!child<QSpinBox>(d, "DTEdit")->isEnabled());
                QVERIFY(!child<QRadioButton>(d, "ELRadio")->isEnabled());
                start->setValue(3);
                child<QSpinBox>(d, "ListCntEdit")->setValue(2);
            }();
            return pressOk(d);
        });
        trigger(f, command.toLatin1().constData());
        QVERIFY(fx.platform().dialogScripts.empty());
        QCOMPARE(box->text(), QStringLiteral("[<OL START=3>\n  <LI>\n  <LI>\n</OL>]"));
    }

    void letteredAndDefinitionLists()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.SetTabWidth(0);
        setCase(f, 0);
        EditBox *box = newDocument(fx, QStringLiteral("x Item y"));
        box->setSelection(2, 4);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            child<QRadioButton>(d, "LetterRadio")->click();
            QRadioButton *upper = child<QRadioButton>(d, "ELRadio");
            [&] { QVERIFY(upper->isEnabled()); }();
            upper->click();
            return pressOk(d);
        });
        trigger(f, "ListWizard");
        // The letter keeps its case; the selection follows the OL line.
        QCOMPARE(box->text(), QStringLiteral("x <ol type=A>\nItem  <li>\n</ol> y"));
        action(f, "EditUndo")->trigger();
        QCOMPARE(box->text(), QStringLiteral("x Item y"));

        box->setPlainText(QString());
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            child<QRadioButton>(d, "DLRadio")->click();
            child<QSpinBox>(d, "ListCntEdit")->setValue(2);
            child<QSpinBox>(d, "DTEdit")->setValue(2);
            return pressOk(d);
        });
        trigger(f, "ListSpd");
        const QString definitions = QStringLiteral("<dl>\n  <dt>\n    <dd>\n    <dd>\n  <dt>\n    <dd>\n    <dd>\n</dl>");
        QCOMPARE(box->text(), definitions);
        // Cancel inserts nothing.
        fx.platform().dialogScripts.push_back([](QDialog *d) {
            child<QPushButton>(d, "CancelBtn")->click();
            return d->result();
        });
        trigger(f, "ListSpd");
        QCOMPARE(box->text(), definitions);
    }

    void listOptionsGoInAsOneStep()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = newDocument(fx, QStringLiteral("<OL >"));
        box->setSelection(4, 0);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(d->windowTitle(), QStringLiteral("タグオプション..."));
                QCOMPARE(d->pos(), DialogPlacement::centered(f.frameGeometry(), d->frameGeometry().size()));
                QSpinBox *start = child<QSpinBox>(d, "StartEdit");
                QVERIFY(!start->isEnabled());
                child<QRadioButton>(d, "OLRadio")->click();
                QVERIFY(start->isEnabled());
                QVERIFY(!child<QSpinBox>(d, "ValueEdit")->isEnabled());
                start->setValue(5);
                child<QRadioButton>(d, "SmallRomanRadio")->click();
            }();
            return pressOk(d);
        });
        trigger(f, "lstOpt");
        QCOMPARE(box->text(), QStringLiteral("<OL TYPE=i START=5>"));
        action(f, "EditUndo")->trigger();
        QCOMPARE(box->text(), QStringLiteral("<OL >"));

        setCase(f, 0);
        box->setPlainText(QStringLiteral("<li >"));
        box->setSelection(4, 0);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            child<QSpinBox>(d, "ValueEdit")->setValue(12);
            child<QRadioButton>(d, "UpperRadio")->click();
            return pressOk(d);
        });
        trigger(f, "PoplstOpt");
        QCOMPARE(box->text(), QStringLiteral("<li type=A value=12>"));
        fx.platform().dialogScripts.push_back([&](QDialog *d) { return pressOk(d); });
        trigger(f, "LstOptSpd");
        QCOMPARE(box->text(), QStringLiteral("<li type=A value=12type=1 value=1>"));
    }

    void marqueeKeepsTheTextAndRemembersItsSettings()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        setCase(f, 0);
        EditBox *box = newDocument(fx, QStringLiteral("News: Big SALE today"));
        box->setSelection(6, 8);
        fx.platform().colorAnswers.push_back(QColor(0x12, 0xAB, 0xCD));
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(d->windowTitle(), QStringLiteral("マーキータグの設定"));
                QCOMPARE(d->pos(), DialogPlacement::upperThird(f.frameGeometry(), d->frameGeometry().size()));
                QCOMPARE(child<QLineEdit>(d, "TextEdit")->text(), QStringLiteral("Big SALE"));
                child<QSpinBox>(d, "AmountSpin")->setValue(6);
                child<QRadioButton>(d, "RightRadio")->click();
                child<QRadioButton>(d, "SlideRadio")->click();
                QSpinBox *loop = child<QSpinBox>(d, "LoopSpin");
                QVERIFY(!loop->isEnabled());
                child<QRadioButton>(d, "CountRadio")->click();
                QVERIFY(loop->isEnabled());
                loop->setValue(4);
                QPushButton *change = child<QPushButton>(d, "ChangeColor");
                QVERIFY(!change->isEnabled());
                child<QCheckBox>(d, "BGCheck")->click();
                change->click();
                QCOMPARE(child<QLabel>(d, "ColorLabel")->palette().color(QPalette::Window), QColor(0x12, 0xAB, 0xCD));
                child<QSpinBox>(d, "WidthSpin")->setValue(200);
                child<QRadioButton>(d, "TopRadio")->click();
                child<QSpinBox>(d, "VSpaceSpin")->setValue(3);
            }();
            return pressOk(d);
        });
        trigger(f, "HtmlMarquee");
        QVERIFY(fx.platform().colorAnswers.empty());
        QCOMPARE(box->text(), QStringLiteral("News: <marquee scrollamount=\"6\" direction=\"right\" behavior=\"slide\" loop=\"4\""
                                             " bgcolor=\"#12ABCD\" width=\"200\" align=\"top\" vspace=\"3\">Big SALE</marquee> today"));
        ProfileStore ini(fx.path(QStringLiteral("TW.ini")));
        QCOMPARE(ini.readString(QStringLiteral("Marquee"), QStringLiteral("BGColor")), QStringLiteral("$00CDAB12"));

        // After a restart the dialog opens as it was left; Reset brings the defaults back.
        fx.restart();
        TMainForm &g = fx.form();
        box = newDocument(fx, QString());
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(child<QSpinBox>(d, "AmountSpin")->value(), 6);
                QVERIFY(child<QRadioButton>(d, "RightRadio")->isChecked());
                QVERIFY(child<QRadioButton>(d, "SlideRadio")->isChecked());
                QVERIFY(child<QRadioButton>(d, "CountRadio")->isChecked());
                QCOMPARE(child<QSpinBox>(d, "LoopSpin")->value(), 4);
                QVERIFY(child<QCheckBox>(d, "BGCheck")->isChecked());
                QVERIFY(child<QPushButton>(d, "ChangeColor")->isEnabled());
                QCOMPARE(child<QLabel>(d, "ColorLabel")->palette().color(QPalette::Window), QColor(0x12, 0xAB, 0xCD));
                QVERIFY(child<QRadioButton>(d, "TopRadio")->isChecked());
                QCOMPARE(child<QSpinBox>(d, "VSpaceSpin")->value(), 3);
                child<QPushButton>(d, "ResetBtn")->click();
                QCOMPARE(child<QSpinBox>(d, "AmountSpin")->value(), 0);
                QVERIFY(child<QRadioButton>(d, "EndlessRadio")->isChecked());
                QCOMPARE(child<QSpinBox>(d, "LoopSpin")->value(), 1);
                QVERIFY(!child<QCheckBox>(d, "BGCheck")->isChecked());
                QCOMPARE(child<QLabel>(d, "ColorLabel")->palette().color(QPalette::Window), QColor(Qt::white));
                QVERIFY(child<QRadioButton>(d, "MiddleRadio")->isChecked());
                child<QLineEdit>(d, "TextEdit")->setText(QStringLiteral("Hi"));
            }();
            return pressOk(d);
        });
        trigger(g, "fMarqueeSpd");
        QCOMPARE(box->text(), QStringLiteral("<marquee>Hi</marquee>")); // the tag case lasts too
        QCOMPARE(ini.readString(QStringLiteral("Marquee"), QStringLiteral("BGColor")), QStringLiteral("none"));
        QCOMPARE(ini.readInteger(QStringLiteral("Marquee"), QStringLiteral("Loop"), -1), 0);
        QCOMPARE(ini.readInteger(QStringLiteral("Marquee"), QStringLiteral("Align"), -1), 1);
    }

    void marqueeReadsTheOtherPlatformsColourNames()
    {
        ShellFixture fx(QByteArray("[Marquee]\r\nBGColor=CLFUCHSIA\r\nLoop=7\r\n"), true);
        EditBox *box = newDocument(fx, QString());
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QVERIFY(child<QCheckBox>(d, "BGCheck")->isChecked());
                QCOMPARE(child<QLabel>(d, "ColorLabel")->palette().color(QPalette::Window), QColor(255, 0, 255));
                QCOMPARE(child<QSpinBox>(d, "LoopSpin")->value(), 7);
            }();
            return pressOk(d);
        });
        trigger(fx.form(), "HtmlMarquee");
        QCOMPARE(box->text(), QStringLiteral("<MARQUEE LOOP=\"7\" BGCOLOR=\"#FF00FF\"></MARQUEE>"));
        ProfileStore ini(fx.path(QStringLiteral("TW.ini")));
        QCOMPARE(ini.readString(QStringLiteral("Marquee"), QStringLiteral("BGColor")), QStringLiteral("clFuchsia"));
    }

    void dateInTheOrderChosen()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = newDocument(fx, QStringLiteral("Updated: "));
        box->setSelection(9, 0);
        const DateFormat::Conventions c = DateFormat::Conventions::system();
        const QString date = DateFormat::format(QStringLiteral("yyyy/mm/dd"), Fixed, c);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(d->windowTitle(), QStringLiteral("日付と時刻"));
                QCOMPARE(d->pos(), f.pos() + QPoint(150, 150));
                QLabel *view = child<QLabel>(d, "ViewPanel");
                QCOMPARE(view->text(), QString());
                choose(d, "DayList", 3);
                choose(d, "DateList", 1);
                choose(d, "TimeList", 2);
                QCOMPARE(view->text(), QStringLiteral("水曜日 ") + date + QLatin1Char(' ') +
                                           DateFormat::format(QStringLiteral("hh:nn:ss"), Fixed, c));
                choose(d, "TimeList", 0);
                QCOMPARE(view->text(), QStringLiteral("水曜日 ") + date);
            }();
            return pressOk(d);
        });
        trigger(f, "ToolDate");
        QCOMPARE(box->text(), QStringLiteral("Updated: 水曜日 ") + date);
        ProfileStore ini(fx.path(QStringLiteral("TW.ini")));
        QCOMPARE(ini.readInteger(QStringLiteral("DateValue"), QStringLiteral("Date"), -1), 1);
        QCOMPARE(ini.readInteger(QStringLiteral("DateValue"), QStringLiteral("Time"), -1), 0);
        QCOMPARE(ini.readInteger(QStringLiteral("DateValue"), QStringLiteral("Day"), -1), 3);
        QCOMPARE(ini.readString(QStringLiteral("DateValue"), QStringLiteral("Order")), QStringLiteral("201"));

        // The next day the stored choices give the new date at once, from the pop-up.
        Clock::fix(Fixed.addDays(1));
        box->setPlainText(QString());
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(d->pos(), f.pos() + QPoint(150, 200));
                QCOMPARE(child<QComboBox>(d, "DateList")->currentIndex(), 1);
                QCOMPARE(child<QComboBox>(d, "DayList")->currentIndex(), 3);
                QCOMPARE(child<QLabel>(d, "ViewPanel")->text(),
                         QStringLiteral("木曜日 ") + DateFormat::format(QStringLiteral("yyyy/mm/dd"), Fixed.addDays(1), c));
            }();
            return pressOk(d);
        });
        trigger(f, "PopDate");
        QCOMPARE(box->text(), QStringLiteral("木曜日 ") + DateFormat::format(QStringLiteral("yyyy/mm/dd"), Fixed.addDays(1), c));
    }

    void hostileDateValuesPlaceNothingTwice()
    {
        ShellFixture fx(QByteArray("[DateValue]\r\nDate=99\r\nTime=1\r\nDay=4\r\nOrder=222\r\n"), true);
        EditBox *box = newDocument(fx, QStringLiteral("keep"));
        box->setSelection(0, 4);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(d->pos(), fx.form().pos() + QPoint(150, 150));
                QCOMPARE(child<QComboBox>(d, "DateList")->currentIndex(), 0);
                const auto *t = static_cast<TTimeBox *>(d);
                QCOMPARE(t->parts().order(), QStringLiteral("010"));
                QCOMPARE(t->preview(), DateFormat::format(QStringLiteral("hh:nn"), Fixed, DateFormat::Conventions::system()));
            }();
            return pressOk(d);
        });
        trigger(fx.form(), "ToolDate");
        ProfileStore ini(fx.path(QStringLiteral("TW.ini")));
        QCOMPARE(ini.readString(QStringLiteral("DateValue"), QStringLiteral("Order")), QStringLiteral("010"));
        QCOMPARE(ini.readInteger(QStringLiteral("DateValue"), QStringLiteral("Date"), -1), 0);

        // Nothing chosen: OK leaves the selection alone; help is not there yet.
        ShellFixture empty;
        box = newDocument(empty, QStringLiteral("keep"));
        box->setSelection(0, 4);
        empty.platform().dialogScripts.push_back([&](QDialog *d) {
            child<QPushButton>(d, "HelpBtn")->click();
            return pressOk(d);
        });
        trigger(empty.form(), "TimeSpd");
        QCOMPARE(box->text(), QStringLiteral("keep"));
        QCOMPARE(empty.platform().messages.size(), 1);
    }

private:
    static QAction *action(TMainForm &f, const char *name) { return child<QAction>(&f, name); }
};

QTEST_MAIN(TestListCommands)
#include "tst_listcommands.moc"
