#include "editing/HtmlColor.h"

#include <algorithm>

namespace {

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

bool isQuote(QChar c) { return c == QLatin1Char('"') || c == QLatin1Char('\''); }

bool isSpace(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

} // namespace

QString HtmlColor::ColorToHtml(const RgbColor &color)
{
    auto channel = [](int value) {
        return QString::number(std::clamp(value, 0, 255), 16).rightJustified(2, QLatin1Char('0')).toUpper();
    };
    return QLatin1Char('#') + channel(color.red) + channel(color.green) + channel(color.blue);
}

std::optional<RgbColor> HtmlColor::fromDigits(QStringView sixDigits)
{
    if (sixDigits.size() != 6)
        return std::nullopt;
    int values[6];
    for (int i = 0; i < 6; ++i) {
        values[i] = hexDigit(sixDigits[i]);
        if (values[i] < 0)
            return std::nullopt;
    }
    return RgbColor{values[0] * 16 + values[1], values[2] * 16 + values[3], values[4] * 16 + values[5]};
}

std::optional<HtmlColor::Value> HtmlColor::quotedValueAfter(QStringView text, qsizetype nameEnd)
{
    qsizetype i = nameEnd;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    if (i >= text.size() || text[i] != QLatin1Char('='))
        return std::nullopt;
    ++i;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    // quote, "#", six digits, the same quote
    if (i + 9 > text.size() || !isQuote(text[i]) || text[i + 1] != QLatin1Char('#') || text[i + 8] != text[i])
        return std::nullopt;
    const std::optional<RgbColor> color = fromDigits(text.mid(i + 2, 6));
    if (!color)
        return std::nullopt;
    return Value{int(i + 1), *color};
}
