#include "editing/LineSeparators.h"
#include "editing/RangeEdit.h"
#include "editing/StringEditBox.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRangeEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commonEndsAgreeWithCharacterByCharacterAcrossBlocks();
    void commonEndsNeverSplitASurrogatePair();
    void replaceTouchesOnlyTheMiddle();
    void separatorsBecomeNewlinesAtEveryPosition();
};

namespace {
RangeEdit::Stretch slowCommonEnds(const QString &a, const QString &b)
{
    const qsizetype limit = std::min(a.size(), b.size());
    qsizetype prefix = 0;
    while (prefix < limit && a[prefix] == b[prefix])
        ++prefix;
    if (prefix > 0 && a[prefix - 1].isHighSurrogate())
        --prefix;
    qsizetype suffix = 0;
    while (suffix < limit - prefix && a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
        ++suffix;
    if (suffix > 0 && a[a.size() - suffix].isLowSurrogate())
        --suffix;
    return {int(prefix), int(suffix)};
}

QString randomText(QRandomGenerator &random, int length)
{
    static const QString alphabet = u"ab<>\n あ"_s;
    QString s;
    while (s.size() < length) {
        if (random.bounded(20) == 0)
            s += u"😀"_s; // a surrogate pair
        else
            s += alphabet[random.bounded(int(alphabet.size()))];
    }
    return s;
}
} // namespace

void TestRangeEdit::commonEndsAgreeWithCharacterByCharacterAcrossBlocks()
{
    // Long shared stretches with one change anywhere, the block edges included.
    QRandomGenerator random(64);
    for (int round = 0; round < 3000; ++round) {
        // Now and then longer than the long blocks, so every block size meets the change.
        const int longest = round % 10 == 0 ? 20000 : 400;
        const QString a = randomText(random, int(random.bounded(0, longest)));
        QString b = a;
        const int at = a.isEmpty() ? 0 : int(random.bounded(int(a.size()) + 1));
        switch (random.bounded(4)) {
        case 0: b.insert(at, randomText(random, int(random.bounded(1, 5)))); break;
        case 1: b.remove(at, int(random.bounded(1, 70))); break;
        case 2: if (at < b.size()) b[at] = u'Z'; break;
        default: b = a + a; break; // repeated text: prefix and suffix must not overlap
        }
        const RangeEdit::Stretch want = slowCommonEnds(a, b);
        const RangeEdit::Stretch got = RangeEdit::commonEnds(a, b);
        QCOMPARE(got.prefix, want.prefix);
        QCOMPARE(got.suffix, want.suffix);
        QVERIFY(got.prefix + got.suffix <= std::min(a.size(), b.size()));
    }
}

void TestRangeEdit::commonEndsNeverSplitASurrogatePair()
{
    // A pair whose second half differs, right after a whole block of equal text.
    const QString same(64, u'x');
    const QString a = same + u"\U0001F600"_s + same;
    const QString b = same + u"\U0001F601"_s + same;
    const RangeEdit::Stretch s = RangeEdit::commonEnds(a, b);
    QCOMPARE(s.prefix, 64);
    QCOMPARE(s.suffix, 64);
}

void TestRangeEdit::replaceTouchesOnlyTheMiddle()
{
    const QString head(200, u'h');
    const QString tail(150, u't');
    StringEditBox box(u"<"_s + head + u"old"_s + tail + u">"_s);
    RangeEdit::replace(box, 1, QString(head + u"old"_s + tail), QString(head + u"new!"_s + tail));
    QCOMPARE(box.text(), u"<"_s + head + u"new!"_s + tail + u">"_s);
    QCOMPARE(box.changes().replaceCalls, 1);
    QCOMPARE(box.changes().removedChars, 3);
    QCOMPARE(box.changes().insertedChars, 4);
}

void TestRangeEdit::separatorsBecomeNewlinesAtEveryPosition()
{
    // Neighbours of the two separators in the code chart stay as they are.
    for (int at = 0; at < 40; ++at) {
        for (const char16_t sep : {char16_t(0x2028), char16_t(0x2029)}) {
            QString s = u"\u2027\u202A\u3028a"_s.repeated(10);
            QString want = s;
            s.insert(at, QChar(sep));
            want.insert(at, QLatin1Char('\n'));
            LineSeparators::toNewlines(s);
            QCOMPARE(s, want);
        }
    }
    QString empty;
    LineSeparators::toNewlines(empty);
    QVERIFY(empty.isEmpty());
}

QTEST_APPLESS_MAIN(TestRangeEdit)
#include "tst_RangeEdit.moc"
