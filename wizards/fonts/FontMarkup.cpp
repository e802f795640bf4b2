#include "wizards/fonts/FontMarkup.h"

#include "editing/HtmlColor.h"

#include <algorithm>

namespace {

QString alignment(FontMarkup::Align align)
{
    switch (align) {
    case FontMarkup::Align::None: break;
    case FontMarkup::Align::Left: return QStringLiteral(" ALIGN=\"LEFT\"");
    case FontMarkup::Align::Center: return QStringLiteral(" ALIGN=\"CENTER\"");
    case FontMarkup::Align::Right: return QStringLiteral(" ALIGN=\"RIGHT\"");
    }
    return QString();
}

QString number(int value, int low, int high)
{
    return QString::number(std::clamp(value, low, high));
}

} // namespace

FontMarkup::Pair FontMarkup::font(int size, const RgbColor &color, bool bold, bool italic)
{
    Pair p;
    p.head = QStringLiteral("<FONT SIZE=") + number(size, 1, 7);
    if (color != RgbColor{})
        p.head += QStringLiteral(" COLOR=\"") + HtmlColor::ColorToHtml(color) + QLatin1Char('"');
    p.head += QLatin1Char('>');
    if (bold)
        p.head += QStringLiteral("<B>");
    if (italic) {
        p.head += QStringLiteral("<I>");
        p.foot += QStringLiteral("</I>");
    }
    if (bold)
        p.foot += QStringLiteral("</B>");
    p.foot += QStringLiteral("</FONT>");
    return p;
}

FontMarkup::Pair FontMarkup::size(int size)
{
    return {QStringLiteral("<FONT SIZE=") + number(size, 1, 7) + QLatin1Char('>'), QStringLiteral("</FONT>")};
}

FontMarkup::Pair FontMarkup::heading(int level, Align align)
{
    const QString n = number(level, 1, 6);
    return {QStringLiteral("<H") + n + alignment(align) + QLatin1Char('>'), QStringLiteral("</H") + n + QLatin1Char('>')};
}

QString FontMarkup::rule(int thickness, int length, bool percent, Align align, bool noShade)
{
    return QStringLiteral("<HR SIZE=\"") + QString::number(thickness) + QStringLiteral("\" WIDTH=\"")
           + QString::number(length) + (percent ? QStringLiteral("%\"") : QStringLiteral("\""))
           + alignment(align == Align::None ? Align::Center : align)
           + (noShade ? QStringLiteral(" NOSHADE>") : QStringLiteral(">"));
}

int FontMarkup::fontSamplePoints(int size)
{
    static const int points[] = {8, 9, 11, 12, 14, 16, 20};
    return points[std::clamp(size, 1, 7) - 1];
}

int FontMarkup::sizeSamplePoints(int size)
{
    static const int points[] = {8, 10, 12, 14, 16, 20, 24};
    return points[std::clamp(size, 1, 7) - 1];
}
