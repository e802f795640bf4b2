#pragma once

#include "wizards/lists/DateFormat.h"

#include <QObject>
#include <QPoint>

class CommandHost;

// The date and time dialog from the tools menu, its tool button and the pop-up. What the
// dialog puts together stays for the whole run; the chosen entries and their order are
// kept in TW.ini.
class DateCommands : public QObject
{
    Q_OBJECT
public:
    explicit DateCommands(CommandHost &host);

    void ToolDateClick(); // main window left + 150, top + 150
    void TimeSpdClick();  // PlaceAtCursor
    void PopDateClick();  // main window left + 150, top + 200

private:
    void run(bool atCursor, QPoint offset);

    CommandHost &host_;
    DateParts parts_;
};
