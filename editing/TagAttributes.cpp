#include "editing/TagAttributes.h"

#include "editing/AsciiCase.h"

namespace {

bool isSpace(QChar c) { return c.unicode() <= 32; }

} // namespace

QList<TagAttributes::Attribute> TagAttributes::parse(QStringView text, qsizetype from)
{
    QList<Attribute> attributes;
    qsizetype i = from;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && isSpace(text[i]))
            ++i;
        if (i >= n || text[i] == QLatin1Char('>'))
            break;
        Attribute a;
        a.nameStart = i;
        while (i < n && !isSpace(text[i]) && text[i] != QLatin1Char('=') && text[i] != QLatin1Char('>'))
            ++i;
        if (i == a.nameStart) {
            ++i; // a stray "=": step over it
            continue;
        }
        a.name = AsciiCase::upper(text.mid(a.nameStart, i - a.nameStart));
        qsizetype j = i;
        while (j < n && isSpace(text[j]))
            ++j;
        if (j < n && text[j] == QLatin1Char('=')) {
            ++j;
            while (j < n && isSpace(text[j]))
                ++j;
            if (j < n && (text[j] == QLatin1Char('"') || text[j] == QLatin1Char('\''))) {
                a.quote = text[j];
                a.valueStart = j + 1;
                const qsizetype close = text.indexOf(a.quote, a.valueStart);
                a.closed = close >= 0;
                a.valueEnd = a.closed ? close : n;
                i = a.closed ? close + 1 : n;
            } else {
                a.valueStart = j;
                while (j < n && !isSpace(text[j]) && text[j] != QLatin1Char('>'))
                    ++j;
                a.valueEnd = j;
                i = j;
            }
        }
        attributes.append(a);
    }
    return attributes;
}

const TagAttributes::Attribute *TagAttributes::find(const QList<Attribute> &attributes, QStringView upperName)
{
    for (const Attribute &a : attributes) {
        if (a.name == upperName)
            return &a;
    }
    return nullptr;
}
