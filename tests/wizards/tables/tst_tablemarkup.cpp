// The TABLE block of the table wizard and the cell attributes of the table tag options.
#include "wizards/tables/TableMarkup.h"

#include <QTest>

using Layout = TableMarkup::Layout;
using Cells = TableMarkup::CellOptions;
Q_DECLARE_METATYPE(TableMarkup::Layout)
Q_DECLARE_METATYPE(TableMarkup::CellOptions)

class TestTableMarkup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void example()
    {
        Layout l;
        l.align = TableMarkup::AlignCenter;
        l.border = true;
        l.borderWidth = 1;
        const QList<QStringList> rows{{QString()}, {QStringLiteral("a")}};
        QCOMPARE(TableMarkup::tableLines(rows, l, 1, QStringLiteral("  ")),
                 (QStringList{"<TABLE ALIGN=\"CENTER\" BORDER=\"1\">", "<TR>", "  <TD></TD>", "</TR>", "<TR>",
                              "  <TD>a</TD>", "</TR>", "</TABLE>"}));
        // Lower case reaches the attribute values but never the cell texts.
        const QList<QStringList> named{{QStringLiteral("Name")}, {QStringLiteral("ABC")}};
        QCOMPARE(TableMarkup::table(named, l, 0, QStringLiteral("  ")),
                 QStringLiteral("<table align=\"center\" border=\"1\">\n<tr>\n  <td>Name</td>\n</tr>\n<tr>\n"
                                "  <td>ABC</td>\n</tr>\n</table>"));
    }

    void openingTag_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<int>("tagCase");
        QTest::addColumn<QString>("expected");
        QTest::newRow("defaults: BORDER 0 always written") << Layout() << 1 << "<TABLE BORDER=\"0\">";
        Layout unchosen;
        unchosen.borderWidth = 7; // the spin value without its radio
        QTest::newRow("border width unused without its radio") << unchosen << 1 << "<TABLE BORDER=\"0\">";
        Layout left;
        left.align = TableMarkup::AlignLeft;
        QTest::newRow("left") << left << 1 << "<TABLE ALIGN=\"LEFT\" BORDER=\"0\">";
        Layout right;
        right.align = TableMarkup::AlignRight;
        QTest::newRow("right, lower") << right << 0 << "<table align=\"right\" border=\"0\">";
        Layout all;
        all.align = TableMarkup::AlignCenter;
        all.border = true;
        all.borderWidth = 20;
        all.padding = true;
        all.paddingValue = 4;
        all.spacing = true;
        all.spacingValue = 100;
        QTest::newRow("every attribute, padding before spacing")
            << all << 1 << "<TABLE ALIGN=\"CENTER\" BORDER=\"20\" CELLPADDING=\"4\" CELLSPACING=\"100\">";
        Layout spacingOnly;
        spacingOnly.spacing = true;
        QTest::newRow("spacing 0") << spacingOnly << 0 << "<table border=\"0\" cellspacing=\"0\">";
    }
    void openingTag()
    {
        QFETCH(Layout, layout);
        QFETCH(int, tagCase);
        QFETCH(QString, expected);
        const QStringList lines = TableMarkup::tableLines({{QString()}, {QString()}}, layout, tagCase, QStringLiteral("  "));
        QCOMPARE(lines.first(), expected);
    }

    void captionKeepsItsCase()
    {
        Layout l;
        l.caption = true;
        l.captionText = QStringLiteral("Sales 売上");
        const QStringList lower = TableMarkup::tableLines({{QStringLiteral("x")}}, l, 0, QStringLiteral("    "));
        QCOMPARE(lower, (QStringList{"<table border=\"0\">", "<caption>Sales 売上</caption>", "<tr>", "    <td>x</td>",
                                     "</tr>", "</table>"}));
        l.caption = false;
        QVERIFY(!TableMarkup::table({{QString()}}, l, 1, QStringLiteral("  ")).contains(QLatin1String("CAPTION")));
    }

    void everyCellInOrder()
    {
        const QList<QStringList> rows{{"h1", "h2", "h3"}, {"a", "b", "c"}, {"d", "", "f"}};
        const QStringList lines = TableMarkup::tableLines(rows, Layout(), 1, QString(8, QLatin1Char(' ')));
        QCOMPARE(lines.size(), 1 + 3 * (3 + 2) + 1);
        QCOMPARE(lines.mid(1, 5), (QStringList{"<TR>", "        <TD>h1</TD>", "        <TD>h2</TD>",
                                               "        <TD>h3</TD>", "</TR>"}));
        QCOMPARE(lines.mid(11, 5), (QStringList{"<TR>", "        <TD>d</TD>", "        <TD></TD>", "        <TD>f</TD>", "</TR>"}));
        QCOMPARE(lines.last(), QStringLiteral("</TABLE>"));
    }

    void cellOptions_data()
    {
        QTest::addColumn<Cells>("options");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing checked") << Cells() << "";
        Cells w;
        w.width = true;
        QTest::newRow("width percent") << w << " WIDTH=\"100%\"";
        w.widthPercent = false;
        w.widthValue = 1000;
        QTest::newRow("width size") << w << " WIDTH=\"1000\"";
        Cells h;
        h.height = true;
        h.heightValue = 40;
        QTest::newRow("height percent") << h << " HEIGHT=\"40%\"";
        Cells a;
        a.align = true;
        a.alignValue = TableMarkup::Right;
        a.valign = true;
        a.valignValue = TableMarkup::Middle;
        QTest::newRow("align and valign") << a << " ALIGN=\"RIGHT\" VALIGN=\"MIDDLE\"";
        Cells spans;
        spans.colspan = true;
        spans.colspanText = QStringLiteral("3");
        spans.rowspan = true;
        spans.rowspanText = QStringLiteral("any text");
        QTest::newRow("rowspan before colspan, texts as typed") << spans << " ROWSPAN=\"any text\" COLSPAN=\"3\"";
        Cells all;
        all.width = all.height = all.align = all.valign = all.rowspan = all.colspan = true;
        all.heightPercent = false;
        all.heightValue = 2000;
        QTest::newRow("all")
            << all << " WIDTH=\"100%\" HEIGHT=\"2000\" ALIGN=\"LEFT\" VALIGN=\"TOP\" ROWSPAN=\"1\" COLSPAN=\"1\"";
    }
    void cellOptions()
    {
        QFETCH(Cells, options);
        QFETCH(QString, expected);
        QCOMPARE(TableMarkup::cellOptions(options), expected);
    }
};

QTEST_APPLESS_MAIN(TestTableMarkup)
#include "tst_tablemarkup.moc"
