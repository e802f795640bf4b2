// Finding occurrences, the jump lists' scans and the search history.
#include "platform/ProfileStore.h"
#include "userdata/DocumentSearch.h"
#include "userdata/JumpScan.h"
#include "userdata/SearchHistory.h"

#include <QTemporaryDir>
#include <QTest>

class TestDocumentSearch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void occurrencesAndRowTexts()
    {
        const QString text = QStringLiteral("abcd<B>x</B>\n<B>start<B>\nnone here\n  <b>low");
        const QList<SearchHit> hits = DocumentSearch::findAll(text, QStringLiteral("<B>"), true);
        QCOMPARE(hits.size(), 3);
        // Two characters before the find, to the line's end.
        QCOMPARE(hits[0].line, 0);
        QCOMPARE(hits[0].column, 4);
        QCOMPARE(hits[0].text, QStringLiteral("cd<B>x</B>"));
        // At the line start: the whole line; the second find right after it on the same
        // line shows from the end of the first, which is less than two characters back.
        QCOMPARE(hits[1].line, 1);
        QCOMPARE(hits[1].column, 0);
        QCOMPARE(hits[1].text, QStringLiteral("<B>start<B>"));
        QCOMPARE(hits[2].line, 1);
        QCOMPARE(hits[2].column, 8);
        QCOMPARE(hits[2].text, QStringLiteral("rt<B>"));

        const QList<SearchHit> close = DocumentSearch::findAll(QStringLiteral("aXaXbX"), QStringLiteral("X"), true);
        QCOMPARE(close.size(), 3);
        QCOMPARE(close[1].text, QStringLiteral("aXbX")); // from the end of the first find
        QCOMPARE(close[2].column, 5);
        QCOMPARE(close[2].text, QStringLiteral("bX"));
    }

    void caseBlindOnlyForSingleByteLetters()
    {
        const QString text = QStringLiteral("<B>one</B>\n<b>two</b>\nＢＢ ｂｂ");
        QCOMPARE(DocumentSearch::findAll(text, QStringLiteral("<b>"), true).size(), 1);
        const QList<SearchHit> blind = DocumentSearch::findAll(text, QStringLiteral("<b>"), false);
        QCOMPARE(blind.size(), 2);
        QCOMPARE(blind[0].line, 0);
        QCOMPARE(blind[1].line, 1);
        // The row shows the document's own text, not the upper-cased copy.
        QCOMPARE(blind[1].text, QStringLiteral("<b>two</b>"));
        // Full-width letters keep their case.
        QCOMPARE(DocumentSearch::findAll(text, QStringLiteral("ｂｂ"), false).size(), 1);
    }

    void japaneseAndSurrogates()
    {
        const QString text = QStringLiteral("日本語の文章、日本語\n𠮷野家の日本");
        const QList<SearchHit> hits = DocumentSearch::findAll(text, QStringLiteral("日本"), false);
        QCOMPARE(hits.size(), 3);
        QCOMPARE(hits[1].column, 7);
        QCOMPARE(hits[1].text, QStringLiteral("章、日本語"));
        QCOMPARE(hits[2].line, 1);
        QCOMPARE(hits[2].column, 5); // the first character takes two units
        // Half of a pair never starts a find.
        const QString lowHalf(QChar(text.at(11 + 1)));
        QVERIFY(lowHalf.at(0).isLowSurrogate());
        QVERIFY(DocumentSearch::findAll(text, lowHalf, true).isEmpty());
    }

    void emptyAndMultiLineKeywordsFindNothing()
    {
        QVERIFY(DocumentSearch::findAll(QStringLiteral("abc\n\n"), QString(), true).isEmpty());
        QVERIFY(DocumentSearch::findAll(QStringLiteral("abc\ndef"), QStringLiteral("c\nd"), true).isEmpty());
        QVERIFY(DocumentSearch::findAll(QString(), QStringLiteral("a"), false).isEmpty());
        QCOMPARE(DocumentSearch::keywordFromSelection(QStringLiteral("first\nsecond")), QStringLiteral("first"));
        QCOMPARE(DocumentSearch::keywordFromSelection(QStringLiteral("one\x2029two")), QStringLiteral("one"));
        QCOMPARE(DocumentSearch::keywordFromSelection(QStringLiteral("word")), QStringLiteral("word"));
    }

    void caseBlindFindsAcrossFoldWindows()
    {
        // Lines of filler with the key, in mixed case, at and across the boundaries of the
        // windows the blind search folds the text in.
        const qsizetype w = DocumentSearch::FoldWindow;
        QString text(3 * w + 500, QLatin1Char('x'));
        for (qsizetype i = 97; i < text.size(); i += 100)
            text[i] = QLatin1Char('\n');
        const QString variants[] = {QStringLiteral("kEy"), QStringLiteral("KEY"), QStringLiteral("key"), QStringLiteral("Key")};
        // Ending at a boundary, starting at one, just after, and two straddling one.
        const QList<qsizetype> placed = {w - 3, w, w + 5, 2 * w - 2, 2 * w + 1, 3 * w - 1, 3 * w + 2};
        for (qsizetype i = 0; i < placed.size(); ++i) {
            QVERIFY(!text.mid(placed[i], 3).contains(QLatin1Char('\n')));
            text.replace(placed[i], 3, variants[i % 4]);
        }
        const QList<SearchHit> hits = DocumentSearch::findAll(text, QStringLiteral("KeY"), false);
        QCOMPARE(hits.size(), placed.size());
        for (qsizetype i = 0; i < placed.size(); ++i) {
            const qsizetype lineStart = text.lastIndexOf(QLatin1Char('\n'), placed[i]) + 1;
            QCOMPARE(hits[i].line, int(text.left(placed[i]).count(QLatin1Char('\n'))));
            QCOMPARE(hits[i].column, int(placed[i] - lineStart));
            QVERIFY(hits[i].text.contains(text.mid(placed[i], 3)));
        }
        // With case the same text holds only the exact spelling.
        QCOMPARE(DocumentSearch::findAll(text, QStringLiteral("KEY"), true).size(), (placed.size() + 2) / 4);
    }

    void longLinesCutTheRowText()
    {
        const QString text = QString(500, QLatin1Char('x')) + QStringLiteral("KEY") + QString(500, QLatin1Char('y'));
        const QList<SearchHit> hits = DocumentSearch::findAll(text, QStringLiteral("key"), false);
        QCOMPARE(hits.size(), 1);
        QCOMPARE(hits[0].column, 500);
        QCOMPARE(hits[0].text.size(), DocumentSearch::RowTextLimit);
        QVERIFY(hits[0].text.startsWith(QStringLiteral("xxKEYyy")));
        // Many finds on one line stay bounded too.
        const QList<SearchHit> many = DocumentSearch::findAll(QString(10000, QLatin1Char('a')), QStringLiteral("a"), true);
        QCOMPARE(many.size(), 10000);
        QCOMPARE(many[9999].text, QStringLiteral("a"));
        QCOMPARE(many[5000].text.size(), DocumentSearch::RowTextLimit);
    }

    void commentJumpList()
    {
        const QString text = QStringLiteral("<!-- a --> text <!--b-->\nx <!-- open\n<!-->x-->\nnone");
        const QList<JumpRow> rows = JumpScan::scan(text, JumpScan::Comments);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[0].line, 0);
        QCOMPARE(rows[0].column, 0);
        QCOMPARE(rows[0].text, QStringLiteral("<!-- a -->"));
        QCOMPARE(rows[1].column, 16);
        QCOMPARE(rows[1].text, QStringLiteral("<!--b-->"));
        // Closed on a later line: the text runs to the end of its first line.
        QCOMPARE(rows[2].line, 1);
        QCOMPARE(rows[2].column, 2);
        QCOMPARE(rows[2].text, QStringLiteral("<!-- open"));
        // The end marker is looked for after the start marker.
        QCOMPARE(rows[3].text, QStringLiteral("<!-->x-->"));
    }

    void linkJumpList()
    {
        const QString text = QStringLiteral("<a href=\"x.htm\">x</a> <A HREF=\"y\">\n<ABBR> <a\nname=z <a name");
        const QList<JumpRow> rows = JumpScan::scan(text, JumpScan::Links);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].text, QStringLiteral("<a href=\"x.htm\">"));
        QCOMPARE(rows[1].column, 22);
        QCOMPARE(rows[1].text, QStringLiteral("<A HREF=\"y\">"));
        QCOMPARE(rows[2].line, 2);
        QCOMPARE(rows[2].column, 7);
        QCOMPARE(rows[2].text, QStringLiteral("<a name"));
        QCOMPARE(JumpScan::startMarker(JumpScan::Links).size(), 3);
        QCOMPARE(JumpScan::startMarker(JumpScan::Comments).size(), 4);
    }

    void historyRules()
    {
        const QStringList before{QStringLiteral("a"), QString(), QStringLiteral("b"), QString(), QStringLiteral("c")};
        // Empties below the copy go; the walk stops at the copy, so empties above it stay.
        QCOMPARE(SearchHistory::withKeyword(QStringLiteral("b"), before),
                 (QStringList{QStringLiteral("b"), QStringLiteral("a"), QString(), QStringLiteral("c")}));
        QCOMPARE(SearchHistory::withKeyword(QStringLiteral("new"), before),
                 (QStringList{QStringLiteral("new"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
        // Exact comparison: a case variant is another entry.
        QCOMPARE(SearchHistory::withKeyword(QStringLiteral("A"), {QStringLiteral("a")}),
                 (QStringList{QStringLiteral("A"), QStringLiteral("a")}));

        QTemporaryDir dir;
        ProfileStore ini(dir.filePath(QStringLiteral("TW.ini")));
        QVERIFY(ini.writeInteger(QStringLiteral("Find"), QStringLiteral("Width"), 420));
        const QStringList entries{QStringLiteral("日本語"), QStringLiteral("<B>"), QStringLiteral("x y")};
        QVERIFY(SearchHistory::save(ini, entries));
        QCOMPARE(SearchHistory::load(ini), entries);
        QCOMPARE(ini.readString(QStringLiteral("Find"), QStringLiteral("0")), QStringLiteral("日本語"));
        QCOMPARE(ini.readInteger(QStringLiteral("Find"), QStringLiteral("Width"), 0), 420);
        QVERIFY(SearchHistory::save(ini, {QStringLiteral("only")}));
        QCOMPARE(SearchHistory::load(ini), QStringList{QStringLiteral("only")});
    }
};

QTEST_GUILESS_MAIN(TestDocumentSearch)
#include "tst_documentsearch.moc"
