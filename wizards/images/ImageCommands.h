#pragma once

#include <QObject>
#include <QPoint>

class CommandHost;
class TImageBox;

// The commands that open the image dialog, each with its own place for it.
class ImageCommands : public QObject
{
    Q_OBJECT
public:
    explicit ImageCommands(CommandHost &host);

    void imgPictureClick();    // menu and pop-up: main window left + 180, top + 100
    void imgPictureSpdClick(); // tool button: left + 20, top + 60
    void SpeedButton1Click();  // options-only tool button: left + 130, top + 40

private:
    void run(QPoint offset, bool optionsOnly);

    CommandHost &host_;
};
