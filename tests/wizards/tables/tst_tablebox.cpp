// The table wizard as the user reaches it: size fields and grid, CSV import, layout, keys and OK.
#include "ShellFixture.h"

#include "app/DialogPlacement.h"
#include "app/EditBox.h"
#include "platform/Cp932Codec.h"
#include "platform/RegularFile.h"
#include "wizards/tables/TableBox.h"

#include "Controls.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <sys/stat.h>

namespace {
void setCell(QTableWidget *grid, int row, int column, const QString &text)
{
    if (QTableWidgetItem *item = grid->item(row, column))
        item->setText(text);
    else
        grid->setItem(row, column, new QTableWidgetItem(text));
}

QString cell(QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QString();
}

bool editable(QTableWidget *grid, int row, int column)
{
    return grid->model()->flags(grid->model()->index(row, column)) & Qt::ItemIsEditable;
}
} // namespace

class TestTableBox : public QObject
{
    Q_OBJECT

    EditBox *openDocument(ShellFixture &fx)
    {
        fx.form().FileNewClick();
        return fx.form().activeBox();
    }

private Q_SLOTS:
    void typedTableWithEveryLayoutOption_data()
    {
        QTest::addColumn<int>("tagCase");
        QTest::addColumn<QString>("expected");
        QTest::newRow("upper") << 1
                               << "<TABLE ALIGN=\"CENTER\" BORDER=\"3\" CELLPADDING=\"2\" CELLSPACING=\"5\">\n"
                                  "<CAPTION>Price List</CAPTION>\n"
                                  "<TR>\n    <TD></TD>\n    <TD></TD>\n</TR>\n"
                                  "<TR>\n    <TD>Tea</TD>\n    <TD>120円</TD>\n</TR>\n"
                                  "<TR>\n    <TD></TD>\n    <TD>x</TD>\n</TR>\n"
                                  "</TABLE>";
        QTest::newRow("lower") << 0
                               << "<table align=\"center\" border=\"3\" cellpadding=\"2\" cellspacing=\"5\">\n"
                                  "<caption>Price List</caption>\n"
                                  "<tr>\n    <td></td>\n    <td></td>\n</tr>\n"
                                  "<tr>\n    <td>Tea</td>\n    <td>120円</td>\n</tr>\n"
                                  "<tr>\n    <td></td>\n    <td>x</td>\n</tr>\n"
                                  "</table>";
    }
    void typedTableWithEveryLayoutOption()
    {
        QFETCH(int, tagCase);
        QFETCH(QString, expected);
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.SetTabWidth(2); // four spaces
        EditBox *box = openDocument(fx);
        f.findChild<QAction *>(QLatin1String(tagCase ? "TagUpper" : "TagLower"))->trigger();
        box->setPlainText(QStringLiteral("[]"));
        box->setSelection(1, 0);
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(d->pos(), DialogPlacement::upperThird(f.frameGeometry(), d->frameGeometry().size()));
                QCOMPARE(d->windowTitle(), QStringLiteral("テーブルの作成"));
                QSpinBox *rows = child<QSpinBox>(d, "RowSpin");
                QCOMPARE(d->focusWidget(), rows);
                QTableWidget *grid = child<QTableWidget>(d, "TableGrid");
                QCOMPARE(grid->rowCount(), 2);
                QCOMPARE(grid->columnCount(), 1);
                rows->setValue(3);
                child<QSpinBox>(d, "ColSpin")->setValue(2);
                QCOMPARE(d->windowTitle(), QStringLiteral("テーブルの作成  --- [R: 3 / C: 2]"));
                QCOMPARE(grid->rowCount(), 3);
                QCOMPARE(grid->columnCount(), 2);
                QVERIFY(editable(grid, 0, 1)); // the heading row, new column included
                QVERIFY(editable(grid, 1, 1));
                setCell(grid, 1, 0, QStringLiteral("Tea"));
                setCell(grid, 1, 1, QStringLiteral("120円"));
                setCell(grid, 2, 1, QStringLiteral("x"));

                QLineEdit *caption = child<QLineEdit>(d, "CaptionEdit");
                QVERIFY(!caption->isEnabled());
                child<QCheckBox>(d, "CaptionChk")->click();
                QVERIFY(caption->isEnabled());
                caption->setText(QStringLiteral("Price List"));
                child<QRadioButton>(d, "CenterRadio")->click();
                QCOMPARE(static_cast<TTableBox *>(d)->alignment(), 2);
                QSpinBox *border = child<QSpinBox>(d, "BorderSpin");
                QVERIFY(!border->isEnabled());
                child<QRadioButton>(d, "BorderRadio")->click();
                QVERIFY(border->isEnabled());
                border->setValue(3);
                child<QCheckBox>(d, "SpacingChk")->click();
                child<QSpinBox>(d, "SpacingSpin")->setValue(5);
                child<QCheckBox>(d, "PaddingChk")->click();
                child<QSpinBox>(d, "PaddingSpin")->setValue(2);
            }();
            child<QPushButton>(d, "OKBtn")->click();
            return d->result();
        });
        f.findChild<QAction *>(QStringLiteral("TableWizard"))->trigger();
        QVERIFY(fx.platform().dialogScripts.empty());
        QCOMPARE(box->text(), QStringLiteral("[") + expected + QStringLiteral("]"));
        QCOMPARE(box->selStart(), 1 + expected.size());
    }

    void csvOfThreeLinesFillsTheGrid()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openDocument(fx);
        const QString csv = fx.writeFile(QStringLiteral("list.csv"),
                                         Cp932Codec::encode(u"品名, 値段\r\n\"りんご, 赤\",100\r\nみかん\r\n"));
        fx.platform().fileAnswers.push_back({{csv}, 0});
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                child<QPushButton>(d, "CSVBtn")->click();
                QCOMPARE(fx.platform().fileCalls.size(), 1);
                QCOMPARE(fx.platform().fileCalls.first().request.filters,
                         (QStringList{"CSVファイル (*.csv *.txt)", "その他 (*)"}));
                QTableWidget *grid = child<QTableWidget>(d, "TableGrid");
                QCOMPARE(grid->rowCount(), 3);
                QCOMPARE(grid->columnCount(), 2);
                QCOMPARE(cell(grid, 0, 1), QStringLiteral("値段"));
                QCOMPARE(cell(grid, 1, 0), QStringLiteral("りんご, 赤"));
                QCOMPARE(cell(grid, 2, 1), QString());
                // The size fields show the loaded size.
                QCOMPARE(child<QSpinBox>(d, "RowSpin")->value(), 3);
                QCOMPARE(child<QSpinBox>(d, "ColSpin")->value(), 2);
                QCOMPARE(d->windowTitle(), QStringLiteral("テーブルの作成  --- [R: 3 / C: 2]"));
            }();
            child<QPushButton>(d, "OKBtn")->click();
            return d->result();
        });
        f.findChild<QToolButton *>(QStringLiteral("TableSpd"))->click();
        QCOMPARE(box->text(), QStringLiteral("<TABLE BORDER=\"0\">\n"
                                             "<TR>\n  <TD>品名</TD>\n  <TD>値段</TD>\n</TR>\n"
                                             "<TR>\n  <TD>りんご, 赤</TD>\n  <TD>100</TD>\n</TR>\n"
                                             "<TR>\n  <TD>みかん</TD>\n  <TD></TD>\n</TR>\n"
                                             "</TABLE>"));
    }

    void csvThatCannotBeReadKeepsTheGrid()
    {
        ShellFixture fx;
        openDocument(fx);
        TTableBox box(&fx.form());
        QTableWidget *grid = box.findChild<QTableWidget *>(QStringLiteral("TableGrid"));
        setCell(grid, 1, 0, QStringLiteral("mine"));
        QVERIFY(!box.loadCsv(fx.path(QStringLiteral("missing.csv"))));
        QVERIFY(QDir(fx.folder()).mkdir(QStringLiteral("folder.csv")));
        QVERIFY(!box.loadCsv(fx.path(QStringLiteral("folder.csv"))));
        QCOMPARE(fx.platform().messages.size(), 2);
        QVERIFY(fx.platform().messages.first().text.contains(QLatin1String("missing.csv")));
        // An empty file changes nothing either, without a message.
        QVERIFY(box.loadCsv(fx.writeFile(QStringLiteral("empty.csv"), QByteArray())));
        QCOMPARE(fx.platform().messages.size(), 2);
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(cell(grid, 1, 0), QStringLiteral("mine"));
        // Cancelling the file dialog too.
        fx.platform().fileAnswers.push_back({{}, 0});
        box.findChild<QPushButton *>(QStringLiteral("CSVBtn"))->click();
        QCOMPARE(cell(grid, 1, 0), QStringLiteral("mine"));
    }

    void csvReplacesEveryCell()
    {
        ShellFixture fx;
        openDocument(fx);
        TTableBox box(&fx.form());
        QTableWidget *grid = box.findChild<QTableWidget *>(QStringLiteral("TableGrid"));
        box.findChild<QSpinBox *>(QStringLiteral("RowSpin"))->setValue(4);
        box.findChild<QSpinBox *>(QStringLiteral("ColSpin"))->setValue(3);
        setCell(grid, 3, 2, QStringLiteral("old"));
        setCell(grid, 1, 0, QStringLiteral("old"));
        QVERIFY(box.loadCsv(fx.writeFile(QStringLiteral("one.csv"), "a\r\n")));
        QCOMPARE(grid->rowCount(), 2); // the lowest row count the field allows
        QCOMPARE(grid->columnCount(), 1);
        QCOMPARE(box.cells(), (QList<QStringList>{{"a"}, {""}}));
        QVERIFY(box.loadCsv(fx.writeFile(QStringLiteral("two.csv"), "x,y\ny")));
        QCOMPARE(box.cells(), (QList<QStringList>{{"x", "y"}, {"y", ""}}));
    }

    void resetAndWrapping()
    {
        ShellFixture fx;
        openDocument(fx);
        TTableBox box(&fx.form());
        QSpinBox *rows = box.findChild<QSpinBox *>(QStringLiteral("RowSpin"));
        QSpinBox *cols = box.findChild<QSpinBox *>(QStringLiteral("ColSpin"));
        QTableWidget *grid = box.findChild<QTableWidget *>(QStringLiteral("TableGrid"));
        rows->setValue(100);
        rows->stepUp();
        QCOMPARE(rows->value(), 2);
        cols->stepDown();
        QCOMPARE(cols->value(), 100);
        QCOMPARE(grid->columnCount(), 100);
        rows->setValue(7);
        box.findChild<QPushButton *>(QStringLiteral("ResetBtn"))->click();
        QCOMPARE(rows->value(), 2);
        QCOMPARE(cols->value(), 1);
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->columnCount(), 1);
        QCOMPARE(box.windowTitle(), QStringLiteral("テーブルの作成  --- [R: 2 / C: 1]"));
        // After a one-line file reset still resizes the grid.
        QVERIFY(box.loadCsv(fx.writeFile(QStringLiteral("one.csv"), "a,b")));
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->columnCount(), 2);
        box.ResetBtnClick();
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->columnCount(), 1);
        QVERIFY(editable(grid, 0, 0));
    }

    void keysAndHelp()
    {
        ShellFixture fx;
        openDocument(fx);
        TTableBox box(&fx.form());
        box.show();
        QTabWidget *pages = box.findChild<QTabWidget *>(QStringLiteral("PageControl"));
        QSpinBox *rows = box.findChild<QSpinBox *>(QStringLiteral("RowSpin"));
        QCOMPARE(box.helpAnchor(), QStringLiteral("#TableWizard"));
        QTest::keyClick(rows, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pages->currentIndex(), 1);
        QCOMPARE(box.helpAnchor(), QStringLiteral("#TableOption"));
        box.findChild<QPushButton *>(QStringLiteral("HelpBtn"))->click();
        // From a control of the other page, and wrapping round.
        QTest::keyClick(box.findChild<QCheckBox *>(QStringLiteral("CaptionChk")), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pages->currentIndex(), 0);
        QTest::keyClick(box.findChild<QTableWidget *>(QStringLiteral("TableGrid")), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(pages->currentIndex(), 1);
        QStringList shown = fx.platform().shellOpened;
        for (const auto &p : fx.platform().programsStarted)
            shown << p.second;
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().endsWith(QLatin1String("Help/Tips.html#TableOption")), qPrintable(shown.first()));
        QVERIFY(box.isVisible());
        QTest::keyClick(box.findChild<QSpinBox *>(QStringLiteral("BorderSpin")), Qt::Key_Escape);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Rejected));
    }

    void escapeInTheRowFieldCancels()
    {
        ShellFixture fx;
        EditBox *box = openDocument(fx);
        fx.platform().dialogScripts.push_back([](QDialog *d) {
            d->show();
            QTest::keyClick(child<QSpinBox>(d, "RowSpin"), Qt::Key_Escape);
            return d->isVisible() ? int(QDialog::Accepted) : d->result();
        });
        fx.form().findChild<QAction *>(QStringLiteral("PopTableWizard"))->trigger();
        QCOMPARE(box->text(), QString());
        QVERIFY(!box->isModified());
    }

    // The heading row takes typing like every row, and stays a heading to look at.
    void headingRowCanBeTypedIn()
    {
        ShellFixture fx;
        EditBox *box = openDocument(fx);
        fx.platform().dialogScripts.push_back([](QDialog *d) {
            [&] {
                d->show();
                QVERIFY(QTest::qWaitForWindowExposed(d));
                QTableWidget *grid = child<QTableWidget>(d, "TableGrid");
                const QColor headingColor = grid->item(0, 0)->background().color();
                QVERIFY(headingColor.isValid());
                QVERIFY(headingColor != grid->palette().color(QPalette::Base));
                for (int row = 0; row < 2; ++row) {
                    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                      grid->visualRect(grid->model()->index(row, 0)).center());
                    QTest::keyClick(grid, row == 0 ? 'H' : 'B');
                    QWidget *editor = QApplication::focusWidget();
                    QVERIFY(qobject_cast<QLineEdit *>(editor));
                    QTest::keyClicks(editor, row == 0 ? QStringLiteral("ead") : QStringLiteral("ody"));
                    QTest::keyClick(editor, Qt::Key_Return);
                }
                QCOMPARE(cell(grid, 0, 0), QStringLiteral("Head"));
                QCOMPARE(grid->item(0, 0)->background().color(), headingColor);
            }();
            QPushButton *ok = child<QPushButton>(d, "OKBtn");
            QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
            return d->result();
        });
        fx.form().findChild<QAction *>(QStringLiteral("TableWizard"))->trigger();
        QCOMPARE(box->text(), QStringLiteral("<TABLE BORDER=\"0\">\n<TR>\n  <TD>Head</TD>\n</TR>\n<TR>\n  <TD>Body</TD>\n</TR>\n</TABLE>"));
    }

    void cellBeingTypedCountsAtOk()
    {
        ShellFixture fx;
        EditBox *box = openDocument(fx);
        fx.platform().dialogScripts.push_back([](QDialog *d) {
            d->show();
            QTableWidget *grid = child<QTableWidget>(d, "TableGrid");
            grid->setCurrentCell(1, 0);
            setCell(grid, 1, 0, QString());
            grid->editItem(grid->item(1, 0));
            QLineEdit *editor = grid->viewport()->findChild<QLineEdit *>();
            if (!editor)
                return int(QDialog::Rejected);
            QTest::keyClicks(editor, QStringLiteral("typed"));
            static_cast<TTableBox *>(d)->OKBtnClick();
            return d->result();
        });
        fx.form().findChild<QAction *>(QStringLiteral("TableWizard"))->trigger();
        QCOMPARE(box->text(), QStringLiteral("<TABLE BORDER=\"0\">\n<TR>\n  <TD></TD>\n</TR>\n<TR>\n  <TD>typed</TD>\n</TR>\n</TABLE>"));
    }

    void csvThatIsNoRegularFileIsRefusedBeforeOpening()
    {
        ShellFixture fx;
        openDocument(fx);
        TTableBox box(&fx.form());
        QTableWidget *grid = box.findChild<QTableWidget *>(QStringLiteral("TableGrid"));
        setCell(grid, 1, 0, QStringLiteral("mine"));
        const QString pipe = fx.path(QStringLiteral("pipe.csv"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
        QVERIFY(QFile::link(pipe, fx.path(QStringLiteral("link.csv"))));
        const QStringList names = {pipe, fx.path(QStringLiteral("link.csv")), QStringLiteral("/dev/zero")};
        for (const QString &name : names) {
            fx.platform().fileAnswers.push_back({{name}, 0});
            box.findChild<QPushButton *>(QStringLiteral("CSVBtn"))->click();
        }
        QCOMPARE(fx.platform().messages.size(), names.size());
        for (qsizetype i = 0; i < names.size(); ++i) {
            const auto &m = fx.platform().messages.at(i);
            QCOMPARE(m.kind, Platform::MessageKind::Warning);
            QVERIFY2(m.text.contains(names.at(i)) && m.text.contains(RegularFile::notRegularReason()), qPrintable(m.text));
        }
        QCOMPARE(cell(grid, 1, 0), QStringLiteral("mine"));
    }

    void csvOverFourMegabytesIsRefusedWithItsSize()
    {
        ShellFixture fx;
        openDocument(fx);
        TTableBox box(&fx.form());
        const QByteArray big(int(TTableBox::MaxCsvBytes) + 1, ',');
        QVERIFY(!box.loadCsv(fx.writeFile(QStringLiteral("big.csv"), big)));
        QCOMPARE(fx.platform().messages.size(), 1);
        QVERIFY2(fx.platform().messages.first().text.contains(QString::number(big.size())),
                 qPrintable(fx.platform().messages.first().text));
        QCOMPARE(box.findChild<QTableWidget *>(QStringLiteral("TableGrid"))->rowCount(), 2);
        // Exactly the limit is read.
        QVERIFY(box.loadCsv(fx.writeFile(QStringLiteral("limit.csv"), big.left(int(TTableBox::MaxCsvBytes)))));
    }

    void csvFillsAtMostTheSizeFieldsRanges()
    {
        ShellFixture fx;
        openDocument(fx);
        TTableBox box(&fx.form());
        QTableWidget *grid = box.findChild<QTableWidget *>(QStringLiteral("TableGrid"));
        QSpinBox *rows = box.findChild<QSpinBox *>(QStringLiteral("RowSpin"));
        QSpinBox *cols = box.findChild<QSpinBox *>(QStringLiteral("ColSpin"));
        // 20 KB of commas and empty lines asked for 10^8 cells once.
        QByteArray commas = QByteArray(10000, ',') + QByteArray(10000, '\n');
        QVERIFY(box.loadCsv(fx.writeFile(QStringLiteral("commas.csv"), commas)));
        QCOMPARE(grid->rowCount(), 100);
        QCOMPARE(grid->columnCount(), 100);
        QCOMPARE(rows->value(), 100);
        QCOMPARE(cols->value(), 100);
        QCOMPARE(fx.platform().messages.size(), 1);
        const auto &m = fx.platform().messages.first();
        QCOMPARE(m.kind, Platform::MessageKind::Information);
        // 10000 lines (the last break starts none), 10000 fields on the first.
        QVERIFY2(m.text.contains(QStringLiteral("9900 行と 9900 列")), qPrintable(m.text));

        QByteArray table;
        for (int r = 0; r < 120; ++r) {
            QByteArrayList fields;
            for (int c = 0; c < 105; ++c)
                fields << QByteArray::number(r) + '.' + QByteArray::number(c);
            table += fields.join(',') + "\r\n";
        }
        QVERIFY(box.loadCsv(fx.writeFile(QStringLiteral("table.csv"), table)));
        QCOMPARE(cell(grid, 99, 99), QStringLiteral("99.99"));
        QCOMPARE(box.cells().size(), 100);
        QVERIFY(fx.platform().messages.last().text.contains(QStringLiteral("20 行と 5 列")));
    }

    void gridAndSizeFieldsAgreeAfterAShortCsv()
    {
        ShellFixture fx;
        openDocument(fx);
        TTableBox box(&fx.form());
        QTableWidget *grid = box.findChild<QTableWidget *>(QStringLiteral("TableGrid"));
        QSpinBox *rows = box.findChild<QSpinBox *>(QStringLiteral("RowSpin"));
        QSpinBox *cols = box.findChild<QSpinBox *>(QStringLiteral("ColSpin"));
        rows->setValue(5);
        QVERIFY(box.loadCsv(fx.writeFile(QStringLiteral("one.csv"), "a,b\r\n")));
        QCOMPARE(grid->rowCount(), rows->value());
        QCOMPARE(grid->columnCount(), cols->value());
        QCOMPARE(rows->value(), 2);
        // A click on a size field starts from what the user sees.
        rows->stepUp();
        cols->stepUp();
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->columnCount(), 3);
        QCOMPARE(box.cells(), (QList<QStringList>{{"a", "b", ""}, {"", "", ""}, {"", "", ""}}));
        QCOMPARE(fx.platform().messages.size(), 0);
    }
};

QTEST_MAIN(TestTableBox)
#include "tst_tablebox.moc"
