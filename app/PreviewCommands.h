#pragma once

#include <QObject>
#include <QString>

class CommandHost;

// Showing the active page in a browser (the desktop's handler for the file, or the
// sub browser named in TW.ini) and the help contents.
class PreviewCommands : public QObject
{
    Q_OBJECT
public:
    explicit PreviewCommands(CommandHost &host);

    void HtmlPrevMainClick();
    void HtmlPrevSubClick();
    void HelpContentsClick();

private:
    // Saves a modified page without the save notice; the file to show, or empty when
    // there is nothing on disk to show (no page, saving failed or was cancelled).
    QString savedForPreview();

    CommandHost &host_;
};
