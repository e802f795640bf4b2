#pragma once

#include <QObject>

class CommandHost;

// The frame wizard and the frame tag options.
class FrameCommands : public QObject
{
    Q_OBJECT
public:
    explicit FrameCommands(CommandHost &host);

    void frmWizardClick(); // menu and pop-up: PlaceUpperThird
    void FrameSpdClick();  // tool button: PlaceAtCursor
    void frmOptionClick(); // menu and pop-up: PlaceUpperThird
    void FrmOptSpdClick(); // tool button: PlaceAtCursor

private:
    void runWizard(bool atCursor);
    void runOptions(bool atCursor);

    CommandHost &host_;
};
