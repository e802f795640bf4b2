#include "editing/AsciiCase.h"

namespace {

char16_t folded(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') ? char16_t(u - (u'a' - u'A')) : u;
}

} // namespace

QString AsciiCase::upper(QStringView text)
{
    QString result = text.toString();
    for (QChar &c : result) {
        const char16_t u = c.unicode();
        if (u >= u'a' && u <= u'z')
            c = QChar(char16_t(u - (u'a' - u'A')));
    }
    return result;
}

QString AsciiCase::lower(QStringView text)
{
    QString result = text.toString();
    for (QChar &c : result) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            c = QChar(char16_t(u + (u'a' - u'A')));
    }
    return result;
}

qsizetype AsciiCase::indexOf(QStringView text, QStringView needle, qsizetype from)
{
    if (from < 0)
        from = 0;
    const qsizetype last = text.size() - needle.size();
    for (qsizetype i = from; i <= last; ++i) {
        qsizetype j = 0;
        while (j < needle.size() && folded(text[i + j]) == folded(needle[j]))
            ++j;
        if (j == needle.size())
            return i;
    }
    return -1;
}
