#pragma once

#include <QObject>

class CommandHost;
class TInputBox;

// The commands that open the input box: the link submenu, the link tool page and
// the pop-up's link items, the comment commands' input box, the frame source
// command and the style sheet background image and font family items.
class LinkCommands : public QObject
{
    Q_OBJECT
public:
    enum class Where {
        AtCursor,   // tool buttons
        UpperThird,
        Offset,     // 150 right of and 100 below the main window's top-left corner
    };

    // Binds every command; a child of the main window.
    explicit LinkCommands(CommandHost &host);

    // Creates the input box in the mode, places it, runs it and frees it.
    void openInputBox(int mode, Where where);
    // Gives the box what the mode lists, and makes its OK insert into the active
    // document and remember the input.
    void prepare(TInputBox &box, int mode);

private:
    void apply(const TInputBox &box);

    CommandHost &host_;
};
