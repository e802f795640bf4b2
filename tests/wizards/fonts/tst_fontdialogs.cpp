// The font, size, heading and rule dialogs from their items: placement, samples, ranges and OK.
#include "ShellFixture.h"

#include "app/DialogPlacement.h"
#include "app/EditBox.h"
#include "wizards/fonts/FontBox.h"
#include "wizards/fonts/SampleText.h"
#include "wizards/fonts/SizeBox.h"

#include "Controls.h"

#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace {
void run(TMainForm &f, const char *name)
{
    QObject *item = f.item(QLatin1String(name));
    if (auto *a = qobject_cast<QAction *>(item))
        a->trigger();
    else
        qobject_cast<QAbstractButton *>(item)->click();
}

int samplePoints(QDialog *d)
{
    return child<QLabel>(d, "SampleLabel")->font().pointSize();
}

EditBox *newDocument(ShellFixture &fx, const QString &text, int selStart, int selLength)
{
    fx.form().FileNewClick();
    EditBox *box = fx.form().activeBox();
    box->setPlainText(text);
    box->setSelection(selStart, selLength);
    return box;
}
} // namespace

class TestFontDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fontWithEverything()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = newDocument(fx, QStringLiteral("a  word \nb"), 1, 8);
        fx.platform().colorAnswers.push_back(QColor(255, 0, 0));
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(d->windowTitle(), QStringLiteral("フォントの設定"));
                QCOMPARE(d->pos(), f.pos() + QPoint(180, 70));
                QCOMPARE(child<QLabel>(d, "SampleLabel")->text(), QStringLiteral("word"));
                QVERIFY(child<QRadioButton>(d, "SizeRadio3")->isChecked());
                QCOMPARE(samplePoints(d), 11);
                child<QRadioButton>(d, "SizeRadio5")->click();
                QCOMPARE(samplePoints(d), 14);
                child<QRadioButton>(d, "SizeRadio7")->click();
                QCOMPARE(samplePoints(d), 20);
                child<QRadioButton>(d, "SizeRadio5")->click();
                child<QCheckBox>(d, "BoldCheck")->click();
                child<QCheckBox>(d, "ItalicCheck")->click();
                QVERIFY(child<QLabel>(d, "SampleLabel")->font().bold());
                QVERIFY(child<QLabel>(d, "SampleLabel")->font().italic());
                child<QPushButton>(d, "ColorButton")->click();
                QCOMPARE(child<QLabel>(d, "SampleLabel")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
                // The help is a message at the button.
                QPushButton *help = child<QPushButton>(d, "HelpBtn");
                help->click();
                QCOMPARE(fx.platform().messages.size(), 1);
                QCOMPARE(fx.platform().messages.first().text, QStringLiteral("Max = 7\r\nMin = 1\r\nDefault = 3          "));
                QCOMPARE(fx.platform().messages.first().title, QStringLiteral("情報"));
                QCOMPARE(fx.platform().messages.first().topLeft, std::optional<QPoint>(help->mapToGlobal(QPoint(0, 0))));
            }();
            child<QPushButton>(d, "OkBtn")->click();
            return d->result();
        });
        run(f, "FontWizard");
        QVERIFY(fx.platform().dialogScripts.empty());
        QCOMPARE(box->text(), QStringLiteral("a<FONT SIZE=5 COLOR=\"#FF0000\"><B><I>  word \n</I></B></FONT>b"));
    }

    void fontUnchangedAndBlackInLowerCase()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        f.findChild<QAction *>(QStringLiteral("TagLower"))->trigger();
        EditBox *box = f.activeBox();
        fx.platform().colorAnswers.push_back(QColor(0, 0, 0));
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] { QCOMPARE(child<QLabel>(d, "SampleLabel")->text(), QStringLiteral("Sample")); }();
            child<QPushButton>(d, "ColorButton")->click();
            child<QPushButton>(d, "OkBtn")->click();
            return d->result();
        });
        run(f, "FontSpd");
        QCOMPARE(box->text(), QStringLiteral("<font size=3></font>"));
        QCOMPARE(box->selStart(), 13);
        // Cancel inserts nothing.
        fx.platform().dialogScripts.push_back([](QDialog *d) {
            child<QPushButton>(d, "CancelBtn")->click();
            return d->result();
        });
        run(f, "PopFontWizard");
        QCOMPARE(box->text(), QStringLiteral("<font size=3></font>"));
    }

    void sizeShowsTheSelectionUnchanged()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = newDocument(fx, QStringLiteral(" one\n two "), 0, 10);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(d->windowTitle(), QStringLiteral("文字サイズの選択"));
                QCOMPARE(d->pos(), f.pos() + QPoint(200, 80));
                QCOMPARE(child<QLabel>(d, "SampleLabel")->text(), QStringLiteral(" one\n two "));
                QCOMPARE(samplePoints(d), 12);
                child<QRadioButton>(d, "Size2")->click();
                QCOMPARE(samplePoints(d), 10);
                child<QRadioButton>(d, "Size7")->click();
                QCOMPARE(samplePoints(d), 24);
            }();
            child<QPushButton>(d, "OkBtn")->click();
            return d->result();
        });
        run(f, "fSize");
        QVERIFY(fx.platform().dialogScripts.empty());
        QCOMPARE(box->text(), QStringLiteral("<FONT SIZE=7> one\n two </FONT>"));
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] { QCOMPARE(d->pos(), DialogPlacement::atCursor(f.frameGeometry(), d->frameGeometry().size(), QCursor::pos())); }();
            child<QPushButton>(d, "OkBtn")->click();
            return d->result();
        });
        box->setSelection(0, 0);
        run(f, "fSizeSpd");
        QVERIFY(box->text().startsWith(QLatin1String("<FONT SIZE=3></FONT><FONT SIZE=7>")));
    }

    void headingWrapsTheSelection()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = newDocument(fx, QStringLiteral("Title"), 0, 5);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(d->windowTitle(), QStringLiteral("見出しの設定 <Hx>～</Hx>"));
                QCOMPARE(d->pos(), DialogPlacement::upperThird(f.frameGeometry(), d->frameGeometry().size()));
                QVERIFY(child<QRadioButton>(d, "Size4")->isChecked());
                QVERIFY(child<QRadioButton>(d, "AlignNone")->isChecked());
                child<QRadioButton>(d, "AlignCenter")->click();
            }();
            child<QPushButton>(d, "OkButton")->click();
            return d->result();
        });
        run(f, "aHeader");
        QCOMPARE(box->text(), QStringLiteral("<H4 ALIGN=\"CENTER\">Title</H4>"));
        f.findChild<QAction *>(QStringLiteral("TagLower"))->trigger();
        box->setSelection(0, 0);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            child<QRadioButton>(d, "Size6")->click();
            child<QRadioButton>(d, "AlignRight")->click();
            child<QPushButton>(d, "OkButton")->click();
            return d->result();
        });
        run(f, "aHeaderSpd");
        QVERIFY(box->text().startsWith(QLatin1String("<h6 align=\"right\"></h6><H4")));
    }

    void ruleLengthRangesAndTag()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = newDocument(fx, QString(), 0, 0);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] { QCOMPARE(d->windowTitle(), QStringLiteral("水平線の設定")); }();
            child<QPushButton>(d, "OkButton")->click();
            return d->result();
        });
        run(f, "imgHRWizard");
        QCOMPARE(box->text(), QStringLiteral("<HR SIZE=\"3\" WIDTH=\"90%\" ALIGN=\"CENTER\">"));

        box->setPlainText(QString());
        f.findChild<QAction *>(QStringLiteral("TagLower"))->trigger();
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QSpinBox *size = child<QSpinBox>(d, "SizeSpin");
                QCOMPARE(size->minimum(), 1);
                QCOMPARE(size->maximum(), 100);
                QSpinBox *width = child<QSpinBox>(d, "WidthSpin");
                width->setValue(100);
                width->stepUp();
                QCOMPARE(width->value(), 1); // wraps at its limits
                child<QRadioButton>(d, "NumRadio")->click();
                QCOMPARE(width->maximum(), 1000);
                width->setValue(500);
                QCOMPARE(width->value(), 500);
                child<QRadioButton>(d, "PerRadio")->click();
                QCOMPARE(width->value(), 100);
                QCOMPARE(width->maximum(), 100);
                child<QRadioButton>(d, "NumRadio")->click();
                width->setValue(500);
                size->setValue(7);
                child<QCheckBox>(d, "ShadeCheck")->click();
                child<QRadioButton>(d, "RightRadio")->click();
            }();
            child<QPushButton>(d, "OkButton")->click();
            return d->result();
        });
        run(f, "imgHRWizardSpd");
        QCOMPARE(box->text(), QStringLiteral("<hr size=\"7\" width=\"500\" align=\"right\" noshade>"));
    }

    // 400 selected lines, the first of them very long, leave both dialogs small: the sample
    // shows the first lines that fit, cut short with an ellipsis.
    void samplesShowWhatFits()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        QStringList lines(400, QStringLiteral("a line of the selection"));
        lines.first() = QString(3000, QLatin1Char('w'));
        const QString text = lines.join(QLatin1Char('\n'));
        newDocument(fx, text, 0, int(text.size()));
        const QSize screen = QGuiApplication::primaryScreen()->availableSize();
        for (const char *command : {"FontWizard", "fSize"}) {
            fx.platform().dialogScripts.push_back([&](QDialog *d) {
                [&] {
                    d->show();
                    QVERIFY(QTest::qWaitForWindowExposed(d));
                    QLabel *sample = child<QLabel>(d, "SampleLabel");
                    const QSize size = d->size();
                    QVERIFY2(size.height() < 400 && size.width() < 600, command);
                    for (QPushButton *b : d->findChildren<QPushButton *>())
                        QVERIFY(QRect(QPoint(0, 0), size).contains(QRect(b->mapTo(d, QPoint(0, 0)), b->size())));
                    QVERIFY(size.height() < screen.height());
                    const QStringList shown = sample->text().split(QLatin1Char('\n'));
                    QVERIFY2(shown.size() >= 2 && shown.size() <= 6, qPrintable(sample->text()));
                    QVERIFY(shown.first().startsWith(QLatin1String("www")));
                    QVERIFY(shown.first().endsWith(QChar(0x2026)));
                    QVERIFY(shown.last().endsWith(QChar(0x2026)));
                    // A larger size shows fewer lines in the same room.
                    const char *largest = d->findChild<QRadioButton *>(QStringLiteral("Size7")) ? "Size7" : "SizeRadio7";
                    QRadioButton *seven = child<QRadioButton>(d, largest);
                    QTest::mouseClick(seven, Qt::LeftButton, {}, QPoint(4, seven->height() / 2));
                    QVERIFY(seven->isChecked());
                    QCoreApplication::processEvents();
                    QCOMPARE(d->size(), size);
                    QVERIFY(sample->text().count(QLatin1Char('\n')) < shown.size() - 1);
                }();
                child<QPushButton>(d, "CancelBtn")->click();
                return d->result();
            });
            run(f, command);
            QVERIFY(fx.platform().dialogScripts.empty());
        }
    }

    void sampleLinesAndElision()
    {
        using Lines = SampleText::Lines;
        const auto first = [](const QString &text, int max) { return SampleText::firstLines(text, max); };
        const QString mixed = QStringLiteral("a\r\nb\rc\nd") + QChar(QChar::ParagraphSeparator) + QStringLiteral("e");
        QCOMPARE(first(mixed, 10).lines, QStringList({"a", "b", "c", "d", "e"}));
        QVERIFY(!first(mixed, 10).more);
        const Lines two = first(mixed, 2);
        QCOMPARE(two.lines, QStringList({"a", "b"}));
        QVERIFY(two.more);
        QCOMPARE(first(QStringLiteral("a\n"), 1).lines, QStringList({"a"}));
        QVERIFY(!first(QStringLiteral("a\n"), 1).more);
        QCOMPARE(first(QStringLiteral("x\ny"), 0).lines, QStringList({"x"})); // always one line
        QCOMPARE(first(QString(), 3).lines, QStringList({QString()}));

        const QFontMetrics fm(QFont(QStringLiteral("Sans"), 12));
        const QSize oneLine(200, fm.lineSpacing() + fm.lineSpacing() / 2);
        QCOMPARE(SampleText::fit(QStringLiteral("Sample"), fm, oneLine), QStringLiteral("Sample"));
        const QString cut = SampleText::fit(QStringLiteral("Sample\nmore"), fm, oneLine);
        QCOMPARE(cut, QStringLiteral("Sample") + SampleText::Ellipsis);
        const QString wide = SampleText::fit(QString(500, QLatin1Char('w')), fm, QSize(200, 3 * fm.lineSpacing()));
        QVERIFY(wide.endsWith(SampleText::Ellipsis));
        QVERIFY(fm.horizontalAdvance(wide) <= 200);
        QCOMPARE(SampleText::fit(QStringLiteral("one\ntwo"), fm, QSize(200, 3 * fm.lineSpacing())),
                 QStringLiteral("one\ntwo"));
    }

    // A typed length above the maximum becomes the maximum instead of being refused.
    void typedRuleLengthIsLoweredToTheMaximum()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = newDocument(fx, QString(), 0, 0);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                d->show();
                QVERIFY(QTest::qWaitForWindowExposed(d));
                QSpinBox *width = child<QSpinBox>(d, "WidthSpin");
                QLineEdit *field = width->findChild<QLineEdit *>();
                QTest::mouseClick(field, Qt::LeftButton, {}, field->rect().center());
                QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(field, QStringLiteral("150"));
                QCOMPARE(field->text(), QStringLiteral("100"));
                QCOMPARE(width->value(), 100);
                QRadioButton *number = child<QRadioButton>(d, "NumRadio");
                QTest::mouseClick(number, Qt::LeftButton, {}, QPoint(4, number->height() / 2));
                QVERIFY(number->isChecked());
                QTest::mouseClick(field, Qt::LeftButton, {}, field->rect().center());
                QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(field, QStringLiteral("2500"));
                QCOMPARE(field->text(), QStringLiteral("1000"));
                QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(field, QStringLiteral("99999999999"));
                QCOMPARE(width->value(), 1000);
            }();
            child<QPushButton>(d, "OkButton")->click();
            return d->result();
        });
        run(f, "imgHRWizard");
        QCOMPARE(box->text(), QStringLiteral("<HR SIZE=\"3\" WIDTH=\"1000\" ALIGN=\"CENTER\">"));
    }

    // Markup in the selection is shown as typed, not as formatting.
    void samplesShowMarkupAsText()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        newDocument(fx, QStringLiteral("<B>bold</B>"), 0, 11);
        for (const char *command : {"FontWizard", "fSize"}) {
            fx.platform().dialogScripts.push_back([&](QDialog *d) {
                [&] {
                    QLabel *sample = child<QLabel>(d, "SampleLabel");
                    QCOMPARE(sample->text(), QStringLiteral("<B>bold</B>"));
                    QCOMPARE(sample->textFormat(), Qt::PlainText);
                }();
                child<QPushButton>(d, "CancelBtn")->click();
                return d->result();
            });
            run(f, command);
        }
    }

    void itemsNeedADocument()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const char *names[] = {"FontWizard", "FontSpd", "PopFontWizard", "fSize", "fSizeSpd", "PopFontSize", "aHeader",
                               "aHeaderSpd", "PopArngHeader", "imgHRWizard", "imgHRWizardSpd", "PopimgHRWizard"};
        for (const char *name : names)
            QVERIFY2(!f.item(QLatin1String(name))->property("enabled").toBool(), name);
        f.FileNewClick();
        for (const char *name : names)
            QVERIFY2(f.item(QLatin1String(name))->property("enabled").toBool(), name);
    }
};

QTEST_MAIN(TestFontDialogs)
#include "tst_fontdialogs.moc"
