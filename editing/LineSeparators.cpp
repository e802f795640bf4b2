#include "editing/LineSeparators.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

void LineSeparators::toNewlines(QString &text)
{
    if (text.isEmpty())
        return;
    char16_t *p = reinterpret_cast<char16_t *>(text.data());
    char16_t *const end = p + text.size();
#if defined(__SSE2__)
    // Eight characters at a time; U+2028 and U+2029 differ only in the lowest bit.
    const __m128i lowBitOff = _mm_set1_epi16(static_cast<short>(0xFFFE));
    const __m128i separator = _mm_set1_epi16(0x2028);
    const __m128i newline = _mm_set1_epi16('\n');
    for (; end - p >= 8; p += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const __m128i hit = _mm_cmpeq_epi16(_mm_and_si128(v, lowBitOff), separator);
        if (_mm_movemask_epi8(hit) == 0)
            continue;
        const __m128i out = _mm_or_si128(_mm_andnot_si128(hit, v), _mm_and_si128(hit, newline));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(p), out);
    }
#endif
    for (; p < end; ++p) {
        if ((*p & 0xFFFE) == 0x2028)
            *p = u'\n';
    }
}

bool LineSeparators::needsPlainLines(QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\r' || (u & 0xFFFE) == 0x2028)
            return true;
    }
    return false;
}

QString LineSeparators::plainLines(const QString &text)
{
    if (!needsPlainLines(text))
        return text;
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text.at(i).unicode();
        if (u == u'\r') {
            out += QLatin1Char('\n');
            if (i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else if ((u & 0xFFFE) == 0x2028) {
            out += QLatin1Char('\n');
        } else {
            out += text.at(i);
        }
    }
    return out;
}
