#include "editing/HtmlScanner.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

using Kind = HtmlScanner::Kind;
using Run = HtmlScanner::Run;

// The state's fields: what is being read, and inside a tag whether it is an end tag and
// whether its element holds raw text (style sheet or script) once the tag closes.
enum Mode : int {
    Text = 0,
    Comment,
    Declaration, // <!DOCTYPE ...>, <!...>, <?...?> and bogus end tags, up to ">"
    StyleText,
    ScriptText,
    BeforeAttribute, // inside a tag, between its parts
    AfterAttributeName,
    BeforeValue, // after "="
    DoubleQuoted,
    SingleQuoted,
    ModeCount
};
enum Raw : int { NoRaw = 0, RawStyle = 1, RawScript = 2 };

constexpr int ModeMask = 0xF;
constexpr int RawShift = 4;
constexpr int RawMask = 0x3 << RawShift;
constexpr int EndTagBit = 1 << 6;

constexpr bool inTag(int mode) { return mode >= BeforeAttribute; }

inline bool isSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

inline bool isAsciiLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

inline bool isAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

inline bool isHexDigit(char16_t c)
{
    return isAsciiDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

inline char16_t lower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }

bool equalsAsciiNoCase(QStringView s, const char *word)
{
    qsizetype i = 0;
    for (; word[i]; ++i) {
        if (i >= s.size() || lower(s[i].unicode()) != char16_t(word[i]))
            return false;
    }
    return i == s.size();
}

Raw rawOf(QStringView name)
{
    if (name.size() == 5 && equalsAsciiNoCase(name, "style"))
        return RawStyle;
    if (name.size() == 6 && equalsAsciiNoCase(name, "script"))
        return RawScript;
    return NoRaw;
}

template <bool Emit>
class Scan
{
public:
    Scan(QStringView line, int state, QList<Run> *runs) : s_(line.utf16()), n_(line.size()), runs_(runs)
    {
        mode_ = state & ModeMask;
        raw_ = (state & RawMask) >> RawShift;
        endTag_ = (state & EndTagBit) != 0;
        if (mode_ >= ModeCount || state < 0 || state >= HtmlScanner::StateLimit || raw_ > RawScript
            || (!inTag(mode_) && (raw_ != NoRaw || endTag_))) {
            mode_ = Text;
            raw_ = NoRaw;
            endTag_ = false;
        }
    }

    int run()
    {
        while (i_ < n_) {
            switch (mode_) {
            case Text:
                text();
                break;
            case Comment:
                comment(i_);
                break;
            case Declaration:
                declaration(i_);
                break;
            case StyleText:
            case ScriptText:
                rawText();
                break;
            default:
                tag();
                break;
            }
        }
        if (!inTag(mode_))
            return mode_;
        return mode_ | (raw_ << RawShift) | (endTag_ ? EndTagBit : 0);
    }

private:
    char16_t at(qsizetype i) const { return i < n_ ? s_[i] : u'\n'; }

    qsizetype find(char16_t c, qsizetype from) const
    {
        const qsizetype at = QStringView(s_ + from, n_ - from).indexOf(QChar(c));
        return at < 0 ? n_ : from + at;
    }

    void put(qsizetype start, qsizetype end, Kind kind)
    {
        if constexpr (Emit) {
            if (end <= start)
                return;
            if (!runs_->isEmpty()) {
                Run &last = runs_->last();
                if (last.kind == kind && last.start + last.length == start) {
                    last.length = int(end - last.start);
                    return;
                }
            }
            runs_->append(Run{int(start), int(end - start), kind});
        }
    }

    // Blanks inside a tag take the colour of the piece before them: fewer pieces to draw.
    void absorb(qsizetype start, qsizetype end)
    {
        if constexpr (Emit) {
            if (end > start && !runs_->isEmpty()) {
                Run &last = runs_->last();
                if (last.start + last.length == start)
                    last.length = int(end - last.start);
            }
        }
    }

    void text()
    {
        if constexpr (!Emit) {
            const qsizetype lt = find(u'<', i_);
            i_ = lt;
            if (lt < n_)
                markup(lt);
            return;
        }
        while (i_ < n_) {
            const char16_t c = s_[i_];
            if (c == u'<') {
                markup(i_);
                return;
            }
            if (c == u'&')
                entity(i_);
            else
                ++i_;
        }
    }

    void entity(qsizetype amp)
    {
        qsizetype j = amp + 1;
        bool ok = false;
        if (at(j) == u'#') {
            ++j;
            const bool hex = at(j) == u'x' || at(j) == u'X';
            if (hex)
                ++j;
            const qsizetype digits = j;
            while (j < n_ && (hex ? isHexDigit(s_[j]) : isAsciiDigit(s_[j])))
                ++j;
            ok = j > digits;
            if (ok && at(j) == u';')
                ++j;
        } else if (isAsciiLetter(at(j))) {
            while (j < n_ && (isAsciiLetter(s_[j]) || isAsciiDigit(s_[j])))
                ++j;
            ok = at(j) == u';';
            if (ok)
                ++j;
        }
        if (ok) {
            put(amp, j, Kind::Entity);
            i_ = j;
        } else {
            i_ = amp + 1;
        }
    }

    // A "<" in text: a tag, a comment, a declaration, or just the character.
    void markup(qsizetype lt)
    {
        const char16_t c1 = at(lt + 1);
        if (isAsciiLetter(c1)) {
            startTag(lt, lt + 1, false);
            return;
        }
        if (c1 == u'/') {
            const char16_t c2 = at(lt + 2);
            if (isAsciiLetter(c2)) {
                startTag(lt, lt + 2, true);
            } else if (c2 == u'>') {
                put(lt, lt + 3, Kind::Tag);
                i_ = lt + 3;
            } else {
                mode_ = Declaration;
                declaration(lt);
            }
            return;
        }
        if (c1 == u'!') {
            if (at(lt + 2) == u'-' && at(lt + 3) == u'-') {
                mode_ = Comment;
                // "<!-->" and "<!--->" close at once.
                qsizetype j = lt + 4;
                if (at(j) == u'-')
                    ++j;
                if (at(j) == u'>') {
                    put(lt, j + 1, Kind::Comment);
                    mode_ = Text;
                    i_ = j + 1;
                    return;
                }
                put(lt, lt + 4, Kind::Comment);
                i_ = lt + 4;
                comment(lt + 4);
                return;
            }
            mode_ = Declaration;
            declaration(lt);
            return;
        }
        if (c1 == u'?') {
            mode_ = Declaration;
            declaration(lt);
            return;
        }
        i_ = lt + 1;
    }

    void startTag(qsizetype lt, qsizetype nameStart, bool endTag)
    {
        qsizetype j = nameStart;
        while (j < n_ && !isSpace(s_[j]) && s_[j] != u'/' && s_[j] != u'>')
            ++j;
        raw_ = endTag ? NoRaw : rawOf(QStringView(s_ + nameStart, j - nameStart));
        endTag_ = endTag;
        mode_ = BeforeAttribute;
        put(lt, j, Kind::Tag);
        i_ = j;
    }

    // From start (inside the comment) to "-->", "--!>" or the line's end.
    void comment(qsizetype start)
    {
        qsizetype j = start;
        for (;;) {
            const qsizetype dash = find(u'-', j);
            if (dash + 1 >= n_) {
                put(start, n_, Kind::Comment);
                i_ = n_;
                return;
            }
            if (s_[dash + 1] != u'-') {
                j = dash + 1;
                continue;
            }
            qsizetype k = dash + 2;
            while (k < n_ && s_[k] == u'-')
                ++k;
            if (at(k) == u'>') {
                finishComment(start, k + 1);
                return;
            }
            if (at(k) == u'!' && at(k + 1) == u'>') {
                finishComment(start, k + 2);
                return;
            }
            j = k;
        }
    }

    void finishComment(qsizetype start, qsizetype end)
    {
        put(start, end, Kind::Comment);
        mode_ = Text;
        i_ = end;
    }

    void declaration(qsizetype start)
    {
        const qsizetype gt = find(u'>', i_ > start ? i_ : start);
        if (gt >= n_) {
            put(start, n_, Kind::Declaration);
            i_ = n_;
            return;
        }
        put(start, gt + 1, Kind::Declaration);
        mode_ = Text;
        i_ = gt + 1;
    }

    // Style sheet or script up to the end tag of its own element.
    void rawText()
    {
        const Kind kind = mode_ == StyleText ? Kind::Style : Kind::Script;
        const char *name = mode_ == StyleText ? "style" : "script";
        const qsizetype nameLength = mode_ == StyleText ? 5 : 6;
        qsizetype j = i_;
        for (;;) {
            const qsizetype lt = find(u'<', j);
            if (lt >= n_) {
                put(i_, n_, kind);
                i_ = n_;
                return;
            }
            if (at(lt + 1) == u'/' && lt + 2 + nameLength <= n_
                && equalsAsciiNoCase(QStringView(s_ + lt + 2, nameLength), name)) {
                const char16_t after = at(lt + 2 + nameLength);
                if (isSpace(after) || after == u'/' || after == u'>') {
                    put(i_, lt, kind);
                    mode_ = BeforeAttribute;
                    raw_ = NoRaw;
                    endTag_ = true;
                    put(lt, lt + 2 + nameLength, Kind::Tag);
                    i_ = lt + 2 + nameLength;
                    return;
                }
            }
            j = lt + 1;
        }
    }

    void closeTag(qsizetype gt)
    {
        put(gt, gt + 1, Kind::Tag);
        i_ = gt + 1;
        if (!endTag_ && raw_ == RawStyle)
            mode_ = StyleText;
        else if (!endTag_ && raw_ == RawScript)
            mode_ = ScriptText;
        else
            mode_ = Text;
        raw_ = NoRaw;
        endTag_ = false;
    }

    // One step inside a tag: blanks, then the part the mode expects.
    void tag()
    {
        const qsizetype blanks = i_;
        if (mode_ != DoubleQuoted && mode_ != SingleQuoted) {
            while (i_ < n_ && isSpace(s_[i_]))
                ++i_;
            absorb(blanks, i_);
            if (i_ >= n_)
                return;
        }
        const char16_t c = s_[i_];
        switch (mode_) {
        case BeforeAttribute:
        case AfterAttributeName:
            if (c == u'>') {
                closeTag(i_);
            } else if (c == u'/') {
                put(i_, i_ + 1, Kind::Tag);
                ++i_;
                mode_ = BeforeAttribute;
            } else if (c == u'=' && mode_ == AfterAttributeName) {
                put(i_, i_ + 1, Kind::AttributeName);
                ++i_;
                mode_ = BeforeValue;
            } else {
                // A name; a leading "=" belongs to it, as in a browser.
                qsizetype j = i_ + 1;
                while (j < n_ && !isSpace(s_[j]) && s_[j] != u'/' && s_[j] != u'>' && s_[j] != u'=')
                    ++j;
                put(i_, j, Kind::AttributeName);
                i_ = j;
                mode_ = AfterAttributeName;
            }
            break;
        case BeforeValue:
            if (c == u'>') {
                closeTag(i_);
            } else if (c == u'"' || c == u'\'') {
                mode_ = c == u'"' ? DoubleQuoted : SingleQuoted;
                quoted(i_, i_ + 1);
            } else {
                qsizetype j = i_ + 1;
                while (j < n_ && !isSpace(s_[j]) && s_[j] != u'>')
                    ++j;
                put(i_, j, Kind::AttributeValue);
                i_ = j;
                mode_ = BeforeAttribute;
            }
            break;
        default: // inside a quoted value carried over from the line before
            quoted(i_, i_);
            break;
        }
    }

    void quoted(qsizetype start, qsizetype from)
    {
        const qsizetype q = find(mode_ == DoubleQuoted ? u'"' : u'\'', from);
        if (q >= n_) {
            put(start, n_, Kind::AttributeValue);
            i_ = n_;
            return;
        }
        put(start, q + 1, Kind::AttributeValue);
        i_ = q + 1;
        mode_ = BeforeAttribute;
    }

    const char16_t *s_;
    qsizetype n_;
    QList<Run> *runs_;
    qsizetype i_ = 0;
    int mode_ = Text;
    int raw_ = NoRaw;
    bool endTag_ = false;
};

} // namespace

int HtmlScanner::scanLine(QStringView line, int entry, QList<Run> *runs)
{
    if (runs)
        return Scan<true>(line, entry, runs).run();
    return Scan<false>(line, entry, nullptr).run();
}

namespace {

inline bool isBlockBreak(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == 0x2029 || (c & 0xFFFE) == 0xFDD0;
}

// The next character that ends a block, eight at a time: one pass over a page of 10 MB takes
// a few milliseconds.
qsizetype findBlockBreak(const char16_t *s, qsizetype from, qsizetype n)
{
    qsizetype i = from;
#ifdef __SSE2__
    const __m128i lf = _mm_set1_epi16(u'\n');
    const __m128i cr = _mm_set1_epi16(u'\r');
    const __m128i ps = _mm_set1_epi16(short(0x2029));
    const __m128i frame = _mm_set1_epi16(short(0xFDD0));
    const __m128i lowBit = _mm_set1_epi16(short(0xFFFE));
    for (; i + 8 <= n; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + i));
        const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(v, lf), _mm_cmpeq_epi16(v, cr)),
                                         _mm_or_si128(_mm_cmpeq_epi16(v, ps),
                                                      _mm_cmpeq_epi16(_mm_and_si128(v, lowBit), frame)));
        const int mask = _mm_movemask_epi8(hit);
        if (mask)
            return i + (__builtin_ctz(unsigned(mask)) >> 1);
    }
#endif
    for (; i < n; ++i) {
        if (isBlockBreak(s[i]))
            return i;
    }
    return n;
}

} // namespace

QByteArray HtmlScanner::lineEndStates(QStringView text)
{
    static_assert(StateLimit <= 256);
    QByteArray ends;
    ends.reserve(text.size() / 32 + 1);
    const char16_t *s = text.utf16();
    const qsizetype n = text.size();
    int state = TextState;
    qsizetype from = 0;
    for (;;) {
        const qsizetype end = findBlockBreak(s, from, n);
        state = scanLine(QStringView(s + from, end - from), state);
        ends.append(char(state));
        if (end >= n)
            break;
        from = end + 1;
        if (s[end] == u'\r' && from < n && s[from] == u'\n')
            ++from;
    }
    return ends;
}
