#include "wizards/lists/MarqueeMarkup.h"

#include "editing/AsciiCase.h"
#include "editing/HtmlColor.h"
#include "platform/ProfileStore.h"
#include "wizards/lists/ColorName.h"

#include <algorithm>

namespace {
const QString Section = QStringLiteral("Marquee");

QString number(QStringView name, int value, int tagCase)
{
    return AsciiCase::forSetting(name, tagCase) + QString::number(value) + QLatin1Char('"');
}
} // namespace

QString MarqueeMarkup::element(const Settings &s, const QString &text, int tagCase)
{
    auto cased = [tagCase](QStringView t) { return AsciiCase::forSetting(t, tagCase); };
    QString tag = cased(u"<MARQUEE");
    if (s.amount > 0)
        tag += number(u" SCROLLAMOUNT=\"", s.amount, tagCase);
    if (s.delay > 0)
        tag += number(u" SCROLLDELAY=\"", s.delay, tagCase);
    if (s.direction == Right)
        tag += cased(u" DIRECTION=\"RIGHT\"");
    if (s.pattern == Slide)
        tag += cased(u" BEHAVIOR=\"SLIDE\"");
    else if (s.pattern == Alternate)
        tag += cased(u" BEHAVIOR=\"ALTERNATE\"");
    if (s.loopCounted)
        tag += number(u" LOOP=\"", s.loopCount, tagCase);
    if (s.background)
        tag += cased(u" BGCOLOR=\"") + HtmlColor::ColorToHtml(s.color) + QLatin1Char('"');
    if (s.width > 0)
        tag += number(u" WIDTH=\"", s.width, tagCase);
    if (s.height > 0)
        tag += number(u" HEIGHT=\"", s.height, tagCase);
    if (s.align == Top)
        tag += cased(u" ALIGN=\"TOP\"");
    else if (s.align == Bottom)
        tag += cased(u" ALIGN=\"BOTTOM\"");
    if (s.hspace > 0)
        tag += number(u" HSPACE=\"", s.hspace, tagCase);
    if (s.vspace > 0)
        tag += number(u" VSPACE=\"", s.vspace, tagCase);
    return tag + QLatin1Char('>') + text + cased(u"</MARQUEE>");
}

MarqueeMarkup::Settings MarqueeMarkup::read(const ProfileStore &ini)
{
    auto value = [&ini](const char *key, int def, int low, int high) {
        return std::clamp(ini.readInteger(Section, QLatin1String(key), def), low, high);
    };
    Settings s;
    s.amount = value("Amount", 0, 0, 1000);
    s.delay = value("Delay", 0, 0, 1000);
    s.direction = value("Direction", Left, Left, Right);
    s.pattern = value("Pattern", OneWay, OneWay, Alternate);
    const int loop = ini.readInteger(Section, QStringLiteral("Loop"), 0);
    s.loopCounted = loop != 0;
    s.loopCount = s.loopCounted ? std::clamp(loop, 1, 1000) : 1;
    const QString color = ini.readString(Section, QStringLiteral("BGColor"), QStringLiteral("none"));
    s.background = color.compare(QLatin1String("none"), Qt::CaseInsensitive) != 0;
    if (s.background)
        s.color = ColorName::fromName(color).value_or(RgbColor{255, 255, 255});
    s.width = value("Width", 0, 0, 1000);
    s.height = value("Height", 0, 0, 1000);
    s.align = value("Align", Middle, Top, Bottom);
    s.hspace = value("HSpace", 0, 0, 1000);
    s.vspace = value("VSpace", 0, 0, 1000);
    return s;
}

bool MarqueeMarkup::write(ProfileStore &ini, const Settings &s)
{
    // The first failure stops the writing, so that the store's error is the one to tell.
    bool ok = true;
    auto put = [&](const char *key, int v) { ok = ok && ini.writeInteger(Section, QLatin1String(key), v); };
    put("Amount", s.amount);
    put("Delay", s.delay);
    put("Direction", s.direction);
    put("Pattern", s.pattern);
    put("Loop", s.loopCounted ? s.loopCount : 0);
    ok = ok && ini.writeString(Section, QStringLiteral("BGColor"),
                               s.background ? ColorName::toName(s.color) : QStringLiteral("none"));
    put("Width", s.width);
    put("Height", s.height);
    put("Align", s.align);
    put("HSpace", s.hspace);
    put("VSpace", s.vspace);
    return ok;
}
