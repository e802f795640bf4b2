// The CP932 codec: every document and data file goes through it, so no byte may be lost.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "platform/Cp932Codec.h"

#include <QString>

namespace {

bool isRawByte(char16_t c)
{
    return c >= Cp932Codec::RawByteFirst && c <= Cp932Codec::RawByteLast;
}

// Any bytes: decoding then encoding gives them back; where the bytes held a character in one
// of its alternative codes, the standard code is written and reads back as the same text.
void bytesRoundTrip(const QByteArray &bytes)
{
    Cp932Codec::Report report;
    const QString text = Cp932Codec::decode(bytes, &report);
    FUZZ_CHECK(text.size() <= bytes.size());
    bool raw = false;
    for (QChar c : text)
        raw = raw || isRawByte(c.unicode());
    FUZZ_CHECK(raw == report.invalidBytes);

    int unencodable = -1;
    const QByteArray encoded = Cp932Codec::encode(text, &unencodable);
    FUZZ_CHECK(unencodable == 0);
    if (!report.duplicates) {
        FUZZ_CHECK(encoded == bytes);
    } else {
        Cp932Codec::Report again;
        FUZZ_CHECK(Cp932Codec::decode(encoded, &again) == text);
        FUZZ_CHECK(!again.duplicates);
    }
}

// The one character (a surrogate pair counts as one) at i, and the index after it.
qsizetype nextCharacter(const QString &text, qsizetype i)
{
    if (QChar::isHighSurrogate(text[i].unicode()) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode()))
        return i + 2;
    return i + 1;
}

// Any text: the whole text encodes as its characters one by one do (the ASCII fast path
// agrees with the slow one), each character CP932 lacks as one "?"; every code written reads
// back as a character that writes that code again; and text without raw-byte characters
// reads back as its characters do one by one. (Some characters read back as another one
// that looks the same: U+00A2 is written as 0x8191, which reads as U+FFE0.)
void textRoundTrip(const QString &text)
{
    int unencodable = -1;
    const QByteArray encoded = Cp932Codec::encode(text, &unencodable);
    FUZZ_CHECK(unencodable >= 0);

    QByteArray joined;
    QString expected;
    int missing = 0;
    bool raw = false;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype next = nextCharacter(text, i);
        const QStringView one = QStringView(text).mid(i, next - i);
        int oneMissing = -1;
        const QByteArray code = Cp932Codec::encode(one, &oneMissing);
        FUZZ_CHECK(oneMissing == 0 || oneMissing == 1);
        FUZZ_CHECK(code.size() == 1 || code.size() == 2);
        FUZZ_CHECK(!oneMissing || code == "?");
        joined += code;
        missing += oneMissing;
        raw = raw || isRawByte(one[0].unicode());
        const QString readBack = Cp932Codec::decode(code);
        FUZZ_CHECK(readBack.size() == 1);
        FUZZ_CHECK(Cp932Codec::encode(readBack) == code);
        expected += readBack;
        i = next;
    }
    // After a raw lead byte the encoder may pick another code of the same character so
    // that the two do not pair; only text without raw bytes must match code by code.
    if (!raw)
        FUZZ_CHECK(encoded == joined);
    FUZZ_CHECK(encoded.size() == joined.size());
    FUZZ_CHECK(unencodable == missing);
    // A raw lead byte may pair with the byte written after it, so only text without them
    // is sure to read back.
    if (!raw)
        FUZZ_CHECK(Cp932Codec::decode(encoded) == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const bool asText = input.byte() & 1;
    const QByteArray payload = input.rest();
    if (!asText) {
        bytesRoundTrip(payload);
    } else {
        QString text(payload.size() / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < text.size(); ++i)
            text[i] = QChar(char16_t(uchar(payload[2 * i]) | uchar(payload[2 * i + 1]) << 8));
        textRoundTrip(text);
    }
    return 0;
}
