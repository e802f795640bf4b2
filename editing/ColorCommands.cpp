#include "editing/ColorCommands.h"

#include "editing/BodyTag.h"
#include "editing/ColorAttribute.h"
#include "editing/EditContext.h"
#include "editing/HtmlColor.h"
#include "editing/TagInserter.h"

#include <QHash>

namespace {

const QHash<QString, ColorCommands::Command> &nameTable()
{
    using C = ColorCommands::Command;
    static const QHash<QString, C> table = {
        {QStringLiteral("imgBGColor"), C::BackgroundColor},
        {QStringLiteral("imgBGColorSpd"), C::BackgroundColor},
        {QStringLiteral("PopimgBGColor"), C::BackgroundColor},
        {QStringLiteral("fColor"), C::TextColor},
        {QStringLiteral("fColorSpd"), C::TextColor},
        {QStringLiteral("PopFColor"), C::TextColor},
        {QStringLiteral("imgSetColor"), C::ColorAttribute},
        {QStringLiteral("imgSetColorSpd"), C::ColorAttribute},
        {QStringLiteral("PopimgSetColor"), C::ColorAttribute},
        {QStringLiteral("imgBGPicture"), C::BackgroundPicture},
        {QStringLiteral("imgBGPictureSpd"), C::BackgroundPicture},
        {QStringLiteral("PopimgBGPicture"), C::BackgroundPicture},
    };
    return table;
}

} // namespace

std::optional<ColorCommands::Command> ColorCommands::find(QStringView componentName)
{
    const auto it = nameTable().constFind(componentName.toString());
    if (it == nameTable().constEnd())
        return std::nullopt;
    return it.value();
}

QStringList ColorCommands::names()
{
    QStringList list = nameTable().keys();
    list.sort();
    return list;
}

bool ColorCommands::run(QStringView componentName, const EditContext &context, const ColorChooser &chooseColor,
                        const FileChooser &choosePicture)
{
    const std::optional<Command> command = find(componentName);
    if (!command)
        return false;
    switch (*command) {
    case Command::BackgroundColor:
        backgroundColor(context, chooseColor);
        break;
    case Command::TextColor:
        textColor(context, chooseColor);
        break;
    case Command::ColorAttribute:
        colorAttribute(context, chooseColor);
        break;
    case Command::BackgroundPicture:
        backgroundPicture(context, choosePicture);
        break;
    }
    return true;
}

void ColorCommands::backgroundColor(const EditContext &context, const ColorChooser &choose)
{
    const std::optional<RgbColor> color = choose(BodyTag::backgroundColorOf(context.box));
    if (color)
        BodyTag::SetBodyBackgroundColor(context, *color);
}

void ColorCommands::textColor(const EditContext &context, const ColorChooser &choose)
{
    const std::optional<RgbColor> color = choose(std::nullopt);
    if (color)
        TagInserter(context).InsertTagPair(
            QStringLiteral("<FONT COLOR=\"") + HtmlColor::ColorToHtml(*color) + QStringLiteral("\">"),
            QStringLiteral("</FONT>"));
}

void ColorCommands::colorAttribute(const EditContext &context, const ColorChooser &choose)
{
    ColorAttribute::run(context, choose);
}

void ColorCommands::backgroundPicture(const EditContext &context, const FileChooser &choose)
{
    const QString file = choose();
    if (!file.isEmpty())
        BodyTag::insertBackgroundPicture(context, file);
}

QString ColorCommands::pictureDialogTitle()
{
    return QStringLiteral("画像ファイルの選択");
}

QStringList ColorCommands::pictureFilters()
{
    return {
        QStringLiteral("画像ファイル (*.gif *.jpg *.jpeg *.png)"),
        QStringLiteral("GIFファイルのみ (*.gif)"),
        QStringLiteral("JPEGファイルのみ (*.jpg *.jpeg)"),
        QStringLiteral("PNGファイルのみ (*.png)"),
        QStringLiteral("その他 (*)"),
    };
}
