// Finding occurrences, the jump lists' scans and the search history.
#include "platform/ProfileStore.h"
#include "userdata/search/DocumentSearch.h"
#include "userdata/search/JumpScan.h"
#include "userdata/search/SearchHistory.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString row(QStringView text, const SearchHit &hit)
{
    return DocumentSearch::rowText(text, hit).toString();
}
} // namespace

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
        QCOMPARE(row(text, hits[0]), QStringLiteral("cd<B>x</B>"));
        // At the line start: the whole line; the second find right after it on the same
        // line shows from the end of the first, which is less than two characters back.
        QCOMPARE(hits[1].line, 1);
        QCOMPARE(hits[1].column, 0);
        QCOMPARE(row(text, hits[1]), QStringLiteral("<B>start<B>"));
        QCOMPARE(hits[2].line, 1);
        QCOMPARE(hits[2].column, 8);
        QCOMPARE(row(text, hits[2]), QStringLiteral("rt<B>"));

        const QString closeText = QStringLiteral("aXaXbX");
        const QList<SearchHit> close = DocumentSearch::findAll(closeText, QStringLiteral("X"), true);
        QCOMPARE(close.size(), 3);
        QCOMPARE(row(closeText, close[1]), QStringLiteral("aXbX")); // from the end of the first find
        QCOMPARE(close[2].column, 5);
        QCOMPARE(row(closeText, close[2]), QStringLiteral("bX"));
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
        QCOMPARE(row(text, blind[1]), QStringLiteral("<b>two</b>"));
        // Full-width letters keep their case.
        QCOMPARE(DocumentSearch::findAll(text, QStringLiteral("ｂｂ"), false).size(), 1);
    }

    void japaneseAndSurrogates()
    {
        const QString text = QStringLiteral("日本語の文章、日本語\n𠮷野家の日本");
        const QList<SearchHit> hits = DocumentSearch::findAll(text, QStringLiteral("日本"), false);
        QCOMPARE(hits.size(), 3);
        QCOMPARE(hits[1].column, 7);
        QCOMPARE(row(text, hits[1]), QStringLiteral("章、日本語"));
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
        QCOMPARE(DocumentSearch::firstLine(QStringLiteral("first\nsecond")), QStringLiteral("first"));
        QCOMPARE(DocumentSearch::firstLine(QStringLiteral("one\x2029two")), QStringLiteral("one"));
        QCOMPARE(DocumentSearch::firstLine(QStringLiteral("word")), QStringLiteral("word"));
    }

    void caseBlindPassesOverLettersThatFoldOnlyInUnicode()
    {
        // A Kelvin sign and a long s fold to k and s in Unicode, and full-width letters
        // have cases of their own; none of them is a single-byte letter. Short keys and
        // long ones, in a long text and a short one, take different ways through Qt.
        const QString filler(600, QLatin1Char('x'));
        for (const QString &key : {QStringLiteral("kiss"), QStringLiteral("keyskiss")}) {
            const QString upper = key.toUpper();
            QString kelvin = key;
            kelvin[0] = QChar(0x212A);
            QString longS = key;
            longS[key.indexOf(QLatin1Char('s'))] = QChar(0x017F);
            QString wide;
            for (QChar c : upper)
                wide += QChar(c.unicode() - u'A' + 0xFF21);
            for (const QString &pad : {QString(), filler}) {
                // Decoys right before a real find, so the search must resume just after them.
                const QString text = pad + kelvin + upper + QLatin1Char('\n') + longS + wide + QLatin1Char(' ')
                                     + key.left(1) + upper.mid(1) + QLatin1Char('\n') + kelvin + longS + pad;
                const QList<SearchHit> hits = DocumentSearch::findAll(text, key, false);
                QCOMPARE(hits.size(), 2);
                QCOMPARE(hits[0].line, 0);
                QCOMPARE(hits[0].column, int(pad.size() + kelvin.size()));
                QCOMPARE(hits[1].line, 1);
                QCOMPARE(hits[1].column, int(longS.size() + wide.size() + 1));
                QVERIFY(row(text, hits[1]).endsWith(key.left(1) + upper.mid(1)));
            }
        }
    }

    void longLinesCutTheRowText()
    {
        const QString text = QString(500, QLatin1Char('x')) + QStringLiteral("KEY") + QString(500, QLatin1Char('y'));
        const QList<SearchHit> hits = DocumentSearch::findAll(text, QStringLiteral("key"), false);
        QCOMPARE(hits.size(), 1);
        QCOMPARE(hits[0].column, 500);
        QCOMPARE(row(text, hits[0]).size(), DocumentSearch::RowTextLimit);
        QVERIFY(row(text, hits[0]).startsWith(QStringLiteral("xxKEYyy")));
        // Many finds on one line stay bounded too.
        const QString letters(10000, QLatin1Char('a'));
        const QList<SearchHit> many = DocumentSearch::findAll(letters, QStringLiteral("a"), true);
        QCOMPARE(many.size(), 10000);
        QCOMPARE(row(letters, many[9999]), QStringLiteral("a"));
        QCOMPARE(row(letters, many[5000]).size(), DocumentSearch::RowTextLimit);
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

    void historyWrittenWholeOrNotAtAll()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("TW.ini"));
        const QByteArray before = "[Find]\r\nCount=2\r\n0=b\r\n1=a\r\nWidth=420\r\n";
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(before) == before.size());
        }
        ProfileStore ini(path);
        // An entry the file cannot hold, in the middle: nothing is written, not even Count.
        for (const QString &bad : {QStringLiteral("smile \U0001F600"), QStringLiteral("two\nlines")}) {
            QVERIFY(!SearchHistory::save(ini, {QStringLiteral("new"), bad, QStringLiteral("b"), QStringLiteral("a")}));
            QVERIFY(!ini.lastError().isEmpty());
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), before);
        }
        QCOMPARE(SearchHistory::load(ini), (QStringList{QStringLiteral("b"), QStringLiteral("a")}));
        // A good list replaces the keys and Count in place.
        QVERIFY(SearchHistory::save(ini, {QStringLiteral("c"), QStringLiteral("b"), QStringLiteral("a")}));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("[Find]\r\nCount=3\r\n0=c\r\n1=b\r\nWidth=420\r\n2=a\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestDocumentSearch)
#include "tst_documentsearch.moc"
