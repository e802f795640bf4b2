#include "platform/Cp932Codec.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include "SourceTree.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

QByteArray pair(int code)
{
    return bytesOf({code >> 8, code & 0xFF});
}

QString raw(int byte)
{
    return QString(QChar(char16_t(0xF700 + byte)));
}

bool isRaw(QChar c)
{
    return c.unicode() >= Cp932Codec::RawByteFirst && c.unicode() <= Cp932Codec::RawByteLast;
}

// Encoded by CP932 as another character's code (JIS-style mappings, and the placeholders
// Windows gives the bytes 0x80, 0xA0 and 0xFD-0xFF, which decode as raw bytes here).
const QList<char16_t> OneWayEncodings = {0x0080, 0x00A2, 0x00A3, 0x00AC, 0x2016, 0x2212,
                                         0x301C, 0xF8F0, 0xF8F1, 0xF8F2, 0xF8F3};

} // namespace

class TestCp932Codec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void asciiAndControlBytesDecodeAsThemselves();
    void everySingleByteRoundTrips();
    void everyTwoByteSequenceRoundTrips();
    void alternativeCodesEncodeToWindowsChoice_data();
    void alternativeCodesEncodeToWindowsChoice();
    void doubleBytesAgreeWithIcu();
    void invalidBytesKeptInContext_data();
    void invalidBytesKeptInContext();
    void reportDescribesOnlyTheLastCall();
    void japaneseTextRoundTrips();
    void everyEncodableCharacterDecodesBack();
    void rawByteCharactersEncodeToTheirByte();
    void unencodableCharacters_data();
    void unencodableCharacters();
    void lineBreaksPassThrough();
    void lineBreaksWrittenAsCrLf();
    void asciiRunsOfEveryLength();
    void randomBytesRoundTrip();
    void strayLeadByteBeforeCharacter_data();
    void strayLeadByteBeforeCharacter();
    void strayLeadByteBeforeEveryCode();
    void reopenedTextReadsTheSame_data();
    void reopenedTextReadsTheSame();
    void leadBytes();
    void tableMatchesGenerator();
};

void TestCp932Codec::asciiAndControlBytesDecodeAsThemselves()
{
    QByteArray all;
    QString expected;
    for (int b = 0; b < 0x80; ++b) {
        all.append(char(b));
        expected.append(QChar(char16_t(b)));
    }
    Cp932Codec::Report report;
    const QString text = Cp932Codec::decode(all, &report);
    QCOMPARE(text.size(), 128);
    QCOMPARE(text, expected);
    QVERIFY(!report.duplicates);
    QVERIFY(!report.invalidBytes);
    QCOMPARE(Cp932Codec::encode(text), all);

    // NUL does not end the text.
    const QByteArray withNul = bytesOf({'a', 0, 'b', 0});
    const QString expectedNul = u"a"_s + QChar(0) + u"b"_s + QChar(0);
    QCOMPARE(Cp932Codec::decode(withNul), expectedNul);
    QCOMPARE(Cp932Codec::encode(Cp932Codec::decode(withNul)), withNul);
}

void TestCp932Codec::everySingleByteRoundTrips()
{
    for (int b = 0; b < 256; ++b) {
        const QByteArray in = bytesOf({b});
        Cp932Codec::Report report;
        const QString text = Cp932Codec::decode(in, &report);
        QCOMPARE(text.size(), 1);
        QVERIFY(!report.duplicates);
        const bool halfwidthKatakana = b >= 0xA1 && b <= 0xDF;
        if (b < 0x80 || halfwidthKatakana) {
            QVERIFY2(!report.invalidBytes, qPrintable(QString::number(b, 16)));
            QVERIFY(!isRaw(text[0]));
            if (halfwidthKatakana)
                QCOMPARE(text[0].unicode(), char16_t(0xFF61 + b - 0xA1));
        } else {
            // Lead bytes alone, 0x80, 0xA0 and 0xFD-0xFF.
            QVERIFY2(report.invalidBytes, qPrintable(QString::number(b, 16)));
            QCOMPARE(text, raw(b));
        }
        int missing = -1;
        QCOMPARE(Cp932Codec::encode(text, &missing), in);
        QCOMPARE(missing, 0);
    }
}

void TestCp932Codec::everyTwoByteSequenceRoundTrips()
{
    int alternatives = 0;
    for (int code = 0; code <= 0xFFFF; ++code) {
        const QByteArray in = pair(code);
        Cp932Codec::Report report;
        const QString text = Cp932Codec::decode(in, &report);
        const QByteArray out = Cp932Codec::encode(text);
        if (!report.duplicates) {
            if (out != in)
                QFAIL(qPrintable(QStringLiteral("%1 encodes back as %2")
                                     .arg(code, 4, 16).arg(QString::fromLatin1(out.toHex()))));
            continue;
        }
        ++alternatives;
        QVERIFY2(out != in, qPrintable(QString::number(code, 16)));
        QCOMPARE(text.size(), 1);
        QVERIFY(!report.invalidBytes);
        QCOMPARE(out.size(), 2);
        Cp932Codec::Report again;
        QCOMPARE(Cp932Codec::decode(out, &again), text);
        QVERIFY(!again.duplicates);
    }
    // 374 NEC-selected IBM extensions (0xED/0xEE), 9 NEC special characters duplicating
    // JIS X 0208, 15 IBM extensions duplicating NEC special characters or JIS X 0208.
    QCOMPARE(alternatives, 398);
}

void TestCp932Codec::alternativeCodesEncodeToWindowsChoice_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("standard");
    QTest::addColumn<QString>("character");
    QTest::newRow("NEC-selected kanji") << 0xED40 << 0xFA5C << u"纊"_s;
    QTest::newRow("NEC-selected last kanji") << 0xEEEC << 0xFC4B << u"黑"_s;
    QTest::newRow("NEC-selected small roman") << 0xEEEF << 0xFA40 << u"ⅰ"_s;
    QTest::newRow("NEC-selected not sign") << 0xEEF9 << 0x81CA << u"￢"_s;
    QTest::newRow("NEC-selected quote") << 0xEEFC << 0xFA57 << u"＂"_s;
    QTest::newRow("IBM roman numeral") << 0xFA4A << 0x8754 << u"Ⅰ"_s;
    QTest::newRow("IBM not sign") << 0xFA54 << 0x81CA << u"￢"_s;
    QTest::newRow("IBM numero") << 0xFA59 << 0x8782 << u"№"_s;
    QTest::newRow("IBM because") << 0xFA5B << 0x81E6 << u"∵"_s;
    QTest::newRow("NEC approximately") << 0x8790 << 0x81E0 << u"≒"_s;
    QTest::newRow("NEC integral") << 0x8792 << 0x81E7 << u"∫"_s;
    QTest::newRow("NEC because") << 0x879A << 0x81E6 << u"∵"_s;
    QTest::newRow("NEC union") << 0x879C << 0x81BE << u"∪"_s;
}

void TestCp932Codec::alternativeCodesEncodeToWindowsChoice()
{
    QFETCH(int, code);
    QFETCH(int, standard);
    QFETCH(QString, character);
    Cp932Codec::Report report;
    QCOMPARE(Cp932Codec::decode(pair(code), &report), character);
    QVERIFY(report.duplicates);
    QCOMPARE(Cp932Codec::encode(character), pair(standard));
    Cp932Codec::Report standardReport;
    QCOMPARE(Cp932Codec::decode(pair(standard), &standardReport), character);
    QVERIFY(!standardReport.duplicates);
}

void TestCp932Codec::doubleBytesAgreeWithIcu()
{
    // ICU's CP932 tables are independent of ours; they agree on every double-byte character.
    QStringDecoder probe("CP932");
    if (!probe.isValid())
        QSKIP("Qt was built without ICU's CP932");
    int checked = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!Cp932Codec::isLeadByte(uchar(lead)))
            continue;
        for (int trail = 0; trail < 256; ++trail) {
            const QByteArray in = bytesOf({lead, trail});
            const QString ours = Cp932Codec::decode(in);
            if (ours.size() != 1)
                continue;
            QStringDecoder icuDecoder("CP932");
            const QString icu = icuDecoder.decode(in);
            if (icu != ours)
                QFAIL(qPrintable(QStringLiteral("%1: ours U+%2, ICU %3").arg(QString::fromLatin1(in.toHex()))
                                     .arg(ours[0].unicode(), 4, 16).arg(icu)));
            QStringEncoder icuEncoder("CP932");
            const QByteArray icuBytes = icuEncoder.encode(ours);
            QCOMPARE(Cp932Codec::encode(ours), icuBytes);
            ++checked;
        }
    }
    QCOMPARE(checked, 9604); // every double-byte code CP932 defines
}

void TestCp932Codec::invalidBytesKeptInContext_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("lead byte at end") << QByteArray("a\x81") << (u"a"_s + raw(0x81));
    QTest::newRow("lead byte before space") << QByteArray("\x81\x20" "b") << (raw(0x81) + u" b"_s);
    QTest::newRow("lead byte before CR LF") << QByteArray("\x82\r\n") << (raw(0x82) + u"\r\n"_s);
    QTest::newRow("lead byte before tag") << QByteArray("\xE0<B>") << (raw(0xE0) + u"<B>"_s);
    QTest::newRow("two invalid singles") << QByteArray("\xFF\x80") << (raw(0xFF) + raw(0x80));
    QTest::newRow("0xA0 and 0xFD-0xFE") << QByteArray("x\xA0\xFD\xFEy") << (u"x"_s + raw(0xA0) + raw(0xFD) + raw(0xFE) + u"y"_s);
    QTest::newRow("undefined row, ASCII trail") << QByteArray("\x85\x40") << (raw(0x85) + u"@"_s);
    QTest::newRow("undefined pair, katakana trail") << QByteArray("\x81\xAD") << (raw(0x81) + u"ｭ"_s);
    QTest::newRow("undefined row, lead trail") << QByteArray("\xEB\x82\xA0") << (raw(0xEB) + u"あ"_s);
    QTest::newRow("lead then lead at end") << QByteArray("\x82\xA0\x82") << (u"あ"_s + raw(0x82));
    QTest::newRow("lead byte with 0x7F") << QByteArray("\x88\x7F") << (raw(0x88) + u"\x7F"_s);
    QTest::newRow("lead byte with 0xFD trail") << QByteArray("\x88\xFD") << (raw(0x88) + raw(0xFD));
    QTest::newRow("invalid between Japanese") << QByteArray("\x93\xFA\x80\x96\x7B") << (u"日"_s + raw(0x80) + u"本"_s);
    QTest::newRow("invalid after long ASCII") << QByteArray("0123456789abcdefghij\xFD") << (u"0123456789abcdefghij"_s + raw(0xFD));
}

void TestCp932Codec::invalidBytesKeptInContext()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    Cp932Codec::Report report;
    const QString text = Cp932Codec::decode(bytes, &report);
    QCOMPARE(text, expected);
    QVERIFY(report.invalidBytes);
    QVERIFY(!report.duplicates);
    int missing = -1;
    QCOMPARE(Cp932Codec::encode(text, &missing), bytes);
    QCOMPARE(missing, 0);
}

void TestCp932Codec::reportDescribesOnlyTheLastCall()
{
    Cp932Codec::Report report;
    Cp932Codec::decode(QByteArray("\xED\x40\xFF"), &report);
    QVERIFY(report.duplicates);
    QVERIFY(report.invalidBytes);
    Cp932Codec::decode(QByteArray("plain"), &report);
    QVERIFY(!report.duplicates);
    QVERIFY(!report.invalidBytes);
    Cp932Codec::decode(QByteArray(), &report);
    QVERIFY(!report.duplicates);
    QVERIFY(!report.invalidBytes);

    int missing = 5;
    QCOMPARE(Cp932Codec::encode(QString()), QByteArray());
    QCOMPARE(Cp932Codec::encode(u"ok"_s, &missing), QByteArray("ok"));
    QCOMPARE(missing, 0);
}

void TestCp932Codec::japaneseTextRoundTrips()
{
    const QString text = u"<HTML>\r\n<TITLE>日本語のページ</TITLE>\r\nｶﾀｶﾅ、ひらがな。カタカナ！"
                         u"①②Ⅹ㈱№≒∵￢ＡＢＣ　髙﨑\uE000\uE757\r\n"_s;
    Cp932Codec::Report report;
    int missing = -1;
    const QByteArray bytes = Cp932Codec::encode(text, &missing);
    QCOMPARE(missing, 0);
    QCOMPARE(Cp932Codec::decode(bytes, &report), text);
    QVERIFY(!report.duplicates);
    QVERIFY(!report.invalidBytes);

    // Known codes, including the user-defined area at both ends.
    QCOMPARE(Cp932Codec::encode(u"あ漢ｱ①"_s), bytesOf({0x82, 0xA0, 0x8A, 0xBF, 0xB1, 0x87, 0x40}));
    QCOMPARE(Cp932Codec::encode(u"\uE000\uE757"_s), bytesOf({0xF0, 0x40, 0xF9, 0xFC}));
    QCOMPARE(Cp932Codec::decode(bytesOf({0xF0, 0x40, 0xF9, 0xFC})), u"\uE000\uE757"_s);
    // Backslash and tilde stay ASCII, as on Windows.
    QCOMPARE(Cp932Codec::encode(u"\\~"_s), QByteArray("\\~"));
}

void TestCp932Codec::everyEncodableCharacterDecodesBack()
{
    int encodable = 0;
    for (int cp = 0; cp <= 0xFFFF; ++cp) {
        const char16_t c = char16_t(cp);
        if (QChar::isSurrogate(c) || (c >= Cp932Codec::RawByteFirst && c <= Cp932Codec::RawByteLast))
            continue;
        const QString one(QChar{c});
        int missing = -1;
        const QByteArray bytes = Cp932Codec::encode(one, &missing);
        if (missing == 1) {
            QCOMPARE(bytes, QByteArray("?"));
            continue;
        }
        QCOMPARE(missing, 0);
        ++encodable;
        Cp932Codec::Report report;
        const QString back = Cp932Codec::decode(bytes, &report);
        QVERIFY(!report.duplicates); // always the standard code
        if (OneWayEncodings.contains(c))
            QVERIFY2(back != one, qPrintable(QString::number(cp, 16)));
        else if (back != one)
            QFAIL(qPrintable(QStringLiteral("U+%1 does not decode back").arg(cp, 4, 16)));
    }
    // Python's cp932 encodes 9408 BMP characters; the user-defined area is included.
    QCOMPARE(encodable, 9408);
}

void TestCp932Codec::rawByteCharactersEncodeToTheirByte()
{
    for (int b = 0x80; b <= 0xFF; ++b) {
        int missing = -1;
        QCOMPARE(Cp932Codec::encode(raw(b), &missing), bytesOf({b}));
        QCOMPARE(missing, 0);
    }
    // Below the raw-byte range nothing is reserved: such characters are simply not CP932.
    int missing = -1;
    QCOMPARE(Cp932Codec::encode(u"\uF700\uF741\uF77F"_s, &missing), QByteArray("???"));
    QCOMPARE(missing, 3);
}

void TestCp932Codec::unencodableCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("missing");
    QTest::newRow("accented letter") << u"caf\u00E9"_s << QByteArray("caf?") << 1;
    QTest::newRow("yen sign") << u"\u00A5100"_s << QByteArray("?100") << 1;
    QTest::newRow("euro") << u"\u20AC"_s << QByteArray("?") << 1;
    QTest::newRow("hangul") << u"\uD55C\uAE00"_s << QByteArray("??") << 2;
    QTest::newRow("emoji is one character") << u"a\U0001F600b"_s << QByteArray("a?b") << 1;
    QTest::newRow("two emoji") << u"\U0001F600\U0001F601"_s << QByteArray("??") << 2;
    QTest::newRow("lone high surrogate") << u"x"_s + QChar(char16_t(0xD800)) + u"y"_s << QByteArray("x?y") << 1;
    QTest::newRow("lone low surrogate") << QString(QChar(char16_t(0xDC00))) << QByteArray("?") << 1;
    QTest::newRow("high surrogate at end") << u"z"_s + QChar(char16_t(0xDBFF)) << QByteArray("z?") << 1;
    QTest::newRow("question mark itself") << u"?"_s << QByteArray("?") << 0;
    QTest::newRow("mixed") << u"漢\u00E9字\U00020BB7"_s << bytesOf({0x8A, 0xBF, '?', 0x8E, 0x9A, '?'}) << 2;
}

void TestCp932Codec::unencodableCharacters()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(int, missing);
    int count = -1;
    QCOMPARE(Cp932Codec::encode(text, &count), bytes);
    QCOMPARE(count, missing);
    QCOMPARE(Cp932Codec::encode(text), bytes);
}

void TestCp932Codec::lineBreaksPassThrough()
{
    const QByteArray bytes("a\r\nb\rc\nd\r\r\n\n\x82\xA0\r\n\x82\r\n");
    const QString text = Cp932Codec::decode(bytes);
    QCOMPARE(text, u"a\r\nb\rc\nd\r\r\n\nあ\r\n"_s + raw(0x82) + u"\r\n"_s);
    QCOMPARE(Cp932Codec::encode(text), bytes);
}

void TestCp932Codec::lineBreaksWrittenAsCrLf()
{
    // '\n' and the widget's separators alike, wherever they fall in a bulk ASCII run,
    // after a double-byte character and after a stray lead byte (which must not pair).
    const QByteArray letters("abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const char16_t breaks[] = {u'\n', 0x2028, 0x2029};
    for (const char16_t br : breaks) {
        for (int before = 0; before <= 40; ++before) {
            const QString head = QString::fromLatin1(letters.left(before));
            const QString text = head + QChar(br) + head + QChar(br) + QChar(br) + u"あ"_s + QChar(br)
                + raw(0x82) + QChar(br) + u"\u00E9"_s;
            const QByteArray want = letters.left(before) + "\r\n" + letters.left(before) + "\r\n\r\n\x82\xA0\r\n"
                + "\x82\r\n?";
            int missing = -1;
            QCOMPARE(Cp932Codec::encode(text, &missing, Cp932Codec::LineBreaks::CrLf), want);
            QCOMPARE(missing, 1);
        }
    }
    QCOMPARE(Cp932Codec::encode(u"\n"_s, nullptr, Cp932Codec::LineBreaks::CrLf), QByteArray("\r\n"));
    // Without the option the separators are not CP932.
    QCOMPARE(Cp932Codec::encode(u"a\u2029b\nc"_s), QByteArray("a?b\nc"));
}

void TestCp932Codec::asciiRunsOfEveryLength()
{
    // Bulk ASCII handling must stop exactly at the first other byte, wherever it falls.
    const QByteArray letters("abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    for (int before = 0; before <= 40; ++before) {
        for (int after = 0; after <= 20; after += 5) {
            const QByteArray head = letters.left(before);
            const QByteArray tail = letters.mid(before, after);
            const QByteArray bytes = head + "\x82\xA0" + tail + "\xFF";
            const QString text = QString::fromLatin1(head) + u"あ"_s + QString::fromLatin1(tail) + raw(0xFF);
            QCOMPARE(Cp932Codec::decode(bytes), text);
            QCOMPARE(Cp932Codec::encode(text), bytes);
            const QString latin = QString::fromLatin1(head) + QChar(char16_t(0xE9)) + QString::fromLatin1(tail);
            QCOMPARE(Cp932Codec::encode(latin), head + "?" + tail);
        }
    }
}

void TestCp932Codec::randomBytesRoundTrip()
{
    QRandomGenerator random(932);
    int exact = 0;
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(int(random.bounded(1, 300)), Qt::Uninitialized);
        for (char &b : bytes) {
            // Mostly ASCII and double-byte ranges, so pairs and runs both occur.
            const quint32 kind = random.bounded(4);
            b = char(kind == 0 ? random.bounded(0x80) : random.bounded(0x80, 0x100));
        }
        Cp932Codec::Report report;
        const QString text = Cp932Codec::decode(bytes, &report);
        QVERIFY(text.size() <= bytes.size());
        if (report.duplicates) {
            // Alternative codes come back as the standard ones and the text stays the same.
            Cp932Codec::Report again;
            QCOMPARE(Cp932Codec::decode(Cp932Codec::encode(text), &again), text);
            QVERIFY(!again.duplicates);
            continue;
        }
        QCOMPARE(Cp932Codec::encode(text), bytes);
        ++exact;
    }
    QVERIFY(exact > 20);
}

void TestCp932Codec::strayLeadByteBeforeCharacter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("readsBack");

    const QString raw81 = raw(0x81);
    // "Ⅰ": standard 87 54, but 81 87 is "∞"; its IBM code FA 4A is written instead.
    QTest::newRow("alternative code written") << QString(raw81 + u'Ⅰ') << bytesOf({0x81, 0xFA, 0x4A}) << true;
    QTest::newRow("other lead bytes") << QString(raw(0x84) + u'Ⅰ' + raw(0xEA) + u'Ⅰ')
                                      << bytesOf({0x84, 0xFA, 0x4A, 0xEA, 0xFA, 0x4A}) << true;
    // "∵": 81 E6, then 87 9A (81 81 and 81 87 both pair), then FA 5B.
    QTest::newRow("second alternative") << QString(raw81 + u'∵') << bytesOf({0x81, 0xFA, 0x5B}) << true;
    QTest::newRow("standard code that does not pair") << QString(raw(0x98) + u'∵') << bytesOf({0x98, 0x81, 0xE6}) << true;
    QTest::newRow("ASCII between") << QString(raw81 + u'x' + u'Ⅰ') << bytesOf({0x81, 'x', 0x87, 0x54}) << false;
    QTest::newRow("only the next character") << QString(raw81 + u'Ⅰ' + u'Ⅰ')
                                             << bytesOf({0x81, 0xFA, 0x4A, 0x87, 0x54}) << true;
    // Nothing better is possible: every code of "Ⅰ" pairs with user-defined lead byte F0,
    // "亜" and "A" have one code each, and a raw byte is that byte. Decoding never yields these.
    QTest::newRow("no code keeps apart") << QString(raw(0xF0) + u'Ⅰ') << bytesOf({0xF0, 0x87, 0x54}) << false;
    QTest::newRow("single code") << QString(raw81 + u'亜') << bytesOf({0x81, 0x88, 0x9F}) << false;
    QTest::newRow("ASCII") << QString(raw81 + u'A') << bytesOf({0x81, 'A'}) << false;
    QTest::newRow("raw lead byte") << QString(raw81 + raw81) << bytesOf({0x81, 0x81}) << false;
}

void TestCp932Codec::strayLeadByteBeforeCharacter()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readsBack);
    QCOMPARE(Cp932Codec::encode(text), bytes);
    Cp932Codec::Report report;
    const QString back = Cp932Codec::decode(bytes, &report);
    QCOMPARE(back == text, readsBack);
    if (readsBack)
        QVERIFY(!report.duplicates); // saving keeps these bytes, so nothing to warn about
}

void TestCp932Codec::strayLeadByteBeforeEveryCode()
{
    // Every stray lead byte before every double-byte code it does not pair with: saved
    // unchanged, the file reads back the same, and bytes not reported as duplicates stay.
    int kept = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!Cp932Codec::isLeadByte(uchar(lead)))
            continue;
        for (int code = 0x8140; code <= 0xFCFC; ++code) {
            const QByteArray bytes = bytesOf({lead, code >> 8, code & 0xFF});
            Cp932Codec::Report report;
            const QString text = Cp932Codec::decode(bytes, &report);
            if (text.size() != 2 || text[0] != raw(lead)[0] || isRaw(text[1]))
                continue;
            const QByteArray saved = Cp932Codec::encode(text);
            Cp932Codec::Report again;
            if (Cp932Codec::decode(saved, &again) != text)
                QFAIL(qPrintable(QStringLiteral("%1 saves as %2").arg(QString::fromLatin1(bytes.toHex()),
                                                                     QString::fromLatin1(saved.toHex()))));
            QVERIFY(!again.duplicates);
            QCOMPARE(saved == bytes, !report.duplicates);
            if (!report.duplicates && bytes.mid(1) != Cp932Codec::encode(text.mid(1)))
                ++kept;
        }
    }
    // Alternative codes kept because the standard code would pair (81 FA 4A among them).
    QVERIFY(kept > 0);
}

void TestCp932Codec::reopenedTextReadsTheSame_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // The fuzzer's finding, and byte strings seeded towards stray lead bytes and codes with
    // alternatives (rows 0x81, 0x87, 0xED, 0xEE, 0xFA-0xFC).
    QTest::newRow("fuzz: raw lead then alternative code") << bytesOf({0x81, 0xFA, 0x4A});
    QRandomGenerator random(0x932);
    static const int leads[] = {0x81, 0x84, 0x87, 0x88, 0x98, 0xEA, 0xED, 0xEE, 0xF0, 0xFA, 0xFC};
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes;
        const int length = int(random.bounded(1, 40));
        for (int i = 0; i < length; ++i) {
            const quint32 kind = random.bounded(4);
            if (kind == 0)
                bytes += char(random.bounded(0x20, 0x80));
            else if (kind == 1)
                bytes += char(random.bounded(0x80, 0x100));
            else
                bytes += char(leads[random.bounded(int(std::size(leads)))]);
        }
        QTest::addRow("random %d", round) << bytes;
    }
}

void TestCp932Codec::reopenedTextReadsTheSame()
{
    QFETCH(QByteArray, bytes);
    Cp932Codec::Report report;
    const QString text = Cp932Codec::decode(bytes, &report);
    const QByteArray saved = Cp932Codec::encode(text);
    Cp932Codec::Report again;
    QCOMPARE(Cp932Codec::decode(saved, &again), text);
    QVERIFY(!again.duplicates);
    if (!report.duplicates)
        QCOMPARE(saved, bytes);
    QCOMPARE(Cp932Codec::encode(Cp932Codec::decode(saved)), saved);
}

void TestCp932Codec::leadBytes()
{
    for (int b = 0; b < 256; ++b) {
        bool startsCharacter = false;
        for (int t = 0; t < 256 && !startsCharacter; ++t) {
            const QString text = Cp932Codec::decode(bytesOf({b, t}));
            startsCharacter = text.size() == 1 && !isRaw(text[0]);
        }
        if (startsCharacter)
            QVERIFY2(Cp932Codec::isLeadByte(uchar(b)), qPrintable(QString::number(b, 16)));
        const QString alone = Cp932Codec::decode(bytesOf({b}));
        if (!isRaw(alone[0]))
            QVERIFY2(!Cp932Codec::isLeadByte(uchar(b)), qPrintable(QString::number(b, 16)));
    }
    // Rows CP932 leaves empty are still lead bytes: Windows pairs them with the next byte.
    for (int b : {0x85, 0x86, 0xEB, 0xEC, 0xEF, 0xFC})
        QVERIFY(Cp932Codec::isLeadByte(uchar(b)));
    for (int b : {0x80, 0xA0, 0xFD, 0xFE, 0xFF})
        QVERIFY(!Cp932Codec::isLeadByte(uchar(b)));
}

void TestCp932Codec::tableMatchesGenerator()
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        QSKIP("python3 is not installed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString generated = dir.filePath(QStringLiteral("Cp932Table.inc"));
    QProcess process;
    process.start(python, {SourceTree::path(u"scripts/gen_cp932_table.py"), generated});
    QVERIFY(process.waitForFinished(120000));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    QFile fresh(generated);
    QFile committed(SourceTree::path(u"platform/Cp932Table.inc"));
    QVERIFY(fresh.open(QIODevice::ReadOnly));
    QVERIFY(committed.open(QIODevice::ReadOnly));
    QVERIFY2(fresh.readAll() == committed.readAll(), "platform/Cp932Table.inc is out of date; rerun the generator");
}

QTEST_GUILESS_MAIN(TestCp932Codec)
#include "tst_cp932codec.moc"
