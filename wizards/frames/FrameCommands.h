#pragma once

#include <QObject>

class CommandHost;

// The frame wizard and the frame tag options.
class FrameCommands : public QObject
{
    Q_OBJECT
public:
    explicit FrameCommands(CommandHost &host);

    void frmWizardClick(); // PlaceUpperThird
    void frmOptionClick(); // menu: PlaceUpperThird
    void FrmOptSpdClick(); // tool button: PlaceAtCursor

private:
    void runOptions(bool atCursor);

    CommandHost &host_;
};
