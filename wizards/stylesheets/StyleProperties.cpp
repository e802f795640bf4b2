#include "wizards/stylesheets/StyleProperties.h"

#include "editing/AsciiCase.h"

namespace StyleProperties {

QString property(ChoiceMode mode)
{
    switch (mode) {
    case ChoiceMode::Repeat: return QStringLiteral("background-repeat");
    case ChoiceMode::Attachment: return QStringLiteral("background-attachment");
    case ChoiceMode::Weight: return QStringLiteral("font-weight");
    case ChoiceMode::Style: return QStringLiteral("font-style");
    case ChoiceMode::Decoration: return QStringLiteral("text-decoration");
    case ChoiceMode::Align: return QStringLiteral("text-align");
    case ChoiceMode::Transform: return QStringLiteral("text-transform");
    }
    return QString();
}

QStringList choiceCaptions(ChoiceMode mode)
{
    switch (mode) {
    case ChoiceMode::Repeat:
        return {QStringLiteral("&repeat"), QStringLiteral("repeat-&x"), QStringLiteral("repeat-&y"),
                QStringLiteral("&no-repeat")};
    case ChoiceMode::Attachment: return {QStringLiteral("&Scroll"), QStringLiteral("&Fixed")};
    case ChoiceMode::Weight: return {QStringLiteral("&Normal"), QStringLiteral("&Bold")};
    case ChoiceMode::Style: return {QStringLiteral("&Normal"), QStringLiteral("&Italic")};
    case ChoiceMode::Decoration:
        return {QStringLiteral("&None"), QStringLiteral("&UnderLine"), QStringLiteral("&Line-Through"),
                QStringLiteral("&Blink")};
    case ChoiceMode::Align:
        return {QStringLiteral("&Left"), QStringLiteral("&Right"), QStringLiteral("&Center"),
                QStringLiteral("&Justify")};
    case ChoiceMode::Transform:
        return {QStringLiteral("&Capitalize"), QStringLiteral("&Uppercase"), QStringLiteral("&Lowercase"),
                QStringLiteral("&None")};
    }
    return {};
}

QString valueOf(QStringView caption)
{
    QString value = caption.toString();
    value.remove(QLatin1Char('&'));
    return value;
}

QString choiceSample(ChoiceMode mode, QStringView caption, int styleCase)
{
    const QString declaration = property(mode) + QLatin1Char(':') + valueOf(caption) + QLatin1Char(';');
    return AsciiCase::forSetting(declaration, styleCase);
}

int initialChoice(ChoiceMode mode, int storedWeight)
{
    return mode == ChoiceMode::Weight && storedWeight == 1 ? 1 : 0;
}

QString property(SizeMode mode)
{
    switch (mode) {
    case SizeMode::Position: return QStringLiteral("background-position");
    case SizeMode::PaddingBottom: return QStringLiteral("padding-bottom");
    case SizeMode::PaddingLeft: return QStringLiteral("padding-left");
    case SizeMode::PaddingRight: return QStringLiteral("padding-right");
    case SizeMode::PaddingTop: return QStringLiteral("padding-top");
    case SizeMode::MarginLeft: return QStringLiteral("margin-left");
    case SizeMode::MarginRight: return QStringLiteral("margin-right");
    case SizeMode::MarginTop: return QStringLiteral("margin-top");
    case SizeMode::MarginBottom: return QStringLiteral("margin-bottom");
    case SizeMode::LineHeight: return QStringLiteral("line-height");
    case SizeMode::FontSize: return QStringLiteral("font-size");
    case SizeMode::TextIndent: return QStringLiteral("text-indent");
    }
    return QString();
}

bool offersAuto(SizeMode mode)
{
    return mode == SizeMode::MarginLeft || mode == SizeMode::MarginRight || mode == SizeMode::MarginTop
           || mode == SizeMode::MarginBottom;
}

QStringList units()
{
    return {QStringLiteral("pt"), QStringLiteral("px"), QStringLiteral("em"), QStringLiteral("ex"),
            QStringLiteral("cm"), QStringLiteral("mm"), QStringLiteral("pc"), QStringLiteral("in")};
}

namespace {
QString unitName(int index)
{
    const QStringList all = units();
    return all.value(index >= 0 && index < all.size() ? index : 0);
}
} // namespace

QString sizeSample(const QString &caption, const SizeValue &value, int styleCase)
{
    const QString head = caption + QLatin1Char(':');
    switch (value.kind) {
    case SizeValue::Kind::Auto: return head + AsciiCase::forSetting(u"AUTO", styleCase) + QLatin1Char(';');
    case SizeValue::Kind::Percent: return head + QString::number(value.number) + QStringLiteral("%;");
    case SizeValue::Kind::Size: break;
    }
    return head + QString::number(value.number) + unitName(value.unit) + QLatin1Char(';');
}

int storedUnit(const FontMemory &m)
{
    return m.unit >= 0 && m.unit < units().size() ? m.unit : 0;
}

FontMemory rememberSize(FontMemory m, const SizeValue &value)
{
    switch (value.kind) {
    case SizeValue::Kind::Size:
        m.sizeMode = 1;
        m.unit = value.unit;
        m.number = value.number;
        break;
    case SizeValue::Kind::Percent:
        m.sizeMode = 2;
        m.number = value.number;
        break;
    case SizeValue::Kind::Auto: break;
    }
    return m;
}

QStringList fontLines(const FontChoice &choice, int styleCase)
{
    const auto cased = [styleCase](QStringView text) { return AsciiCase::forSetting(text, styleCase); };
    QStringList lines;
    if (choice.size == 1)
        lines << cased(u"font-size:") + QString::number(choice.number) + unitName(choice.unit) + QLatin1Char(';');
    else if (choice.size == 2)
        lines << cased(u"font-size:") + QString::number(choice.number) + QStringLiteral("%;");
    if (choice.weight == 1)
        lines << cased(u"font-weight:bold;");
    else if (choice.weight == 2)
        lines << cased(u"font-weight:normal;");
    if (choice.style == 1)
        lines << cased(u"font-style:italic;");
    else if (choice.style == 2)
        lines << cased(u"font-style:normal;");
    return lines;
}

FontMemory rememberFont(FontMemory m, const FontChoice &choice)
{
    m.sizeMode = choice.size;
    if (choice.size == 1) {
        m.number = choice.number;
        m.unit = choice.unit;
    } else if (choice.size == 2) {
        m.number = choice.number;
    }
    m.weight = choice.weight;
    m.italic = choice.style == 1 ? 1 : 0;
    return m;
}

} // namespace StyleProperties
