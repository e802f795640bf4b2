#include "wizards/images/ImageMarkup.h"

#include "editing/AsciiCase.h"

namespace {
// " NAME=\"" in the tag case, the value as it is, and the closing quote.
QString attribute(const char *name, const QString &value, int tagCase)
{
    const QString head = QLatin1Char(' ') + QLatin1String(name) + QStringLiteral("=\"");
    return AsciiCase::forSetting(head, tagCase) + value + QLatin1Char('"');
}
} // namespace

QString ImageMarkup::attributes(const Fields &f, int tagCase)
{
    QString a;
    if (!f.alt.isEmpty())
        a += attribute("ALT", f.alt, tagCase);
    if (f.width != QLatin1String("0"))
        a += attribute("WIDTH", f.width, tagCase);
    if (f.height != QLatin1String("0"))
        a += attribute("HEIGHT", f.height, tagCase);
    if (f.hspace)
        a += attribute("HSPACE", QString::number(f.hspaceValue), tagCase);
    if (f.vspace)
        a += attribute("VSPACE", QString::number(f.vspaceValue), tagCase);
    if (f.border)
        a += attribute("BORDER", QString::number(f.borderValue), tagCase);
    return a;
}

QString ImageMarkup::tag(const QString &source, const Fields &fields, int tagCase)
{
    return AsciiCase::forSetting(u"<IMG SRC=\"", tagCase) + source + QLatin1Char('"') + attributes(fields, tagCase) +
           QLatin1Char('>');
}
