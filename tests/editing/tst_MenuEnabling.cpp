#include "editing/MenuEnabling.h"

#include <QTest>

class TestMenuEnabling : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void editMenu_data();
    void editMenu();
    void toolMenu_data();
    void toolMenu();
};

void TestMenuEnabling::editMenu_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("selection");
    QTest::addColumn<bool>("clipboard");
    // undo, cut, copy, paste, delete, line copy, line delete, indent, unindent, select all
    QTest::addColumn<QString>("enabled");

    QTest::newRow("no tab, whatever else") << 0 << 5 << true << "----------";
    QTest::newRow("tab, nothing selected, empty clipboard") << 1 << 0 << false << "U----LDIuA";
    QTest::newRow("tab, selection") << 2 << 3 << false << "UXC-DLDIuA";
    QTest::newRow("tab, clipboard text") << 1 << 0 << true << "U--P-LDIuA";
}

void TestMenuEnabling::editMenu()
{
    QFETCH(int, tabs);
    QFETCH(int, selection);
    QFETCH(bool, clipboard);
    QFETCH(QString, enabled);
    const MenuEnabling::EditMenu m = MenuEnabling::editMenu(tabs, selection, clipboard);
    const bool got[] = {m.undo, m.cut, m.copy, m.paste, m.del, m.lineCopy, m.lineDelete, m.indent, m.unindent,
                        m.selectAll};
    QString shown;
    for (int i = 0; i < 10; ++i)
        shown += got[i] ? enabled[i] : QLatin1Char('-');
    QCOMPARE(shown, enabled);
}

void TestMenuEnabling::toolMenu_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("selection");
    // add template, lower, upper, tag cut, date, tag template, sub-menu entries
    QTest::addColumn<QString>("enabled");

    QTest::newRow("no tab") << 0 << 3 << "-------";
    QTest::newRow("tab, no selection") << 1 << 0 << "----DTS";
    QTest::newRow("tab, selection") << 1 << 1 << "ALUCDTS";
}

void TestMenuEnabling::toolMenu()
{
    QFETCH(int, tabs);
    QFETCH(int, selection);
    QFETCH(QString, enabled);
    const MenuEnabling::ToolMenu m = MenuEnabling::toolMenu(tabs, selection);
    const bool got[] = {m.addTemp, m.toolLower, m.toolUpper, m.toolTagCut, m.toolDate, m.toolTagTemplate,
                        m.subMenuEntries};
    QString shown;
    for (int i = 0; i < 7; ++i)
        shown += got[i] ? enabled[i] : QLatin1Char('-');
    QCOMPARE(shown, enabled);
}

QTEST_GUILESS_MAIN(TestMenuEnabling)
#include "tst_MenuEnabling.moc"
