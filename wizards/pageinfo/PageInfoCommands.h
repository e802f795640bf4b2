#pragma once

#include "app/CommandHost.h"

#include <QObject>

// The page information command: the dialog on the document's frame, OK rebuilding it.
class PageInfoCommands : public QObject
{
    Q_OBJECT
public:
    explicit PageInfoCommands(CommandHost &host);

    void HtmlBasicClick();    // menu (Ctrl+H) and pop-up: upper third of the window
    void HtmlBasicSpdClick(); // tool button: at the mouse pointer

private:
    void run(Placement placement);

    CommandHost &host_;
};
