#include "wizards/lists/ColorName.h"

namespace {
struct Named
{
    const char *name;
    unsigned bgr; // 00BBGGRR
};

// First name wins when writing; the last two are only read.
constexpr Named Names[] = {
    {"clBlack", 0x000000},   {"clMaroon", 0x000080}, {"clGreen", 0x008000},      {"clOlive", 0x008080},
    {"clNavy", 0x800000},    {"clPurple", 0x800080}, {"clTeal", 0x808000},       {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},  {"clRed", 0x0000FF},    {"clLime", 0x00FF00},       {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},    {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},      {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
    {"clLtGray", 0xC0C0C0},  {"clDkGray", 0x808080},
};
constexpr int WrittenNames = 20;

unsigned bgrOf(const RgbColor &c)
{
    return unsigned(c.blue & 0xFF) << 16 | unsigned(c.green & 0xFF) << 8 | unsigned(c.red & 0xFF);
}

RgbColor fromBgr(unsigned v)
{
    return RgbColor{int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF)};
}
} // namespace

QString ColorName::toName(const RgbColor &color)
{
    const unsigned v = bgrOf(color);
    for (int i = 0; i < WrittenNames; ++i) {
        if (Names[i].bgr == v)
            return QLatin1String(Names[i].name);
    }
    return QStringLiteral("$") + QStringLiteral("%1").arg(v, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<RgbColor> ColorName::fromName(QStringView text)
{
    for (const Named &n : Names) {
        if (text.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return fromBgr(n.bgr);
    }
    if (text.size() < 2 || text.size() > 9 || text.front() != QLatin1Char('$'))
        return std::nullopt;
    unsigned v = 0;
    for (QChar c : text.mid(1)) {
        const int d = c.unicode() < 128 ? QStringLiteral("0123456789abcdef").indexOf(c.toLower()) : -1;
        if (d < 0)
            return std::nullopt;
        v = v << 4 | unsigned(d);
    }
    // A high byte names a system colour or a palette entry, which no page can show.
    if (v > 0xFFFFFF)
        return std::nullopt;
    return fromBgr(v);
}
