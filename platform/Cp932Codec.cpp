#include "platform/Cp932Codec.h"

#include <algorithm>
#include <array>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

#include "platform/Cp932Table.inc"

constexpr char16_t NotSingle = 0xFFFF;
constexpr char16_t RawByteBase = 0xF700;

// Row of kDoubleByte for each lead byte, plus one; 0 for other bytes.
constexpr std::array<quint8, 256> LeadRow = [] {
    std::array<quint8, 256> rows{};
    int row = 0;
    for (int b = 0; b < 256; ++b) {
        if (Cp932Codec::isLeadByte(static_cast<unsigned char>(b)))
            rows[b] = static_cast<quint8>(++row);
    }
    return rows;
}();
static_assert(sizeof(kDoubleByte) / sizeof(kDoubleByte[0]) == 60);

// Whether lead and the byte after it read as one double-byte character.
inline bool pairs(uchar lead, uchar next)
{
    const int row = LeadRow[lead];
    return row && kDoubleByte[row - 1][next] != 0;
}

// The lead byte a raw-byte character stands for, or 0.
inline uchar rawLeadOf(char16_t c)
{
    if (c < Cp932Codec::RawByteFirst || c > Cp932Codec::RawByteLast)
        return 0;
    const uchar b = static_cast<uchar>(c - RawByteBase);
    return Cp932Codec::isLeadByte(b) ? b : 0;
}

// The code to write for c (standard code `standard`) right after the stray lead byte `lead`:
// the standard code unless its first byte would pair with the stray byte, in which case the
// first alternative code that keeps them apart. Without one the standard code stays, as
// nothing else could be written.
quint16 codeAfterRawLead(uchar lead, char16_t c, quint16 standard)
{
    if (!pairs(lead, static_cast<uchar>(standard > 0xFF ? standard >> 8 : standard)))
        return standard;
    const auto *const end = std::end(kAlternative);
    auto it = std::lower_bound(std::begin(kAlternative), end, c,
                               [](const Cp932Alternative &a, char16_t ch) { return a.character < ch; });
    for (; it != end && it->character == c; ++it) {
        if (!pairs(lead, static_cast<uchar>(it->code >> 8)))
            return it->code;
    }
    return standard;
}

// Widens the ASCII bytes at src; returns how many there were (stops at the first other byte).
// dst must have room for as many characters as there are bytes left.
inline qsizetype widenAscii(const uchar *src, const uchar *end, char16_t *dst)
{
    const uchar *p = src;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    while (end - p >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        // Storing all 16 is safe: dst never runs ahead of src, so 16 bytes left means room for 16.
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst), _mm_unpacklo_epi8(v, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + 8), _mm_unpackhi_epi8(v, zero));
        const int high = _mm_movemask_epi8(v);
        if (high) {
            const int k = std::countr_zero(static_cast<unsigned>(high));
            return p - src + k;
        }
        p += 16;
        dst += 16;
    }
#endif
    while (p < end && *p < 0x80)
        *dst++ = *p++;
    return p - src;
}

// Narrows the characters below 0x80 at src; returns how many there were. With stopAtNewline
// it also stops at '\n', which the caller writes itself.
// dst must have room for twice as many bytes as there are characters left.
template <bool stopAtNewline>
inline qsizetype narrowAscii(const char16_t *src, const char16_t *end, uchar *dst)
{
    const char16_t *p = src;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i nonAscii = _mm_set1_epi16(static_cast<short>(0xFF80));
    const __m128i newline = _mm_set1_epi16('\n');
    while (end - p >= 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 8));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(dst), _mm_packus_epi16(a, b));
        __m128i plainA = _mm_cmpeq_epi16(_mm_and_si128(a, nonAscii), zero);
        __m128i plainB = _mm_cmpeq_epi16(_mm_and_si128(b, nonAscii), zero);
        if constexpr (stopAtNewline) {
            plainA = _mm_andnot_si128(_mm_cmpeq_epi16(a, newline), plainA);
            plainB = _mm_andnot_si128(_mm_cmpeq_epi16(b, newline), plainB);
        }
        const int plain = _mm_movemask_epi8(_mm_packs_epi16(plainA, plainB));
        if (plain != 0xFFFF)
            return p - src + std::countr_zero(static_cast<unsigned>(~plain));
        p += 16;
        dst += 16;
    }
#endif
    while (p < end && *p < 0x80 && !(stopAtNewline && *p == u'\n'))
        *dst++ = static_cast<uchar>(*p++);
    return p - src;
}

} // namespace

QString Cp932Codec::decode(QByteArrayView bytes, Report *report)
{
    if (report)
        *report = Report();
    const qsizetype n = bytes.size();
    if (n == 0)
        return QString();
    // Every character takes at least one byte, so n characters are always enough.
    QString text(n, Qt::Uninitialized);
    char16_t *const begin = reinterpret_cast<char16_t *>(text.data());
    char16_t *dst = begin;
    const uchar *src = reinterpret_cast<const uchar *>(bytes.data());
    const uchar *const end = src + n;
    bool duplicates = false;
    bool invalid = false;

    while (src < end) {
        const qsizetype ascii = widenAscii(src, end, dst);
        src += ascii;
        dst += ascii;
        while (src < end && *src >= 0x80) {
            const uchar b = *src;
            const char16_t single = kSingleByte[b];
            if (single != NotSingle) {
                *dst++ = single;
                ++src;
                continue;
            }
            if (const int row = LeadRow[b]; row && end - src >= 2) {
                const uchar t = src[1];
                if (const char16_t c = kDoubleByte[row - 1][t]) {
                    // An alternative code counts only if saving would change it: after a
                    // stray lead byte, encode may keep exactly this code.
                    if (((kNonStandard[row - 1][t >> 5] >> (t & 31)) & 1u)
                        && !(dst > begin && rawLeadOf(dst[-1])
                             && codeAfterRawLead(rawLeadOf(dst[-1]), c, kEncode[c]) == (b << 8 | t)))
                        duplicates = true;
                    *dst++ = c;
                    src += 2;
                    continue;
                }
            }
            // Not CP932: keep the byte. A stray lead byte takes nothing with it, so the
            // byte after it (often ASCII) decodes as itself.
            *dst++ = static_cast<char16_t>(RawByteBase + b);
            invalid = true;
            ++src;
        }
    }

    const qsizetype length = dst - begin;
    text.resize(length);
    if (text.capacity() - length > length / 4 + 1024)
        text.squeeze();
    if (report) {
        report->duplicates = duplicates;
        report->invalidBytes = invalid;
    }
    return text;
}

namespace {
template <bool crlf>
QByteArray encodeText(QStringView text, int *unencodable)
{
    if (unencodable)
        *unencodable = 0;
    const qsizetype n = text.size();
    if (n == 0)
        return QByteArray();
    // At most two bytes per UTF-16 unit, a line break as CR LF included.
    QByteArray bytes(2 * n, Qt::Uninitialized);
    uchar *const begin = reinterpret_cast<uchar *>(bytes.data());
    uchar *dst = begin;
    const char16_t *src = text.utf16();
    const char16_t *const end = src + n;
    int missing = 0;
    // The stray lead byte just written (a raw-byte character), or 0. What follows it must
    // not start with a byte that pairs with it, or the file would read back differently.
    uchar rawLead = 0;

    while (src < end) {
        const qsizetype ascii = narrowAscii<crlf>(src, end, dst);
        src += ascii;
        dst += ascii;
        if (ascii)
            rawLead = 0;
        while (src < end && (*src >= 0x80 || (crlf && *src == u'\n'))) {
            const char16_t c = *src++;
            if constexpr (crlf) {
                if (c == u'\n' || (c & 0xFFFE) == 0x2028) {
                    *dst++ = '\r';
                    *dst++ = '\n';
                    rawLead = 0;
                    continue;
                }
            }
            if (quint16 code = kEncode[c]) {
                if (rawLead) {
                    code = codeAfterRawLead(rawLead, c, code);
                    rawLead = 0;
                }
                if (code > 0xFF)
                    *dst++ = static_cast<uchar>(code >> 8);
                *dst++ = static_cast<uchar>(code);
                continue;
            }
            if (c >= Cp932Codec::RawByteFirst && c <= Cp932Codec::RawByteLast) {
                *dst++ = static_cast<uchar>(c - RawByteBase);
                rawLead = rawLeadOf(c);
                continue;
            }
            // A surrogate pair is one character outside the BMP: one '?'.
            if (QChar::isHighSurrogate(c) && src < end && QChar::isLowSurrogate(*src))
                ++src;
            *dst++ = '?';
            ++missing;
            rawLead = 0;
        }
    }

    const qsizetype length = dst - begin;
    bytes.resize(length);
    if (bytes.capacity() - length > length / 4 + 1024)
        bytes.squeeze();
    if (unencodable)
        *unencodable = missing;
    return bytes;
}
} // namespace

QByteArray Cp932Codec::encode(QStringView text, int *unencodable, LineBreaks breaks)
{
    return breaks == LineBreaks::CrLf ? encodeText<true>(text, unencodable) : encodeText<false>(text, unencodable);
}
