#include "wizards/tables/TableMarkup.h"

#include "editing/AsciiCase.h"

#include <algorithm>

namespace {
QString quoted(const char *name, const QString &value)
{
    return QLatin1Char(' ') + QLatin1String(name) + QStringLiteral("=\"") + value + QLatin1Char('"');
}
} // namespace

QStringList TableMarkup::tableLines(const QList<QStringList> &rows, const Layout &layout, int tagCase,
                                    const QString &tabSpaces)
{
    const auto cased = [tagCase](QStringView text) { return AsciiCase::forSetting(text, tagCase); };

    QString attributes;
    switch (layout.align) {
    case AlignLeft:
        attributes += quoted("ALIGN", QStringLiteral("LEFT"));
        break;
    case AlignCenter:
        attributes += quoted("ALIGN", QStringLiteral("CENTER"));
        break;
    case AlignRight:
        attributes += quoted("ALIGN", QStringLiteral("RIGHT"));
        break;
    default:
        break;
    }
    attributes += quoted("BORDER", layout.border ? QString::number(layout.borderWidth) : QStringLiteral("0"));
    if (layout.padding)
        attributes += quoted("CELLPADDING", QString::number(layout.paddingValue));
    if (layout.spacing)
        attributes += quoted("CELLSPACING", QString::number(layout.spacingValue));

    QStringList lines;
    lines << cased(QString(QStringLiteral("<TABLE") + attributes + QLatin1Char('>')));
    if (layout.caption)
        lines << cased(u"<CAPTION>") + layout.captionText + cased(u"</CAPTION>");
    const QString tr = cased(u"<TR>");
    const QString trEnd = cased(u"</TR>");
    const QString td = tabSpaces + cased(u"<TD>");
    const QString tdEnd = cased(u"</TD>");
    for (const QStringList &row : rows) {
        lines << tr;
        for (const QString &cell : row)
            lines << td + cell + tdEnd;
        lines << trEnd;
    }
    lines << cased(u"</TABLE>");
    return lines;
}

QString TableMarkup::table(const QList<QStringList> &rows, const Layout &layout, int tagCase, const QString &tabSpaces)
{
    return tableLines(rows, layout, tagCase, tabSpaces).join(QLatin1Char('\n'));
}

QString TableMarkup::cellOptions(const CellOptions &o)
{
    static const char *const hAligns[] = {"LEFT", "CENTER", "RIGHT"};
    static const char *const vAligns[] = {"TOP", "MIDDLE", "BOTTOM"};
    QString s;
    if (o.width)
        s += quoted("WIDTH", QString::number(o.widthValue) + (o.widthPercent ? QStringLiteral("%") : QString()));
    if (o.height)
        s += quoted("HEIGHT", QString::number(o.heightValue) + (o.heightPercent ? QStringLiteral("%") : QString()));
    if (o.align)
        s += quoted("ALIGN", QLatin1String(hAligns[std::clamp(o.alignValue, 0, 2)]));
    if (o.valign)
        s += quoted("VALIGN", QLatin1String(vAligns[std::clamp(o.valignValue, 0, 2)]));
    if (o.rowspan)
        s += quoted("ROWSPAN", o.rowspanText);
    if (o.colspan)
        s += quoted("COLSPAN", o.colspanText);
    return s;
}
