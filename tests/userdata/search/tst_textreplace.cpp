// Finding and replacing in a document's text and in an editing box, as plain logic.
#include "editing/EditContext.h"
#include "editing/StringEditBox.h"
#include "editing/UndoSnapshot.h"
#include "userdata/search/DocumentReplace.h"
#include "userdata/search/TextReplace.h"

#include <QTest>

using Outcome = DocumentReplace::Outcome;

class TestTextReplace : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void findsForwardAndBackwardWithinBounds()
    {
        const QString text = QStringLiteral("<B>a</b> <b>c</B>");
        QCOMPARE(TextReplace::findNext(text, u"<b>", 0, text.size(), false), 0);
        QCOMPARE(TextReplace::findNext(text, u"<b>", 0, text.size(), true), 9);
        QCOMPARE(TextReplace::findNext(text, u"<b>", 1, text.size(), false), 9);
        // An occurrence must end by the bound.
        QCOMPARE(TextReplace::findNext(text, u"<b>", 1, 11, false), -1);
        QCOMPARE(TextReplace::findPrevious(text, u"</b>", 0, text.size(), false), 13);
        QCOMPARE(TextReplace::findPrevious(text, u"</b>", 0, 16, false), 4);
        QCOMPARE(TextReplace::findPrevious(text, u"</b>", 5, 16, false), -1);
        QCOMPARE(TextReplace::count(text, u"<B>", false), 2);
        QCOMPARE(TextReplace::count(text, u"<B>", true), 1);
        QCOMPARE(TextReplace::count(text, u"", false), 0);
        // Only the single-byte letters fold: a Kelvin sign is not a K, a full-width Ａ not an a.
        const QString other = QStringLiteral("\u212A k \uFF21 a");
        QCOMPARE(TextReplace::count(other, u"K", false), 1);
        QCOMPARE(TextReplace::findNext(other, u"A", 0, other.size(), false), 6);
        // Never in the second half of a surrogate pair.
        const QString pairs = QStringLiteral("\U0001F600\U0001F600");
        QCOMPARE(TextReplace::count(pairs, QString(QChar(pairs.at(1))), true), 0);
    }

    void replacesEveryOccurrenceAndFollowsAPosition()
    {
        const QString text = QStringLiteral("aXbxc");
        qsizetype caret = 4; // before c
        TextReplace::Result r = TextReplace::replaceAll(text, u"x", u"--", false, &caret);
        QCOMPARE(r.text, QStringLiteral("a--b--c"));
        QCOMPARE(r.count, 2);
        QCOMPARE(caret, 6);
        caret = 2; // after the first X: stays after its replacement
        r = TextReplace::replaceAll(text, u"x", u"--", true, &caret);
        QCOMPARE(r.text, QStringLiteral("aXb--c"));
        QCOMPARE(caret, 2);
        // Occurrences do not overlap, and what a replacement puts in is not searched again.
        r = TextReplace::replaceAll(u"aaaa", u"aa", u"a", true);
        QCOMPARE(r.text, QStringLiteral("aa"));
        QCOMPARE(r.count, 2);
        r = TextReplace::replaceAll(u"ab", u"b", u"bb", true);
        QCOMPARE(r.text, QStringLiteral("abb"));
        QCOMPARE(TextReplace::replaceAll(u"abc", u"z", u"y", true).count, 0);
    }

    void findInABoxGoesRoundAtTheEnds()
    {
        StringEditBox box(QStringLiteral("one two\nTWO three two"));
        box.setSelection(0, 0);
        QCOMPARE(DocumentReplace::find(box, QStringLiteral("two"), false, false), Outcome::Found);
        QCOMPARE(box.selStart(), 4);
        QCOMPARE(DocumentReplace::find(box, QStringLiteral("two"), false, false), Outcome::Found);
        QCOMPARE(box.selStart(), 8);
        QCOMPARE(DocumentReplace::find(box, QStringLiteral("two"), true, false), Outcome::Found);
        QCOMPARE(box.selStart(), 18);
        QCOMPARE(DocumentReplace::find(box, QStringLiteral("two"), true, false), Outcome::Wrapped);
        QCOMPARE(box.selStart(), 4);
        QCOMPARE(box.selLength(), 3);
        QCOMPARE(DocumentReplace::find(box, QStringLiteral("two"), true, true), Outcome::Wrapped);
        QCOMPARE(box.selStart(), 18);
        QCOMPARE(DocumentReplace::find(box, QStringLiteral("two"), false, true), Outcome::Found);
        QCOMPARE(box.selStart(), 8);
        QCOMPARE(DocumentReplace::find(box, QStringLiteral("four"), false, false), Outcome::NotFound);
        QCOMPARE(box.selStart(), 8); // the selection stays
        // A single occurrence found again counts as going round.
        StringEditBox one(QStringLiteral("x a x"));
        one.setSelection(2, 1);
        QCOMPARE(DocumentReplace::find(one, QStringLiteral("a"), true, false), Outcome::Wrapped);
        QCOMPARE(one.selStart(), 2);
    }

    void replaceAllInBothScopesIsOneUndoStep()
    {
        const QString original = QStringLiteral("<P>a</P>\n<p>b</p>\n<P>c</P>");
        StringEditBox box(original);
        UndoSnapshot snapshot;
        EditContext context{box, snapshot};
        DocumentReplace::Request request{QStringLiteral("<p>"), QStringLiteral("<DIV>\n"), false};
        box.setSelection(22, 0); // on the third line, after three replacements
        DocumentReplace::Scope whole;
        QCOMPARE(DocumentReplace::replaceAll(context, request, whole), 3);
        QCOMPARE(box.text(), QStringLiteral("<DIV>\na</P>\n<DIV>\nb</p>\n<DIV>\nc</P>"));
        QCOMPARE(box.selStart(), 22 + 3 * 3);
        QCOMPARE(box.selLength(), 0);
        QCOMPARE(box.changes().replaceCalls, 1);
        QCOMPARE(box.changes().callsOutsideUpdate, 0);
        snapshot.undo(box);
        QCOMPARE(box.text(), original);

        // With case: in the second line only, which stays selected as it grows.
        box.setSelection(9, 9);
        DocumentReplace::Scope line{9, 18};
        request.caseSensitive = true;
        QCOMPARE(DocumentReplace::replaceAll(context, request, line), 1);
        QCOMPARE(box.text(), QStringLiteral("<P>a</P>\n<DIV>\nb</p>\n<P>c</P>"));
        QCOMPARE(line.end, 21);
        QCOMPARE(box.selStart(), 9);
        QCOMPARE(box.selLength(), 12);
        request.find = QStringLiteral("<P>");
        QCOMPARE(DocumentReplace::replaceAll(context, request, line), 0);
        QCOMPARE(box.text(), QStringLiteral("<P>a</P>\n<DIV>\nb</p>\n<P>c</P>"));
    }

    void replaceTakesTheSelectedOccurrenceThenFindsTheNext()
    {
        StringEditBox box(QStringLiteral("cat Cat cat"));
        UndoSnapshot snapshot;
        EditContext context{box, snapshot};
        DocumentReplace::Request request{QStringLiteral("cat"), QStringLiteral("dog"), true};
        DocumentReplace::Scope whole;
        box.setSelection(0, 0);
        // Nothing selected yet: the first press only finds.
        QCOMPARE(DocumentReplace::replace(context, request, whole), Outcome::Found);
        QCOMPARE(box.text(), QStringLiteral("cat Cat cat"));
        QCOMPARE(box.selStart(), 0);
        QCOMPARE(DocumentReplace::replace(context, request, whole), Outcome::Found);
        QCOMPARE(box.text(), QStringLiteral("dog Cat cat"));
        QCOMPARE(box.selStart(), 8);
        QCOMPARE(DocumentReplace::replace(context, request, whole), Outcome::NotFound);
        QCOMPARE(box.text(), QStringLiteral("dog Cat dog"));
        snapshot.undo(box);
        QCOMPARE(box.text(), QStringLiteral("dog Cat cat"));

        // Inside a scope the scope's end follows the replacements.
        StringEditBox scoped(QStringLiteral("a a\na a"));
        EditContext inScope{scoped, snapshot};
        DocumentReplace::Scope first{0, 3};
        scoped.setSelection(0, 1);
        DocumentReplace::Request longer{QStringLiteral("a"), QStringLiteral("aaa"), true};
        QCOMPARE(DocumentReplace::replace(inScope, longer, first), Outcome::Found);
        QCOMPARE(first.end, 5);
        QCOMPARE(scoped.selStart(), 4);
        QCOMPARE(DocumentReplace::replace(inScope, longer, first), Outcome::Wrapped);
        QCOMPARE(scoped.text(), QStringLiteral("aaa aaa\na a"));
        QCOMPARE(first.end, 7);
        QCOMPARE(scoped.selStart(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTextReplace)
#include "tst_textreplace.moc"
