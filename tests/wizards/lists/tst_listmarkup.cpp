// List wizard blocks and list tag options as text.
#include "wizards/lists/ListMarkup.h"

#include <QTest>

class TestListMarkup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void blocks_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("definitions");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bulleted") << int(ListMarkup::Bulleted) << 3 << 1 << 1
                                  << "<UL>\n  <LI>\n  <LI>\n  <LI>\n</UL>";
        QTest::newRow("numbered from 1 has no START") << int(ListMarkup::Numbered) << 1 << 1 << 1 << "<OL>\n  <LI>\n</OL>";
        QTest::newRow("numbered from 3") << int(ListMarkup::Numbered) << 2 << 3 << 1 << "<OL START=3>\n  <LI>\n  <LI>\n</OL>";
        QTest::newRow("numbered start only for numbered") << int(ListMarkup::Bulleted) << 1 << 7 << 1 << "<UL>\n  <LI>\n</UL>";
        QTest::newRow("definition 2 by 2") << int(ListMarkup::Definition) << 2 << 1 << 2
                                           << "<DL>\n  <DT>\n    <DD>\n    <DD>\n  <DT>\n    <DD>\n    <DD>\n</DL>";
    }
    void blocks()
    {
        QFETCH(int, kind);
        QFETCH(int, items);
        QFETCH(int, start);
        QFETCH(int, definitions);
        QFETCH(QString, expected);
        ListMarkup::Options o;
        o.kind = kind;
        o.items = items;
        o.start = start;
        o.definitions = definitions;
        QCOMPARE(ListMarkup::block(o, QStringLiteral("  ")), expected);
    }

    void hundredItemsAreAllThere()
    {
        ListMarkup::Options o;
        o.items = 100;
        const QString text = ListMarkup::block(o, QStringLiteral("\t"));
        QCOMPARE(text.count(QStringLiteral("\t<LI>")), 100);
        QVERIFY(text.endsWith(QLatin1String("<LI>\n</UL>")));
    }

    void letteredKeepsTheLetterApart()
    {
        ListMarkup::Options o;
        o.kind = ListMarkup::Lettered;
        o.items = 2;
        const char *letters[] = {"a", "A", "i", "I"};
        for (int style = 0; style < 4; ++style) {
            o.letterStyle = style;
            const ListMarkup::Pair pair = ListMarkup::lettered(o, QStringLiteral("  "));
            QCOMPARE(pair.head, QStringLiteral("<OL TYPE="));
            QCOMPARE(pair.text, QLatin1String(letters[style]) + QStringLiteral(">\n"));
            QCOMPARE(pair.foot, QStringLiteral("  <LI>\n  <LI>\n</OL>"));
        }
    }

    void options()
    {
        QCOMPARE(ListMarkup::option(ListMarkup::ForOL, QStringLiteral("i"), 5, 1), QStringLiteral("TYPE=i START=5"));
        QCOMPARE(ListMarkup::option(ListMarkup::ForLI, QStringLiteral("A"), 1000, 1), QStringLiteral("TYPE=A VALUE=1000"));
        // Lower case lowers the names only: the letter is the list's numbering.
        QCOMPARE(ListMarkup::option(ListMarkup::ForLI, QStringLiteral("I"), 2, 0), QStringLiteral("type=I value=2"));
    }
};

QTEST_GUILESS_MAIN(TestListMarkup)
#include "tst_listmarkup.moc"
