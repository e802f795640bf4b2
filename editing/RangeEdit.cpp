#include "editing/RangeEdit.h"

#include "editing/IEditBox.h"

#include <algorithm>
#include <cstring>

namespace {
// Long documents share almost everything: compare blocks of characters first.
constexpr qsizetype Block = 64;

bool sameBlock(const QChar *a, const QChar *b)
{
    return std::memcmp(a, b, Block * sizeof(QChar)) == 0;
}
} // namespace

RangeEdit::Stretch RangeEdit::commonEnds(QStringView a, QStringView b)
{
    const qsizetype limit = std::min(a.size(), b.size());
    qsizetype prefix = 0;
    while (limit - prefix >= Block && sameBlock(a.data() + prefix, b.data() + prefix))
        prefix += Block;
    while (prefix < limit && a[prefix] == b[prefix])
        ++prefix;
    if (prefix > 0 && a[prefix - 1].isHighSurrogate())
        --prefix;
    qsizetype suffix = 0;
    while (limit - prefix - suffix >= Block
           && sameBlock(a.data() + a.size() - suffix - Block, b.data() + b.size() - suffix - Block))
        suffix += Block;
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
