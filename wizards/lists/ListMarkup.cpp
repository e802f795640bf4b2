#include "wizards/lists/ListMarkup.h"

#include "editing/AsciiCase.h"

#include <QStringList>

namespace {
QString items(int count, const QString &tabSpaces)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << tabSpaces + QStringLiteral("<LI>");
    return lines.join(QLatin1Char('\n'));
}
} // namespace

QString ListMarkup::letterOf(int style)
{
    static const char *const letters[] = {"a", "A", "i", "I"};
    return QLatin1String(letters[style >= 0 && style < 4 ? style : 0]);
}

QString ListMarkup::block(const Options &o, const QString &tabSpaces)
{
    QStringList lines;
    switch (o.kind) {
    case Numbered:
        lines << (o.start == 1 ? QStringLiteral("<OL>") : QStringLiteral("<OL START=") + QString::number(o.start) + QLatin1Char('>'));
        lines << items(o.items, tabSpaces);
        lines << QStringLiteral("</OL>");
        break;
    case Definition:
        lines << QStringLiteral("<DL>");
        for (int i = 0; i < o.items; ++i) {
            lines << tabSpaces + QStringLiteral("<DT>");
            for (int j = 0; j < o.definitions; ++j)
                lines << tabSpaces + tabSpaces + QStringLiteral("<DD>");
        }
        lines << QStringLiteral("</DL>");
        break;
    case Lettered: {
        const Pair pair = lettered(o, tabSpaces);
        return pair.head + pair.text + pair.foot;
    }
    default:
        lines << QStringLiteral("<UL>") << items(o.items, tabSpaces) << QStringLiteral("</UL>");
        break;
    }
    return lines.join(QLatin1Char('\n'));
}

ListMarkup::Pair ListMarkup::lettered(const Options &o, const QString &tabSpaces)
{
    return {QStringLiteral("<OL TYPE="), letterOf(o.letterStyle) + QStringLiteral(">\n"),
            items(o.items, tabSpaces) + QStringLiteral("\n</OL>")};
}

QString ListMarkup::option(int target, const QString &typeLetter, int number, int tagCase)
{
    const QString name = target == ForOL ? QStringLiteral(" START=") : QStringLiteral(" VALUE=");
    return AsciiCase::forSetting(u"TYPE=", tagCase) + typeLetter + AsciiCase::forSetting(name, tagCase) +
           QString::number(number);
}
