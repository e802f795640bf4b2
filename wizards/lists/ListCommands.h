#pragma once

#include <QObject>

class CommandHost;

// The list wizard and the list tag options, from the menu, the tool buttons and the pop-up.
class ListCommands : public QObject
{
    Q_OBJECT
public:
    explicit ListCommands(CommandHost &host);

    void ListWizardClick(); // every entry: PlaceUpperThird
    void lstOptClick();     // menu and pop-up: PlaceCentered
    void LstOptSpdClick();  // tool button: PlaceAtCursor

private:
    void runListOption(bool atCursor);

    CommandHost &host_;
};
