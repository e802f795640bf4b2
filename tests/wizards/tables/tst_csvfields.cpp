// The table wizard's reading of CSV text: fields, lines and the grid they fill.
#include "wizards/tables/CsvFields.h"

#include <QTest>

class TestCsvFields : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void split_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("plain") << "a,b,c" << QStringList{"a", "b", "c"};
        QTest::newRow("empty line") << "" << QStringList{};
        QTest::newRow("blanks only") << " \t " << QStringList{};
        QTest::newRow("unquoted space ends a field") << "a b,c" << QStringList{"a", "b", "c"};
        QTest::newRow("quoted comma and space") << "\"x, y\",z" << QStringList{"x, y", "z"};
        QTest::newRow("doubled quote") << "\"say \"\"hi\"\"\",2" << QStringList{"say \"hi\"", "2"};
        QTest::newRow("empty quoted") << "\"\",a" << QStringList{"", "a"};
        QTest::newRow("two commas") << "a,,b" << QStringList{"a", "", "b"};
        QTest::newRow("leading comma") << ",a" << QStringList{"", "a"};
        QTest::newRow("comma at the end adds nothing") << "a,b," << QStringList{"a", "b"};
        QTest::newRow("blanks around commas") << "  a  ,\t b ,  c  " << QStringList{"a", "b", "c"};
        QTest::newRow("blank between commas") << "a, ,b" << QStringList{"a", "", "b"};
        QTest::newRow("control characters are blanks") << "\x01" "a\x1f,b" << QStringList{"a", "b"};
        QTest::newRow("quote inside an unquoted field") << "ab\"c,d" << QStringList{"ab\"c", "d"};
        QTest::newRow("text right after the closing quote") << "\"x\"y,z" << QStringList{"x", "y", "z"};
        QTest::newRow("unclosed quote takes the rest") << "a,\"b, c" << QStringList{"a", "b, c"};
        QTest::newRow("Japanese") << "東京, 大阪 ,\"名古屋 市\"" << QStringList{"東京", "大阪", "名古屋 市"};
        QTest::newRow("full-width space is not a blank") << "a　b,c" << QStringList{"a　b", "c"};
        QTest::newRow("NUL ends the line") << QString::fromUtf8("a,b\0,c", 6) << QStringList{"a", "b"};
        QTest::newRow("NUL in a quoted field") << QString::fromUtf8("\"a\0b\",c", 7) << QStringList{"a"};
    }
    void split()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, fields);
        QCOMPARE(CsvFields::split(line), fields);
    }

    void lines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("no break") << "a" << QStringList{"a"};
        QTest::newRow("CR LF") << "a\r\nb" << QStringList{"a", "b"};
        QTest::newRow("CR") << "a\rb" << QStringList{"a", "b"};
        QTest::newRow("LF") << "a\nb" << QStringList{"a", "b"};
        QTest::newRow("mixed") << "a\r\nb\rc\nd" << QStringList{"a", "b", "c", "d"};
        QTest::newRow("final break starts no line") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("LF CR is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
        QTest::newRow("empty lines kept") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
        QTest::newRow("one break") << "\r\n" << QStringList{""};
    }
    void lines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(CsvFields::lines(text), lines);
    }

    void gridFollowsTheFirstLine()
    {
        const QList<QStringList> g = CsvFields::grid(u"h1,h2\r\na,b,c\r\nx\r\n");
        QCOMPARE(g.size(), 3);
        QCOMPARE(g[0], (QStringList{"h1", "h2"}));
        QCOMPARE(g[1], (QStringList{"a", "b"}));    // extra field dropped
        QCOMPARE(g[2], (QStringList{"x", ""}));     // missing field empty
    }

    void gridOfThreeLines()
    {
        const QList<QStringList> g = CsvFields::grid(u"1,2,3\n4,5,6\n7,8");
        QCOMPARE(g.size(), 3);
        QCOMPARE(g[2], (QStringList{"7", "8", ""}));
    }

    void gridEdges()
    {
        QVERIFY(CsvFields::grid(u"").isEmpty());
        // A first line without fields still gives a column to put the others in.
        const QList<QStringList> g = CsvFields::grid(u"\r\na,b");
        QCOMPARE(g.size(), 2);
        QCOMPARE(g[0], QStringList{QString()});
        QCOMPARE(g[1], QStringList{"a"});
    }
};

QTEST_APPLESS_MAIN(TestCsvFields)
#include "tst_csvfields.moc"
