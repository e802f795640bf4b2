#pragma once

#include "editing/RgbColor.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>

struct EditContext;

// The four commands that set colours and the page background through the colour
// dialog and the open-file dialog. The dialogs are asked through callbacks, so
// the commands run the same with the real dialogs and with scripted answers.
class ColorCommands
{
public:
    enum class Command {
        BackgroundColor,   // imgBGColor, imgBGColorSpd, PopimgBGColor
        TextColor,         // fColor, fColorSpd, PopFColor
        ColorAttribute,    // imgSetColor, imgSetColorSpd, PopimgSetColor
        BackgroundPicture, // imgBGPicture, imgBGPictureSpd, PopimgBGPicture
    };
    // Asks for a picture file; gives an empty name when the user cancels.
    using FileChooser = std::function<QString()>;

    static std::optional<Command> find(QStringView componentName);
    static QStringList names();
    // Runs the command of that component name; false for a name that is none of these.
    static bool run(QStringView componentName, const EditContext &context, const ColorChooser &chooseColor,
                    const FileChooser &choosePicture);

    // The dialog opens preset to the BODY tag's BGCOLOR when it has one.
    static void backgroundColor(const EditContext &context, const ColorChooser &choose);
    // A FONT pair with the chosen colour around the selection.
    static void textColor(const EditContext &context, const ColorChooser &choose);
    static void colorAttribute(const EditContext &context, const ColorChooser &choose);
    static void backgroundPicture(const EditContext &context, const FileChooser &choose);

    // What the open-file dialog shows for the background picture.
    static QString pictureDialogTitle();
    static QStringList pictureFilters();
};
