#pragma once

#include <QObject>

class CommandHost;

// The settings dialogs: fonts and colours (OptFont, OptColor), the home folder (OptHome),
// the preview browsers (OptPreview), and the active document's properties (FileProperty).
class SettingsCommands : public QObject
{
    Q_OBJECT
public:
    explicit SettingsCommands(CommandHost &host);

    void OptFontClick();
    void OptColorClick();
    void OptHomeClick();
    void OptPreviewClick();
    void FilePropertyClick();

private:
    void runColorBox(bool colorPage);

    CommandHost &host_;
};
