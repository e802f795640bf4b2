#include "platform/DocumentEncoding.h"

#include <QRegularExpression>
#include <algorithm>

#include <cstring>
#include <initializer_list>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr char16_t RawByteBase = 0xF700;

bool isRawByteRange(char32_t c)
{
    return c >= 0xF780 && c <= 0xF7FF;
}

// The well-formed UTF-8 sequence starting at p (a byte >= 0x80): its length, 2 to 4, with its
// code point; 0 when the bytes do not form one. cut is set when every byte there is right but
// the end comes before the sequence does.
int sequenceAt(const uchar *p, qsizetype left, char32_t &cp, bool &cut)
{
    const uchar b0 = p[0];
    int n;
    char32_t c;
    uchar lo = 0x80, hi = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2;
        c = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3;
        c = b0 & 0x0F;
        if (b0 == 0xE0)
            lo = 0xA0; // overlong
        else if (b0 == 0xED)
            hi = 0x9F; // surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4;
        c = b0 & 0x07;
        if (b0 == 0xF0)
            lo = 0x90; // overlong
        else if (b0 == 0xF4)
            hi = 0x8F; // above U+10FFFF
    } else {
        return 0;
    }
    for (int i = 1; i < n; ++i) {
        if (i >= left) {
            cut = true;
            return 0;
        }
        const uchar b = p[i];
        if (b < (i == 1 ? lo : 0x80) || b > (i == 1 ? hi : 0xBF))
            return 0;
        c = (c << 6) | (b & 0x3F);
    }
    cp = c;
    return n;
}

// Skips ASCII eight bytes at a time; returns the index of the first byte >= 0x80, or n.
qsizetype skipAscii(const uchar *p, qsizetype i, qsizetype n)
{
    while (i + 8 <= n) {
        quint64 w;
        std::memcpy(&w, p + i, 8);
        if (w & 0x8080808080808080ull)
            break;
        i += 8;
    }
    while (i < n && p[i] < 0x80)
        ++i;
    return i;
}

bool declaresUtf8(QByteArrayView head)
{
    static const QRegularExpression meta(QStringLiteral(R"(<meta\b[^>]*\bcharset\s*=\s*["']?\s*utf-?8\b)"),
                                         QRegularExpression::CaseInsensitiveOption);
    return meta.match(QString::fromLatin1(head)).hasMatch();
}

// Whether any UTF-16 unit c of text has (c & mask) == value for one of the up to three
// pairs given; eight units a step where SSE2 is there (it always is on x86-64), since this
// check runs over every page that is read or written.
struct UnitTest
{
    char16_t mask;
    char16_t value;
};

bool anyUnit(QStringView text, std::initializer_list<UnitTest> tests)
{
    const char16_t *p = reinterpret_cast<const char16_t *>(text.data());
    const qsizetype n = text.size();
    qsizetype i = 0;
#ifdef __SSE2__
    __m128i masks[3], values[3];
    int count = 0;
    for (const UnitTest &t : tests) {
        masks[count] = _mm_set1_epi16(short(t.mask));
        values[count] = _mm_set1_epi16(short(t.value));
        ++count;
    }
    for (; i + 8 <= n; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
        __m128i hit = _mm_setzero_si128();
        for (int k = 0; k < count; ++k)
            hit = _mm_or_si128(hit, _mm_cmpeq_epi16(_mm_and_si128(v, masks[k]), values[k]));
        if (_mm_movemask_epi8(hit))
            return true;
    }
#endif
    for (; i < n; ++i) {
        for (const UnitTest &t : tests) {
            if ((p[i] & t.mask) == t.value)
                return true;
        }
    }
    return false;
}

// A replacement (an invalid or cut-off sequence, or a genuine U+FFFD), U+2029 or a character
// of the raw-byte range: the result of Qt's decoder is not the byte-keeping one.
bool needsExactDecoding(QStringView text)
{
    return anyUnit(text, {{0xFFFF, 0xFFFD}, {0xFFFF, 0x2029}, {0xFF80, 0xF780}});
}

// What a pass over bytes finds: all well-formed UTF-8 (a sequence the end cuts off counts as
// well-formed, with cut set), and whether a complete multi-byte character was among them.
struct Utf8Scan
{
    bool wellFormed = true;
    bool cut = false;
    bool multiByte = false;
};

Utf8Scan scanUtf8(const uchar *p, qsizetype n)
{
    Utf8Scan scan;
    qsizetype i = skipAscii(p, 0, n);
    while (i < n) {
        char32_t cp;
        const int len = sequenceAt(p + i, n - i, cp, scan.cut);
        if (len == 0) {
            scan.wellFormed = scan.cut;
            return scan;
        }
        scan.multiByte = true;
        i = skipAscii(p, i + len, n);
    }
    return scan;
}

} // namespace

DocumentEncoding::Encoding DocumentEncoding::detect(QByteArrayView bytes)
{
    if (bytes.startsWith(QByteArrayView(Bom, 3)))
        return Encoding::Utf8Bom;
    const qsizetype n = bytes.size();
    const Utf8Scan scan = scanUtf8(reinterpret_cast<const uchar *>(bytes.data()), n);
    if (!scan.wellFormed)
        return Encoding::ShiftJis;
    // A character cut off at the very end of the file still leaves a UTF-8 page.
    if (scan.multiByte)
        return Encoding::Utf8;
    if (scan.cut)
        return Encoding::ShiftJis;
    return declaresUtf8(bytes.first(std::min<qsizetype>(n, 1024))) ? Encoding::Utf8 : Encoding::ShiftJis;
}

DocumentEncoding::Encoding DocumentEncoding::detectAndDecode(QByteArrayView bytes, QString &text)
{
    constexpr qsizetype Prefix = 64 * 1024;
    if (bytes.startsWith(QByteArrayView(Bom, 3))) {
        text = decodeUtf8(bytes.sliced(3));
        return Encoding::Utf8Bom;
    }
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    // A character cut by the prefix's end may go on after it.
    if (bytes.size() > Prefix && scanUtf8(p, Prefix).wellFormed) {
        QString fast = QString::fromUtf8(bytes);
        if (!needsExactDecoding(fast)) {
            // Every sequence was valid; fewer characters than bytes means a multi-byte one.
            if (fast.size() < bytes.size()) {
                text = std::move(fast);
                return Encoding::Utf8;
            }
            if (detect(bytes) == Encoding::Utf8) { // ASCII that declares UTF-8
                text = std::move(fast);
                return Encoding::Utf8;
            }
            return Encoding::ShiftJis;
        }
    }
    const Encoding encoding = detect(bytes);
    if (encoding == Encoding::Utf8)
        text = decodeUtf8(bytes);
    return encoding;
}

DocumentEncoding::LineBreak DocumentEncoding::firstLineBreak(QByteArrayView bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n')
            return LineBreak::Lf;
        if (bytes[i] == '\r')
            return LineBreak::CrLf;
    }
    return LineBreak::CrLf;
}

QString DocumentEncoding::decodeUtf8(QByteArrayView bytes)
{
    // Qt's vectorised decoder for the common file; the byte-keeping pass only where its result
    // shows a replacement or a character that must stay bytes.
    QString fast = QString::fromUtf8(bytes);
    if (!needsExactDecoding(fast))
        return fast;

    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype n = bytes.size();
    QString out;
    out.reserve(n);
    qsizetype i = 0;
    while (i < n) {
        const qsizetype ascii = skipAscii(p, i, n);
        if (ascii > i) {
            out.append(QLatin1StringView(reinterpret_cast<const char *>(p + i), ascii - i));
            i = ascii;
            if (i >= n)
                break;
        }
        char32_t cp = 0;
        bool cut = false;
        const int len = sequenceAt(p + i, n - i, cp, cut);
        if (len == 0 || isRawByteRange(cp) || cp == 0x2029) {
            const int keep = len == 0 ? 1 : len;
            for (int k = 0; k < keep; ++k)
                out.append(QChar(char16_t(RawByteBase + p[i + k])));
            i += keep;
            continue;
        }
        if (cp > 0xFFFF) {
            out.append(QChar(QChar::highSurrogate(cp)));
            out.append(QChar(QChar::lowSurrogate(cp)));
        } else {
            out.append(QChar(char16_t(cp)));
        }
        i += len;
    }
    return out;
}

namespace {

// One unit that is not plain ASCII (or a line feed written as CR LF), with its low surrogate
// when it starts a pair.
template <bool CrLf>
inline void encodeUnit(const char16_t *src, qsizetype n, qsizetype &i, uchar *&dst, int &bad)
{
    const char16_t c = src[i++];
    if (c < 0x80) {
        if (CrLf && c == u'\n')
            *dst++ = '\r';
        *dst++ = uchar(c);
    } else if (c < 0x800) {
        *dst++ = uchar(0xC0 | (c >> 6));
        *dst++ = uchar(0x80 | (c & 0x3F));
    } else if ((c & 0xF800) == 0xD800) {
        if (c <= 0xDBFF && i < n && (src[i] & 0xFC00) == 0xDC00) {
            const char32_t cp = 0x10000 + ((char32_t(c) - 0xD800) << 10) + (src[i++] - 0xDC00);
            *dst++ = uchar(0xF0 | (cp >> 18));
            *dst++ = uchar(0x80 | ((cp >> 12) & 0x3F));
            *dst++ = uchar(0x80 | ((cp >> 6) & 0x3F));
            *dst++ = uchar(0x80 | (cp & 0x3F));
        } else {
            *dst++ = '?';
            ++bad;
        }
    } else if (c == 0x2029) {
        if (CrLf)
            *dst++ = '\r';
        *dst++ = '\n';
    } else if (isRawByteRange(c)) {
        *dst++ = uchar(c - RawByteBase);
    } else {
        *dst++ = uchar(0xE0 | (c >> 12));
        *dst++ = uchar(0x80 | ((c >> 6) & 0x3F));
        *dst++ = uchar(0x80 | (c & 0x3F));
    }
}

template <bool CrLf>
uchar *encodeUnits(const char16_t *src, qsizetype n, uchar *dst, int &bad)
{
    qsizetype i = 0;
    while (i < n) {
#ifdef __SSE2__
        // Runs of ASCII eight units at a time; the bytes of a block are stored whole and the
        // output moves on by its leading ASCII units only.
        const __m128i high = _mm_set1_epi16(short(0xFF80));
        while (i + 8 <= n) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + i));
            unsigned ascii = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(v, high), _mm_setzero_si128())));
            if (CrLf)
                ascii &= ~unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(v, _mm_set1_epi16(short(u'\n')))));
            _mm_storel_epi64(reinterpret_cast<__m128i *>(dst), _mm_packus_epi16(v, v));
            if (ascii == 0xFFFF) {
                dst += 8;
                i += 8;
                continue;
            }
            const int lead = __builtin_ctz(~ascii) / 2;
            dst += lead;
            i += lead;
            break;
        }
        if (i == n)
            break;
#endif
        // The units the block stopped at, and the tail shorter than a block.
        do
            encodeUnit<CrLf>(src, n, i, dst, bad);
        while (i < n && (src[i] >= 0x80 || i + 8 > n));
    }
    return dst;
}

} // namespace

QByteArray DocumentEncoding::encodeUtf8(QStringView text, LineBreak lineBreak, int *unencodable)
{
    // One pass that writes every unit itself: Qt's encoder would need a scan ahead of it for
    // the raw bytes, lone surrogates and paragraph separators, and a second pass for CR LF.
    const char16_t *src = reinterpret_cast<const char16_t *>(text.data());
    const qsizetype n = text.size();
    // Three bytes a UTF-16 unit at most (a line break is two, a pair four), and room for the
    // eight bytes of the last ASCII block.
    QByteArray out(n * 3 + 8, Qt::Uninitialized);
    uchar *begin = reinterpret_cast<uchar *>(out.data());
    int bad = 0;
    uchar *end = lineBreak == LineBreak::CrLf ? encodeUnits<true>(src, n, begin, bad) : encodeUnits<false>(src, n, begin, bad);
    out.truncate(end - begin);
    if (unencodable)
        *unencodable = bad;
    return out;
}

QString DocumentEncoding::encodingName(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case Encoding::Utf8Bom:
        return QStringLiteral("UTF-8 (BOM)");
    case Encoding::ShiftJis:
        break;
    }
    return QStringLiteral("Shift_JIS");
}

QString DocumentEncoding::lineBreakName(LineBreak lineBreak)
{
    return lineBreak == LineBreak::Lf ? QStringLiteral("LF") : QStringLiteral("CRLF");
}
