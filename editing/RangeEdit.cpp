#include "editing/RangeEdit.h"

#include "editing/IEditBox.h"

#include <algorithm>
#include <cstring>

namespace {
// Long documents share almost everything: compare long blocks first, then short ones up to
// the first difference, then characters. A 10 MB text in 64-character blocks alone took a
// quarter of a million comparisons each way, more work than copying it.
constexpr qsizetype Blocks[] = {4096, 64};

bool same(const QChar *a, const QChar *b, qsizetype n)
{
    return std::memcmp(a, b, std::size_t(n) * sizeof(QChar)) == 0;
}
} // namespace

RangeEdit::Stretch RangeEdit::commonEnds(QStringView a, QStringView b)
{
    const qsizetype limit = std::min(a.size(), b.size());
    qsizetype prefix = 0;
    for (const qsizetype block : Blocks) {
        while (limit - prefix >= block && same(a.data() + prefix, b.data() + prefix, block))
            prefix += block;
    }
    while (prefix < limit && a[prefix] == b[prefix])
        ++prefix;
    if (prefix > 0 && a[prefix - 1].isHighSurrogate())
        --prefix;
    qsizetype suffix = 0;
    for (const qsizetype block : Blocks) {
        while (limit - prefix - suffix >= block &&
               same(a.data() + a.size() - suffix - block, b.data() + b.size() - suffix - block, block))
            suffix += block;
    }
    while (suffix < limit - prefix && a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
        ++suffix;
    if (suffix > 0 && a[a.size() - suffix].isLowSurrogate())
        --suffix;
    return {int(prefix), int(suffix)};
}

void RangeEdit::replace(IEditBox &box, int start, QStringView oldText, QStringView replacement)
{
    const Stretch same = commonEnds(oldText, replacement);
    const qsizetype oldMiddle = oldText.size() - same.prefix - same.suffix;
    const qsizetype newMiddle = replacement.size() - same.prefix - same.suffix;
    box.replaceRange(start + same.prefix, int(oldMiddle),
                     replacement.mid(same.prefix, newMiddle).toString());
}
