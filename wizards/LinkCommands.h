#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

class TMainForm;

// The commands that open the input box: the link submenu, the link tool page and
// the pop-up's link items, the comment commands' input box, the frame source
// command and the style sheet background image and font family items.
class LinkCommands : public QObject
{
    Q_OBJECT
public:
    enum class Placement {
        AtCursor,   // tool buttons
        UpperThird,
        Offset,     // 150 right of and 100 below the main window's top-left corner
    };

    // Binds every command; a child of the main window.
    explicit LinkCommands(TMainForm &form);

    // Creates the input box in the mode, places it, runs it and frees it.
    void openInputBox(int mode, Placement placement);

    static QPoint offsetPosition(const QRect &mainFrame);

private:
    TMainForm &form_;
};
