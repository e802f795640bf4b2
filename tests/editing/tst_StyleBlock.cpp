// The header declaration on an in-memory box: where the STYLE block goes, and its undo.
#include "BoxNotation.h"

#include "editing/EditContext.h"
#include "editing/StyleBlock.h"
#include "editing/StringEditBox.h"
#include "editing/UndoSnapshot.h"

#include <QRegularExpression>
#include <QTest>

using BoxNotation::load;
using BoxNotation::show;

namespace {
const QString LowerBlock = QStringLiteral("<style type=\"text/css\">\n<!--\n \n-->\n</style>\n");
const QString UpperBlock = QStringLiteral("<STYLE TYPE=\"TEXT/CSS\">\n<!--\n \n-->\n</STYLE>\n");
// The block as BoxNotation shows it with the caret on the rule line.
const QString LowerAt = QStringLiteral("<style type=\"text/css\">\n<!--\n |\n-->\n</style>\n");
const QString UpperAt = QStringLiteral("<STYLE TYPE=\"TEXT/CSS\">\n<!--\n |\n-->\n</STYLE>\n");
} // namespace

class TestStyleBlock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lines()
    {
        QCOMPARE(StyleBlock::lines(0), QStringList({QStringLiteral("<style type=\"text/css\">"), QStringLiteral("<!--"),
                                                    QStringLiteral(" "), QStringLiteral("-->"),
                                                    QStringLiteral("</style>")}));
        QCOMPARE(StyleBlock::lines(1).first(), QStringLiteral("<STYLE TYPE=\"TEXT/CSS\">"));
        QCOMPARE(StyleBlock::lines(1).last(), QStringLiteral("</STYLE>"));
    }

    void placement_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("tagCase");
        QTest::addColumn<QString>("after");

        const QString head = QStringLiteral("<HTML>\n<HEAD>\n<TITLE>t</TITLE>\n");
        QTest::newRow("between the title and the head's end")
            << head + QStringLiteral("</HEAD>\n<BODY>|") << 1 << head + UpperAt + QStringLiteral("</HEAD>\n<BODY>");
        QTest::newRow("a lower-case head end, lower tag case")
            << QStringLiteral("<html>\n<head>\n</head>\n<body>|") << 0
            << QStringLiteral("<html>\n<head>\n") + LowerAt + QStringLiteral("</head>\n<body>");
        QTest::newRow("head end on the first line, caret elsewhere")
            << QStringLiteral("</Head><BODY>\nte|xt") << 1 << UpperAt + QStringLiteral("</Head><BODY>\ntext");
        QTest::newRow("only the first head end counts")
            << QStringLiteral("a\n</HEAD>\n</HEAD>|") << 1
            << QStringLiteral("a\n") + UpperAt + QStringLiteral("</HEAD>\n</HEAD>");
        QTest::newRow("head end in the last line, a selection")
            << QStringLiteral("x\n  [</HEAD>]") << 0 << QStringLiteral("x\n") + LowerAt + QStringLiteral("  </HEAD>");
        QTest::newRow("empty document: the block alone")
            << QStringLiteral("|") << 1 << UpperAt.chopped(1);
    }

    void placement()
    {
        QFETCH(QString, before);
        QFETCH(int, tagCase);
        QFETCH(QString, after);
        StringEditBox box;
        UndoSnapshot snapshot;
        EditContext ctx{box, snapshot, tagCase};
        load(box, before);
        QVERIFY(StyleBlock::Declare(ctx));
        QCOMPARE(show(box), after);
        QCOMPARE(box.changes().callsOutsideUpdate, 0);
        QCOMPARE(box.changes().replaceCalls, 1);
        QVERIFY(box.isModified());

        // One undo takes the whole block away again.
        QVERIFY(snapshot.isHeld());
        snapshot.undo(box);
        QCOMPARE(box.text(), QString(before).remove(QRegularExpression(QStringLiteral("[|\\[\\]]"))));
    }

    void noHeadEndLeavesTheDocument()
    {
        StringEditBox box;
        UndoSnapshot snapshot;
        EditContext ctx{box, snapshot};
        load(box, QStringLiteral("<HTML>\n<HEAD|ER>\n<BODY>\n</HEA D>"));
        QVERIFY(!StyleBlock::Declare(ctx));
        QCOMPARE(show(box), QStringLiteral("<HTML>\n<HEAD|ER>\n<BODY>\n</HEA D>"));
        QVERIFY(!snapshot.isHeld());
        QVERIFY(!box.isModified());
        QCOMPARE(box.changes().replaceCalls, 0);
    }

    void twiceGivesTwoBlocks()
    {
        StringEditBox box;
        UndoSnapshot snapshot;
        EditContext ctx{box, snapshot, 1};
        load(box, QStringLiteral("<HEAD>\n</HEAD>|"));
        QVERIFY(StyleBlock::Declare(ctx));
        QVERIFY(StyleBlock::Declare(ctx));
        QCOMPARE(box.text(), QStringLiteral("<HEAD>\n") + UpperBlock + UpperBlock + QStringLiteral("</HEAD>"));
        // The second use is its own undo step.
        snapshot.undo(box);
        QCOMPARE(box.text(), QStringLiteral("<HEAD>\n") + UpperBlock + QStringLiteral("</HEAD>"));
    }

    void emptyDocumentIsTheBlockExactly()
    {
        StringEditBox box;
        UndoSnapshot snapshot;
        EditContext ctx{box, snapshot, 0};
        QVERIFY(StyleBlock::Declare(ctx));
        QCOMPARE(box.text(), LowerBlock.chopped(1));
        QCOMPARE(box.lineCount(), 5);
        snapshot.undo(box);
        QCOMPARE(box.text(), QString());
    }
};

QTEST_GUILESS_MAIN(TestStyleBlock)
#include "tst_StyleBlock.moc"
