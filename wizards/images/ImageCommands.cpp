#include "wizards/images/ImageCommands.h"

#include "app/CommandHost.h"
#include "editing/TagInserter.h"
#include "platform/Platform.h"
#include "wizards/images/ImageBox.h"

ImageCommands::ImageCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    host.bind(QStringLiteral("imgPicture"), [this] { imgPictureClick(); }, CommandNeed::Document);
    host.bind(QStringLiteral("PopimgPicture"), [this] { imgPictureClick(); }, CommandNeed::Document);
    host.bind(QStringLiteral("imgPictureSpd"), [this] { imgPictureSpdClick(); }, CommandNeed::Document);
    host.bind(QStringLiteral("SpeedButton1"), [this] { SpeedButton1Click(); }, CommandNeed::Document);
}

void ImageCommands::imgPictureClick()
{
    run(QPoint(180, 100), false);
}

void ImageCommands::imgPictureSpdClick()
{
    run(QPoint(20, 60), false);
}

void ImageCommands::SpeedButton1Click()
{
    run(QPoint(130, 40), true);
}

void ImageCommands::run(QPoint offset, bool optionsOnly)
{
    // A short-cut can still arrive while no document is open.
    if (!host_.hasDocument())
        return;
    TImageBox box(host_.activeDocumentName(), host_.window());
    if (optionsOnly)
        box.startWithOptionsOnly();
    host_.place(&box, Placement::FromWindow, offset);
    if (Platform::instance().execDialog(&box) != QDialog::Accepted || !host_.hasDocument())
        return;
    // The names are already in the tag case; the values stay as typed.
    TagInserter(host_.editContext()).InsertTagText(box.insertion(host_.tagCase()), true);
}
