// The declarations of the style sheet dialogs, the remembered font-size choices and the
// collection window's line joining, without widgets.
#include "wizards/stylesheets/StyleCollectionSource.h"
#include "wizards/stylesheets/StyleProperties.h"

#include <QTest>

using namespace StyleProperties;
using Kind = SizeValue::Kind;

Q_DECLARE_METATYPE(StyleProperties::ChoiceMode)

class TestStyleProperties : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choiceSamples_data()
    {
        QTest::addColumn<ChoiceMode>("mode");
        QTest::addColumn<QStringList>("lower");
        QTest::addColumn<QStringList>("upper");
        QTest::newRow("repeat") << ChoiceMode::Repeat
                                << QStringList{"background-repeat:repeat;", "background-repeat:repeat-x;",
                                               "background-repeat:repeat-y;", "background-repeat:no-repeat;"}
                                << QStringList{"BACKGROUND-REPEAT:REPEAT;", "BACKGROUND-REPEAT:REPEAT-X;",
                                               "BACKGROUND-REPEAT:REPEAT-Y;", "BACKGROUND-REPEAT:NO-REPEAT;"};
        QTest::newRow("attachment") << ChoiceMode::Attachment
                                    << QStringList{"background-attachment:scroll;", "background-attachment:fixed;"}
                                    << QStringList{"BACKGROUND-ATTACHMENT:SCROLL;", "BACKGROUND-ATTACHMENT:FIXED;"};
        QTest::newRow("weight") << ChoiceMode::Weight << QStringList{"font-weight:normal;", "font-weight:bold;"}
                                << QStringList{"FONT-WEIGHT:NORMAL;", "FONT-WEIGHT:BOLD;"};
        QTest::newRow("style") << ChoiceMode::Style << QStringList{"font-style:normal;", "font-style:italic;"}
                               << QStringList{"FONT-STYLE:NORMAL;", "FONT-STYLE:ITALIC;"};
        QTest::newRow("decoration") << ChoiceMode::Decoration
                                    << QStringList{"text-decoration:none;", "text-decoration:underline;",
                                                   "text-decoration:line-through;", "text-decoration:blink;"}
                                    << QStringList{"TEXT-DECORATION:NONE;", "TEXT-DECORATION:UNDERLINE;",
                                                   "TEXT-DECORATION:LINE-THROUGH;", "TEXT-DECORATION:BLINK;"};
        QTest::newRow("align") << ChoiceMode::Align
                               << QStringList{"text-align:left;", "text-align:right;", "text-align:center;",
                                              "text-align:justify;"}
                               << QStringList{"TEXT-ALIGN:LEFT;", "TEXT-ALIGN:RIGHT;", "TEXT-ALIGN:CENTER;",
                                              "TEXT-ALIGN:JUSTIFY;"};
        QTest::newRow("transform") << ChoiceMode::Transform
                                   << QStringList{"text-transform:capitalize;", "text-transform:uppercase;",
                                                  "text-transform:lowercase;", "text-transform:none;"}
                                   << QStringList{"TEXT-TRANSFORM:CAPITALIZE;", "TEXT-TRANSFORM:UPPERCASE;",
                                                  "TEXT-TRANSFORM:LOWERCASE;", "TEXT-TRANSFORM:NONE;"};
    }

    void choiceSamples()
    {
        QFETCH(ChoiceMode, mode);
        QFETCH(QStringList, lower);
        QFETCH(QStringList, upper);
        const QStringList captions = choiceCaptions(mode);
        QCOMPARE(captions.size(), lower.size());
        for (qsizetype i = 0; i < captions.size(); ++i) {
            QVERIFY(captions.at(i).contains(QLatin1Char('&')));
            QCOMPARE(choiceSample(mode, captions.at(i), 0), lower.at(i));
            QCOMPARE(choiceSample(mode, captions.at(i), 1), upper.at(i));
        }
    }

    void markerRemovedWhereverItStands()
    {
        QCOMPARE(valueOf(u"repeat-&x"), QStringLiteral("repeat-x"));
        QCOMPARE(valueOf(u"&no-repeat"), QStringLiteral("no-repeat"));
        QCOMPARE(valueOf(u"a&&b"), QStringLiteral("ab"));
        // A caption the user never sees differently keeps its letters' case for the lower setting.
        QCOMPARE(choiceSample(ChoiceMode::Repeat, u"repeat-&x", 0), QStringLiteral("background-repeat:repeat-x;"));
    }

    void weightOpensOnStoredBold()
    {
        QCOMPARE(initialChoice(ChoiceMode::Weight, 1), 1);
        QCOMPARE(initialChoice(ChoiceMode::Weight, 2), 0);
        QCOMPARE(initialChoice(ChoiceMode::Weight, 0), 0);
        QCOMPARE(initialChoice(ChoiceMode::Style, 1), 0);
        QCOMPARE(initialChoice(ChoiceMode::Align, 1), 0);
    }

    void sizeProperties()
    {
        const QStringList expected{"background-position", "padding-bottom", "padding-left", "padding-right",
                                   "padding-top",         "margin-left",    "margin-right", "margin-top",
                                   "margin-bottom",       "line-height",    "font-size",    "text-indent"};
        for (int m = 0; m < expected.size(); ++m) {
            const auto mode = SizeMode(m);
            QCOMPARE(StyleProperties::property(mode), expected.at(m));
            QCOMPARE(offersAuto(mode), expected.at(m).startsWith(QLatin1String("margin-")));
        }
    }

    void sizeSamples()
    {
        QCOMPARE(sizeSample("margin-top", {Kind::Size, 12, 1}, 0), QStringLiteral("margin-top:12px;"));
        QCOMPARE(sizeSample("MARGIN-TOP", {Kind::Size, 3, 7}, 1), QStringLiteral("MARGIN-TOP:3in;"));
        QCOMPARE(sizeSample("line-height", {Kind::Percent, 150, 3}, 0), QStringLiteral("line-height:150%;"));
        QCOMPARE(sizeSample("margin-top", {Kind::Auto, 5, 0}, 0), QStringLiteral("margin-top:auto;"));
        QCOMPARE(sizeSample("MARGIN-TOP", {Kind::Auto, 5, 0}, 1), QStringLiteral("MARGIN-TOP:AUTO;"));
        // A unit index from nowhere falls back to the first unit instead of an empty one.
        QCOMPARE(sizeSample("text-indent", {Kind::Size, 2, 99}, 0), QStringLiteral("text-indent:2pt;"));
        QCOMPARE(units(), QStringList({"pt", "px", "em", "ex", "cm", "mm", "pc", "in"}));
    }

    void storedMemoryOpensTheRightWay()
    {
        FontMemory m;
        QVERIFY(!opensInPercent(m));
        m.sizeMode = 1;
        QVERIFY(!opensInPercent(m));
        m.sizeMode = 2;
        QVERIFY(opensInPercent(m));
        m.sizeMode = 7;
        QVERIFY(!opensInPercent(m));
        m.unit = 5;
        QCOMPARE(storedUnit(m), 5);
        m.unit = 8;
        QCOMPARE(storedUnit(m), 0);
        m.unit = -1;
        QCOMPARE(storedUnit(m), 0);
    }

    void sizeDialogRemembers()
    {
        const FontMemory before{0, 10, 3, 1, 1};
        FontMemory after = rememberSize(before, {Kind::Size, 24, 2});
        QCOMPARE(after.sizeMode, 1);
        QCOMPARE(after.number, 24);
        QCOMPARE(after.unit, 2);
        QCOMPARE(after.weight, 1);
        QCOMPARE(after.italic, 1);
        after = rememberSize(after, {Kind::Percent, 80, 6});
        QCOMPARE(after.sizeMode, 2);
        QCOMPARE(after.number, 80);
        QCOMPARE(after.unit, 2); // the unit stays for the next size by number
        QVERIFY(opensInPercent(after));
    }

    void fontLines_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("styleCase");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("nothing chosen") << 0 << 0 << 0 << 0 << QStringList();
        QTest::newRow("size by number") << 1 << 0 << 0 << 0 << QStringList{"font-size:12em;"};
        QTest::newRow("size by percentage, upper") << 2 << 0 << 0 << 1 << QStringList{"FONT-SIZE:12%;"};
        QTest::newRow("everything, lower")
            << 1 << 1 << 1 << 0 << QStringList{"font-size:12em;", "font-weight:bold;", "font-style:italic;"};
        QTest::newRow("normal weight and style, upper")
            << 0 << 2 << 2 << 1 << QStringList{"FONT-WEIGHT:NORMAL;", "FONT-STYLE:NORMAL;"};
    }

    void fontLines()
    {
        QFETCH(int, size);
        QFETCH(int, weight);
        QFETCH(int, style);
        QFETCH(int, styleCase);
        QFETCH(QStringList, lines);
        QCOMPARE(StyleProperties::fontLines({size, 12, 2, weight, style}, styleCase), lines);
    }

    void fontDialogRemembers()
    {
        const FontMemory before{2, 40, 4, 1, 1};
        FontMemory after = rememberFont(before, {0, 99, 7, 2, 2});
        // No size: the number and unit stay; normal weight is kept, italic is not.
        QCOMPARE(after.sizeMode, 0);
        QCOMPARE(after.number, 40);
        QCOMPARE(after.unit, 4);
        QCOMPARE(after.weight, 2);
        QCOMPARE(after.italic, 0);
        after = rememberFont(before, {1, 99, 7, 0, 1});
        QCOMPARE(after.sizeMode, 1);
        QCOMPARE(after.number, 99);
        QCOMPARE(after.unit, 7);
        QCOMPARE(after.weight, 0);
        QCOMPARE(after.italic, 1);
        after = rememberFont(before, {2, 55, 7, 1, 0});
        QCOMPARE(after.sizeMode, 2);
        QCOMPARE(after.number, 55);
        QCOMPARE(after.unit, 4);
        QVERIFY(opensInPercent(after));
    }

    void collectionJoining_data()
    {
        QTest::addColumn<QStringList>("declarations");
        QTest::addColumn<QString>("text");
        const QString d20 = QStringLiteral("color:#0123456789AB;"); // 20 characters
        QCOMPARE(d20.size(), 20);
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("one") << QStringList{"a:1;"} << QStringLiteral("a:1;");
        QTest::newRow("three short ones on one line")
            << QStringList{"a:1;", "b:2;", "c:3;"} << QStringLiteral("a:1; b:2; c:3;");
        // Four make 83 characters: past 80, so the fifth starts a new line.
        QTest::newRow("a line may pass 80 by its last declaration")
            << QStringList{d20, d20, d20, d20, "x:1;"}
            << QStringList{d20, d20, d20, d20}.join(QLatin1Char(' ')) + QStringLiteral("\nx:1;");
        // Exactly 80 is not longer than 80: the next one still joins.
        const QString d19 = QStringLiteral("color:#0123456789A;");
        const QString d18 = QStringLiteral("color:#0123456789;");
        QCOMPARE(QStringList({d20, d20, d19, d18}).join(QLatin1Char(' ')).size(), 80);
        QTest::newRow("exactly 80 keeps going")
            << QStringList{d20, d20, d19, d18, "x:1;"}
            << QStringList{d20, d20, d19, d18, "x:1;"}.join(QLatin1Char(' '));
        const QString long90 = QString(86, QLatin1Char('a')) + QStringLiteral(":1;;");
        QTest::newRow("a long first declaration stands alone")
            << QStringList{long90, "b:2;", "c:3;"} << long90 + QStringLiteral("\nb:2; c:3;");
        QTest::newRow("every long one on its own line")
            << QStringList{long90, long90} << long90 + QLatin1Char('\n') + long90;
    }

    void collectionJoining()
    {
        QFETCH(QStringList, declarations);
        QFETCH(QString, text);
        QCOMPARE(StyleCollectionSource::join(declarations), text);
    }

    void collectionAcceptsOnlyWithEntriesAndADocument()
    {
        QStringList inserted;
        bool documentOpen = false;
        StyleCollectionSource source([&](const QString &text) {
            if (!documentOpen)
                return false;
            inserted << text;
            return true;
        });
        QCOMPARE(source.caption(), QStringLiteral("スタイルをまとめて入力"));
        QCOMPARE(source.layout().okCaption, QStringLiteral("入力(&I)"));
        QVERIFY(!source.layout().showAdd && !source.layout().showChange && !source.layout().showHelp);

        // Empty: nothing, and the window stays.
        RegistVerdict v = source.accept();
        QVERIFY(!v.accepted);
        QVERIFY(v.message.isEmpty());

        source.list().append({QStringLiteral("a:1;"), {}});
        source.list().append({QStringLiteral("b:2;"), {}});
        v = source.accept();
        QVERIFY(!v.accepted); // no document: the list is kept
        QCOMPARE(source.list().size(), 2);
        QVERIFY(inserted.isEmpty());

        documentOpen = true;
        QVERIFY(source.accept().accepted);
        QCOMPARE(inserted, QStringList{QStringLiteral("a:1; b:2;")});
    }
};

QTEST_GUILESS_MAIN(TestStyleProperties)
#include "tst_styleproperties.moc"
