#include "wizards/ImageCommands.h"

#include "app/MainForm.h"
#include "editing/TagInserter.h"
#include "platform/Platform.h"
#include "wizards/Image.h"

ImageCommands::ImageCommands(TMainForm &form) : QObject(&form), form_(form)
{
    form.bind(QStringLiteral("imgPicture"), [this] { imgPictureClick(); });
    form.bind(QStringLiteral("PopimgPicture"), [this] { imgPictureClick(); });
    form.bind(QStringLiteral("imgPictureSpd"), [this] { imgPictureSpdClick(); });
    form.bind(QStringLiteral("SpeedButton1"), [this] { SpeedButton1Click(); });
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
    if (!form_.activeBox())
        return;
    TImageBox box(form_.ActiveDocumentName(), &form_);
    if (optionsOnly)
        box.startWithOptionsOnly();
    box.move(form_.pos() + offset);
    if (Platform::instance().execDialog(&box) != QDialog::Accepted || !form_.activeBox())
        return;
    // The names are already in the tag case; the values stay as typed.
    TagInserter(form_.editContext()).InsertTagText(box.insertion(form_.tagCase()), true);
}
