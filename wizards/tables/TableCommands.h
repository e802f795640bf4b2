#pragma once

#include <QObject>

class CommandHost;

// The table wizard and the table tag options, from the menu, the tool buttons and the pop-up.
class TableCommands : public QObject
{
    Q_OBJECT
public:
    explicit TableCommands(CommandHost &host);

    void TableWizardClick();   // every entry: PlaceUpperThird
    void tTagOptionClick();    // menu and pop-up: main window left + 200, top + 100
    void TblOptSpdClick();     // tool button: PlaceAtCursor

private:
    void runTagOptions(bool atCursor);

    CommandHost &host_;
};
